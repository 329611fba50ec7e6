// The controller settings line "SETS=" and the sending of one controller command.
#include <QCoreApplication>

#include "brightness/auto_controls.h"
#include "brightness/mode_codes.h"
#include "core/app.h"
#include "core/notify.h"
#include "core/platform_error.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "operations/settings_line.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

void TForm2::Send_Settings() {
    App& a = app();
    if (a.Settings_Loading || a.Reading_In_Progress || a.Settings_Sending)
        return;
    a.Settings_Sending = true;
    Ui::TForm1* m = a.Form1->ui();
    Ui::TForm13* f13 = a.Form13->ui();

    // Nothing chosen is sent as the first item; the selectors' handlers stay quiet meanwhile.
    if (m->RadioGroup1->itemIndex() < 0)
        m->RadioGroup1->setItemIndex(0);
    if (m->RadioGroup2->itemIndex() < 0)
        m->RadioGroup2->setItemIndex(0);
    if (ui_->RadioGroup1->itemIndex() < 0)
        ui_->RadioGroup1->setItemIndex(0);

    Controller_Settings s;
    s.brightness_code = Brightness_Code_Of(m->RadioGroup1->itemIndex(), f13->TntRadioGroup2->itemIndex());
    s.backlight_code = Backlight_Code_Of(m->RadioGroup2->itemIndex(), f13->TntRadioGroup1->itemIndex());
    s.flash = ui_->RadioGroup1->itemIndex();
    s.morning_time = a.Morning_Time;
    s.evening_time = a.Evening_Time;
    s.morning_correction = f13->SpinEdit8->value();
    s.evening_correction = f13->SpinEdit9->value();
    s.morning_level = f13->ComboBox2->currentIndex();
    s.evening_level = f13->ComboBox4->currentIndex();
    s.off_time = a.OFF_Time;
    s.on_time = a.ON_Time;
    s.off_correction = f13->SpinEdit6->value();
    s.on_correction = f13->SpinEdit7->value();
    // The last six are fixed: each setting takes its value first, then the line takes the setting.
    ui_->RadioGroup4->setItemIndex(1);
    s.timer_used = ui_->RadioGroup4->itemIndex();
    ui_->RadioGroup5->setItemIndex(1);
    s.temperature_used = ui_->RadioGroup5->itemIndex();
    ui_->TntRadioGroup1->setItemIndex(10);
    s.time_temp_display = ui_->TntRadioGroup1->itemIndex();
    ui_->RadioGroup6->setItemIndex(0);
    s.enable_events = ui_->RadioGroup6->itemIndex();
    ui_->RadioGroup3->setItemIndex(1);
    s.inverse = ui_->RadioGroup3->itemIndex();
    ui_->RadioGroup2->setItemIndex(1);
    s.modem_used = ui_->RadioGroup2->itemIndex();

    a.link.Command_Line = Build_Settings_Line(s);
    a.Form1->Send_Controller_Setting();
    Run_Handler([&a] { a.Form1->Save_Controller_Settings(); });
    a.Settings_Sending = false;
}

void TForm1::Send_Controller_Setting() {
    App& a = app();
    a.Form2->Button2Click();
    if (!a.Port_Found) {
        Show_Transport_Message();
        return;
    }
    a.link.Exchange_Command();
    const Exchange_Outcome& o = a.link.Outcome;
    if (o.Error_Received) {
        Set_Status(0, QStringLiteral("Data error"));
        Beep();
    }
    if (o.Timed_Out) {
        Set_Status(2, QString());
        Set_Status(1, QString());
        Set_Status(0, QStringLiteral("Connection error, setting was not made"));
    }
    if (o.Ok_Received) {
        ui()->ProgressBar1->setValue(1000);
        Run_Handler([this] { Save_Settings(); });
    }
}
