#include <QTest>

#include "brightness/schedule.h"

Q_DECLARE_METATYPE(Schedule_Lookup_Result::Kind)

class Tst_Schedule : public QObject {
    Q_OBJECT

  private slots:
    void looks_up_today_data();
    void looks_up_today();
    void splits_lines_data();
    void splits_lines();
};

namespace {
const QByteArray kHeader = "Date  Morning  Evening";
const QDate kMay14(2024, 5, 14);
}  // namespace

void Tst_Schedule::looks_up_today_data() {
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("first_correction");
    QTest::addColumn<int>("second_correction");
    QTest::addColumn<Schedule_Lookup_Result::Kind>("kind");
    QTest::addColumn<QTime>("first");
    QTest::addColumn<QTime>("second");
    QTest::addColumn<QString>("bad_text");

    const auto found = Schedule_Lookup_Result::Found;
    const auto none = Schedule_Lookup_Result::None;
    const auto bad = Schedule_Lookup_Result::Bad_Number;
    const QByteArrayList may = {kHeader, "05.13 06:13:00 20:40:00", "05.14 06:12:00 20:41:00",
                                "05.15 06:11:00 20:42:00"};

    QTest::newRow("14 May") << may << kMay14 << 0 << 0 << found << QTime(6, 12) << QTime(20, 41) << "";
    QTest::newRow("corrections") << may << kMay14 << -12 << 19 << found << QTime(6, 0) << QTime(21, 0) << "";
    QTest::newRow("15 May") << may << QDate(2024, 5, 15) << 0 << 0 << found << QTime(6, 11) << QTime(20, 42)
                            << "";
    QTest::newRow("no entry for today")
        << may << QDate(2024, 5, 16) << 0 << 0 << none << QTime() << QTime() << "";

    const QByteArrayList edges = {kHeader, "05.14 00:10:00 23:30:00"};
    QTest::newRow("back over midnight")
        << edges << kMay14 << -30 << 60 << found << QTime(23, 40) << QTime(0, 30) << "";
    QTest::newRow("onto midnight") << edges << kMay14 << 0 << 30 << found << QTime(0, 10) << QTime(0, 0)
                                   << "";

    QTest::newRow("key with a one-digit month")
        << QByteArrayList{kHeader, "01.05 07:59:00 17:01:00"} << QDate(2025, 1, 5) << 0 << 0 << found
        << QTime(7, 59) << QTime(17, 1) << "";
    QTest::newRow("first match wins")
        << QByteArrayList{kHeader, "05.14 06:12:00 20:41:00", "05.14 07:00:00 19:00:00"} << kMay14 << 0 << 0
        << found << QTime(6, 12) << QTime(20, 41) << "";
    QTest::newRow("day first never matches") << QByteArrayList{kHeader, "14.05 06:12:00 20:41:00"} << kMay14
                                             << 0 << 0 << none << QTime() << QTime() << "";
    QTest::newRow("first line is never read")
        << QByteArrayList{"05.14 06:12:00 20:41:00"} << kMay14 << 0 << 0 << none << QTime() << QTime() << "";
    QTest::newRow("header only") << QByteArrayList{kHeader} << kMay14 << 0 << 0 << none << QTime() << QTime()
                                 << "";
    QTest::newRow("empty file") << QByteArrayList{} << kMay14 << 0 << 0 << none << QTime() << QTime() << "";

    QTest::newRow("malformed line after the match")
        << QByteArrayList{kHeader, "05.14 06:12:00 20:41:00", "05.15 xx:11:00 20:42:00", ""} << kMay14 << 0
        << 0 << found << QTime(6, 12) << QTime(20, 41) << "";
    QTest::newRow("malformed hour before the match")
        << QByteArrayList{kHeader, "05.13 xx:13:00 20:40:00", "05.14 06:12:00 20:41:00"} << kMay14 << 0 << 0
        << bad << QTime() << QTime() << "xx";
    QTest::newRow("malformed minute before the match")
        << QByteArrayList{kHeader, "05.13 06:1x:00 20:40:00", "05.14 06:12:00 20:41:00"} << kMay14 << 0 << 0
        << bad << QTime() << QTime() << "1x";
    QTest::newRow("malformed second time before the match")
        << QByteArrayList{kHeader, "05.13 06:13:00 20: 0:00", "05.14 06:12:00 20:41:00"} << kMay14 << 0 << 0
        << bad << QTime() << QTime() << " 0";
    QTest::newRow("blank line before the match") << QByteArrayList{kHeader, "", "05.14 06:12:00 20:41:00"}
                                                 << kMay14 << 0 << 0 << bad << QTime() << QTime() << "";
    QTest::newRow("matching line cut short")
        << QByteArrayList{kHeader, "05.14 06:12"} << kMay14 << 0 << 0 << bad << QTime() << QTime() << "";
    // A column cut in half by the line's end holds what is there: "2" is a number, the missing minute not.
    QTest::newRow("line ends inside a column")
        << QByteArrayList{kHeader, "05.14 06:12:00 2"} << kMay14 << 0 << 0 << bad << QTime() << QTime() << "";
}

void Tst_Schedule::looks_up_today() {
    QFETCH(QByteArrayList, lines);
    QFETCH(QDate, today);
    QFETCH(int, first_correction);
    QFETCH(int, second_correction);
    QFETCH(Schedule_Lookup_Result::Kind, kind);
    QFETCH(QTime, first);
    QFETCH(QTime, second);
    QFETCH(QString, bad_text);

    const Schedule_Lookup_Result result =
        Shedule_Lookup_Lines(lines, today, first_correction, second_correction);
    QCOMPARE(result.kind, kind);
    if (kind == Schedule_Lookup_Result::Found) {
        QCOMPARE(result.first, first);
        QCOMPARE(result.second, second);
    }
    if (kind == Schedule_Lookup_Result::Bad_Number)
        QCOMPARE(result.bad_text, bad_text);
}

void Tst_Schedule::splits_lines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArrayList{"a", "b"};
    QTest::newRow("LF, last line without end") << QByteArray("a\nb") << QByteArrayList{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QByteArrayList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\n\nb\r\n") << QByteArrayList{"a", "", "", "b"};
    QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << QByteArrayList{"a", "", "b"};
    QTest::newRow("LF then CR is two ends") << QByteArray("a\n\rb") << QByteArrayList{"a", "", "b"};
    QTest::newRow("one empty line") << QByteArray("\r\n") << QByteArrayList{""};
    QTest::newRow("empty file") << QByteArray() << QByteArrayList{};
}

void Tst_Schedule::splits_lines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, lines);
    QCOMPARE(Split_Schedule_Lines(bytes), lines);
}

QTEST_APPLESS_MAIN(Tst_Schedule)
#include "tst_schedule.moc"
