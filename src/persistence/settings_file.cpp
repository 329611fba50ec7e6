// The settings file's sections "Settings" and "Tablo": every setting of the program but the
// controller's own, which keeps its section untouched here.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "content/tablo_type.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "persistence/file_write.h"
#include "persistence/ini_codec.h"
#include "ui_tform1.h"
#include "ui_tform12.h"
#include "ui_tform2.h"

namespace {

const QByteArray kSettings = "Settings";
const QByteArray kTablo = "Tablo";

// Rows 1, 3, 5, 7, 9 are enabled by the boxes CheckBox1 .. CheckBox5, rows 2, 4, 6, 8, 10 by
// CheckBox1a .. CheckBox5a; the keys follow the boxes.
constexpr int kOddRows[] = {1, 3, 5, 7, 9};
constexpr int kEvenRows[] = {2, 4, 6, 8, 10};
QByteArray Enable_Key(int row) {
    const int box = (row + 1) / 2;
    return QByteArray::number(box) + (row % 2 == 0 ? "a_st_Currency" : "st_Currency");
}
bool Enable_Default(int row) {
    return row <= 8;
}

const char* const kDefaultNames[] = {
    "PREMIUM", "EURO REGULAR", "REGULAR", "EURO DIESEL", "DIESEL", "SUPER", "", "", "", ""};
const char* const kDefaultCodes[] = {"USD", "EUR", "GBP", "RUR", "FRF"};

QString Settings_Path() {
    return app().Program_Dir + QStringLiteral("Vevuvored_edizu.ini");
}

// Texts of the file are bytes of the 8-bit code page and are written back as they were read.
QString Text_Of(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}
QByteArray Bytes_Of(const QString& text) {
    return text.toLatin1();
}

// Puts a check box into a state and runs its handler once: through the box's own change signal
// when the state changes, directly when it does not.
template <class F>
void Set_And_Run(QCheckBox* box, bool checked, F handler) {
    if (box->isChecked() != checked)
        box->setChecked(checked);
    else
        handler();
}

}  // namespace

