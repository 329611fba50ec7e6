#include <QTest>

#include "content/fit_value.h"

class Tst_Fit_Value : public QObject {
    Q_OBJECT

  private slots:
    void fits_text_and_moves_caret_data();
    void fits_text_and_moves_caret();
};

namespace {
const QString kPaste = QStringLiteral("\x16");  // the character the paste shortcut delivers
const QString kBackspace = QStringLiteral("\b");
}  // namespace

void Tst_Fit_Value::fits_text_and_moves_caret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("last_key");
    QTest::addColumn<int>("digit_count");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("fitted");
    QTest::addColumn<int>("fitted_caret");

    // Typing over a value: read from the left, filled with zeros on the right, cut on the right.
    QTest::newRow("all selected, 2 typed") << "2"
                                           << "1.00"
                                           << "2" << 3 << 1 << "200" << 1;
    QTest::newRow("zeros selected, 5 typed") << "15"
                                             << "100"
                                             << "5" << 3 << 2 << "150" << 2;
    QTest::newRow("last digits selected, 5 typed") << "1.5"
                                                   << "1.00"
                                                   << "5" << 3 << 3 << "1.50" << 3;
    QTest::newRow("fourth digit at the end") << "1.855"
                                             << "1.85"
                                             << "5" << 3 << 5 << "1.85" << 5;
    QTest::newRow("1 typed in front") << "11.85"
                                      << "1.85"
                                      << "1" << 3 << 1 << "11.8" << 1;
    QTest::newRow("board value cut after its point") << "123.40"
                                                     << "1.00"
                                                     << "0" << 3 << 6 << "123." << 6;
    QTest::newRow("five digits pasted") << "12345"
                                        << "1.00" << kPaste << 3 << 5 << "123" << 5;

    // A typed point replaces the old one; the removal in the first step leaves the caret alone.
    QTest::newRow("point after the 5") << "1.5.0"
                                       << "1.50"
                                       << "." << 3 << 4 << "15.0" << 4;
    QTest::newRow("point in front of the 1") << ".1.50"
                                             << "1.50"
                                             << "." << 3 << 1 << "150" << 0;
    QTest::newRow("point at the end") << "1.50."
                                      << "1.50"
                                      << "." << 3 << 5 << "150" << 5;
    QTest::newRow("point right after the point") << "1..50"
                                                 << "1.50"
                                                 << "." << 3 << 3 << "1.50" << 3;
    QTest::newRow("point in the start text") << "1.0.000"
                                             << "1.0000"
                                             << "." << 3 << 4 << "10.0" << 4;
    QTest::newRow("point in the start text, no previous") << "1.0.000"
                                                          << ""
                                                          << "." << 3 << 4 << "1.00" << 4;
    QTest::newRow("lone point at the end is no point") << "1."
                                                       << "100"
                                                       << "." << 3 << 2 << "1.0" << 2;
    // The same two points pasted rather than typed: the second point is dropped by the filter instead.
    QTest::newRow("two points pasted") << "1.5.0"
                                       << "1.50" << kPaste << 3 << 5 << "1.50" << 4;

    // Everything that is not a digit or a point goes, and each removal takes the caret back by one.
    QTest::newRow("minus in front") << "-1.50"
                                    << "1.50"
                                    << "-" << 3 << 1 << "1.50" << 0;
    QTest::newRow("comma after the 1") << "1,85"
                                       << "185"
                                       << "," << 3 << 2 << "185" << 1;
    QTest::newRow("letter typed in the middle") << "1x.50"
                                                << "1.50"
                                                << "x" << 3 << 2 << "1.50" << 1;
    QTest::newRow("letters pasted over everything") << "abc"
                                                    << "000" << kPaste << 3 << 3 << "000" << 0;
    QTest::newRow("everything deleted") << ""
                                        << "1.50" << kBackspace << 3 << 0 << "000" << 0;
    QTest::newRow("removals beyond the caret") << "ab1"
                                               << "1.00" << kPaste << 3 << 0 << "100" << -2;
    QTest::newRow("empty data file line") << "     "
                                          << "1.50"
                                          << "" << 3 << 0 << "000" << -5;

    QTest::newRow("five digits, start text") << "1.0000"
                                             << ""
                                             << "" << 5 << 0 << "1.0000" << 0;
    QTest::newRow("five digits, filled") << "1.23"
                                         << ""
                                         << "" << 5 << 4 << "1.2300" << 4;
    QTest::newRow("five digits, no point") << "12"
                                           << ""
                                           << "" << 5 << 2 << "12000" << 2;
}

void Tst_Fit_Value::fits_text_and_moves_caret() {
    QFETCH(QString, text);
    QFETCH(QString, previous);
    QFETCH(QString, last_key);
    QFETCH(int, digit_count);
    QFETCH(int, caret);
    QFETCH(QString, fitted);
    QFETCH(int, fitted_caret);

    const Fit_Result result = Fit_Value(text, previous, last_key, digit_count, caret);
    QCOMPARE(result.text, fitted);
    QCOMPARE(result.caret, fitted_caret);
}

QTEST_APPLESS_MAIN(Tst_Fit_Value)
#include "tst_fit_value.moc"
