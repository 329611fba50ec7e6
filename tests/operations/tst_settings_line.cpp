#include <QTest>

#include "operations/settings_line.h"

class Tst_Settings_Line : public QObject {
    Q_OBJECT

  private slots:
    void builds_the_settings_line();
    void unconvertible_time_goes_as_midnight();
    void time_text_to_minutes_data();
    void time_text_to_minutes();
    void minutes_to_time_text_data();
    void minutes_to_time_text();
    void byte_conversions_data();
    void byte_conversions();
};

namespace {

Controller_Settings Example_Settings() {
    Controller_Settings s;
    s.brightness_code = 3;  // 75%
    s.backlight_code = 3;   // automatic by schedule
    s.flash = 1;
    s.morning_time = QStringLiteral("06:00:00");
    s.evening_time = QStringLiteral("20:30:00");
    s.morning_correction = -6;
    s.evening_correction = 5;
    s.morning_level = 4;
    s.evening_level = 1;
    s.off_time = QStringLiteral("23:00:00");
    s.on_time = QStringLiteral("07:00:00");
    return s;
}

}  // namespace

void Tst_Settings_Line::builds_the_settings_line() {
    QCOMPARE(Build_Settings_Line(Example_Settings()),
             QByteArray("SETS=3,3,1,360,1230,250,5,4,1,1380,420,0,0,1,1,10,0,1,1,"));

    Controller_Settings s = Example_Settings();
    s.off_correction = -127;
    s.on_correction = 128;
    s.timer_used = 0;
    s.modem_used = 0;
    QCOMPARE(Build_Settings_Line(s),
             QByteArray("SETS=3,3,1,360,1230,250,5,4,1,1380,420,129,128,0,1,10,0,1,0,"));
}

void Tst_Settings_Line::unconvertible_time_goes_as_midnight() {
    Controller_Settings s = Example_Settings();
    s.morning_time = QStringLiteral("6:00");
    s.on_time = QString();
    QCOMPARE(Build_Settings_Line(s), QByteArray("SETS=3,3,1,0,1230,250,5,4,1,1380,0,0,0,1,1,10,0,1,1,"));
}

void Tst_Settings_Line::time_text_to_minutes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes");

    QTest::newRow("midnight") << "00:00:00" << 0;
    QTest::newRow("07:30:00") << "07:30:00" << 450;
    QTest::newRow("seconds dropped") << "23:59:59" << 1439;
    QTest::newRow("without seconds") << "10:05" << 605;
    QTest::newRow("one-digit hour") << "7:30:00" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("letters") << "ab:cd:ef" << -1;
    QTest::newRow("hour 24") << "24:00:00" << -1;
    QTest::newRow("minute 60") << "12:60:00" << -1;
    QTest::newRow("non-ASCII digits") << QStringLiteral("\u0661\u0662:00:00") << -1;
}

void Tst_Settings_Line::time_text_to_minutes() {
    QFETCH(QString, text);
    QFETCH(int, minutes);
    QCOMPARE(Time_Text_To_Minutes(text), minutes);
}

void Tst_Settings_Line::minutes_to_time_text_data() {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "00:00:00";
    QTest::newRow("605") << 605 << "10:05:00";
    QTest::newRow("1439") << 1439 << "23:59:00";
    QTest::newRow("59") << 59 << "00:59:00";
    // Counts outside the day are wrapped into it, so the text is always a time.
    QTest::newRow("1440") << 1440 << "00:00:00";
    QTest::newRow("-5") << -5 << "23:55:00";
}

void Tst_Settings_Line::minutes_to_time_text() {
    QFETCH(int, minutes);
    QFETCH(QString, text);
    QCOMPARE(Minutes_To_Time_Text(minutes), text);
}

void Tst_Settings_Line::byte_conversions_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");

    // Each row holds both ways: Signed_To_Byte(value) == byte and Byte_To_Signed(byte) == value.
    QTest::newRow("-6") << -6 << 250;
    QTest::newRow("-1") << -1 << 255;
    QTest::newRow("-128") << -128 << 128;
    QTest::newRow("-127") << -127 << 129;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("127") << 127 << 127;
}

void Tst_Settings_Line::byte_conversions() {
    QFETCH(int, value);
    QFETCH(int, byte);
    QCOMPARE(Signed_To_Byte(value), byte);
    QCOMPARE(Byte_To_Signed(byte), value);
}

QTEST_APPLESS_MAIN(Tst_Settings_Line)
#include "tst_settings_line.moc"