void TForm1::Save_Settings() {
    App& a = app();
    if (a.Starting || a.Settings_Loading)
        return;
    const QString path = Settings_Path();

    QByteArray old_bytes;
    QFile file(path);
    if (file.exists()) {
        // A file that is there but cannot be read is not overwritten: its other sections would be lost.
        if (!file.open(QIODevice::ReadOnly))
            throw Platform_Error(QStringLiteral("Unable to write to ") +
                                 QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
        old_bytes = file.readAll();
        file.close();
    }
    Ini_Document ini = Ini_Document::parse(old_bytes);
    ini.eraseSection(kSettings);
    ini.eraseSection(kTablo);

    Ui::TForm2* s = a.Form2->ui();
    TForm12* board = a.Form12;
    ini.setText(kSettings, "Port_Number", Bytes_Of(a.Port_Number));
    ini.setBoolean(kSettings, "Auto_Load", s->Auto_Load_Chb->isChecked());
    ini.setInteger(kSettings, "Auto_Load_Intvl", a.Auto_Load_Intvl);
    ini.setBoolean(kSettings, "Send_If_Changed", a.Send_If_Changed);
    ini.setInteger(kSettings, "Attempts", a.Attempts);
    ini.setInteger(kSettings, "Timeout_for_command", a.Timeout_for_command);
    ini.setBoolean(kSettings, "Manage_Checksumms", s->CheckBox3->isChecked());

    ini.setInteger(kTablo, "Products", s->SpinEdit10->value());
    ini.setInteger(kTablo, "Valutas", board->ui()->SpinEdit1->value());
    ini.setBoolean(kTablo, "Show_B_L", s->CheckBox9->isChecked());
    ini.setBoolean(kTablo, "Show_Brig", s->TntCheckBox3->isChecked());
    for (int row : kOddRows)
        ini.setBoolean(kTablo, Enable_Key(row), Row_Check(row)->isChecked());
    for (int row : kEvenRows)
        ini.setBoolean(kTablo, Enable_Key(row), Row_Check(row)->isChecked());
    ini.setBoolean(kTablo, "Replys", s->CheckBox5->isChecked());
    for (int row = 1; row <= 10; ++row)
        ini.setText(kTablo, "Name_" + QByteArray::number(row), Bytes_Of(board->Name_Edit(row)->text()));
    for (int i = 1; i <= 5; ++i)
        ini.setText(kTablo, "VAL_" + QByteArray::number(i), Bytes_Of(board->Currency_Box(i)->currentText()));
    ini.setInteger(kTablo, "Board_type", board->ui()->RadioGroup2->itemIndex());
    ini.setInteger(kTablo, "Digits", a.Digit_Count);

    Write_File_Whole(path, ini.serialize());
}

void TForm1::Load_Settings() {
    App& a = app();
    a.Settings_Loading = true;
    struct Loading_Scope {  // the flag never outlives the load, however it ends
        ~Loading_Scope() { app().Settings_Loading = false; }
    } loading;

    QByteArray bytes;
    QFile file(Settings_Path());
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    file.close();
    const Ini_Document ini = Ini_Document::parse(bytes);

    TForm2* settings = a.Form2;
    Ui::TForm2* s = settings->ui();
    TForm12* board = a.Form12;

    move(20, 20);
    a.Baud_Text = QStringLiteral("9600");
    a.Parity_Text = QStringLiteral("None");
    a.Port_Number = Text_Of(ini.text(kSettings, "Port_Number").value_or("COM1"));
    s->Auto_Load_Chb->setChecked(false);
    a.Send_If_Changed = ini.boolean(kSettings, "Send_If_Changed").value_or(false);
    a.Auto_Load_Intvl = ini.integer(kSettings, "Auto_Load_Intvl").value_or(5000);
    // The exchange needs at least one attempt and a time-out it can wait for: a hand-edited value
    // is held to what the settings dialog offers.
    // Taken as they stand, except what no exchange can run with: fewer than one attempt, or a
    // time-out of zero or less.
    const int attempts = ini.integer(kSettings, "Attempts").value_or(1);
    a.Attempts = attempts < 1 ? 1 : attempts;
    const int timeout = ini.integer(kSettings, "Timeout_for_command").value_or(1000);
    a.Timeout_for_command = timeout <= 0 ? 1000 : timeout;
    s->CheckBox3->setChecked(true);

    s->SpinEdit10->setValue(qBound(1, ini.integer(kTablo, "Products").value_or(10), 10));
    board->ui()->SpinEdit1->setValue(qBound(1, ini.integer(kTablo, "Valutas").value_or(5), 5));
    Set_And_Run(s->CheckBox9, true, [settings] { settings->CheckBox9Click(); });
    Set_And_Run(s->TntCheckBox3, true, [settings] { settings->TntCheckBox3Click(); });
    for (int row : kOddRows)
        Row_Check(row)->setChecked(ini.boolean(kTablo, Enable_Key(row)).value_or(Enable_Default(row)));
    for (int row : kEvenRows)
        Row_Check(row)->setChecked(ini.boolean(kTablo, Enable_Key(row)).value_or(Enable_Default(row)));
    s->CheckBox5->setChecked(false);

    for (int row = 1; row <= 10; ++row)
        board->Name_Edit(row)->setText(
            Text_Of(ini.text(kTablo, "Name_" + QByteArray::number(row)).value_or(kDefaultNames[row - 1])));
    for (int i = 1; i <= 5; ++i)
        board->Currency_Box(i)->setCurrentText(
            Text_Of(ini.text(kTablo, "VAL_" + QByteArray::number(i)).value_or(kDefaultCodes[i - 1])));
    for (int row = 1; row <= 10; ++row)
        Set_Row_Name(row, board->Name_Edit(row)->text());

    settings->CheckBox5Click();
    board->ui()->RadioGroup2->setItemIndex(1);
    s->SpinEdit3->setValue(3);
    a.Digit_Count = 3;

    for (int row : kOddRows)
        Apply_Row_Enable(row);
    for (int row : kEvenRows)
        Apply_Row_Enable(row);
    board->RadioGroup2Click();
    // A data file that cannot be written is reported on its own; the rest of the load goes on.
    Run_Handler([this] { Load1Click(); });
    a.Form2->RadioGroup4Click();
    a.Settings_Loading = false;
}
