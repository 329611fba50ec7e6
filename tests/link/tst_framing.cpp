#include <QTest>

#include "link/framing.h"

Q_DECLARE_METATYPE(Reply_Kind)

class Tst_Framing : public QObject {
    Q_OBJECT

  private slots:
    void frames_a_command_data();
    void frames_a_command();
    void checks_a_line_checksum_data();
    void checks_a_line_checksum();
    void classifies_a_reply_data();
    void classifies_a_reply();
};

void Tst_Framing::frames_a_command_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("identity request") << QByteArray("WHO=") << QByteArray("WHO=;299;\r\n");
    QTest::newRow("read request") << QByteArray("READ=") << QByteArray("READ=;345;\r\n");
    QTest::newRow("empty body") << QByteArray() << QByteArray(";0;\r\n");
    // Bytes above 127 count as 128..255, not as negative chars.
    QTest::newRow("8-bit bytes") << QByteArray("\xFF\x80") << QByteArray("\xFF\x80;383;\r\n");
}

void Tst_Framing::frames_a_command() {
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, line);
    QCOMPARE(Frame_Command(body), line);
}

void Tst_Framing::checks_a_line_checksum_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("valid");

    QTest::newRow("good") << QByteArray("WHO=;299;") << true;
    QTest::newRow("text after the second semicolon") << QByteArray("WHO=;299;junk") << true;
    QTest::newRow("leading zero") << QByteArray("WHO=;0299;") << true;
    QTest::newRow("8-bit byte") << QByteArray("\xE9;233;") << true;
    QTest::newRow("one too high") << QByteArray("WHO=;300;") << false;
    QTest::newRow("one too low") << QByteArray("WHO=;298;") << false;
    QTest::newRow("second semicolon missing") << QByteArray("WHO=;299") << false;
    QTest::newRow("both semicolons missing") << QByteArray("WHO=299") << false;
    QTest::newRow("empty line") << QByteArray() << false;

    // The first character always counts, even a semicolon: the sum stops only at a later one.
    QTest::newRow("semicolon first, counted") << QByteArray(";A;124;") << true;
    QTest::newRow("semicolon first and second") << QByteArray(";;59;") << true;
    QTest::newRow("semicolon first, not skipped") << QByteArray(";A;65;") << false;
    QTest::newRow("semicolon alone") << QByteArray(";") << false;

    QTest::newRow("letters in the sum") << QByteArray("WHO=;29a;") << false;
    QTest::newRow("empty sum") << QByteArray("WHO=;;") << false;
    QTest::newRow("blank before the sum") << QByteArray("WHO=; 299;") << false;
    QTest::newRow("plus sign") << QByteArray("WHO=;+299;") << false;
    QTest::newRow("decimal point") << QByteArray("WHO=;299.0;") << false;
    QTest::newRow("hex") << QByteArray("WHO=;0x12B;") << false;
}

void Tst_Framing::checks_a_line_checksum() {
    QFETCH(QByteArray, line);
    QFETCH(bool, valid);
    QCOMPARE(Check_Line_Checksum(line), valid);
}

void Tst_Framing::classifies_a_reply_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("modem_line_flag");
    QTest::addColumn<Reply_Kind>("kind");

    QTest::newRow("OK") << QByteArray("OK") << false << Reply_Kind::Ok;
    QTest::newRow("OK and a blank") << QByteArray("OK ") << false << Reply_Kind::None;
    QTest::newRow("ok in small letters") << QByteArray("ok") << false << Reply_Kind::None;
    QTest::newRow("ERROR") << QByteArray("ERROR") << false << Reply_Kind::Error;
    QTest::newRow("ERROR and more") << QByteArray("ERRORx") << false << Reply_Kind::None;
    QTest::newRow("read answer") << QByteArray("READ=1.50,2,;99;") << false << Reply_Kind::Read;
    QTest::newRow("READ alone") << QByteArray("READ") << false << Reply_Kind::Read;
    QTest::newRow("identity") << QByteArray("Razaz Arira v2") << false << Reply_Kind::Identity;
    QTest::newRow("identity cut short") << QByteArray("Razaz Arir") << false << Reply_Kind::None;
    QTest::newRow("modem clock answer")
        << QByteArray("+CCLK: \"24/05/14,06:12:00\"") << false << Reply_Kind::Modem_Line;
    QTest::newRow("modem message list echo")
        << QByteArray("AT+CMGL=\"ALL\"") << false << Reply_Kind::Modem_Line;
    QTest::newRow("CCLK in the wrong place") << QByteArray("CCLK") << false << Reply_Kind::None;

    // After a modem line, its closing OK (or anything like our identity) is the modem's, not the board's.
    QTest::newRow("OK after a modem line") << QByteArray("OK") << true << Reply_Kind::None;
    QTest::newRow("identity after a modem line") << QByteArray("Razaz Arira") << true << Reply_Kind::None;
    QTest::newRow("ERROR after a modem line") << QByteArray("ERROR") << true << Reply_Kind::Error;
    QTest::newRow("READ after a modem line") << QByteArray("READ=") << true << Reply_Kind::Read;

    QTest::newRow("empty") << QByteArray() << false << Reply_Kind::None;
    QTest::newRow("short line") << QByteArray("RE") << false << Reply_Kind::None;
    QTest::newRow("O") << QByteArray("O") << false << Reply_Kind::None;
}

void Tst_Framing::classifies_a_reply() {
    QFETCH(QByteArray, line);
    QFETCH(bool, modem_line_flag);
    QFETCH(Reply_Kind, kind);
    QCOMPARE(Classify_Reply(line, modem_line_flag), kind);
}

QTEST_APPLESS_MAIN(Tst_Framing)
#include "tst_framing.moc"
