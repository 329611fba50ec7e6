#include <QTest>

#include "persistence/data_file_format.h"

class Tst_Data_File_Format : public QObject {
    Q_OBJECT

  private slots:
    void reads_ten_lines_data();
    void reads_ten_lines();
    void writes_ten_lines();
};

namespace {
const QByteArray kBlank = "     ";
}

void Tst_Data_File_Format::reads_ten_lines_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArrayList>("lines");

    const QByteArrayList values = {"1.50", "2.35", "0.99", "12.5", "000",
                                   "100",  "1.00", "999",  "0.01", "7.77"};
    QTest::newRow("ten lines, CR LF") << values.join("\r\n") + "\r\n" << values;
    QTest::newRow("ten lines, LF, no end at the end") << values.join('\n') << values;
    QTest::newRow("twelve lines") << (values + QByteArrayList{"8.88", "9.99"}).join("\r\n") + "\r\n"
                                  << values;
    QTest::newRow("three lines") << QByteArray("1.50\r\n2.35\r\n0.99\r\n")
                                 << QByteArrayList{"1.50", "2.35", "0.99", kBlank, kBlank,
                                                   kBlank, kBlank, kBlank, kBlank, kBlank};
    QTest::newRow("empty lines inside")
        << QByteArray("1.50\r\n\r\n0.99\n\n12.5\r\n")
        << QByteArrayList{"1.50", kBlank, "0.99", kBlank, "12.5", kBlank, kBlank, kBlank, kBlank, kBlank};
    QTest::newRow("empty file") << QByteArray() << QByteArrayList(10, kBlank);
    QTest::newRow("8-bit bytes kept")
        << QByteArray("\xE9\x80 x\r\n") << (QByteArrayList{"\xE9\x80 x"} + QByteArrayList(9, kBlank));
}

void Tst_Data_File_Format::reads_ten_lines() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArrayList, lines);
    const std::array<QByteArray, 10> read = Data_File_Lines(content);
    QCOMPARE(QByteArrayList(read.begin(), read.end()), lines);
}

void Tst_Data_File_Format::writes_ten_lines() {
    const std::array<QString, 10> values = {"1.50", "2.35", "0.99", "12.5", "000",
                                            "100",  "1.00", "999",  "",     QStringLiteral("\u00E9")};
    const QByteArray content = Data_File_Content(values);
    QCOMPARE(content,
             QByteArray("1.50\r\n2.35\r\n0.99\r\n12.5\r\n000\r\n100\r\n1.00\r\n999\r\n\r\n\xE9\r\n"));

    // Read back, every value comes again as it was written; the empty one as the blanks of an empty line.
    const std::array<QByteArray, 10> read = Data_File_Lines(content);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(read[i], values[i].isEmpty() ? kBlank : values[i].toLatin1());
}

QTEST_APPLESS_MAIN(Tst_Data_File_Format)
#include "tst_data_file_format.moc"
