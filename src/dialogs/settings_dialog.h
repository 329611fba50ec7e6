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

    // The port: selection of the named port and the search for the board (link/port_discovery.cpp).
    void ComboBox1Change();
    void Button2Click();

    // Showing, closing and the operator's settings (dialogs/settings_dialog.cpp)
    void FormShow();
    void FormHide();
    void Btn_OK_Click();
    void SpinEdit5Change();
    void SpinEdit4Change();
    void SpinEdit10Change();
    void TntCheckBox1Click();
    void Button4Click();
    void CheckBox2Click();
    void CheckBox5Click();
    void CheckBox9Click();
    void TntCheckBox3Click();

    // Shares the lower panel's width between the Write and Read buttons (main/layout.cpp).
    void Buttons_arrange();

    // The timer rule and the "Controlled by" handler (brightness/mode_selection.cpp)
    void RadioGroup4Click();
    void RadioGroup2Click();

    // The controller settings line (operations/controller_settings.cpp)
    void Send_Settings();

    static constexpr int kProtocolLines = 5000;  // the log keeps the newest lines
    static constexpr int kProtocolPanelHeight = 225;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm2> ui_;
};
