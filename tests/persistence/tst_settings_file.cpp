// The settings file's "Settings" and "Tablo" sections: what the start-up load reads, what a save
// writes, and what neither may touch.
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "content/tablo_type.h"
#include "core/app.h"
#include "core/notify.h"
#include "fixtures.h"
#include "persistence/ini_codec.h"
#include "ui_tform1.h"
#include "ui_tform12.h"
#include "ui_tform2.h"

namespace {

const QString kIni = QStringLiteral("Vevuvored_edizu.ini");

// The keys of one section, in file order.
QList<QByteArray> Keys_Of(const QByteArray& file, const QByteArray& section) {
    QList<QByteArray> keys;
    bool inside = false;
    for (const QByteArray& line : file.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.startsWith('[')) {
            inside = t == '[' + section + ']';
            continue;
        }
        if (inside && t.contains('='))
            keys << t.left(t.indexOf('='));
    }
    return keys;
}

int Shown_Rows(TForm1* form) {
    int shown = 0;
    for (int row = 1; row <= 10; ++row)
        shown += form->Edit(row)->isHidden() ? 0 : 1;
    return shown;
}

}  // namespace

class Tst_Settings_File : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    QString ini() const { return fx->path(kIni); }

  private slots:
    void init() { fx = std::make_unique<Program_Fixture>(true); }
    void cleanup() { fx.reset(); }

    // Every key that is read comes back from a save as it was; the seven that are not read come
    // back at their fixed values; the other sections keep their bytes; hand-added keys go.
    void saveAfterLoadKeepsReadKeysAndOtherSections() {
        const QByteArray head =
            "; written by hand\r\n[Controller]\r\nFlash=1\r\nMorning_Time=07:30:00\r\n\r\n"
            "[Mine]\nanything = at all\n\n";
        const QByteArray settings =
            "[settings]\r\nport_number=COM7\r\nAuto_Load=1\r\nAuto_Load_Intvl=7000\r\nSend_If_Changed=1\r\n"
            "Attempts=3\r\nTimeout_for_command=1250\r\nManage_Checksumms=0\r\nHand_Added=1\r\n";
        const QByteArray tablo =
            "[Tablo]\r\nProducts=7\r\nValutas=2\r\nShow_B_L=0\r\nShow_Brig=0\r\n"
            "1st_Currency=0\r\n2st_Currency=1\r\n3st_Currency=1\r\n4st_Currency=0\r\n5st_Currency=1\r\n"
            "1a_st_Currency=1\r\n2a_st_Currency=0\r\n3a_st_Currency=1\r\n4a_st_Currency=1\r\n5a_st_Currency="
            "0\r\n"
            "Replys=1\r\nName_1=A-95 \xC1\xE5\xED\xE7\xE8\xED\r\nName_2=<b>GAS</b>\r\nName_7=LPG\r\n"
            "VAL_1=XYZ\r\nVAL_3=\r\nBoard_type=0\r\nDigits=5\r\nAlso_Hand_Added=x\r\n";
        const QByteArray tail = "[Other]\r\nKeep=me\r\n";
        Write_All(ini(), head + settings + tablo + tail);

        fx->start();
        App& a = app();
        QCOMPARE(Read_All(ini()), head + settings + tablo + tail);  // loading never writes
        QCOMPARE(a.Port_Number, "COM7");
        QCOMPARE(a.Attempts, 3);
        QCOMPARE(a.Timeout_for_command, 1250);
        QCOMPARE(a.Digit_Count, 3);
        QCOMPARE(Shown_Rows(fx->form1()), 7);
        QVERIFY(!fx->form1()->Edit(1)->isEnabled());
        QVERIFY(fx->form1()->Edit(9)->isEnabled());
        QCOMPARE(fx->form1()->Name_Label(1)->text(), QString::fromLatin1("A-95 \xC1\xE5\xED\xE7\xE8\xED"));
        QCOMPARE(fx->form1()->Name_Label(2)->text(), "<b>GAS</b>");
        QCOMPARE(fx->form1()->Name_Label(2)->textFormat(), Qt::PlainText);
        QCOMPARE(fx->form1()->Name_Label(3)->text(), "REGULAR");  // absent: its default
        QCOMPARE(fx->form1()->Name_Label(8)->text(), "");
        QVERIFY(!fx->program->Form1->ui()->RadioGroup2->isHidden());  // Show_B_L is always on

        fx->form1()->Save_Settings();
        const QByteArray saved = Read_All(ini());
        QVERIFY(saved.startsWith(head));
        QVERIFY(saved.contains(tail));
        const Ini_Document doc = Ini_Document::parse(saved);
        QCOMPARE(Keys_Of(saved, "Settings"),
                 QList<QByteArray>({"Port_Number", "Auto_Load", "Auto_Load_Intvl", "Send_If_Changed",
                                    "Attempts", "Timeout_for_command", "Manage_Checksumms"}));
        QCOMPARE(Keys_Of(saved, "Tablo"),
                 QList<QByteArray>({"Products",       "Valutas",        "Show_B_L",       "Show_Brig",
                                    "1st_Currency",   "2st_Currency",   "3st_Currency",   "4st_Currency",
                                    "5st_Currency",   "1a_st_Currency", "2a_st_Currency", "3a_st_Currency",
                                    "4a_st_Currency", "5a_st_Currency", "Replys",         "Name_1",
                                    "Name_2",         "Name_3",         "Name_4",         "Name_5",
                                    "Name_6",         "Name_7",         "Name_8",         "Name_9",
                                    "Name_10",        "VAL_1",          "VAL_2",          "VAL_3",
                                    "VAL_4",          "VAL_5",          "Board_type",     "Digits"}));
        const QList<std::pair<QByteArray, QByteArray>> expected = {
            {"Port_Number", "COM7"},   {"Auto_Load", "0"}, {"Auto_Load_Intvl", "7000"},
            {"Send_If_Changed", "1"},  {"Attempts", "3"},  {"Timeout_for_command", "1250"},
            {"Manage_Checksumms", "1"}};
        for (const auto& [key, value] : expected)
            QCOMPARE(doc.text("Settings", key).value_or("(missing)"), value);
        const QList<std::pair<QByteArray, QByteArray>> expected_tablo = {
            {"Products", "7"},
            {"Valutas", "2"},
            {"Show_B_L", "1"},
            {"Show_Brig", "1"},
            {"1st_Currency", "0"},
            {"4st_Currency", "0"},
            {"5st_Currency", "1"},
            {"2a_st_Currency", "0"},
            {"5a_st_Currency", "0"},
            {"3a_st_Currency", "1"},
            {"Replys", "0"},
            {"Name_1", "A-95 \xC1\xE5\xED\xE7\xE8\xED"},
            {"Name_2", "<b>GAS</b>"},
            {"Name_3", "REGULAR"},
            {"Name_7", "LPG"},
            {"Name_10", ""},
            {"VAL_1", "XYZ"},
            {"VAL_2", "EUR"},
            {"VAL_3", ""},
            {"Board_type", "1"},
            {"Digits", "3"}};
        for (const auto& [key, value] : expected_tablo)
            QCOMPARE(doc.text("Tablo", key).value_or("(missing)"), value);
        QVERIFY(!saved.contains("Hand_Added"));
    }

    void countsAreClampedAndMalformedValuesGiveDefaults_data() {
        QTest::addColumn<QByteArray>("products");
        QTest::addColumn<QByteArray>("valutas");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("currencies");
        QTest::newRow("zero") << QByteArray("0") << QByteArray("0") << 1 << 1;
        QTest::newRow("above the range") << QByteArray("25") << QByteArray("9") << 10 << 5;
        QTest::newRow("negative") << QByteArray("-3") << QByteArray("-1") << 1 << 1;
        QTest::newRow("inside") << QByteArray("4") << QByteArray("3") << 4 << 3;
        QTest::newRow("not a number") << QByteArray("six") << QByteArray("2.5") << 10 << 5;
        QTest::newRow("too large for an integer") << QByteArray("99999999999") << QByteArray("+2") << 10 << 5;
    }
    void countsAreClampedAndMalformedValuesGiveDefaults() {
        QFETCH(QByteArray, products);
        QFETCH(QByteArray, valutas);
        QFETCH(int, rows);
        QFETCH(int, currencies);
        Write_All(ini(), "[Tablo]\r\nProducts=" + products + "\r\nValutas=" + valutas + "\r\n");
        fx->start();
        QCOMPARE(fx->program->Form2->ui()->SpinEdit10->value(), rows);
        QCOMPARE(Shown_Rows(fx->form1()), rows);
        QCOMPARE(fx->program->Form12->ui()->SpinEdit1->value(), currencies);
    }

    // Integers and booleans of the wrong form read as missing; no attempts or no time-out become
    // one attempt and the default time-out.
    void malformedSettingsReadAsDefaults() {
        Write_All(
            ini(),
            "[Settings]\r\nSend_If_Changed=yes\r\nAttempts=0\r\nTimeout_for_command=-5\r\n"
            "Auto_Load_Intvl=5s\r\n[Tablo]\r\n1st_Currency=true\r\n5st_Currency=2\r\n2a_st_Currency=\r\n");
        fx->start();
        App& a = app();
        QCOMPARE(a.Port_Number, "COM1");
        QVERIFY(!a.Send_If_Changed);
        QCOMPARE(a.Attempts, 1);
        QCOMPARE(a.Timeout_for_command, 1000);
        QCOMPARE(a.Auto_Load_Intvl, 5000);
        QVERIFY(fx->form1()->Row_Check(1)->isChecked());    // default on
        QVERIFY(fx->form1()->Row_Check(9)->isChecked());    // any integer but 0 is on
        QVERIFY(fx->form1()->Row_Check(4)->isChecked());    // empty: default on
        QVERIFY(!fx->form1()->Row_Check(10)->isChecked());  // missing: default off
    }

    void saveDuringStartupOrLoadingWritesNothing() {
        App& a = app();
        QVERIFY(a.Starting);
        fx->form1()->Save_Settings();
        QVERIFY(!QFile::exists(ini()));
        a.Starting = false;
        a.Settings_Loading = true;
        fx->form1()->Save_Settings();
        QVERIFY(!QFile::exists(ini()));
        a.Settings_Loading = false;
        fx->form1()->Save_Settings();
        QVERIFY(QFile::exists(ini()));
    }

    // A file on a read-only medium: the error box names it, the old file stays whole, the program
    // goes on and the next save works once the medium is writable again.
    void unwritableFileShowsTheErrorAndStaysWhole() {
        const QString folder = fx->path(QStringLiteral("ro"));
        Scratch_Mount mount(folder);
        if (!mount.mounted())
            QSKIP("cannot mount a tmpfs here (needs root)");
        app().Program_Dir = folder + QLatin1Char('/');
        const QByteArray old = "[Controller]\r\nFlash=1\r\n[Settings]\r\nPort_Number=COM5\r\n";
        Write_All(folder + QLatin1Char('/') + kIni, old);
        QFile::copy(fx->path(QStringLiteral("Tablo_data.tbl")), folder + QStringLiteral("/Tablo_data.tbl"));
        fx->start();
        QVERIFY(mount.makeReadOnly());

        Modal_Closer closer;
        fx->program->Form2->ui()->TntCheckBox3->setChecked(false);  // a setting changed: save
        QCOMPARE(notices().errors, QStringList{"Unable to write to " + folder + QLatin1Char('/') + kIni});
        QCOMPARE(Read_All(folder + QLatin1Char('/') + kIni), old);
        QVERIFY(fx->program->Form1->ui()->RadioGroup1->isHidden());  // the handler did its work before
    }

    // First start in an empty folder: the defaults show, the settings dialog is asked for the data
    // file, and nothing is written until a setting changes or the window closes.
    void firstStartWithoutFiles() {
        QVERIFY(QFile::remove(fx->path(QStringLiteral("Tablo_data.tbl"))));
        Modal_Closer closer;
        fx->start();
        TForm1* form = fx->form1();
        QCOMPARE(form->pos(), QPoint(20, 20));
        const QStringList names = {
            "PREMIUM", "EURO REGULAR", "REGULAR", "EURO DIESEL", "DIESEL", "SUPER", "", "", "", ""};
        for (int row = 1; row <= 10; ++row) {
            QCOMPARE(form->Name_Label(row)->text(), names[row - 1]);
            QCOMPARE(form->Edit(row)->text(), "1.0000");
            QCOMPARE(form->Edit(row)->isEnabled(), row <= 8);
            QCOMPARE(form->Name_Label(row)->isEnabled(), row <= 8);
            QVERIFY(!form->Edit(row)->isHidden());
        }
        QCOMPARE(closer.seen.filter(QStringLiteral("Settings:")).size(), 1);
        QVERIFY(!QFile::exists(ini()));
        QCOMPARE(notices().errors, QStringList());

        form->close();
        const Ini_Document doc = Ini_Document::parse(Read_All(ini()));
        QCOMPARE(doc.text("Tablo", "VAL_5").value_or("(missing)"), QByteArray("FRF"));
        QCOMPARE(doc.text("Tablo", "Valutas").value_or("(missing)"), QByteArray("5"));
        QCOMPARE(doc.text("Tablo", "Products").value_or("(missing)"), QByteArray("10"));
        QCOMPARE(doc.text("Tablo", "5st_Currency").value_or("(missing)"), QByteArray("0"));
    }
};

QTEST_MAIN(Tst_Settings_File)
#include "tst_settings_file.moc"
