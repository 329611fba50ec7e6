#include <QTest>

#include "link/framing.h"
#include "operations/read_answer.h"

Q_DECLARE_METATYPE(Answer_Grammar)

class Tst_Read_Answer : public QObject {
    Q_OBJECT

  private slots:
    void takes_the_fields_of_a_valid_answer();
    void grammar_data();
    void grammar();
    void keeps_the_fields_stored_before_a_fault_data();
    void keeps_the_fields_stored_before_a_fault();
    void settings_fields_usable_data();
    void settings_fields_usable();
};

namespace {

// A board answer as it comes in: ten rows, three event fields, the 19 controller settings.
QByteArrayList Board_Fields() {
    return {"1.50", "2.35", "0.99", "12.5", "000",  "100", "1.00", "999", "000", "000",   // rows
            "0",    "0",    "0",                                                          // events
            "3",    "3",    "1",    "360",  "1230", "250", "5",    "4",   "1",   "1380",  // settings
            "420",  "0",    "0",    "1",    "1",    "10",  "0",    "1",   "1"};
}

// "READ=" and the fields, each followed by ",", then the checksum part.
QByteArray Answer_Of(const QByteArrayList& fields) {
    QByteArray body = "READ=";
    for (const QByteArray& field : fields)
        body += field + ',';
    const QByteArray framed = Frame_Command(body);
    return framed.left(framed.size() - 2);  // the line as received, without CR LF
}

Board_Field_Array Filled_With(const QByteArray& text) {
    Board_Field_Array fields;
    fields.fill(text);
    return fields;
}

}  // namespace

void Tst_Read_Answer::takes_the_fields_of_a_valid_answer() {
    const QByteArrayList expected = Board_Fields();
    QCOMPARE(expected.size(), 32);
    Board_Field_Array fields = Filled_With("old");
    QCOMPARE(Parse_Read_Fields(Answer_Of(expected), fields), Answer_Grammar::Valid);
    for (int i = 1; i <= 32; ++i)
        QCOMPARE(fields[i], expected.at(i - 1));
    QCOMPARE(fields[0], QByteArray("old"));
}

void Tst_Read_Answer::grammar_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<Answer_Grammar>("grammar");

    QByteArrayList fields = Board_Fields();
    fields[0] = "-1.5";
    fields[1] = "123456";
    fields[2] = ".";
    QTest::newRow("signs, points, six characters") << Answer_Of(fields) << Answer_Grammar::Valid;

    QTest::newRow("a 33rd field is not looked at")
        << Answer_Of(Board_Fields() << "x") << Answer_Grammar::Valid;

    fields = Board_Fields();
    fields[1] = "1a";
    QTest::newRow("letter in a field") << Answer_Of(fields) << Answer_Grammar::Bad;
    fields[1] = "1 ";
    QTest::newRow("blank in a field") << Answer_Of(fields) << Answer_Grammar::Bad;
    fields[1] = "";
    QTest::newRow("empty field") << Answer_Of(fields) << Answer_Grammar::Bad;
    fields = Board_Fields();
    fields[30] = "1234567";
    QTest::newRow("seven characters in field 31") << Answer_Of(fields) << Answer_Grammar::Bad;

    QTest::newRow("31 fields") << Answer_Of(Board_Fields().mid(0, 31)) << Answer_Grammar::Bad;
    QTest::newRow("no fields") << QByteArray("READ=;345;") << Answer_Grammar::Bad;
    QTest::newRow("READ alone") << QByteArray("READ") << Answer_Grammar::Bad;
    // Without a checksum part the text runs out before field 32: nothing stands for fields 3 to 32.
    QTest::newRow("text ends after two fields") << QByteArray("READ=1,2,") << Answer_Grammar::Bad;
}

void Tst_Read_Answer::grammar() {
    QFETCH(QByteArray, line);
    QFETCH(Answer_Grammar, grammar);
    Board_Field_Array fields;
    QCOMPARE(Parse_Read_Fields(line, fields), grammar);
}

