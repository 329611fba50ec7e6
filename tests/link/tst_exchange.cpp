// The command exchange over in-memory ports: attempts, time-out, reply classification.
#include <QElapsedTimer>
#include <QTest>

#include "core/app.h"
#include "fixtures.h"
#include "link/framing.h"
#include "link/memory_ports.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

class Tst_Exchange : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;

    Board_Link& link() { return app().link; }
    void openPort(const QString& name) {
        link().Port_Handle = Open_Port(name, "9600", "None", app().Program_Dir);
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        fx->start();
        app().Attempts = 1;
        app().Timeout_for_command = 200;
    }
    void cleanup() { fx.reset(); }

    void framesTheCommandInPlace() {
        Memory_Ports::add("COM3", [](const QByteArray&) { return QByteArray("OK\r\n"); });
        openPort("COM3");
        link().Command_Line = "WHO=";
        link().Exchange_Command();
        QCOMPARE(link().Command_Line, QByteArray("WHO=;299;\r\n"));
        QCOMPARE(Memory_Ports::device("COM3")->written, QByteArray("WHO=;299;\r\n"));
    }

    void classification_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("OK") << QByteArray("OK\r\n") << "ok" << QByteArray("OK");
        QTest::newRow("OK with a blank") << QByteArray("OK \r\n") << "timeout" << QByteArray("OK ");
        QTest::newRow("small ok") << QByteArray("ok\r\n") << "timeout" << QByteArray("ok");
        QTest::newRow("ERROR") << QByteArray("ERROR\r\n") << "error" << QByteArray("ERROR");
        QTest::newRow("ERROR and more") << QByteArray("ERRORx\r\n") << "timeout" << QByteArray("ERRORx");
        QTest::newRow("read answer") << QByteArray("READ=1,2,;99;\r\n") << "read"
                                     << QByteArray("READ=1,2,;99;");
        QTest::newRow("echo then identity") << Frame_Command("TEST=") + "Razaz Arira v2\r\n"
                                            << "identity" << QByteArray("Razaz Arira v2");
        QTest::newRow("modem clock then OK")
            << QByteArray("+CCLK: \"26/12/11,10:00:00\"\r\nOK\r\n") << "timeout" << QByteArray("OK");
        QTest::newRow("modem clock then ERROR")
            << QByteArray("+CCLK: \"26/12/11,10:00:00\"\r\nERROR\r\n") << "error" << QByteArray("ERROR");
        QTest::newRow("LF only") << QByteArray("OK\n") << "timeout" << QByteArray();
        QTest::newRow("LF only, then CR LF") << QByteArray("OK\nOK\r\n") << "timeout" << QByteArray("OKOK");
        QTest::newRow("stray line then OK") << QByteArray("noise\x01\r\nOK\r\n") << "ok" << QByteArray("OK");
    }
    void classification() {
        QFETCH(QByteArray, answer);
        QFETCH(QString, outcome);
        QFETCH(QByteArray, reply);
        Memory_Ports::add("COM3", [answer](const QByteArray&) { return answer; });
        openPort("COM3");
        link().Command_Line = "TEST=";
        link().Exchange_Command();
        const Exchange_Outcome& o = link().Outcome;
        QString got = o.Ok_Received         ? "ok"
                      : o.Error_Received    ? "error"
                      : o.Read_Received     ? "read"
                      : o.Identity_Received ? "identity"
                      : o.Timed_Out         ? "timeout"
                                            : "none";
        QCOMPARE(got, outcome);
        QCOMPARE(o.Reply_Line, reply);
        if (outcome == "identity")
            QCOMPARE(fx->form1()->ui()->ProgressBar1->value(), 1000);
    }

    void echoLandsInTheProtocolOnly() {
        Memory_Ports::add("COM3", [](const QByteArray& line) { return line + "\r\n\r\nOK\r\n"; });
        openPort("COM3");
        link().Command_Line = "SEND=1,";
        link().Exchange_Command();
        QVERIFY(link().Outcome.Ok_Received);
        // Echo, the empty line and OK are all shown during an exchange.
        QCOMPARE(fx->program->Form2->ui()->Memo3->toPlainText(),
                 QString::fromLatin1(Frame_Command("SEND=1,").chopped(2) + "\n\nOK"));
    }

    void lineSplitAcrossReads() {
        auto dev = Memory_Ports::add("COM3");
        openPort("COM3");
        QTimer::singleShot(20, [dev] { dev->deliver("Razaz "); });
        QTimer::singleShot(60, [dev] { dev->deliver("Arira\r"); });
        QTimer::singleShot(90, [dev] { dev->deliver("\n"); });
        link().Command_Line = "WHO=";
        link().Exchange_Command();
        QVERIFY(link().Outcome.Identity_Received);
    }

    void attempts_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("writes");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<bool>("error");
        QTest::newRow("silent") << QByteArray() << 3 << true << false;
        QTest::newRow("OK at once") << QByteArray("OK\r\n") << 1 << false << false;
        QTest::newRow("ERROR every time") << QByteArray("ERROR\r\n") << 3 << false << true;
    }
    void attempts() {
        QFETCH(QByteArray, answer);
        QFETCH(int, writes);
        QFETCH(bool, timedOut);
        QFETCH(bool, error);
        app().Attempts = 3;
        app().Timeout_for_command = 100;
        auto dev = Memory_Ports::add("COM3", [answer](const QByteArray&) { return answer; });
        openPort("COM3");
        link().Command_Line = "WHO=";
        link().Exchange_Command();
        QCOMPARE(dev->lines.size(), writes);
        for (const QByteArray& l : dev->lines)
            QCOMPARE(l, QByteArray("WHO=;299;"));
        QCOMPARE(link().Outcome.Timed_Out, timedOut);
        QCOMPARE(link().Outcome.Error_Received, error);
    }

    void handEditedSettingsStillGiveOneAttemptAndATimeout() {
        app().Attempts = 0;
        app().Timeout_for_command = -5;
        auto dev = Memory_Ports::add("COM3");
        openPort("COM3");
        link().Command_Line = "WHO=";
        link().Exchange_Command();
        QCOMPARE(dev->lines.size(), 1);
        QVERIFY(link().Outcome.Timed_Out);
        QCOMPARE(link().Reply_Elapsed, 1010);
    }

    void timeOutEndsOnTheTickPastTheLimit() {
        app().Timeout_for_command = 1000;
        openPort("COM9");  // absent: nothing ever arrives
        QVERIFY(link().Port_Handle.isInvalid());
        int ticks = 0;
        auto counter = connect(&fx->form1()->Timer2, &QTimer::timeout, [&] { ++ticks; });
        link().Command_Line = "WHO=";
        link().Exchange_Command();
        disconnect(counter);
        QVERIFY(link().Outcome.Timed_Out);
        QCOMPARE(ticks, 101);
        QCOMPARE(link().Reply_Elapsed, 1010);
        QVERIFY(!fx->form1()->Timer2.isActive());
        QVERIFY(fx->form1()->Timer5.isActive());
    }

    void progressSteps_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("step");
        QTest::newRow("1000 ms") << 1000 << 50;
        QTest::newRow("10000 ms") << 10000 << 5;
        QTest::newRow("4000 ms, 2.5 to even") << 4000 << 10;
        QTest::newRow("600 ms, 16.7") << 600 << 85;
    }
    void progressSteps() {
        QFETCH(int, limit);
        QFETCH(int, step);
        QProgressBar* bar = fx->form1()->ui()->ProgressBar1;
        bar->setValue(0);
        link().Reply_Limit = limit;
        link().Reply_Elapsed = 0;
        link().Reply_Timeout_Tick();
        QCOMPARE(bar->value(), step);
        // Never moved once it has passed 850; capped at 1000.
        bar->setValue(849);
        link().Reply_Timeout_Tick();
        QCOMPARE(bar->value(), qMin(1000, 849 + step));
        const int after = bar->value();
        link().Reply_Timeout_Tick();
        QCOMPARE(bar->value(), after >= 850 ? after : qMin(1000, after + step));
    }

    void commandShownInBothDialogs() {
        Memory_Ports::add("COM3", [](const QByteArray&) { return QByteArray("OK\r\n"); });
        openPort("COM3");
        link().Command_Line = "READ=";
        link().Exchange_Command();
        QCOMPARE(fx->program->Form2->ui()->TntStatusBar1->panelText(0), QString("READ=;345;"));
        QCOMPARE(fx->program->Form13->ui()->TntStatusBar1->panelText(0), QString("READ=;345;"));
    }
};

QTEST_MAIN(Tst_Exchange)
#include "tst_exchange.moc"
