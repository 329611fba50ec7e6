#pragma once

#include <QDialog>
#include <QTime>
#include <memory>

namespace Ui {
class TForm13;
}

// Today's two times from the schedule file "Shedule.shd" in the working folder, each shifted by its
// correction in minutes. A file that cannot be read, or a line before today's entry whose time columns
// are not numbers, is reported in the application's error box and gives Failed.
struct Shedule_Answer {
    enum Kind { Found, None, Failed } kind = None;
    QTime first, second;
};
Shedule_Answer Shedule_Lookup(int first_correction, int second_correction);

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

    // The enabled states of a group's pickers, corrections and correction labels for its sub-mode.
    void Apply_Brightness_States(bool by_schedule);
    void Apply_Backlight_States(bool by_schedule);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm13> ui_;
};
