#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm2;
}

// The settings dialog: time-out, attempts, product count, flashing and the protocol log, and,
// in controls it never shows, settings that other parts of the program read and set.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;
    Ui::TForm2* ui() const { return ui_.get(); }

    // The protocol log: every line received from the board.
    void Add_Protocol_Line(const QString& line);
    // Panel 0 of the dialog's status bar: the framed command of each exchange attempt.
    void Show_Command(const QString& text);

    // The port: selection of the named port and the search for the board.
    void ComboBox1Change();
    void Button2Click();

    static constexpr int kProtocolLines = 5000;  // the log keeps the newest lines

private:
    std::unique_ptr<Ui::TForm2> ui_;
};
