// The automatic controls dialog: the schedule file lookup as the dialog shows it, the pickers and the
// stored times, the corrections, the enabled states, the schedule button and the placement.
#include <QSignalBlocker>
#include <QTest>

#include "brightness/auto_controls.h"
#include "core/app.h"
#include "core/clock.h"
#include "core/notify.h"
#include "core/text_editor.h"
#include "fixtures.h"
#include "ui_tform13.h"

namespace {

const QByteArray kHeader = "Date  Morning  Evening\r\n";
const QByteArray kMay = kHeader +
                        "05.13 06:13:00 20:40:00\r\n"
                        "05.14 06:12:00 20:41:00\r\n"
                        "05.15 06:11:00 20:42:00\r\n";
const QDate kMay14(2024, 5, 14);

QString Shown(const QTimeEdit* picker) {
    return picker->time().toString(QStringLiteral("hh:mm:ss"));
}

struct Started {
    QString program;
    QStringList arguments;
};

}  // namespace

class Tst_Auto_Controls : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    std::unique_ptr<QTemporaryDir> work;  // the working folder, apart from the program folder
    QString saved_current;

    TForm13* dialog() const { return fx->program->Form13.get(); }
    Ui::TForm13* d() const { return dialog()->ui(); }

    void writeSchedule(const QByteArray& bytes) {
        QFile f(work->filePath(QStringLiteral("Shedule.shd")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        work = std::make_unique<QTemporaryDir>();
        saved_current = QDir::currentPath();
        QDir::setCurrent(work->path());
        Set_Today_For_Test(kMay14);
    }

    void cleanup() {
        Set_Today_For_Test(QDate());
        Set_Detached_Starter_For_Test({});
        QDir::setCurrent(saved_current);
        fx.reset();
        work.reset();
    }

    void scheduleAsTheDialogShowsIt_data() {
        QTest::addColumn<bool>("file_present");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("first_correction");
        QTest::addColumn<int>("second_correction");
        QTest::addColumn<QString>("first");   // what the pickers show afterwards
        QTest::addColumn<QString>("second");  // (01:02:03 / 04:05:06 are what they showed before)
        QTest::addColumn<QString>("error");   // start of the error box's text (%1 the file), empty for none

        const QString before1 = "01:02:03", before2 = "04:05:06";
        QTest::newRow("14 May") << true << kMay << 0 << 0 << "06:12:00"
                                << "20:41:00"
                                << "";
        QTest::newRow("corrections") << true << kMay << -12 << 19 << "06:00:00"
                                     << "21:00:00"
                                     << "";
        const QByteArray near_midnight = kHeader + "05.14 00:10:00 23:30:00\r\n";
        QTest::newRow("back and forward over midnight") << true << near_midnight << -30 << 60 << "23:40:00"
                                                        << "00:30:00"
                                                        << "";
        QTest::newRow("onto midnight") << true << near_midnight << 0 << 30 << "00:10:00"
                                       << "00:00:00"
                                       << "";
        QTest::newRow("day first never matches") << true << kHeader + "14.05 06:12:00 20:41:00\r\n"
                                                 << 0 << 0 << before1 << before2 << "";
        QTest::newRow("first line never matches")
            << true << QByteArray("05.14 06:12:00 20:41:00\r\n") << 0 << 0 << before1 << before2 << "";
        QTest::newRow("header only") << true << kHeader << 0 << 0 << before1 << before2 << "";
        QTest::newRow("empty file") << true << QByteArray() << 0 << 0 << before1 << before2 << "";
        QTest::newRow("malformed line after the match") << true << kMay + "05.16 xx:10:00 20:43:00\r\n"
                                                        << 0 << 0 << "06:12:00"
                                                        << "20:41:00"
                                                        << "";
        QTest::newRow("malformed line before the match")
            << true << kHeader + "05.13 06:13:00 2x:40:00\r\n05.14 06:12:00 20:41:00\r\n"
            << 0 << 0 << before1 << before2 << "'2x' is not a valid integer value";
        QTest::newRow("missing file") << false << QByteArray() << 0 << 0 << before1 << before2
                                      << "Cannot open file \"%1\". No such file";
    }

    void scheduleAsTheDialogShowsIt() {
        QFETCH(bool, file_present);
        QFETCH(QByteArray, bytes);
        QFETCH(int, first_correction);
        QFETCH(int, second_correction);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, error);
        error.replace("%1", QDir::toNativeSeparators(QDir::current().absoluteFilePath("Shedule.shd")));
        if (file_present)
            writeSchedule(bytes);
        {
            const QSignalBlocker quiet8(d()->SpinEdit8), quiet9(d()->SpinEdit9);
            d()->SpinEdit8->setValue(first_correction);
            d()->SpinEdit9->setValue(second_correction);
        }
        d()->TntRadioGroup2->setItemIndex(0);  // by time: pickers show the stored 00:00:00
        d()->DateTimePicker1->setTime(QTime(1, 2, 3));
        d()->DateTimePicker2->setTime(QTime(4, 5, 6));
        app().Morning_Time = "01:02:03";
        app().Evening_Time = "04:05:06";

        Modal_Closer closer;
        d()->TntRadioGroup2->setItemIndex(1);

        QCOMPARE(Shown(d()->DateTimePicker1), first);
        QCOMPARE(Shown(d()->DateTimePicker2), second);
        // What the lookup puts into the pickers is not an edit: the stored times stay.
        QCOMPARE(app().Morning_Time, QString("01:02:03"));
        QCOMPARE(app().Evening_Time, QString("04:05:06"));
        if (error.isEmpty()) {
            QCOMPARE(notices().errors, QStringList());
            QVERIFY(!d()->DateTimePicker1->isEnabled());
            QVERIFY(d()->SpinEdit8->isEnabled());
        } else {
            QCOMPARE(notices().errors.size(), 1);
            QVERIFY2(notices().errors[0].startsWith(error), qPrintable(notices().errors[0]));
            // A failed lookup leaves the states of by time in place.
            QVERIFY(d()->DateTimePicker1->isEnabled());
            QVERIFY(!d()->SpinEdit8->isEnabled());
        }
    }

    void enabledStatesFollowTheSubMode_data() {
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<int>("sub_mode");
        QTest::addRow("brightness by time") << true << 0;
        QTest::addRow("brightness by schedule") << true << 1;
        QTest::addRow("backlight by time") << false << 0;
        QTest::addRow("backlight by schedule") << false << 1;
    }

    void enabledStatesFollowTheSubMode() {
        QFETCH(bool, brightness);
        QFETCH(int, sub_mode);
        writeSchedule(kMay);
        Ui::TForm13* u = d();
        // Start from the opposite states, so that every control must change.
        if (brightness)
            dialog()->Apply_Brightness_States(sub_mode == 0);
        else
            dialog()->Apply_Backlight_States(sub_mode == 0);
        (brightness ? u->TntRadioGroup2 : u->TntRadioGroup1)->setItemIndex(sub_mode);

        const QList<QWidget*> pickers = brightness ? QList<QWidget*>{u->DateTimePicker1, u->DateTimePicker2}
                                                   : QList<QWidget*>{u->DateTimePicker3, u->DateTimePicker4};
        const QList<QWidget*> corrections =
            brightness ? QList<QWidget*>{u->SpinEdit8, u->SpinEdit9, u->Label25, u->Label26}
                       : QList<QWidget*>{u->SpinEdit6, u->SpinEdit7, u->Label23, u->Label24};
        for (QWidget* w : pickers)
            QVERIFY2(w->isEnabled() == (sub_mode == 0), qPrintable(w->objectName()));
        for (QWidget* w : corrections)
            QVERIFY2(w->isEnabled() == (sub_mode == 1), qPrintable(w->objectName()));
    }

    void operatorsEditIsStoredAndSurvivesTheSchedule() {
        writeSchedule(kMay);
        QTimeEdit* picker = d()->DateTimePicker1;
        dialog()->Set_Picker_Formats();
        d()->TntRadioGroup2->setItemIndex(0);
        QCOMPARE(Shown(picker), QString("00:00:00"));

        dialog()->show();
        picker->setFocus();
        picker->setSelectedSection(QDateTimeEdit::HourSection);
        QTest::keyClicks(picker, "07");
        picker->setSelectedSection(QDateTimeEdit::MinuteSection);
        QTest::keyClicks(picker, "30");
        QCOMPARE(app().Morning_Time, QString("07:30:00"));
        QCOMPARE(app().Evening_Time, QString("00:00:00"));

        d()->TntRadioGroup2->setItemIndex(1);
        QCOMPARE(Shown(picker), QString("06:12:00"));
        QCOMPARE(app().Morning_Time, QString("07:30:00"));
        d()->TntRadioGroup2->setItemIndex(0);
        QCOMPARE(Shown(picker), QString("07:30:00"));
    }

    void brightnessCorrectionsRefreshAtOnceBacklightOnesDoNot() {
        writeSchedule(kMay);
        d()->TntRadioGroup2->setItemIndex(1);
        d()->TntRadioGroup1->setItemIndex(1);
        QCOMPARE(Shown(d()->DateTimePicker1), QString("06:12:00"));
        QCOMPARE(Shown(d()->DateTimePicker3), QString("06:12:00"));

        d()->SpinEdit8->setValue(5);
        d()->SpinEdit9->setValue(-1);
        QCOMPARE(Shown(d()->DateTimePicker1), QString("06:17:00"));
        QCOMPARE(Shown(d()->DateTimePicker2), QString("20:40:00"));

        d()->SpinEdit6->setValue(5);
        d()->SpinEdit7->setValue(-1);
        QCOMPARE(Shown(d()->DateTimePicker3), QString("06:12:00"));
        QCOMPARE(Shown(d()->DateTimePicker4), QString("20:41:00"));
        // The next run of the backlight handler takes them.
        dialog()->TntRadioGroup1Click();
        QCOMPARE(Shown(d()->DateTimePicker3), QString("06:17:00"));
        QCOMPARE(Shown(d()->DateTimePicker4), QString("20:40:00"));
    }

    void damagedTimeTextIsReportedAndChangesNothing() {
        d()->DateTimePicker1->setTime(QTime(1, 2, 3));
        dialog()->Apply_Brightness_States(true);
        app().Morning_Time = "25:99:00";
        Modal_Closer closer;
        dialog()->TntRadioGroup2Click();
        QCOMPARE(notices().errors, QStringList{"'25:99:00' is not a valid time"});
        QCOMPARE(Shown(d()->DateTimePicker1), QString("01:02:03"));
        QVERIFY(!d()->DateTimePicker1->isEnabled());
    }

    void scheduleButtonOpensTheProgramFoldersCopy() {
        QList<Started> started;
        Set_Detached_Starter_For_Test([&](const QString& program, const QStringList& arguments) {
            started << Started{program, arguments};
            return true;
        });
        QTest::mouseClick(d()->Button3, Qt::LeftButton);
        QCOMPARE(started.size(), 0);  // no file in the working folder

        writeSchedule(kMay);
        QTest::mouseClick(d()->Button3, Qt::LeftButton);
        QCOMPARE(started.size(), 1);
#ifdef Q_OS_WIN
        QCOMPARE(started[0].program, QString("notepad.exe"));
#else
        QCOMPARE(started[0].program, QString("xdg-open"));
#endif
        QCOMPARE(started[0].arguments, QStringList{fx->dir() + "Shedule.shd"});
    }

    void placementBesideTheMainWindowAndTheSettingsDialog() {
        TForm1* main = fx->form1();
        TForm2* settings = fx->program->Form2.get();
        main->move(30, 40);
        main->show();

        dialog()->show();
        QCOMPARE(dialog()->pos(), QPoint(main->frameGeometry().width() + 20, main->frameGeometry().top()));
        dialog()->hide();

        settings->move(500, 40);
        settings->show();
        dialog()->show();
        QCOMPARE(dialog()->pos(),
                 QPoint(main->frameGeometry().width() + 20,
                        settings->frameGeometry().top() + settings->frameGeometry().height()));

        settings->move(500, 300);
        dialog()->hide();
        QCOMPARE(settings->pos(), QPoint(500, main->frameGeometry().top()));
    }
};

QTEST_MAIN(Tst_Auto_Controls)
#include "tst_auto_controls.moc"
