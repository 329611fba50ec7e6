// The test dialog against the simulated board: each pattern chosen fills the rows and uploads them.
#include <QFile>
#include <QRadioButton>
#include <QTest>

#include "core/app.h"
#include "core/notify.h"
#include "dialogs/test_dialog.h"
#include "fixtures.h"
#include "link/framing.h"
#include "ui_tform11.h"

namespace {
QByteArray Repeated(const QByteArray& field, int times) {
    return QByteArray(field + ',').repeated(times);
}
}  // namespace

class Tst_Test_Patterns : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    std::unique_ptr<Modal_Closer> closer;
    TForm1* f1() const { return fx->form1(); }
    TForm11* dialog() const { return fx->program->Form11.get(); }
    Radio_Group* patterns() const { return dialog()->ui()->RadioGroup1; }

    QStringList rows() const {
        QStringList texts;
        for (int row = 1; row <= 10; ++row)
            texts << f1()->Edit(row)->text();
        return texts;
    }
    QStringList dataFileLines() const {
        QFile f(fx->path("Tablo_data.tbl"));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    }
    static QList<QByteArray> sends(const Board_Sim& sim) {
        QList<QByteArray> lines;
        for (const QByteArray& l : sim.received())
            if (l.startsWith("SEND="))
                lines << l;
        return lines;
    }
    // Chooses a pattern as the operator does, by clicking its button.
    void click(int item) {
        QRadioButton* button = nullptr;
        for (QRadioButton* b : patterns()->findChildren<QRadioButton*>())
            if (b->text() == patterns()->items().value(item))
                button = b;
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(false);
        closer = std::make_unique<Modal_Closer>();
        Start_For_Board_Tests(*fx, *closer);
        f1()->show();
    }
    void cleanup() {
        closer.reset();
        fx.reset();
    }

    // Rows 9 and 10 are disabled by default and go to the board as zeros whatever the pattern.
    void patternFillsTheRowsAndSendsThem_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("88.888") << 11 << QStringList(10, "88.8")
                                << "SEND=" + Repeated("88.800", 8) + Repeated("00000", 2);
        QTest::newRow("888.88") << 12 << QStringList(10, "888.")
                                << "SEND=" + Repeated("888.00", 8) + Repeated("00000", 2);
        QTest::newRow("8888.8") << 13 << QStringList(10, "8888")
                                << "SEND=" + Repeated("888800", 8) + Repeated("00000", 2);
        QTest::newRow("1.12233...") << 17 << QStringList{"0.00", "1.11", "2.22", "3.33", "4.44",
                                                         "5.55", "6.66", "7.77", "8.88", "9.99"}
                                    << QByteArray(
                                           "SEND=0.0000,1.1100,2.2200,3.3300,4.4400,5.5500,6.6600,7.7700,"
                                           "00000,00000,");
    }
    void patternFillsTheRowsAndSendsThem() {
        QFETCH(int, item);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, sent);
        Board_Sim sim(fx->portsDir(), 3);
        QVERIFY(sim.ready());
        f1()->est1Click();
        click(item);
        QCOMPARE(rows(), shown);
        QCOMPARE(sends(sim), QList<QByteArray>{Frame_Command(sent).chopped(2)});
        QCOMPARE(f1()->Status(0), QString("Sent OK"));
        QCOMPARE(dataFileLines(), shown);  // the rows' fitting saved each value
        QVERIFY(closer->seen.isEmpty());
    }

    // A pattern runs only when the choice changes; reopening the dialog clears the choice, saves the
    // data file and says "Loaded".
    void onlyAChangedChoiceRuns() {
        Board_Sim sim(fx->portsDir(), 3);
        QVERIFY(sim.ready());
        f1()->est1Click();
        QVERIFY(app().Test_Mode);
        click(3);
        QCOMPARE(sends(sim).size(), 1);
        click(3);
        QCOMPARE(sends(sim).size(), 1);
        click(5);
        click(3);
        QCOMPARE(sends(sim).size(), 3);

        QTest::mouseClick(dialog()->ui()->Button2, Qt::LeftButton);
        QVERIFY(!dialog()->isVisible());
        QVERIFY(app().Test_Mode);
        QCOMPARE(rows(), QStringList(10, "3.33"));
        QVERIFY(QFile::remove(fx->path("Tablo_data.tbl")));
        f1()->est1Click();
        QCOMPARE(patterns()->itemIndex(), -1);
        QCOMPARE(f1()->Status(0), QString("Loaded"));
        QCOMPARE(dataFileLines(), QStringList(10, "3.33"));
        QCOMPARE(sends(sim).size(), 3);
        click(3);
        QCOMPARE(sends(sim).size(), 4);
        QCOMPARE(f1()->Status(0), QString("Sent OK"));
    }

    void noBoardKeepsThePattern() {
        f1()->est1Click();
        click(11);
        QCOMPARE(f1()->Status(0), QString("No transport device"));
        QCOMPARE(notices().transport_boxes, 1);
        QCOMPARE(rows(), QStringList(10, "88.8"));
    }

    // A choice made while the previous pattern is still on its way is refused: one upload, the rows
    // and the choice stay with the running pattern, and the next choice runs again.
    void choiceDuringAnUploadIsRefused() {
        Board_Sim sim(fx->portsDir(), 3, {"--delay", "150"});
        QVERIFY(sim.ready());
        f1()->est1Click();
        bool tried = false;
        QTimer::singleShot(100, [&] {
            tried = true;
            click(5);
        });
        click(2);
        QVERIFY(tried);
        QCOMPARE(sends(sim).size(), 1);
        QCOMPARE(rows(), QStringList(10, "2.22"));
        QCOMPARE(patterns()->itemIndex(), 2);
        QCOMPARE(f1()->Status(0), QString("Sent OK"));
        click(5);
        QCOMPARE(sends(sim).size(), 2);
        QCOMPARE(rows(), QStringList(10, "5.55"));
    }
};

QTEST_MAIN(Tst_Test_Patterns)
#include "tst_test_patterns.moc"
