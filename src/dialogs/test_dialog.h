#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm11;
}

// The test dialog: fixed digit patterns put into the rows and sent to the board. A small tool
// window that stays on top; not modal.
class TForm11 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;
    Ui::TForm11* ui() const { return ui_.get(); }

    void FormShow();
    void RadioGroup1Click();
    void Button2Click();

    // The text each pattern puts into every row; the last pattern gives each row its own digit.
    static QString Pattern_Text(int item);
    static constexpr int kRowByRowPattern = 17;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm11> ui_;
    int chosen_ = -1;  // the pattern chosen last, to undo a choice refused during an upload
};
