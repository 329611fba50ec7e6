// The main window's brightness and backlight selectors, the codes they stand for, and the rule that
// offers or withdraws their automatic items.
#include "brightness/mode_selection.h"

#include <QSignalBlocker>

#include "brightness/auto_controls.h"
#include "brightness/mode_codes.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {

constexpr int kBrightnessAutomatic = 5;  // the "automatic" item of the brightness selector
constexpr int kBacklightAutomatic = 2;   // and of the backlight selector
constexpr int kBySchedule = 1;

// One main selector with the parts of the automatic controls dialog that belong to it.
struct Selector_Parts {
    Radio_Group* selector;
    int automatic_item;
    Radio_Group* sub_mode;  // the dialog's "by time" / "by schedule" choice
    QWidget* group;         // the dialog's group of this selector's automatic settings
    Radio_Group* other_selector;
    int other_automatic_item;
};

Selector_Parts Brightness_Parts() {
    const App& a = app();
    Ui::TForm13* d = a.Form13->ui();
    return {a.Form1->ui()->RadioGroup1, kBrightnessAutomatic, d->TntRadioGroup2, d->TntGroupBox1,
            a.Form1->ui()->RadioGroup2, kBacklightAutomatic};
}

Selector_Parts Backlight_Parts() {
    const App& a = app();
    Ui::TForm13* d = a.Form13->ui();
    return {a.Form1->ui()->RadioGroup2, kBacklightAutomatic, d->TntRadioGroup1, d->GroupBox5,
            a.Form1->ui()->RadioGroup1, kBrightnessAutomatic};
}

// A fixed level: no sub-mode, the automatic group is out of use, and the dialog goes away unless the
// other selector is on automatic (nothing chosen counts as not automatic).
void Level_Steps(const Selector_Parts& p) {
    p.sub_mode->setItemIndex(-1);
    p.group->setEnabled(false);
    p.sub_mode->setEnabled(false);
    if (p.other_selector->itemIndex() < p.other_automatic_item)
        app().Form13->hide();
}

// Automatic: the sub-mode is chosen (its change runs the dialog's sub-mode handler), the group is
// put in use and the dialog is shown, not modal.
void Automatic_Steps(const Selector_Parts& p, int sub_mode) {
    p.sub_mode->setItemIndex(sub_mode);
    p.group->setEnabled(true);
    p.sub_mode->setEnabled(true);
    app().Form13->show();
}

void Selector_Chosen(const Selector_Parts& p) {
    const App& a = app();
    if (a.Settings_Loading || a.Settings_Sending)
        return;
    const int item = p.selector->itemIndex();
    if (item == -1)
        return;
    if (item < p.automatic_item)
        Level_Steps(p);
    else
        Automatic_Steps(p, kBySchedule);
}

// Shows what a code from the board stands for. The item is chosen without the selector's own handler:
// that handler would choose "by schedule" (and look the schedule file up) before the code's own
// sub-mode is put in place.
void Apply_Code(const Selector_Parts& p, const Mode_Choice& choice) {
    {
        const QSignalBlocker quiet(p.selector);
        p.selector->setItemIndex(choice.item);
    }
    if (choice.item == -1) {
        p.sub_mode->setItemIndex(0);
        return;
    }
    if (choice.sub_mode == -1)
        Level_Steps(p);
    else
        Automatic_Steps(p, choice.sub_mode);
}

void Set_Items(Radio_Group* selector, const QStringList& items) {
    selector->setItems(items);
    selector->setColumns(static_cast<int>(items.size()));  // all in one row
}

// Restores a flag of the process to what it was when the scope began.
class Flag_Restorer {
  public:
    explicit Flag_Restorer(bool& flag) : flag_(flag), was_(flag) {}
    ~Flag_Restorer() { flag_ = was_; }
    Flag_Restorer(const Flag_Restorer&) = delete;
    Flag_Restorer& operator=(const Flag_Restorer&) = delete;

  private:
    bool& flag_;
    bool was_;
};

}  // namespace

void TForm1::RadioGroup1Click() {
    Selector_Chosen(Brightness_Parts());
}

void TForm1::RadioGroup2Click() {
    Selector_Chosen(Backlight_Parts());
}

void TForm1::Apply_Backlight_Code(int code) {
    Apply_Code(Backlight_Parts(), Backlight_Choice_Of(code));
}

void TForm1::Apply_Brightness_Code(int code) {
    Apply_Code(Brightness_Parts(), Brightness_Choice_Of(code));
}

