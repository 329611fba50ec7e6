// The search for the board's port, over in-memory ports.
#include <QTest>

#include "core/app.h"
#include "fixtures.h"
#include "link/memory_ports.h"
#include "ui_tform2.h"

namespace {
QByteArray Board(const QByteArray& line) {
    return line.startsWith("WHO=") ? QByteArray("Razaz Arira LED board\r\n") : QByteArray("OK\r\n");
}
}  // namespace

class Tst_Port_Search : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    QComboBox* portBox() const { return fx->program->Form2->ui()->ComboBox1; }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        fx->start();
        app().Attempts = 1;
        app().Timeout_for_command = 100;
    }
    void cleanup() { fx.reset(); }

    void findsTheBoardPastAbsentAndSilentPorts() {
        auto silent = Memory_Ports::add("COM4");
        auto board = Memory_Ports::add("COM7", Board);
        auto after = Memory_Ports::add("COM8", Board);
        app().link.Command_Line = "SETS=1,";
        app().Form2->Button2Click();
        QVERIFY(app().Port_Found);
        QCOMPARE(silent->lines, QList<QByteArray>({"WHO=;299;"}));
        QVERIFY(!silent->open);
        QCOMPARE(portBox()->currentText(), QString("COM7"));
        QCOMPARE(fx->form1()->Status(1), QString("COM7"));
        QCOMPARE(fx->form1()->Status(0), QString("Searching tablos port"));
        QVERIFY(app().link.Port_Handle.isValid() && board->open);
        QCOMPARE(after->opens, 0);  // the search stops at the board
        QCOMPARE(app().link.Command_Line, QByteArray("SETS=1,"));
        QCOMPARE(app().Port_Number, QString("COM7"));
        // Names tried in order from COM3; the board's port is closed and opened again at the end.
        const QStringList opened = Memory_Ports::opened();
        QCOMPARE(opened.mid(opened.indexOf("COM3"), 6),
                 QStringList({"COM3", "COM4", "COM5", "COM6", "COM7", "COM7"}));
    }

    void boardOnCom2IsNeverFound() {
        auto board = Memory_Ports::add("COM2", Board);
        auto other = Memory_Ports::add("COM5");
        app().Form2->Button2Click();
        QVERIFY(!app().Port_Found);
        QCOMPARE(board->opens, 0);
        // The lowest port that opened stays open, so the listener keeps listening there.
        QCOMPARE(portBox()->currentText(), QString("COM5"));
        QVERIFY(other->open);
        QCOMPARE(Memory_Ports::opened().last(), QString("COM5"));
        QVERIFY(Memory_Ports::opened().contains("COM256"));
        QVERIFY(!Memory_Ports::opened().contains("COM257"));
    }

    void noPortsAtAll() {
        app().Form2->Button2Click();
        QVERIFY(!app().Port_Found);
        QCOMPARE(portBox()->count(), 0);
        QCOMPARE(portBox()->currentText(), QString());
        QVERIFY(portBox()->property("failed").toBool());
        QVERIFY(app().link.Port_Handle.isInvalid());
    }

    void insideAnUploadTheSearchIsSkipped() {
        auto board = Memory_Ports::add("COM3", Board);
        app().Upload_Chain_Active = true;
        app().Port_Found = false;
        const QStringList before = Memory_Ports::opened();
        app().Form2->Button2Click();
        QVERIFY(app().Port_Found);
        QCOMPARE(Memory_Ports::opened(), before);
        QCOMPARE(board->opens, 0);
    }
};

QTEST_MAIN(Tst_Port_Search)
#include "tst_port_search.moc"
