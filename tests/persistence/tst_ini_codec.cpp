#include <QTest>

#include "persistence/ini_codec.h"

class Tst_Ini_Codec : public QObject {
    Q_OBJECT

  private slots:
    void round_trip_keeps_bytes_data();
    void round_trip_keeps_bytes();
    void reads_text_data();
    void reads_text();
    void reads_integers_and_booleans_data();
    void reads_integers_and_booleans();
    void erase_and_write_keep_other_sections();
    void writes_in_place_and_appends_data();
    void writes_in_place_and_appends();
    void written_value_stays_one_line();
};

void Tst_Ini_Codec::round_trip_keeps_bytes_data() {
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("CR LF file") << QByteArray("[Settings]\r\nPort_Number=COM3\r\n");
    QTest::newRow("mixed line ends, no end at the end")
        << QByteArray("[Tablo]\nName_1=PREMIUM\r\n\r\n  ; note\rName_2 = EURO  \n[Other]\nx");
    QTest::newRow("8-bit, not UTF-8") << QByteArray("[Tablo]\r\nName_1=\xE0\xE1\xFF\x80\r\nVAL_1=\xC3(\r\n");
    QTest::newRow("lines of no known form")
        << QByteArray("garbage\r\n[unclosed\r\n=\r\n]\r\n\t\r\n") + QByteArray("\x00\x01", 2);
}

void Tst_Ini_Codec::round_trip_keeps_bytes() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(Ini_Document::parse(bytes).serialize(), bytes);
}

void Tst_Ini_Codec::reads_text_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("plain") << QByteArray("Settings") << QByteArray("Port_Number") << true
                           << QByteArray("COM3");
    QTest::newRow("section and key in other case")
        << QByteArray("SETTINGS") << QByteArray("port_number") << true << QByteArray("COM3");
    QTest::newRow("blanks around key and value")
        << QByteArray("Tablo") << QByteArray("Name_2") << true << QByteArray("EURO REGULAR");
    QTest::newRow("blanks around the section name")
        << QByteArray("Controller") << QByteArray("Flash") << true << QByteArray("1");
    QTest::newRow("8-bit value") << QByteArray("Tablo") << QByteArray("Name_3") << true
                                 << QByteArray("\xE0\xFF");
    QTest::newRow("equals sign in the value")
        << QByteArray("Tablo") << QByteArray("Name_4") << true << QByteArray("A=B");
    QTest::newRow("empty value") << QByteArray("Tablo") << QByteArray("Name_7") << true << QByteArray();
    QTest::newRow("duplicate key, first wins")
        << QByteArray("Tablo") << QByteArray("Name_1") << true << QByteArray("PREMIUM");
    QTest::newRow("second section of the same name")
        << QByteArray("Settings") << QByteArray("Attempts") << true << QByteArray("3");
    QTest::newRow("key of another section")
        << QByteArray("Settings") << QByteArray("Name_1") << false << QByteArray();
    QTest::newRow("key before any section")
        << QByteArray("Settings") << QByteArray("Stray") << false << QByteArray();
    QTest::newRow("missing section") << QByteArray("Missing") << QByteArray("Port_Number") << false
                                     << QByteArray();
    QTest::newRow("line without equals sign")
        << QByteArray("Tablo") << QByteArray("Loose") << false << QByteArray();
}

void Tst_Ini_Codec::reads_text() {
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(bool, present);
    QFETCH(QByteArray, value);

    const Ini_Document document = Ini_Document::parse(
        "Stray=1\r\n"
        "[Settings]\r\n"
        "Port_Number=COM3\r\n"
        "[Tablo]\r\n"
        "Name_1=PREMIUM\r\n"
        "  Name_2 =  EURO REGULAR \t\r\n"
        "Name_1=SUPER\r\n"
        "Name_3=\xE0\xFF\n"
        "Name_4=A=B\r\n"
        "Name_7=\r\n"
        "Loose\r\n"
        "  [ Controller ]  \r\n"
        "Flash=1\r\n"
        "[settings]\r\n"
        "Attempts=3");
    const std::optional<QByteArray> text = document.text(section, key);
    QCOMPARE(text.has_value(), present);
    if (present)
        QCOMPARE(*text, value);
}

void Tst_Ini_Codec::reads_integers_and_booleans_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("is_integer");
    QTest::addColumn<int>("integer");

    QTest::newRow("12") << QByteArray("12") << true << 12;
    QTest::newRow("-3") << QByteArray("-3") << true << -3;
    QTest::newRow("0") << QByteArray("0") << true << 0;
    QTest::newRow("blanks around") << QByteArray("  7 ") << true << 7;
    QTest::newRow("12a") << QByteArray("12a") << false << 0;
    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("blank") << QByteArray(" ") << false << 0;
    QTest::newRow("hex") << QByteArray("0x10") << false << 0;
    QTest::newRow("point") << QByteArray("1.5") << false << 0;
    QTest::newRow("lone minus") << QByteArray("-") << false << 0;
    QTest::newRow("too big") << QByteArray("4294967296") << false << 0;
}

void Tst_Ini_Codec::reads_integers_and_booleans() {
    QFETCH(QByteArray, value);
    QFETCH(bool, is_integer);
    QFETCH(int, integer);

    const Ini_Document document = Ini_Document::parse("[Settings]\r\nAttempts=" + value + "\r\n");
    const std::optional<int> read = document.integer("Settings", "Attempts");
    const std::optional<bool> flag = document.boolean("Settings", "Attempts");
    QCOMPARE(read.has_value(), is_integer);
    QCOMPARE(flag.has_value(), is_integer);
    if (is_integer) {
        QCOMPARE(*read, integer);
        QCOMPARE(*flag, integer != 0);
    }
    QVERIFY(!document.integer("Settings", "Missing").has_value());
}