void Tst_Read_Answer::keeps_the_fields_stored_before_a_fault_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("stored");       // fields 1..stored hold the answer's fields
    QTest::addColumn<QByteArray>("last");  // what field stored+1 holds afterwards

    QByteArrayList fields = Board_Fields();
    fields[2] = "1234567";
    QTest::newRow("seven digits in field 3") << Answer_Of(fields) << 2 << QByteArray("old");
    fields[2] = "";
    QTest::newRow("empty field 3") << Answer_Of(fields) << 2 << QByteArray("old");

    // With one field short, the checksum part (";" sum ";", six characters here) becomes field 32.
    const QByteArray short_answer = Answer_Of(Board_Fields().mid(0, 31));
    const QByteArray checksum_part = short_answer.mid(short_answer.indexOf(';'));
    QCOMPARE(checksum_part.size(), 6);
    QTest::newRow("31 fields") << short_answer << 31 << checksum_part;
}

void Tst_Read_Answer::keeps_the_fields_stored_before_a_fault() {
    QFETCH(QByteArray, line);
    QFETCH(int, stored);
    QFETCH(QByteArray, last);

    Board_Field_Array fields = Filled_With("old");
    QCOMPARE(Parse_Read_Fields(line, fields), Answer_Grammar::Bad);
    const QByteArrayList expected = Board_Fields();
    for (int i = 1; i <= stored; ++i)
        QCOMPARE(fields[i], expected.at(i - 1));
    QCOMPARE(fields[stored + 1], last);
    for (int i = stored + 2; i <= 32; ++i)
        QCOMPARE(fields[i], QByteArray("old"));
}

void Tst_Read_Answer::settings_fields_usable_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("usable");

    QTest::newRow("row field is not checked") << 5 << QByteArray("-.-") << true;
    QTest::newRow("brightness code, any integer") << 14 << QByteArray("9") << true;
    QTest::newRow("backlight code, negative") << 15 << QByteArray("-3") << true;
    QTest::newRow("brightness code too big for an int") << 14 << QByteArray("99999999999") << false;
    QTest::newRow("timer used, any integer") << 27 << QByteArray("7") << true;
    QTest::newRow("leading zeros") << 17 << QByteArray("0605") << true;

    QTest::newRow("lone minus") << 16 << QByteArray("-") << false;
    QTest::newRow("point") << 21 << QByteArray("1.5") << false;
    QTest::newRow("empty") << 28 << QByteArray() << false;
    QTest::newRow("plus sign") << 30 << QByteArray("+1") << false;

    QTest::newRow("flash 1") << 16 << QByteArray("1") << true;
    QTest::newRow("flash 2") << 16 << QByteArray("2") << false;
    QTest::newRow("morning 1439") << 17 << QByteArray("1439") << true;
    QTest::newRow("evening 1440") << 18 << QByteArray("1440") << false;
    QTest::newRow("off time -1") << 23 << QByteArray("-1") << false;
    QTest::newRow("on time 1440") << 24 << QByteArray("1440") << false;
    QTest::newRow("morning correction 255") << 19 << QByteArray("255") << true;
    QTest::newRow("evening correction 256") << 20 << QByteArray("256") << false;
    QTest::newRow("off correction -1") << 25 << QByteArray("-1") << false;
    QTest::newRow("on correction 300") << 26 << QByteArray("300") << false;
    QTest::newRow("morning level 4") << 21 << QByteArray("4") << true;
    QTest::newRow("evening level 7") << 22 << QByteArray("7") << false;
    QTest::newRow("temperature sensor 2") << 28 << QByteArray("2") << false;
    QTest::newRow("section 10") << 29 << QByteArray("10") << true;
    QTest::newRow("section 11") << 29 << QByteArray("11") << false;
    QTest::newRow("events 2") << 30 << QByteArray("2") << false;
    QTest::newRow("inverse -1") << 31 << QByteArray("-1") << false;
    QTest::newRow("controlled by 2") << 32 << QByteArray("2") << false;
}

void Tst_Read_Answer::settings_fields_usable() {
    QFETCH(int, index);
    QFETCH(QByteArray, text);
    QFETCH(bool, usable);

    Board_Field_Array fields;
    QCOMPARE(Parse_Read_Fields(Answer_Of(Board_Fields()), fields), Answer_Grammar::Valid);
    QVERIFY(Settings_Fields_Usable(fields));
    fields[index] = text;
    QCOMPARE(Settings_Fields_Usable(fields), usable);
}

QTEST_APPLESS_MAIN(Tst_Read_Answer)
#include "tst_read_answer.moc"
