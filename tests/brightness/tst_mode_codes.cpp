#include <QTest>

#include "brightness/mode_codes.h"

class Tst_Mode_Codes : public QObject {
    Q_OBJECT

  private slots:
    void brightness_code_of_data();
    void brightness_code_of();
    void backlight_code_of_data();
    void backlight_code_of();
    void brightness_choice_of_data();
    void brightness_choice_of();
    void backlight_choice_of_data();
    void backlight_choice_of();
};

namespace {

void Add_Code_Columns() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("sub_mode");
    QTest::addColumn<int>("code");
}

void Add_Choice_Columns() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("sub_mode");
}

}  // namespace

void Tst_Mode_Codes::brightness_code_of_data() {
    Add_Code_Columns();
    for (int level = 0; level <= 4; ++level)
        QTest::addRow("level %d", level) << level << -1 << level;
    QTest::newRow("level ignores a stale sub-mode") << 2 << 1 << 2;
    QTest::newRow("automatic by time") << 5 << 0 << 5;
    QTest::newRow("automatic by schedule") << 5 << 1 << 6;
    QTest::newRow("automatic without sub-mode") << 5 << -1 << 5;
    QTest::newRow("nothing chosen") << -1 << -1 << 0;
}

void Tst_Mode_Codes::brightness_code_of() {
    QFETCH(int, mode);
    QFETCH(int, sub_mode);
    QFETCH(int, code);
    QCOMPARE(Brightness_Code_Of(mode, sub_mode), code);
}

void Tst_Mode_Codes::backlight_code_of_data() {
    Add_Code_Columns();
    QTest::newRow("off") << 0 << -1 << 0;
    QTest::newRow("on") << 1 << -1 << 1;
    QTest::newRow("on ignores a stale sub-mode") << 1 << 1 << 1;
    QTest::newRow("automatic by time") << 2 << 0 << 2;
    QTest::newRow("automatic by schedule") << 2 << 1 << 3;
    QTest::newRow("automatic without sub-mode") << 2 << -1 << 2;
    QTest::newRow("nothing chosen") << -1 << -1 << 0;
}

void Tst_Mode_Codes::backlight_code_of() {
    QFETCH(int, mode);
    QFETCH(int, sub_mode);
    QFETCH(int, code);
    QCOMPARE(Backlight_Code_Of(mode, sub_mode), code);
}

void Tst_Mode_Codes::brightness_choice_of_data() {
    Add_Choice_Columns();
    QTest::newRow("negative") << -1 << -1 << 0;
    for (int level = 0; level <= 4; ++level)
        QTest::addRow("level %d", level) << level << level << -1;
    QTest::newRow("automatic by time") << 5 << 5 << 0;
    QTest::newRow("automatic by schedule") << 6 << 5 << 1;
    QTest::newRow("above the codes") << 9 << 5 << 1;
}

void Tst_Mode_Codes::brightness_choice_of() {
    QFETCH(int, code);
    QFETCH(int, item);
    QFETCH(int, sub_mode);
    const Mode_Choice choice = Brightness_Choice_Of(code);
    QCOMPARE(choice.item, item);
    QCOMPARE(choice.sub_mode, sub_mode);
}

void Tst_Mode_Codes::backlight_choice_of_data() {
    Add_Choice_Columns();
    QTest::newRow("negative") << -4 << -1 << 0;
    QTest::newRow("off") << 0 << 0 << -1;
    QTest::newRow("on") << 1 << 1 << -1;
    QTest::newRow("automatic by time") << 2 << 2 << 0;
    QTest::newRow("automatic by schedule") << 3 << 2 << 1;
    QTest::newRow("above the codes") << 7 << 2 << 1;
}

void Tst_Mode_Codes::backlight_choice_of() {
    QFETCH(int, code);
    QFETCH(int, item);
    QFETCH(int, sub_mode);
    const Mode_Choice choice = Backlight_Choice_Of(code);
    QCOMPARE(choice.item, item);
    QCOMPARE(choice.sub_mode, sub_mode);
}

QTEST_APPLESS_MAIN(Tst_Mode_Codes)
#include "tst_mode_codes.moc"