void Tst_Ini_Codec::erase_and_write_keep_other_sections() {
    // The settings save: erase both of its sections (keys added by hand go with them), write them anew.
    const QByteArray controller = "[Controller]\nMorning_Time=06:00:00\nNote=\xE9t\xE9\n\n";
    Ini_Document document =
        Ini_Document::parse("[Settings]\r\nPort_Number=COM1\r\nHand_Added=1\r\n" + controller +
                            "[Tablo]\r\nName_1=OLD\r\n\r\n[settings]\r\nAttempts=9\r\n");
    document.eraseSection("Settings");
    document.eraseSection("TABLO");
    document.setText("Settings", "Port_Number", "COM3");
    document.setBoolean("Settings", "Send_If_Changed", true);
    document.setInteger("Settings", "Attempts", -2);
    document.setText("Tablo", "Name_1", "PREMIUM");
    document.setBoolean("Tablo", "5st_Currency", false);

    QCOMPARE(document.serialize(),
             controller +
                 "[Settings]\r\nPort_Number=COM3\r\nSend_If_Changed=1\r\nAttempts=-2\r\n"
                 "[Tablo]\r\nName_1=PREMIUM\r\n5st_Currency=0\r\n");
    QVERIFY(!document.text("Settings", "Hand_Added").has_value());
}

void Tst_Ini_Codec::writes_in_place_and_appends_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray lf_file = "[Controller]\nFlash=1\nInverse=0\nModem_Used=1\n";
    QTest::newRow("overwrite keeps the order and the line ends")
        << lf_file << QByteArray("inverse") << QByteArray("1")
        << QByteArray("[Controller]\nFlash=1\ninverse=1\nModem_Used=1\n");
    QTest::newRow("new key after the last one")
        << lf_file << QByteArray("Timer_Used") << QByteArray("0")
        << QByteArray("[Controller]\nFlash=1\nInverse=0\nModem_Used=1\nTimer_Used=0\r\n");
    QTest::newRow("new key before the blank lines of the section")
        << QByteArray("[Controller]\r\nFlash=1\r\n\r\n[Tablo]\r\n") << QByteArray("Inverse")
        << QByteArray("1") << QByteArray("[Controller]\r\nFlash=1\r\nInverse=1\r\n\r\n[Tablo]\r\n");
    QTest::newRow("new key in an empty section")
        << QByteArray("[Controller]\r\n[Tablo]\r\n") << QByteArray("Flash") << QByteArray("1")
        << QByteArray("[Controller]\r\nFlash=1\r\n[Tablo]\r\n");
    QTest::newRow("new key after a last line without end")
        << QByteArray("[Controller]\r\nFlash=1") << QByteArray("Inverse") << QByteArray("1")
        << QByteArray("[Controller]\r\nFlash=1\r\nInverse=1\r\n");
    QTest::newRow("new section at the end")
        << QByteArray("[Tablo]\nName_1=X") << QByteArray("Flash") << QByteArray("0")
        << QByteArray("[Tablo]\nName_1=X\r\n[Controller]\r\nFlash=0\r\n");
    QTest::newRow("new section in an empty file") << QByteArray() << QByteArray("Flash") << QByteArray("0")
                                                  << QByteArray("[Controller]\r\nFlash=0\r\n");
    QTest::newRow("new key goes to the first of two sections of that name")
        << QByteArray("[Controller]\r\nFlash=1\r\n[Tablo]\r\n[controller]\r\nInverse=1\r\n")
        << QByteArray("Modem_Used") << QByteArray("1")
        << QByteArray("[Controller]\r\nFlash=1\r\nModem_Used=1\r\n[Tablo]\r\n[controller]\r\nInverse=1\r\n");
    QTest::newRow("duplicate key: the first is overwritten")
        << QByteArray("[Controller]\r\nFlash=1\r\nFlash=1\r\n") << QByteArray("Flash") << QByteArray("0")
        << QByteArray("[Controller]\r\nFlash=0\r\nFlash=1\r\n");
    QTest::newRow("the last line keeps having no end")
        << QByteArray("[Controller]\r\nFlash=1") << QByteArray("Flash") << QByteArray("0")
        << QByteArray("[Controller]\r\nFlash=0");
}

void Tst_Ini_Codec::writes_in_place_and_appends() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);

    Ini_Document document = Ini_Document::parse(before);
    document.setText("Controller", key, value);
    QCOMPARE(document.serialize(), after);
    QCOMPARE(document.text("CONTROLLER", key), std::optional<QByteArray>(value));
}

void Tst_Ini_Codec::written_value_stays_one_line() {
    Ini_Document document;
    document.setText("Tablo", "Name_1", "EURO\r\n[Settings]\nPort_Number=COM9");
    QCOMPARE(document.serialize(), QByteArray("[Tablo]\r\nName_1=EURO[Settings]Port_Number=COM9\r\n"));
    QVERIFY(!document.text("Settings", "Port_Number").has_value());
}

QTEST_APPLESS_MAIN(Tst_Ini_Codec)
#include "tst_ini_codec.moc"
