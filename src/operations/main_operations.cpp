#include "operations/main_operations.h"

#include <QCoreApplication>

#include "brightness/auto_controls.h"
#include "core/app.h"
#include "core/notify.h"
#include "core/platform_error.h"
#include "dialogs/error_dialogs.h"
#include "dialogs/settings_dialog.h"
#include "link/framing.h"
#include "main/rizozido.h"
#include "operations/read_answer.h"
#include "operations/settings_line.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {

void Enable_Operation_Controls(bool read_button) {
    Ui::TForm1* m = app().Form1->ui();
    m->RadioGroup1->setEnabled(true);
    m->RadioGroup2->setEnabled(true);
    if (read_button)
        m->Btn_Read_->setEnabled(true);
}

void Disable_Operation_Controls() {
    Ui::TForm1* m = app().Form1->ui();
    m->Btn_Read_->setEnabled(false);
    m->Btn_Send_->setEnabled(false);
    m->RadioGroup1->setEnabled(false);
    m->RadioGroup2->setEnabled(false);
}

void Status(const QString& text) {
    app().Form1->Set_Status(0, text);
}

// Searches the board's port; without a board says so plainly and returns false.
bool Find_Board() {
    app().Form2->Button2Click();
    if (app().Port_Found)
        return true;
    Status(QStringLiteral("No transport device"));
    Beep();
    Show_Transport_Message();
    return false;
}

int Field(int index) {
    return app().Board_Fields[index].toInt();
}

// Puts the controller settings of a valid answer into their controls.
void Apply_Controller_Fields() {
    App& a = app();
    TForm1* f1 = a.Form1;
    Ui::TForm2* f2 = a.Form2->ui();
    Ui::TForm13* f13 = a.Form13->ui();
    f2->RadioGroup1->setItemIndex(Field(16));
    f1->Apply_Backlight_Code(Field(15));
    f1->Apply_Brightness_Code(Field(14));
    f2->RadioGroup3->setItemIndex(Field(31));
    a.OFF_Time = Minutes_To_Time_Text(Field(23));
    a.ON_Time = Minutes_To_Time_Text(Field(24));
    f13->SpinEdit6->setValue(Byte_To_Signed(Field(25)));
    f13->SpinEdit7->setValue(Byte_To_Signed(Field(26)));
    a.Morning_Time = Minutes_To_Time_Text(Field(17));
    a.Evening_Time = Minutes_To_Time_Text(Field(18));
    f13->SpinEdit8->setValue(Byte_To_Signed(Field(19)));
    f13->SpinEdit9->setValue(Byte_To_Signed(Field(20)));
    f13->ComboBox2->setCurrentIndex(Field(21));
    f13->ComboBox4->setCurrentIndex(Field(22));
    f2->RadioGroup6->setItemIndex(Field(30));
    f2->RadioGroup4->setItemIndex(0);  // the timer is never taken from the board
    f2->RadioGroup5->setItemIndex(Field(28));
    a.Form13->TntRadioGroup1Click();
    a.Form13->TntRadioGroup2Click();
    f2->TntRadioGroup1->setItemIndex(Field(29));
    f2->RadioGroup2->setItemIndex(Field(32));
}

}  // namespace

