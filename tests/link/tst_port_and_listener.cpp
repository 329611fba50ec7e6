// The serial port functions and the event listener over in-memory ports.
#include <QTest>

#include "core/app.h"
#include "fixtures.h"
#include "link/event_line.h"
#include "link/framing.h"
#include "link/memory_ports.h"
#include "ui_tform1.h"
#include "ui_tform2.h"

class Tst_Port_And_Listener : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    Board_Link& link() { return app().link; }
    QString memo() const { return fx->program->Form2->ui()->Memo3->toPlainText(); }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        fx->start();
        fx->program->Form2->ui()->Memo3->clear();
    }
    void cleanup() { fx.reset(); }

    void modemLinesFollowOpenAndClose() {
        auto dev = Memory_Ports::add("COM4");
        Serial_Handle h = Open_Port("COM4", "9600", "None", app().Program_Dir);
        QVERIFY(h.isValid());
        QVERIFY(dev->dtr && dev->rts);
        QCOMPARE(dev->actions.mid(0, 3), QStringList({"open", "rts 1", "dtr 1"}));
        Close_Port(h);
        QVERIFY(h.isZero());
        QVERIFY(!dev->dtr && !dev->rts);
        QCOMPARE(dev->actions.mid(3), QStringList({"dtr 0", "rts 0", "purge input", "close"}));
    }

    void writeCommandPurgesThenWritesEachByte() {
        auto dev = Memory_Ports::add("COM4");
        Serial_Handle h = Open_Port("COM4", "9600", "None", app().Program_Dir);
        dev->actions.clear();
        Write_Command(h, "READ=;345;\r\n");
        QCOMPARE(dev->actions.size(), 14);
        QCOMPARE(dev->actions[0], QString("purge output"));
        QCOMPARE(dev->actions[1], QString("purge input"));
        for (int i = 2; i < 14; ++i)
            QVERIFY(dev->actions[i].startsWith("write "));
        QCOMPARE(dev->written, QByteArray("READ=;345;\r\n"));
    }

    void absentPortGivesTheInvalidMarker() {
        Serial_Handle h = Open_Port("COM99", "9600", "None", app().Program_Dir);
        QVERIFY(h.isInvalid());
        char byte;
        QVERIFY(!Read_Byte(h, byte));
        Write_Command(h, "WHO=;299;\r\n");  // moves nothing, harms nothing
        Close_Port(h);
        QVERIFY(h.isZero());
    }

    void parityNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("parity");
        QTest::newRow("None") << "None" << int(Parity::None);
        QTest::newRow("empty") << "" << int(Parity::None);
        QTest::newRow("odd small") << "odd" << int(Parity::None);
        QTest::newRow("Odd") << "Odd" << int(Parity::Odd);
        QTest::newRow("Even") << "Even" << int(Parity::Even);
        QTest::newRow("Mark") << "Mark" << int(Parity::Mark);
        QTest::newRow("Space") << "Space" << int(Parity::Space);
    }
    void parityNames() {
        QFETCH(QString, text);
        QFETCH(int, parity);
        QCOMPARE(int(Parity_From_Text(text)), parity);
    }

    void listenerShowsLinesAndTakesEvents() {
        auto dev = Memory_Ports::add("COM5");
        link().Port_Handle = Open_Port("COM5", "9600", "None", app().Program_Dir);
        const QByteArray good = Frame_Command("EVENT DOOR,1,0");
        const QByteArray bad =
            "EVENT LAMP,2,3;" + QByteArray::number(Line_Checksum("EVENT LAMP,2,3") + 1) + ";\r\n";
        dev->deliver("first\r\n\r\n" + good + "second\r\nhal");
        fx->form1()->Timer5Timer();
        QCOMPARE(memo(), QString("first\n") + QString::fromLatin1(good.chopped(2)) + "\nsecond");
        QCOMPARE(app().Board_Fields[11], QString("DOOR"));
        QCOMPARE(app().Board_Fields[12], QString("1"));
        QCOMPARE(app().Board_Fields[13], QString("0"));
        QVERIFY(QTime::fromString(fx->form1()->ui()->Label3->text(), "HH:mm:ss").isValid());

        dev->deliver("f line\r\n" + bad);
        fx->form1()->Timer5Timer();
        QVERIFY(memo().endsWith("\nhalf line\n" + QString::fromLatin1(bad.chopped(2))));
        QCOMPARE(app().Board_Fields[11], QString("DOOR"));  // bad checksum: only shown
    }

    void eventFields_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("plain") << QByteArray("EVENT POWER,5,7") << "POWER"
                               << "5"
                               << "7";
        // The name takes position 7 even when it is a comma, and runs to the next comma.
        QTest::newRow("comma first") << QByteArray("EVENT ,AB,1,2") << ",AB"
                                     << "1"
                                     << "2";
        // Without a comma the name runs to the end of the line, checksum part included.
        QTest::newRow("no comma") << QByteArray("EVENT NAME") << "NAME;707;"
                                  << ""
                                  << "";
    }
    void eventFields() {
        QFETCH(QByteArray, body);
        QFETCH(QString, name);
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto e = Parse_Event_Line(Frame_Command(body).chopped(2));
        QVERIFY(e.has_value());
        QCOMPARE(QString::fromLatin1(e->name), name);
        QCOMPARE(QString::fromLatin1(e->first_code), first);
        QCOMPARE(QString::fromLatin1(e->second_code), second);
    }

    void lineBufferIsCapped() {
        Line_Assembly a;
        QByteArray line;
        for (int i = 0; i < 10000; ++i)
            QVERIFY(!a.feed(char('a' + i % 26), line));
        QCOMPARE(a.buffer.size(), Line_Assembly::kLimit);
        QVERIFY(a.feed('\r', line) == false && a.feed('\n', line));
        QCOMPARE(line.size(), Line_Assembly::kLimit);
        QCOMPARE(line.right(1), QByteArray(1, char('a' + 9999 % 26)));
    }
};

QTEST_MAIN(Tst_Port_And_Listener)
#include "tst_port_and_listener.moc"
