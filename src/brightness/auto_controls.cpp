#include "brightness/auto_controls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHideEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include "brightness/schedule.h"
#include "core/app.h"
#include "core/clock.h"
#include "core/notify.h"
#include "core/platform_error.h"
#include "core/text_editor.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "ui_tform13.h"

namespace {

// The schedule file is looked for under its bare name, in the working folder.
const QString kSheduleFile = QStringLiteral("Shedule.shd");

// The time of day of a time text, "hh:mm:ss" (one-digit fields and a missing seconds field are taken
// as well); an invalid QTime when the text holds no time of day.
QTime Time_Of_Text(const QString& text) {
    QTime t = QTime::fromString(text, QStringLiteral("H:m:s"));
    if (!t.isValid())
        t = QTime::fromString(text, QStringLiteral("H:m"));
    return t;
}

// Puts a time into a picker. The program's own change is not an operator's edit, so the picker's
// change handler must not see it.
void Put_Time(QTimeEdit* picker, const QTime& time) {
    const QSignalBlocker quiet(picker);
    picker->setTime(time);
}

// Shows the two stored time texts in a group's pickers. A text that holds no time of day (a damaged
// setting) is reported and leaves both pickers as they were.
bool Show_Stored_Times(QTimeEdit* first_picker, const QString& first_text, QTimeEdit* second_picker,
                       const QString& second_text) {
    const QTime first = Time_Of_Text(first_text);
    const QTime second = Time_Of_Text(second_text);
    for (const auto& [time, text] : {std::pair{first, first_text}, std::pair{second, second_text}}) {
        if (!time.isValid()) {
            Show_Application_Error(QStringLiteral("'%1' is not a valid time").arg(text));
            return false;
        }
    }
    Put_Time(first_picker, first);
    Put_Time(second_picker, second);
    return true;
}

// The picker's time as a time text "hh:mm:ss".
QString Time_Text_Of(const QTimeEdit* picker) {
    QString text = picker->time().toString(QStringLiteral("hh:mm:ss"));
    if (text.size() < 8)
        text.prepend(QLatin1Char('0'));
    return text;
}

}  // namespace

Shedule_Answer Shedule_Lookup(int first_correction, int second_correction) {
    Shedule_Answer answer;
    QFile file(kSheduleFile);
    const QString full_path = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        Show_Application_Error(
            QStringLiteral("Cannot open file \"%1\". %2").arg(full_path, file.errorString()));
        answer.kind = Shedule_Answer::Failed;
        return answer;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Show_Application_Error(
            QStringLiteral("Cannot read file \"%1\". %2").arg(full_path, file.errorString()));
        answer.kind = Shedule_Answer::Failed;
        return answer;
    }
    const Schedule_Lookup_Result result =
        Shedule_Lookup_Lines(Split_Schedule_Lines(bytes), Today(), first_correction, second_correction);
    switch (result.kind) {
        case Schedule_Lookup_Result::Found:
            answer.kind = Shedule_Answer::Found;
            answer.first = result.first;
            answer.second = result.second;
            break;
        case Schedule_Lookup_Result::None:
            answer.kind = Shedule_Answer::None;
            break;
        case Schedule_Lookup_Result::Bad_Number:
            Show_Application_Error(QStringLiteral("'%1' is not a valid integer value").arg(result.bad_text));
            answer.kind = Shedule_Answer::Failed;
            break;
    }
    return answer;
}

TForm13::TForm13(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm13) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(size());
    connect(ui_->Btn_Close_, &QPushButton::clicked, this, &QDialog::hide);

    // A sub-mode handler runs when its sub-mode becomes by time or by schedule, not when it is cleared.
    connect(ui_->TntRadioGroup1, &Radio_Group::clicked, this, Handler([this] {
                if (ui_->TntRadioGroup1->itemIndex() != -1)
                    TntRadioGroup1Click();
            }));
    connect(ui_->TntRadioGroup2, &Radio_Group::clicked, this, Handler([this] {
                if (ui_->TntRadioGroup2->itemIndex() != -1)
                    TntRadioGroup2Click();
            }));
    // Only the operator's edits reach these: the program blocks the pickers' signals when it sets them.
    connect(ui_->DateTimePicker1, &QTimeEdit::userTimeChanged, this,
            Handler([this] { DateTimePicker1Change(); }));
    connect(ui_->DateTimePicker2, &QTimeEdit::userTimeChanged, this,
            Handler([this] { DateTimePicker2Change(); }));
    connect(ui_->DateTimePicker3, &QTimeEdit::userTimeChanged, this,
            Handler([this] { DateTimePicker3Change(); }));
    connect(ui_->DateTimePicker4, &QTimeEdit::userTimeChanged, this,
            Handler([this] { DateTimePicker4Change(); }));
    connect(ui_->SpinEdit8, &QSpinBox::valueChanged, this, Handler([this] { SpinEdit8Change(); }));
    connect(ui_->SpinEdit9, &QSpinBox::valueChanged, this, Handler([this] { SpinEdit9Change(); }));
    connect(ui_->Button3, &QPushButton::clicked, this, Handler([this] { Button3Click(); }));
}