// A save or load inside an operation that fails is shown (Run_Handler), and the operation still runs to
// its end, so that its buttons come back and its flags are cleared.
void Read_Values() {
    App& a = app();
    if (a.Reading_In_Progress)
        return;
    a.Reading_In_Progress = true;
    TForm1* f1 = a.Form1;
    Board_Link& link = a.link;
    Disable_Operation_Controls();
    a.Read_Back_Text.clear();

    if (Find_Board()) {
        Status(QStringLiteral("Reading"));
        QCoreApplication::processEvents();
        link.Command_Line = "READ=";
        link.Outcome.Reply_Line.clear();
        link.Exchange_Command();
        Exchange_Outcome& o = link.Outcome;

        if (o.Read_Received) {
            if (!Check_Line_Checksum(o.Reply_Line)) {
                o.Read_Received = false;
                o.Timed_Out = true;
            } else {
                Board_Field_Array fields;
                for (int i = 1; i <= 32; ++i)
                    fields[i] = a.Board_Fields[i].toLatin1();
                const bool grammar = Parse_Read_Fields(o.Reply_Line, fields) == Answer_Grammar::Valid;
                for (int i = 1; i <= 32; ++i)
                    a.Board_Fields[i] = QString::fromLatin1(fields[i]);
                // Settings that cannot be applied as they stand make the whole answer a data error.
                if (!grammar || !Settings_Fields_Usable(fields)) {
                    o.Read_Received = false;
                    o.Error_Received = true;
                }
            }
        }

        if (o.Read_Received) {
            for (int row = 1; row <= 10; ++row)
                a.Read_Back_Text += a.Board_Value(row);
            if (a.Upload_Chain_Active) {
                for (int row = 1; row <= 10; ++row)
                    a.Board_Value(row) = f1->Edit(row)->text();
            } else {
                for (int row = 1; row <= 10; ++row)
                    if (f1->Row_Check(row)->isChecked())
                        f1->Edit(row)->setText(a.Board_Value(row));
                Run_Handler([f1] { f1->Save1Click(); });
                Apply_Controller_Fields();
                Run_Handler([f1] { f1->Save_Settings(); });
            }
            f1->ui()->ProgressBar1->setValue(1000);
            Status(QStringLiteral("Reading Ok"));
            f1->ui()->Btn_Send_->setEnabled(true);
        }
        if (!a.Upload_Chain_Active && o.Error_Received) {
            Run_Handler([f1] { f1->Load1Click(); });
            Status(QStringLiteral("Data error"));
            Beep();
            a.Form10->Show_Modal_Unless_Visible();
        }
        if (!a.Upload_Chain_Active && o.Timed_Out) {
            Run_Handler([f1] { f1->Load1Click(); });
            f1->Set_Status(1, QString());
            Run_Handler([f1] { f1->Load_Controller_Settings(); });
            Status(QStringLiteral("Connection error, data loaded from file"));
            Beep();
        }
    }

    a.Form2->RadioGroup4Click();
    Enable_Operation_Controls(true);
    a.Reading_In_Progress = false;
    Run_Handler([f1] { f1->Save_Settings(); });
}

void Upload_Values() {
    App& a = app();
    if (a.Upload_Running || a.Reading_In_Progress)
        return;
    a.Upload_Running = true;
    TForm1* f1 = a.Form1;
    Board_Link& link = a.link;

    if (!a.Form2->ui()->CheckBox2->isChecked() && !a.Test_Mode)
        Run_Handler([f1] { f1->Save1Click(); });
    const bool ticker_was_running = f1->Timer2.isActive();
    Disable_Operation_Controls();

    if (Find_Board()) {
        Status(QStringLiteral("Sending"));
        QCoreApplication::processEvents();
        const QString zeros = QString(a.Digit_Count, QLatin1Char('0'));
        const QString filling = a.Digit_Count < 5 ? QString(5 - a.Digit_Count, QLatin1Char('0')) : QString();
        for (int row = 1; row <= 10; ++row)
            a.Board_Value(row) = f1->Row_Check(row)->isChecked() ? f1->Edit(row)->text() : zeros;
        QByteArray line = "SEND=";
        a.Sent_Values_Text.clear();
        for (int row = 1; row <= 10; ++row) {
            const QString field = a.Board_Value(row) + filling;
            line += field.toLatin1() + ',';
            a.Sent_Values_Text += field;
        }
        link.Command_Line = line;
        link.Exchange_Command();
        Exchange_Outcome& o = link.Outcome;

        if (o.Ok_Received) {
            a.Upload_Chain_Active = true;
            a.Form2->Send_Settings();
            if (o.Ok_Received) {
                f1->ui()->ProgressBar1->setValue(1000);
                Read_Values();
                if (a.Read_Back_Text != a.Sent_Values_Text)
                    o.Error_Received = true;
                o.Ok_Received = true;
            }
            a.Upload_Chain_Active = false;
        }
        if (o.Timed_Out) {
            Status(QStringLiteral("Connection error"));
            Beep();
            a.Form8->Show_Modal_Unless_Visible();
        } else {
            if (o.Ok_Received)
                Status(QStringLiteral("Sent OK"));
            if (o.Error_Received) {
                Status(QStringLiteral("Data error"));
                Beep();
                a.Form9->Show_Modal_Unless_Visible();
            }
        }
    }

    Enable_Operation_Controls(true);
    if (ticker_was_running)
        f1->Timer2.start();
    else
        f1->Timer2.stop();
    a.Upload_Running = false;
}