Mode_Codes Build_Mode_Codes() {
    App& a = app();
    const Flag_Restorer restore(a.Settings_Sending);
    a.Settings_Sending = true;  // the selectors' handlers stay out of the way
    Ui::TForm1* m = a.Form1->ui();
    Ui::TForm13* d = a.Form13->ui();
    if (m->RadioGroup1->itemIndex() == -1)
        m->RadioGroup1->setItemIndex(0);
    if (m->RadioGroup2->itemIndex() == -1)
        m->RadioGroup2->setItemIndex(0);
    Mode_Codes codes;
    codes.brightness = Brightness_Code_Of(m->RadioGroup1->itemIndex(), d->TntRadioGroup2->itemIndex());
    codes.backlight = Backlight_Code_Of(m->RadioGroup2->itemIndex(), d->TntRadioGroup1->itemIndex());
    return codes;
}

// The automatic items are offered when the controller has its timer or is controlled by a modem;
// otherwise the selectors hold the levels only and both sub-modes are fixed at by time.
void TForm2::RadioGroup4Click() {
    App& a = app();
    Ui::TForm1* m = a.Form1->ui();
    TForm13* autos = a.Form13;
    Ui::TForm13* d = autos->ui();

    const int brightness_mode = m->RadioGroup1->itemIndex();
    const int back_light_mode = m->RadioGroup2->itemIndex();
    {
        const Flag_Restorer restore(a.Settings_Loading);
        a.Settings_Loading = true;  // the selectors stay quiet while their items change

        QStringList brightness_items{m->minLabel->text(), QStringLiteral("25%"), QStringLiteral("50%"),
                                     QStringLiteral("75%"), QStringLiteral("100%")};
        QStringList backlight_items{m->offLabel->text(), m->onLabel->text()};
        const int timer_used = ui_->RadioGroup4->itemIndex();
        const int modem_used = ui_->RadioGroup2->itemIndex();
        if (timer_used == 1 || modem_used != 0) {
            Set_Items(m->RadioGroup1, brightness_items << m->autoLabel->text());
            Set_Items(m->RadioGroup2, backlight_items << m->autoLabel->text());
            autos->Apply_Brightness_States(d->TntRadioGroup2->itemIndex() == kBySchedule);
            autos->Apply_Backlight_States(d->TntRadioGroup1->itemIndex() == kBySchedule);
            d->TntRadioGroup1->setEnabled(true);
            d->TntRadioGroup2->setEnabled(true);
        } else {
            Set_Items(m->RadioGroup1, brightness_items);
            Set_Items(m->RadioGroup2, backlight_items);
            for (QWidget* w : std::initializer_list<QWidget*>{
                     d->DateTimePicker1, d->DateTimePicker2, d->DateTimePicker3, d->DateTimePicker4,
                     d->SpinEdit8, d->SpinEdit9, d->SpinEdit6, d->SpinEdit7, d->Label25, d->Label26,
                     d->Label23, d->Label24})
                w->setEnabled(true);
            d->TntRadioGroup1->setEnabled(false);
            d->TntRadioGroup2->setEnabled(false);
            d->TntRadioGroup1->setItemIndex(0);
            d->TntRadioGroup2->setItemIndex(0);
        }
        m->RadioGroup1->setItemIndex(brightness_mode < m->RadioGroup1->count() ? brightness_mode : -1);
        m->RadioGroup2->setItemIndex(back_light_mode < m->RadioGroup2->count() ? back_light_mode : -1);
    }
    Buttons_arrange();
}

void TForm2::RadioGroup2Click() {
    const App& a = app();
    if (a.Settings_Loading || a.Reading_In_Progress || a.Settings_Sending)
        return;
    if (ui_->RadioGroup2->itemIndex() == -1)
        return;
    RadioGroup4Click();
}

void Wire_Mode_Selection() {
    const App& a = app();
    TForm1* main = a.Form1;
    TForm2* settings = a.Form2;
    QObject::connect(main->ui()->RadioGroup1, &Radio_Group::clicked, main,
                     Handler([main] { main->RadioGroup1Click(); }));
    QObject::connect(main->ui()->RadioGroup2, &Radio_Group::clicked, main,
                     Handler([main] { main->RadioGroup2Click(); }));
    QObject::connect(settings->ui()->RadioGroup4, &Radio_Group::clicked, settings,
                     Handler([settings] { settings->RadioGroup4Click(); }));
    QObject::connect(settings->ui()->RadioGroup2, &Radio_Group::clicked, settings,
                     Handler([settings] { settings->RadioGroup2Click(); }));
}
