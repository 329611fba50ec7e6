// The command exchange end to end: QSerialPort on a pseudo-terminal with the simulated board.
#include <QElapsedTimer>
#include <QTest>

#include "core/app.h"
#include "fixtures.h"

class Tst_Board_Line : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    Board_Link& link() { return app().link; }

    void exchange(const QByteArray& command) {
        link().Command_Line = command;
        link().Exchange_Command();
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(false);
        fx->start();
        app().Attempts = 1;
        app().Timeout_for_command = 1000;
    }
    void cleanup() { fx.reset(); }

    void identityAnswered_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("plain") << QStringList();
        QTest::newRow("echo, paced") << QStringList({"--echo", "--pace"});
        QTest::newRow("garbage first") << QStringList({"--garbage"});
    }
    void identityAnswered() {
        QFETCH(QStringList, options);
        Board_Sim sim(fx->portsDir(), 5, options);
        QVERIFY(sim.ready());
        link().Port_Handle = Open_Port("COM5", "9600", "None", app().Program_Dir);
        QVERIFY(link().Port_Handle.isValid());
        exchange("WHO=");
        QVERIFY(link().Outcome.Identity_Received);
        QVERIFY(link().Outcome.Reply_Line.startsWith("Razaz Arira"));
        QCOMPARE(sim.received(), QList<QByteArray>({"WHO=;299;"}));
    }

    void silentBoardTimesOut() {
        Board_Sim sim(fx->portsDir(), 5, {"--silent"});
        QVERIFY(sim.ready());
        link().Port_Handle = Open_Port("COM5", "9600", "None", app().Program_Dir);
        QElapsedTimer clock;
        clock.start();
        exchange("WHO=");
        QVERIFY(link().Outcome.Timed_Out);
        QVERIFY(clock.elapsed() >= 1000);  // ran into the time-out, not out of it early
    }

    void portSurvivesReopening() {
        Board_Sim sim(fx->portsDir(), 5);
        QVERIFY(sim.ready());
        for (int round = 0; round < 3; ++round) {
            link().Port_Handle = Open_Port("COM5", "9600", "None", app().Program_Dir);
            exchange("READ=");
            QVERIFY(link().Outcome.Read_Received);
            Close_Port(link().Port_Handle);
        }
    }

    void nameWithoutEntryDoesNotExist() {
        link().Port_Handle = Open_Port("COM6", "9600", "None", app().Program_Dir);
        QVERIFY(link().Port_Handle.isInvalid());
    }

    void vanishedLineEndsInTimeOut() {
        auto sim = std::make_unique<Board_Sim>(fx->portsDir(), 5, QStringList{"--drop-after", "1"});
        QVERIFY(sim->ready());
        link().Port_Handle = Open_Port("COM5", "9600", "None", app().Program_Dir);
        exchange("WHO=");
        QVERIFY(link().Outcome.Identity_Received);
        Spin_Events(300);
        exchange("WHO=");
        QVERIFY(link().Outcome.Timed_Out);
    }
};

QTEST_MAIN(Tst_Board_Line)
#include "tst_board_line.moc"
