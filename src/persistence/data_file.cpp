// The data file: the ten row values, one a line, beside the program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "content/fit_value.h"
#include "core/app.h"
#include "core/text_editor.h"
#include "dialogs/error_dialogs.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "persistence/data_file_format.h"
#include "persistence/file_write.h"

namespace {

QString Data_File_Path() {
    return app().Program_Dir + app().Data_File_Name;
}

// Without a data file the settings dialog is shown modally; showing it makes the default file.
// When the operator has it open already, it only comes to the front.
void Ask_For_Data_File() {
    TForm2* settings = app().Form2;
    if (!settings)
        return;
    if (!settings->isVisible()) {
        settings->exec();
    } else {
        settings->raise();
        settings->activateWindow();
    }
}

std::array<QString, 10> Board_Values() {
    std::array<QString, 10> values;
    for (int row = 1; row <= 10; ++row)
        values[row - 1] = app().Board_Value(row);
    return values;
}

}  // namespace

void TForm1::Save1Click() {
    Write_File_Whole(Data_File_Path(), Data_File_Content(Board_Values()), 2);
    Set_Status(0, QStringLiteral("Saved"));
}

void TForm1::Load1Click() {
    App& a = app();
    const QString path = Data_File_Path();
    if (!QFileInfo::exists(path)) {
        Ask_For_Data_File();
        return;
    }
    Set_Status(0, QStringLiteral("Loading"));

    QByteArray content;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        content = file.readAll();
        file.close();
    } else {
        Write_File_Whole(path, QByteArray(), 2);
    }

    a.Data_Text.clear();
    const std::array<QByteArray, 10> lines = Data_File_Lines(content);
    for (int row = 1; row <= 10; ++row) {
        const QString value =
            Fit_Value(QString::fromLatin1(lines[row - 1]), a.Fit_Previous, a.Last_Key, a.Digit_Count, 0).text;
        a.Data_Text += value;
        a.Board_Value(row) = value;
    }
    for (int row = 1; row <= 10; ++row)
        Edit(row)->setText(a.Board_Value(row));

    const bool error_shown = (a.Form8 && a.Form8->isVisible()) || (a.Form9 && a.Form9->isVisible());
    if (a.Send_If_Changed && !a.Settings_Loading && !error_shown && a.Data_Text != a.Last_Data_Text &&
        a.Upload_Values)
        a.Upload_Values();
    a.Last_Data_Text = a.Data_Text;
    Set_Status(0, QStringLiteral("Loaded"));
}

void TForm1::Show1Click() {
    const QString path = QDir::toNativeSeparators(QFileInfo(Data_File_Path()).absoluteFilePath());
    if (!QFileInfo::exists(path)) {
        Ask_For_Data_File();
        return;
    }
    // The editor gets the path as one argument, with no shell between, and runs on its own.
    Start_Text_Editor(path);
}
