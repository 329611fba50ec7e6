// The section "Controller" of the settings file: what a save writes, what a load brings back.
#include <QProcess>
#include <QTest>

#include "brightness/auto_controls.h"
#include "core/app.h"
#include "core/clock.h"
#include "core/notify.h"
#include "core/platform_error.h"
#include "fixtures.h"
#include "persistence/ini_codec.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {

const QStringList kKeysInOrder{"Morning_Time",
                               "Evening_Time",
                               "OFF_Time",
                               "ON_Time",
                               "Enable_Events",
                               "Timer_Used",
                               "Temperature_Used",
                               "Back_light_Mode",
                               "Brightness_Mode",
                               "Morning_Time_Correction",
                               "Evening_Time_Correction",
                               "OFF_Time_Correction",
                               "ON_Time_Correction",
                               "Morning_Brightness",
                               "Evening_Brightness",
                               "Shedule_Backlight",
                               "Shedule_Brightness",
                               "Inverse",
                               "Flash",
                               "Time_Temp_Dispalay",
                               "Modem_Used"};

}  // namespace

class Tst_Controller_Section : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    QString mounted;

    TForm1* main() const { return fx->form1(); }
    Ui::TForm1* m() const { return fx->form1()->ui(); }
    Ui::TForm2* s() const { return fx->program->Form2->ui(); }
    Ui::TForm13* d() const { return fx->program->Form13->ui(); }
    QString iniPath() const { return fx->path("Vevuvored_edizu.ini"); }

    // Every setting of the section away from its initial value.
    void chooseEverything() {
        App& a = app();
        a.Morning_Time = "06:30:00";
        a.Evening_Time = "21:15:00";
        a.OFF_Time = "07:00:00";
        a.ON_Time = "19:45:30";
        d()->SpinEdit8->setValue(-12);
        d()->SpinEdit9->setValue(19);
        d()->SpinEdit6->setValue(128);
        d()->SpinEdit7->setValue(-127);
        d()->ComboBox2->setCurrentIndex(3);  // "75%"
        d()->ComboBox4->setCurrentIndex(0);  // "Min"
        a.Settings_Loading = true;           // only the controls matter here, not their handlers
        s()->RadioGroup6->setItemIndex(1);
        s()->RadioGroup4->setItemIndex(1);
        s()->RadioGroup5->setItemIndex(1);
        m()->RadioGroup2->setItemIndex(2);
        m()->RadioGroup1->setItemIndex(4);
        d()->TntRadioGroup1->setItemIndex(0);
        d()->TntRadioGroup2->setItemIndex(0);
        s()->RadioGroup3->setItemIndex(0);
        s()->RadioGroup1->setItemIndex(1);
        s()->TntRadioGroup1->setItemIndex(10);
        s()->RadioGroup2->setItemIndex(1);
        a.Settings_Loading = false;
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        QDir::setCurrent(fx->dir());  // no schedule file in the working folder
        Set_Today_For_Test(QDate(2024, 5, 14));
    }

    void cleanup() {
        if (!mounted.isEmpty()) {
            QProcess::execute("umount", {mounted});
            mounted.clear();
        }
        Set_Today_For_Test(QDate());
        QDir::setCurrent(QDir::tempPath());
        fx.reset();
    }

    void saveWritesTheKeysInOrderAndLeavesTheRestAlone() {
        const QByteArray other = "[Settings]\r\nPort_Number=COM7\r\nName=\xe1\x83\x9b\r\n\r\n";
        Write_All(iniPath(), other + "[Controller]\r\nFlash=0\r\nCustom=1\r\n");
        chooseEverything();
        s()->RadioGroup6->setItemIndex(-1);  // a selector with nothing chosen

        main()->Save_Controller_Settings();

        const QByteArray bytes = Read_All(iniPath());
        QVERIFY(bytes.startsWith(other));
        QList<QByteArray> lines = bytes.mid(other.size()).split('\n');
        QCOMPARE(lines.takeFirst(), QByteArray("[Controller]\r"));
        QCOMPARE(lines.takeFirst(), QByteArray("Flash=1\r"));  // overwritten in place
        QCOMPARE(lines.takeFirst(), QByteArray("Custom=1\r"));
        QStringList keys;
        for (const QByteArray& line : lines)
            if (!line.isEmpty())
                keys << QString::fromLatin1(line.left(line.indexOf('=')));
        QStringList expected = kKeysInOrder;
        expected.removeAll("Flash");
        QCOMPARE(keys, expected);

        const Ini_Document doc = Ini_Document::parse(bytes);
        QCOMPARE(doc.text("Controller", "ON_Time"), QByteArray("19:45:30"));
        QCOMPARE(doc.integer("Controller", "Enable_Events"), -1);
        QCOMPARE(doc.integer("Controller", "Brightness_Mode"), 4);
        QCOMPARE(doc.integer("Controller", "OFF_Time_Correction"), 128);
        QCOMPARE(doc.integer("Controller", "Morning_Brightness"), 3);
        QCOMPARE(doc.integer("Controller", "Evening_Brightness"), 0);
        QCOMPARE(doc.integer("Controller", "Time_Temp_Dispalay"), 10);
        QCOMPARE(doc.integer("Controller", "Modem_Used"), 1);
    }

    void saveThenLoadBringsBackTheScheduleSettingsOnly() {
        chooseEverything();
        main()->Save_Controller_Settings();

        // Everything changes in between.
        App& a = app();
        a.Morning_Time = a.Evening_Time = a.OFF_Time = a.ON_Time = "12:00:00";
        for (QSpinBox* box : {d()->SpinEdit8, d()->SpinEdit9, d()->SpinEdit6, d()->SpinEdit7})
            box->setValue(1);
        d()->ComboBox2->setCurrentIndex(1);
        d()->ComboBox4->setCurrentIndex(4);

        Modal_Closer closer;
        main()->Load_Controller_Settings();

        QCOMPARE(QStringList({a.Morning_Time, a.Evening_Time, a.OFF_Time, a.ON_Time}),
                 QStringList({"06:30:00", "21:15:00", "07:00:00", "19:45:30"}));
        QCOMPARE(d()->SpinEdit8->value(), -12);
        QCOMPARE(d()->SpinEdit9->value(), 19);
        QCOMPARE(d()->SpinEdit6->value(), 128);
        QCOMPARE(d()->SpinEdit7->value(), -127);
        QCOMPARE(d()->ComboBox2->currentText(), QString("75%"));
        QCOMPARE(d()->ComboBox4->currentText(), QString("Min"));
        // The pickers show the loaded times: the sub-mode handlers ran.
        QCOMPARE(d()->DateTimePicker1->time(), QTime(6, 30));
        QCOMPARE(d()->DateTimePicker4->time(), QTime(19, 45, 30));

        for (Radio_Group* mode :
             {m()->RadioGroup1, m()->RadioGroup2, d()->TntRadioGroup1, d()->TntRadioGroup2, s()->RadioGroup6,
              s()->RadioGroup5, s()->RadioGroup3, s()->RadioGroup1, s()->TntRadioGroup1, s()->RadioGroup2})
            QVERIFY2(mode->itemIndex() == -1, qPrintable(mode->objectName()));
        QCOMPARE(s()->RadioGroup4->itemIndex(), 0);
        QCOMPARE(s()->RadioGroup4->items().at(0), QString("NO"));
        QVERIFY(s()->RadioGroup4->isEnabled());
        QCOMPARE(m()->RadioGroup1->count(), 6);  // "Controlled by" chosen by nobody keeps automatic
        QVERIFY(!a.Settings_Loading);
        QVERIFY(!fx->program->Form13->isVisible());
        QCOMPARE(notices().errors, QStringList());
    }

    void loadOfAHandEditedFile_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("correction above the range")
            << QByteArray("Morning_Time_Correction") << QByteArray("500") << 128;
        QTest::newRow("correction below the range")
            << QByteArray("Evening_Time_Correction") << QByteArray("-900") << -127;
        QTest::newRow("correction not a number")
            << QByteArray("OFF_Time_Correction") << QByteArray("abc") << 0;
        QTest::newRow("correction in range") << QByteArray("ON_Time_Correction") << QByteArray("-5") << -5;
        QTest::newRow("level beyond the list") << QByteArray("Morning_Brightness") << QByteArray("7") << -1;
        QTest::newRow("negative level") << QByteArray("Evening_Brightness") << QByteArray("-3") << -1;
        QTest::newRow("last level") << QByteArray("Evening_Brightness") << QByteArray("4") << 4;
    }

    void loadOfAHandEditedFile() {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        Write_All(iniPath(), "[Controller]\r\n" + key + "=" + value + "\r\n");
        const QMap<QByteArray, std::function<int()>> control{
            {"Morning_Time_Correction", [this] { return d()->SpinEdit8->value(); }},
            {"Evening_Time_Correction", [this] { return d()->SpinEdit9->value(); }},
            {"OFF_Time_Correction", [this] { return d()->SpinEdit6->value(); }},
            {"ON_Time_Correction", [this] { return d()->SpinEdit7->value(); }},
            {"Morning_Brightness", [this] { return d()->ComboBox2->currentIndex(); }},
            {"Evening_Brightness", [this] { return d()->ComboBox4->currentIndex(); }}};
        main()->Load_Controller_Settings();
        QCOMPARE(control[key](), expected);
        QVERIFY(!app().Settings_Loading);
    }

    void loadWithoutAFileGivesTheDefaults() {
        app().Morning_Time = app().Evening_Time = "12:00:00";
        d()->SpinEdit8->setValue(9);
        d()->ComboBox2->setCurrentIndex(2);
        main()->Load_Controller_Settings();
        QCOMPARE(QStringList({app().Morning_Time, app().Evening_Time, app().OFF_Time, app().ON_Time}),
                 QStringList({"00:00:00", "00:01:00", "00:00:00", "00:01:00"}));
        QCOMPARE(d()->SpinEdit8->value(), 0);
        QCOMPARE(d()->ComboBox2->currentIndex(), 0);
        QCOMPARE(d()->DateTimePicker2->time(), QTime(0, 1));
        QVERIFY(!QFile::exists(iniPath()));
    }

    void saveIsHeldBackOnlyWhileLoading() {
        app().Settings_Loading = true;
        main()->Save_Controller_Settings();
        QVERIFY(!QFile::exists(iniPath()));

        app().Settings_Loading = false;
        QVERIFY(app().Starting);  // the fixture's program is still starting up
        main()->Save_Controller_Settings();
        QVERIFY(Ini_Document::parse(Read_All(iniPath())).text("Controller", "Morning_Time").has_value());
    }

    void failedWriteRaisesAndKeepsTheFile() {
        const QString dir = fx->path("readonly");
        QDir().mkpath(dir);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro", "tmpfs", dir}) != 0)
            QSKIP("a read-only mount is needed to make a write fail (root ignores read-only bits)");
        mounted = dir;
        // An old file stands on the mount before it becomes read-only.
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,rw", dir}), 0);
        Write_All(dir + "/Vevuvored_edizu.ini", "[Settings]\r\nAttempts=3\r\n");
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", dir}), 0);
        app().Program_Dir = dir + "/";

        QString raised;
        try {
            main()->Save_Controller_Settings();
        } catch (const Platform_Error& e) {
            raised = e.text();
        }
        QCOMPARE(raised, "Unable to write to " + dir + "/Vevuvored_edizu.ini");
        QCOMPARE(Read_All(dir + "/Vevuvored_edizu.ini"), QByteArray("[Settings]\r\nAttempts=3\r\n"));
    }
};

QTEST_MAIN(Tst_Controller_Section)
#include "tst_controller_section.moc"
