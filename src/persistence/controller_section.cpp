// The section "Controller" of the settings file: the copy of the controller's own settings.
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "brightness/auto_controls.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "persistence/ini_codec.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {

const QByteArray kSection = "Controller";
constexpr int kCorrectionMin = -127;
constexpr int kCorrectionMax = 128;

QString Settings_Path() {
    return app().Program_Dir + QStringLiteral("Vevuvored_edizu.ini");
}

// The settings file as it stands; a file that does not exist is an empty one. A file that exists but
// cannot be read gives an empty one to a load (whose keys then take their defaults) and raises an error
// for a save, so that a save never replaces sections it could not see.
enum class Unreadable { Empty, Raise };

Ini_Document Read_Settings_File(const QString& path, Unreadable unreadable) {
    QFile file(path);
    if (!file.exists())
        return Ini_Document::parse(QByteArray());
    if (!file.open(QIODevice::ReadOnly)) {
        if (unreadable == Unreadable::Empty)
            return Ini_Document::parse(QByteArray());
        throw Platform_Error(QStringLiteral("Cannot open file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return Ini_Document::parse(file.readAll());
}

void Write_Settings_File(const QString& path, const Ini_Document& doc) {
    QSaveFile file(path);
    const QByteArray bytes = doc.serialize();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Platform_Error(QStringLiteral("Unable to write to ") + path);
}

// Time texts keep their bytes: whatever the file holds comes back unchanged on the next save.
QString Time_Text(const Ini_Document& doc, const char* key, const char* fallback) {
    return QString::fromLatin1(doc.text(kSection, key).value_or(QByteArray(fallback)));
}

// An item index for a list of count items; one that the list does not have gives no choice (-1).
int Item_Index(const Ini_Document& doc, const char* key, int count) {
    const int index = doc.integer(kSection, key).value_or(0);
    return index >= 0 && index < count ? index : -1;
}

int Correction(const Ini_Document& doc, const char* key) {
    return std::clamp(doc.integer(kSection, key).value_or(0), kCorrectionMin, kCorrectionMax);
}

}  // namespace

void TForm1::Save_Controller_Settings() {
    App& a = app();
    if (a.Settings_Loading)
        return;
    const QString path = Settings_Path();
    Ini_Document doc = Read_Settings_File(path, Unreadable::Raise);
    Ui::TForm2* s = a.Form2->ui();
    Ui::TForm13* d = a.Form13->ui();
    doc.setText(kSection, "Morning_Time", a.Morning_Time.toLatin1());
    doc.setText(kSection, "Evening_Time", a.Evening_Time.toLatin1());
    doc.setText(kSection, "OFF_Time", a.OFF_Time.toLatin1());
    doc.setText(kSection, "ON_Time", a.ON_Time.toLatin1());
    doc.setInteger(kSection, "Enable_Events", s->RadioGroup6->itemIndex());
    doc.setInteger(kSection, "Timer_Used", s->RadioGroup4->itemIndex());
    doc.setInteger(kSection, "Temperature_Used", s->RadioGroup5->itemIndex());
    doc.setInteger(kSection, "Back_light_Mode", ui_->RadioGroup2->itemIndex());
    doc.setInteger(kSection, "Brightness_Mode", ui_->RadioGroup1->itemIndex());
    doc.setInteger(kSection, "Morning_Time_Correction", d->SpinEdit8->value());
    doc.setInteger(kSection, "Evening_Time_Correction", d->SpinEdit9->value());
    doc.setInteger(kSection, "OFF_Time_Correction", d->SpinEdit6->value());
    doc.setInteger(kSection, "ON_Time_Correction", d->SpinEdit7->value());
    doc.setInteger(kSection, "Morning_Brightness", d->ComboBox2->currentIndex());
    doc.setInteger(kSection, "Evening_Brightness", d->ComboBox4->currentIndex());
    doc.setInteger(kSection, "Shedule_Backlight", d->TntRadioGroup1->itemIndex());
    doc.setInteger(kSection, "Shedule_Brightness", d->TntRadioGroup2->itemIndex());
    doc.setInteger(kSection, "Inverse", s->RadioGroup3->itemIndex());
    doc.setInteger(kSection, "Flash", s->RadioGroup1->itemIndex());
    doc.setInteger(kSection, "Time_Temp_Dispalay", s->TntRadioGroup1->itemIndex());
    doc.setInteger(kSection, "Modem_Used", s->RadioGroup2->itemIndex());
    Write_Settings_File(path, doc);
}

// Brings back the schedule times, their corrections and the two automatic levels; the controller's
// modes are left with nothing chosen and "Timer used" at "NO", since only the board knows them.
void TForm1::Load_Controller_Settings() {
    App& a = app();
    a.Settings_Loading = true;
    struct Clear_Loading {
        ~Clear_Loading() { app().Settings_Loading = false; }
    } clear_loading;

    const Ini_Document doc = Read_Settings_File(Settings_Path(), Unreadable::Empty);
    Ui::TForm2* s = a.Form2->ui();
    TForm13* autos = a.Form13;
    Ui::TForm13* d = autos->ui();

    // The handlers that these changes raise do nothing while the settings load.
    ui_->RadioGroup2->setItemIndex(-1);
    d->TntRadioGroup2->setItemIndex(-1);
    s->RadioGroup1->setItemIndex(-1);
    ui_->RadioGroup1->setItemIndex(-1);
    d->TntRadioGroup1->setItemIndex(-1);
    s->RadioGroup3->setItemIndex(-1);
    s->RadioGroup6->setItemIndex(-1);
    s->RadioGroup4->setItemIndex(0);
    s->RadioGroup5->setItemIndex(-1);
    s->TntRadioGroup1->setItemIndex(-1);
    s->RadioGroup2->setItemIndex(-1);

    a.Morning_Time = Time_Text(doc, "Morning_Time", "00:00:00");
    a.Evening_Time = Time_Text(doc, "Evening_Time", "00:01:00");
    a.OFF_Time = Time_Text(doc, "OFF_Time", "00:00:00");
    a.ON_Time = Time_Text(doc, "ON_Time", "00:01:00");

    d->SpinEdit8->setValue(Correction(doc, "Morning_Time_Correction"));
    d->SpinEdit9->setValue(Correction(doc, "Evening_Time_Correction"));
    d->SpinEdit6->setValue(Correction(doc, "OFF_Time_Correction"));
    d->SpinEdit7->setValue(Correction(doc, "ON_Time_Correction"));

    d->ComboBox2->setCurrentIndex(Item_Index(doc, "Morning_Brightness", d->ComboBox2->count()));
    d->ComboBox4->setCurrentIndex(Item_Index(doc, "Evening_Brightness", d->ComboBox4->count()));

    autos->TntRadioGroup1Click();
    autos->TntRadioGroup2Click();

    s->RadioGroup4->setEnabled(true);
    a.Form2->RadioGroup4Click();
}