TForm13::~TForm13() = default;

void TForm13::Show_Command(const QString& text) {
    ui_->TntStatusBar1->setPanelText(0, text);
}

void TForm13::Set_Picker_Formats() {
    for (QDateTimeEdit* picker :
         {ui_->DateTimePicker1, ui_->DateTimePicker2, ui_->DateTimePicker3, ui_->DateTimePicker4})
        picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
}

// By time the operator sets the times and the corrections do not apply; by schedule the times come from
// the schedule file and only the corrections can be changed.
void TForm13::Apply_Brightness_States(bool by_schedule) {
    ui_->DateTimePicker1->setEnabled(!by_schedule);
    ui_->DateTimePicker2->setEnabled(!by_schedule);
    for (QWidget* w : {static_cast<QWidget*>(ui_->SpinEdit8), static_cast<QWidget*>(ui_->SpinEdit9),
                       static_cast<QWidget*>(ui_->Label25), static_cast<QWidget*>(ui_->Label26)})
        w->setEnabled(by_schedule);
}

void TForm13::Apply_Backlight_States(bool by_schedule) {
    ui_->DateTimePicker3->setEnabled(!by_schedule);
    ui_->DateTimePicker4->setEnabled(!by_schedule);
    for (QWidget* w : {static_cast<QWidget*>(ui_->SpinEdit6), static_cast<QWidget*>(ui_->SpinEdit7),
                       static_cast<QWidget*>(ui_->Label23), static_cast<QWidget*>(ui_->Label24)})
        w->setEnabled(by_schedule);
}

void TForm13::TntRadioGroup2Click() {
    const App& a = app();
    if (ui_->TntRadioGroup2->itemIndex() != 1) {
        if (Show_Stored_Times(ui_->DateTimePicker1, a.Morning_Time, ui_->DateTimePicker2, a.Evening_Time))
            Apply_Brightness_States(false);
        return;
    }
    ui_->Button3->setEnabled(true);
    const Shedule_Answer answer = Shedule_Lookup(ui_->SpinEdit8->value(), ui_->SpinEdit9->value());
    if (answer.kind == Shedule_Answer::Failed)
        return;  // reported; the pickers and their states stay as they were
    if (answer.kind == Shedule_Answer::Found) {
        Put_Time(ui_->DateTimePicker1, answer.first);
        Put_Time(ui_->DateTimePicker2, answer.second);
    }
    Apply_Brightness_States(true);
}

void TForm13::TntRadioGroup1Click() {
    const App& a = app();
    if (ui_->TntRadioGroup1->itemIndex() != 1) {
        if (Show_Stored_Times(ui_->DateTimePicker3, a.OFF_Time, ui_->DateTimePicker4, a.ON_Time))
            Apply_Backlight_States(false);
        return;
    }
    ui_->Button3->setEnabled(true);
    const Shedule_Answer answer = Shedule_Lookup(ui_->SpinEdit6->value(), ui_->SpinEdit7->value());
    if (answer.kind == Shedule_Answer::Failed)
        return;
    if (answer.kind == Shedule_Answer::Found) {
        Put_Time(ui_->DateTimePicker3, answer.first);
        Put_Time(ui_->DateTimePicker4, answer.second);
    }
    Apply_Backlight_States(true);
}

void TForm13::DateTimePicker1Change() {
    app().Morning_Time = Time_Text_Of(ui_->DateTimePicker1);
}
void TForm13::DateTimePicker2Change() {
    app().Evening_Time = Time_Text_Of(ui_->DateTimePicker2);
}
void TForm13::DateTimePicker3Change() {
    app().OFF_Time = Time_Text_Of(ui_->DateTimePicker3);
}
void TForm13::DateTimePicker4Change() {
    app().ON_Time = Time_Text_Of(ui_->DateTimePicker4);
}

// The brightness corrections refresh the brightness pickers at once; the backlight corrections only
// take effect at the next run of the backlight sub-mode handler.
void TForm13::SpinEdit8Change() {
    TntRadioGroup2Click();
}
void TForm13::SpinEdit9Change() {
    TntRadioGroup2Click();
}

void TForm13::Button3Click() {
    if (!QFileInfo(kSheduleFile).isFile())
        return;
    Start_Text_Editor(app().Program_Dir + kSheduleFile);
}

// The automatic controls dialog and the settings dialog stack to the right of the main window: the one
// shown second goes below the other.
void TForm13::FormShow() {
    const App& a = app();
    if (!a.Form1)
        return;
    const QRect main = a.Form1->frameGeometry();
    int top = main.top();
    if (a.Form2 && a.Form2->isVisible()) {
        const QRect settings = a.Form2->frameGeometry();
        top = settings.top() + settings.height();
    }
    move(main.width() + 20, top);
}

void TForm13::FormHide() {
    const App& a = app();
    if (!a.Form1 || !a.Form2 || !a.Form2->isVisible())
        return;
    a.Form2->move(a.Form2->x(), a.Form1->frameGeometry().top());
}

void TForm13::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        Run_Handler([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TForm13::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        Run_Handler([this] { FormHide(); });
    QDialog::hideEvent(event);
}
