#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm13;
}

// The automatic controls dialog: times, corrections and levels of the automatic brightness and
// backlight, each group with its sub-mode (by time or by schedule file).
class TForm13 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm13(QWidget* parent = nullptr);
    ~TForm13() override;
    Ui::TForm13* ui() const { return ui_.get(); }

    // Panel 0 of the dialog's status bar: the framed command of each exchange attempt.
    void Show_Command(const QString& text);
    void Set_Picker_Formats();

    // Sub-mode handlers, pickers, corrections, schedule button, placement
    void TntRadioGroup1Click();  // backlight sub-mode
    void TntRadioGroup2Click();  // brightness sub-mode
    void DateTimePicker1Change();
    void DateTimePicker2Change();
    void DateTimePicker3Change();
    void DateTimePicker4Change();
    void SpinEdit8Change();
    void SpinEdit9Change();
    void Button3Click();
    void FormShow();
    void FormHide();

  private:
    std::unique_ptr<Ui::TForm13> ui_;
};
