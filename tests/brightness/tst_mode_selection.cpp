// The main window's brightness and backlight selectors: their handlers, the codes an upload builds from
// them, the codes from the board, and the timer rule that offers or withdraws the automatic items.
#include <QSignalBlocker>
#include <QTest>

#include "brightness/auto_controls.h"
#include "brightness/mode_selection.h"
#include "core/app.h"
#include "core/clock.h"
#include "core/notify.h"
#include "fixtures.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {
const QByteArray kSchedule = "Date  Morning  Evening\r\n05.14 06:12:00 20:41:00\r\n";
const QStringList kFullBrightness{"მინ", "25%", "50%", "75%", "100%", "ავტო"};
const QStringList kFullBacklight{"გამორთული", "ჩართული", "ავტო"};
}  // namespace

class Tst_Mode_Selection : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    std::unique_ptr<QTemporaryDir> work;
    QString saved_current;

    Ui::TForm1* m() const { return fx->form1()->ui(); }
    Ui::TForm2* s() const { return fx->program->Form2->ui(); }
    Ui::TForm13* d() const { return fx->program->Form13->ui(); }
    TForm13* dialog() const { return fx->program->Form13.get(); }

    // Puts selections in place without any handler's work, as a loaded state would be.
    void setQuietly(int brightness, int shedule_brightness, int backlight, int shedule_backlight) {
        App& a = app();
        a.Settings_Loading = true;
        m()->RadioGroup1->setItemIndex(brightness);
        m()->RadioGroup2->setItemIndex(backlight);
        d()->TntRadioGroup2->setItemIndex(shedule_brightness);
        d()->TntRadioGroup1->setItemIndex(shedule_backlight);
        a.Settings_Loading = false;
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        // A schedule with today's entry in the working folder, so that choosing "by schedule" finds it.
        work = std::make_unique<QTemporaryDir>();
        saved_current = QDir::currentPath();
        QDir::setCurrent(work->path());
        QFile f(work->filePath("Shedule.shd"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kSchedule);
        Set_Today_For_Test(QDate(2024, 5, 14));
    }

    void cleanup() {
        Set_Today_For_Test(QDate());
        QDir::setCurrent(saved_current);
        fx.reset();
        work.reset();
    }

    void uploadBuildsTheCodes_data() {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("shedule_brightness");
        QTest::addColumn<int>("backlight");
        QTest::addColumn<int>("shedule_backlight");
        QTest::addColumn<int>("brightness_code");
        QTest::addColumn<int>("backlight_code");
        QTest::newRow("nothing chosen") << -1 << -1 << -1 << -1 << 0 << 0;
        QTest::newRow("75%, on") << 3 << -1 << 1 << -1 << 3 << 1;
        QTest::newRow("automatic by time, on") << 5 << 0 << 1 << -1 << 5 << 1;
        QTest::newRow("automatic by schedule, off") << 5 << 1 << 0 << -1 << 6 << 0;
        QTest::newRow("100%, automatic by time") << 4 << -1 << 2 << 0 << 4 << 2;
        QTest::newRow("nothing chosen, automatic by schedule") << -1 << -1 << 2 << 1 << 0 << 3;
    }

    void uploadBuildsTheCodes() {
        QFETCH(int, brightness);
        QFETCH(int, shedule_brightness);
        QFETCH(int, backlight);
        QFETCH(int, shedule_backlight);
        QFETCH(int, brightness_code);
        QFETCH(int, backlight_code);
        setQuietly(brightness, shedule_brightness, backlight, shedule_backlight);
        dialog()->hide();

        const Mode_Codes codes = Build_Mode_Codes();
        QCOMPARE(codes.brightness, brightness_code);
        QCOMPARE(codes.backlight, backlight_code);
        // Nothing chosen becomes the first item, "მინ" and "გამორთული", without the handlers' work.
        QCOMPARE(m()->RadioGroup1->itemIndex(), brightness == -1 ? 0 : brightness);
        QCOMPARE(m()->RadioGroup2->itemIndex(), backlight == -1 ? 0 : backlight);
        QCOMPARE(d()->TntRadioGroup2->itemIndex(), shedule_brightness);
        QCOMPARE(d()->TntRadioGroup1->itemIndex(), shedule_backlight);
        QVERIFY(!dialog()->isVisible());
        QVERIFY(!app().Settings_Sending);
    }

    void selectorsOpenAndCloseTheDialog() {
        Modal_Closer closer;
        m()->RadioGroup2->setItemIndex(1);              // "ჩართული"
        m()->RadioGroup1->setItemIndex(5);              // "ავტო"
        QCOMPARE(d()->TntRadioGroup2->itemIndex(), 1);  // "გრაფიკით"
        QVERIFY(d()->TntGroupBox1->isEnabled());
        QVERIFY(d()->TntRadioGroup2->isEnabled());
        QVERIFY(dialog()->isVisible());
        QCOMPARE(d()->DateTimePicker1->time(), QTime(6, 12));  // the sub-mode's handler ran

        m()->RadioGroup1->setItemIndex(2);  // "50%"
        QCOMPARE(d()->TntRadioGroup2->itemIndex(), -1);
        QVERIFY(!d()->TntGroupBox1->isEnabled());
        QVERIFY(!d()->TntRadioGroup2->isEnabled());
        QVERIFY(!dialog()->isVisible());

        // With the backlight on automatic, a brightness level leaves the dialog open.
        m()->RadioGroup2->setItemIndex(2);
        QVERIFY(dialog()->isVisible());
        QCOMPARE(d()->TntRadioGroup1->itemIndex(), 1);
        QVERIFY(d()->GroupBox5->isEnabled());
        m()->RadioGroup1->setItemIndex(5);
        m()->RadioGroup1->setItemIndex(2);
        QVERIFY(dialog()->isVisible());
        QVERIFY(!d()->TntGroupBox1->isEnabled());

        // And the other way round: the backlight's "ჩართული" hides it only with no automatic brightness.
        m()->RadioGroup2->setItemIndex(1);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(d()->TntRadioGroup1->itemIndex(), -1);
        QVERIFY(!d()->GroupBox5->isEnabled());
        QCOMPARE(notices().errors, QStringList());
    }

    void selectorsStayQuietWhileLoadingOrSending() {
        for (bool App::*flag : {&App::Settings_Loading, &App::Settings_Sending}) {
            setQuietly(2, -1, 0, -1);
            app().*flag = true;
            m()->RadioGroup1->setItemIndex(5);
            m()->RadioGroup2->setItemIndex(2);
            app().*flag = false;
            QCOMPARE(d()->TntRadioGroup2->itemIndex(), -1);
            QCOMPARE(d()->TntRadioGroup1->itemIndex(), -1);
            QVERIFY(!dialog()->isVisible());
        }
    }

    // What the board reports is shown, and the next upload sends the same codes again.
    void boardCodesAreShownAndSentBack_data() {
        QTest::addColumn<int>("backlight_code");
        QTest::addColumn<int>("brightness_code");
        QTest::addColumn<int>("backlight_item");
        QTest::addColumn<int>("brightness_item");
        QTest::addColumn<int>("shedule_backlight");
        QTest::addColumn<int>("shedule_brightness");
        QTest::addColumn<bool>("dialog_shown");
        QTest::addColumn<int>("lookups");  // failed schedule lookups, each reported once
        QTest::newRow("off, minimum") << 0 << 0 << 0 << 0 << -1 << -1 << false << 0;
        QTest::newRow("on, 75%") << 1 << 3 << 1 << 3 << -1 << -1 << false << 0;
        QTest::newRow("on, automatic by time") << 1 << 5 << 1 << 5 << -1 << 0 << true << 0;
        QTest::newRow("on, automatic by schedule") << 1 << 6 << 1 << 5 << -1 << 1 << true << 1;
        QTest::newRow("by time, 100%") << 2 << 4 << 2 << 4 << 0 << -1 << true << 0;
        QTest::newRow("by schedule, 25%") << 3 << 1 << 2 << 1 << 1 << -1 << true << 1;
    }

    void boardCodesAreShownAndSentBack() {
        QFETCH(int, backlight_code);
        QFETCH(int, brightness_code);
        QFETCH(int, backlight_item);
        QFETCH(int, brightness_item);
        QFETCH(int, shedule_backlight);
        QFETCH(int, shedule_brightness);
        QFETCH(bool, dialog_shown);
        QFETCH(int, lookups);
        // The opposite state first: a level where the code is automatic, automatic by schedule where it
        // is a level.
        setQuietly(brightness_item == 5 ? 2 : 5, brightness_item == 5 ? -1 : 1, backlight_item == 2 ? 0 : 2,
                   backlight_item == 2 ? -1 : 1);
        dialog()->setVisible(!dialog_shown);
        // No schedule file: only a code "by schedule" looks it up (and reports the missing file, keeping
        // the sub-mode); the selectors' own choice of "by schedule" must not get in the way of "by time".
        QFile::remove("Shedule.shd");
        Modal_Closer closer;

        fx->form1()->Apply_Backlight_Code(backlight_code);
        fx->form1()->Apply_Brightness_Code(brightness_code);
        QCOMPARE(m()->RadioGroup2->itemIndex(), backlight_item);
        QCOMPARE(m()->RadioGroup1->itemIndex(), brightness_item);
        QCOMPARE(d()->TntRadioGroup1->itemIndex(), shedule_backlight);
        QCOMPARE(d()->TntRadioGroup2->itemIndex(), shedule_brightness);
        QCOMPARE(d()->GroupBox5->isEnabled(), shedule_backlight != -1);
        QCOMPARE(d()->TntGroupBox1->isEnabled(), shedule_brightness != -1);
        QCOMPARE(dialog()->isVisible(), dialog_shown);
        QCOMPARE(notices().errors.size(), lookups);

        const Mode_Codes codes = Build_Mode_Codes();
        QCOMPARE(codes.backlight, backlight_code);
        QCOMPARE(codes.brightness, brightness_code);
    }

    void negativeCodeChoosesNothing() {
        setQuietly(3, -1, 1, -1);
        fx->form1()->Apply_Backlight_Code(-1);
        fx->form1()->Apply_Brightness_Code(-2);
        QCOMPARE(m()->RadioGroup2->itemIndex(), -1);
        QCOMPARE(m()->RadioGroup1->itemIndex(), -1);
        QCOMPARE(d()->TntRadioGroup1->itemIndex(), 0);
        QCOMPARE(d()->TntRadioGroup2->itemIndex(), 0);
    }

    void timerRuleOffersOrWithdrawsAutomatic_data() {
        QTest::addColumn<int>("timer_used");
        QTest::addColumn<int>("modem_used");
        QTest::addColumn<bool>("full");
        QTest::newRow("after start: -1, -1") << -1 << -1 << true;
        QTest::newRow("no timer, PC") << 0 << 0 << false;
        QTest::newRow("timer, PC") << 1 << 0 << true;
        QTest::newRow("no timer, modem") << 0 << 1 << true;
        QTest::newRow("timer unknown, PC") << -1 << 0 << false;
    }

    void timerRuleOffersOrWithdrawsAutomatic() {
        QFETCH(int, timer_used);
        QFETCH(int, modem_used);
        QFETCH(bool, full);
        setQuietly(5, 1, 1, -1);  // automatic by schedule, on
        dialog()->Apply_Brightness_States(true);
        {
            const QSignalBlocker quiet2(s()->RadioGroup2), quiet4(s()->RadioGroup4);
            s()->RadioGroup2->setItemIndex(modem_used);
            s()->RadioGroup4->setItemIndex(timer_used);
        }

        fx->program->Form2->RadioGroup4Click();

        QCOMPARE(m()->RadioGroup1->items(), full ? kFullBrightness : kFullBrightness.mid(0, 5));
        QCOMPARE(m()->RadioGroup2->items(), full ? kFullBacklight : kFullBacklight.mid(0, 2));
        QCOMPARE(m()->RadioGroup1->columns(), m()->RadioGroup1->count());
        QCOMPARE(m()->RadioGroup2->columns(), m()->RadioGroup2->count());
        QCOMPARE(m()->RadioGroup1->itemIndex(), full ? 5 : -1);
        QCOMPARE(m()->RadioGroup2->itemIndex(), 1);
        QCOMPARE(d()->TntRadioGroup2->itemIndex(), full ? 1 : 0);
        QCOMPARE(d()->TntRadioGroup1->itemIndex(), full ? -1 : 0);
        QCOMPARE(d()->TntRadioGroup2->isEnabled(), full);
        QCOMPARE(d()->TntRadioGroup1->isEnabled(), full);
        // Full: each group's states follow its sub-mode; short: both groups by time.
        QCOMPARE(d()->DateTimePicker1->isEnabled(), !full);
        QCOMPARE(d()->SpinEdit8->isEnabled(), full);
        QVERIFY(d()->DateTimePicker3->isEnabled());
        QVERIFY(!app().Settings_Loading);
        QVERIFY(!dialog()->isVisible());  // the selectors' handlers stayed quiet
    }

    void timerUsedAndControlledByRunTheRule() {
        app().Settings_Loading = true;
        s()->RadioGroup2->setItemIndex(0);
        app().Settings_Loading = false;
        s()->RadioGroup4->setItemIndex(0);  // "Timer used" NO with "PC"
        QCOMPARE(m()->RadioGroup1->count(), 5);

        app().Reading_In_Progress = true;
        s()->RadioGroup2->setItemIndex(1);  // "MODEM" while a read-back runs: held back
        QCOMPARE(m()->RadioGroup1->count(), 5);
        app().Reading_In_Progress = false;
        s()->RadioGroup2->setItemIndex(0);
        s()->RadioGroup2->setItemIndex(1);
        QCOMPARE(m()->RadioGroup1->count(), 6);
    }
};

QTEST_MAIN(Tst_Mode_Selection)
#include "tst_mode_selection.moc"
