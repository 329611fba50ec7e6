// Write and Read end to end against the simulated board on a pseudo-terminal.
#include <QFile>
#include <QTest>

#include "core/app.h"
#include "core/notify.h"
#include "fixtures.h"
#include "link/framing.h"
#include "operations/main_operations.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {
const QStringList kExampleRows = {"2.65", "2.70", "3.05", "3.12", "1.99",
                                  "2.01", "100",  "2.50", "7.77", "8.88"};
const QByteArray kExampleSend = "SEND=2.6500,2.7000,3.0500,3.1200,1.9900,2.0100,10000,2.5000,00000,00000,";

// A read answer with the given fields (1..32), framed with its checksum; extra changes the text.
QByteArray Read_Body(QStringList fields) {
    QByteArray body = "READ=";
    for (const QString& f : fields)
        body += f.toLatin1() + ',';
    return body;
}
QStringList Default_Fields() {
    QStringList f;
    for (int i = 1; i <= 10; ++i)
        f << QString("%1.00").arg(i);
    f << "0"
      << "0"
      << "0";  // 11..13
    f << "3"
      << "1"
      << "1"
      << "605"
      << "1230"
      << "250"
      << "5"
      << "4"
      << "1"
      << "1380"  // 14..23
      << "420"
      << "0"
      << "0"
      << "1"
      << "1"
      << "10"
      << "0"
      << "1"
      << "1";  // 24..32
    return f;
}
}  // namespace

class Tst_Board_Operations : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    std::unique_ptr<Modal_Closer> closer;
    TForm1* f1() const { return fx->form1(); }
    QString status() const { return f1()->Status(0); }

    void setRows(const QStringList& rows) {
        for (int row = 1; row <= 10; ++row)
            f1()->Edit(row)->setText(rows[row - 1]);
        f1()->Row_Check(9)->setChecked(false);
        f1()->Row_Check(10)->setChecked(false);
    }
    QStringList dataFileLines() const {
        QFile f(fx->path("Tablo_data.tbl"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(false);
        closer = std::make_unique<Modal_Closer>();
        Start_For_Board_Tests(*fx, *closer);
        setRows(kExampleRows);
    }
    void cleanup() {
        closer.reset();
        fx.reset();
    }

    void writeSendsVerifiesAndSaysSentOk() {
        Board_Sim sim(fx->portsDir(), 3, {"--pace"});
        QVERIFY(sim.ready());
        f1()->Btn_Send_Click();
        QCOMPARE(status(), QString("Sent OK"));
        const QList<QByteArray> got = sim.received();
        QCOMPARE(got.size(), 4);
        QCOMPARE(got[0], QByteArray("WHO=;299;"));
        QCOMPARE(got[1], Frame_Command(kExampleSend).chopped(2));
        QVERIFY(got[2].startsWith("SETS="));
        QCOMPARE(got[3], QByteArray("READ=;345;"));
        QVERIFY(f1()->ui()->Btn_Send_->isEnabled());
        QVERIFY(f1()->ui()->Btn_Read_->isEnabled());
        QCOMPARE(f1()->ui()->ProgressBar1->value(), 1000);
        QCOMPARE(notices().beeps, 0);
        QVERIFY(closer->seen.isEmpty());
        // Disabled rows keep their edits and, after the verifying read, their values again.
        QCOMPARE(f1()->Edit(9)->text(), QString("7.77"));
        QCOMPARE(app().Board_Value(9), QString("7.77"));
    }

    void settingsLineOverTheLine() {
        Board_Sim sim(fx->portsDir(), 3);
        QVERIFY(sim.ready());
        Ui::TForm1* m = f1()->ui();
        Ui::TForm13* t = app().Form13->ui();
        m->RadioGroup1->setItemIndex(3);
        m->RadioGroup2->setItemIndex(2);
        t->TntRadioGroup1->setItemIndex(1);
        app().Form2->ui()->RadioGroup1->setItemIndex(1);
        app().Morning_Time = "06:00:00";
        app().Evening_Time = "20:30:00";
        t->SpinEdit8->setValue(-6);
        t->SpinEdit9->setValue(5);
        t->ComboBox2->setCurrentIndex(4);
        t->ComboBox4->setCurrentIndex(1);
        app().OFF_Time = "23:00:00";
        app().ON_Time = "07:00:00";
        t->SpinEdit6->setValue(0);
        t->SpinEdit7->setValue(0);
        app().Form2->Send_Settings();
        QCOMPARE(sim.received().last(),
                 Frame_Command("SETS=3,3,1,360,1230,250,5,4,1,1380,420,0,0,1,1,10,0,1,1,").chopped(2));
        QCOMPARE(app().Form2->ui()->RadioGroup2->itemIndex(), 1);  // controlled by MODEM afterwards
        QVERIFY(QFile(fx->path("Vevuvored_edizu.ini")).exists());
    }

    void uploadFailures_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("SEND not answered")
            << QStringList{"--silent-on", "SEND"} << "Connection error" << 1 << "კავშირის შეცდომა";
        QTest::newRow("SEND answered ERROR")
            << QStringList{"--error-on", "SEND"} << "Data error" << 1 << "მონაცემები გადაიცა შეცდომით";
        QTest::newRow("SETS not answered")
            << QStringList{"--silent-on", "SETS"} << "Connection error" << 1 << "კავშირის შეცდომა";
        QTest::newRow("SETS answered ERROR")
            << QStringList{"--error-on", "SETS"} << "Data error" << 2 << "მონაცემები გადაიცა შეცდომით";
        QTest::newRow("READ not answered")
            << QStringList{"--silent-on", "READ"} << "Connection error" << 1 << "კავშირის შეცდომა";
        QTest::newRow("READ checksum bad")
            << QStringList{"--bad-checksum"} << "Connection error" << 1 << "კავშირის შეცდომა";
        QTest::newRow("READ answered ERROR")
            << QStringList{"--error-on", "READ"} << "Data error" << 1 << "მონაცემები გადაიცა შეცდომით";
        QTest::newRow("value read differs")
            << QStringList{"--change-field", "7=1000"} << "Data error" << 1 << "მონაცემები გადაიცა შეცდომით";
        QTest::newRow("same value read") << QStringList{"--change-field", "7=10000"} << "Sent OK" << 0 << "";
    }
    void uploadFailures() {
        QFETCH(QStringList, options);
        QFETCH(QString, status);
        QFETCH(int, beeps);
        QFETCH(QString, dialog);
        Board_Sim sim(fx->portsDir(), 3, options);
        QVERIFY(sim.ready());
        f1()->Btn_Send_Click();
        QCOMPARE(this->status(), status);
        QCOMPARE(notices().beeps, beeps);
        if (dialog.isEmpty()) {
            QVERIFY(closer->seen.isEmpty());
            QVERIFY(f1()->ui()->Btn_Send_->isEnabled());
        } else {
            QCOMPARE(closer->seen.size(), 1);
            QVERIFY2(closer->seen[0].contains(dialog), qPrintable(closer->seen[0]));
        }
        QVERIFY(f1()->ui()->Btn_Read_->isEnabled());
        QVERIFY(f1()->ui()->RadioGroup1->isEnabled());
    }

    void noBoard() {
        f1()->Btn_Send_Click();
        QCOMPARE(status(), QString("No transport device"));
        QCOMPARE(notices().transport_boxes, 1);
        QCOMPARE(notices().beeps, 1);
        QVERIFY(!f1()->ui()->Btn_Send_->isEnabled());
        QVERIFY(f1()->ui()->Btn_Read_->isEnabled());
    }

    void readAppliesAValidAnswer() {
        QStringList fields = Default_Fields();
        fields[26] = "1";  // timer used: never taken from the board
        Board_Sim sim(fx->portsDir(), 3, {"--raw-read", QString::fromLatin1(Read_Body(fields))});
        QVERIFY(sim.ready());
        f1()->Row_Check(4)->setChecked(false);
        f1()->Btn_Read_Click();
        QCOMPARE(status(), QString("Reading Ok"));
        QVERIFY(f1()->ui()->Btn_Send_->isEnabled());
        QCOMPARE(f1()->Edit(1)->text(), QString("1.00"));
        QCOMPARE(f1()->Edit(4)->text(), QString("3.12"));  // disabled: the edit keeps its text
        QCOMPARE(app().Board_Value(4), QString("4.00"));
        QCOMPARE(dataFileLines().value(3), QString("4.00"));
        QCOMPARE(f1()->ui()->RadioGroup1->itemIndex(), 3);
        QCOMPARE(f1()->ui()->RadioGroup2->itemIndex(), 1);
        QCOMPARE(app().Morning_Time, QString("10:05:00"));
        QCOMPARE(app().Form13->ui()->SpinEdit8->value(), -6);
        QCOMPARE(app().Form2->ui()->RadioGroup4->itemIndex(), 0);
        QCOMPARE(app().Form2->ui()->RadioGroup1->itemIndex(), 1);
        QVERIFY(QFile(fx->path("Vevuvored_edizu.ini")).exists());
    }

    void readFailures_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("readingDialog");
        const QByteArray valid = Read_Body(Default_Fields());
        QStringList short_fields = Default_Fields();
        short_fields.removeLast();
        QStringList long_field = Default_Fields();
        long_field[2] = "1234567";
        QStringList bad_level = Default_Fields();
        bad_level[20] = "7";
        QStringList lone_minus = Default_Fields();
        lone_minus[15] = "-";
        QTest::newRow("checksum one too high")
            << QStringList{"--raw-read", QString::fromLatin1(valid), "--bad-checksum"}
            << "Connection error, data loaded from file" << false;
        QTest::newRow("31 fields") << QStringList{"--raw-read", QString::fromLatin1(Read_Body(short_fields))}
                                   << "Data error" << true;
        QTest::newRow("7-digit field")
            << QStringList{"--raw-read", QString::fromLatin1(Read_Body(long_field))} << "Data error" << true;
        QTest::newRow("level out of range")
            << QStringList{"--raw-read", QString::fromLatin1(Read_Body(bad_level))} << "Data error" << true;
        QTest::newRow("flash not a number")
            << QStringList{"--raw-read", QString::fromLatin1(Read_Body(lone_minus))} << "Data error" << true;
        QTest::newRow("ERROR") << QStringList{"--error-on", "READ"} << "Data error" << true;
        QTest::newRow("silent") << QStringList{"--silent-on", "READ"}
                                << "Connection error, data loaded from file" << false;
    }
    void readFailures() {
        QFETCH(QStringList, options);
        QFETCH(QString, status);
        QFETCH(bool, readingDialog);
        f1()->Save1Click();
        const QStringList before = dataFileLines();
        Board_Sim sim(fx->portsDir(), 3, options);
        QVERIFY(sim.ready());
        f1()->Btn_Read_Click();
        QCOMPARE(this->status(), status);
        QCOMPARE(notices().beeps, 1);
        QCOMPARE(closer->seen.size(), readingDialog ? 1 : 0);
        if (readingDialog)
            QVERIFY(closer->seen[0].contains("ტაბლოში მონაცემები დარღვეულია"));
        QVERIFY(!f1()->ui()->Btn_Send_->isEnabled());
        QVERIFY(f1()->ui()->Btn_Read_->isEnabled());
        QVERIFY(!app().Reading_In_Progress);
        // The rows show the program's own values again.
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(f1()->Edit(row)->text(), before[row - 1]);
        if (!readingDialog)
            QCOMPARE(f1()->Status(1), QString());
    }

    void secondUploadInsideARunningOneIsRefused() {
        Board_Sim sim(fx->portsDir(), 3, {"--delay", "200"});
        QVERIFY(sim.ready());
        int nested = 0;
        QTimer::singleShot(100, [&] {
            ++nested;
            Upload_Values();
        });
        f1()->Btn_Send_Click();
        QCOMPARE(nested, 1);
        QCOMPARE(status(), QString("Sent OK"));
        int sends = 0;
        for (const QByteArray& l : sim.received())
            sends += l.startsWith("SEND=");
        QCOMPARE(sends, 1);
    }
};

QTEST_MAIN(Tst_Board_Operations)
#include "tst_board_operations.moc"
