// The settings dialog: the boxes it fills from the settings and stores at once, the default data
// file, "Close", the protocol panel and its log, and its place beside the main window.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "brightness/auto_controls.h"
#include "content/tablo_type.h"
#include "core/app.h"
#include "core/notify.h"
#include "fixtures.h"
#include "link/comm_functions.h"
#include "link/memory_ports.h"
#include "persistence/ini_codec.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {

const QString kIni = QStringLiteral("Vevuvored_edizu.ini");
const QString kData = QStringLiteral("Tablo_data.tbl");

}  // namespace

class Tst_Settings_Dialog : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    TForm2* dialog() const { return fx->program->Form2.get(); }
    Ui::TForm2* d() const { return dialog()->ui(); }
    std::optional<int> saved(const QByteArray& key) const {
        return Ini_Document::parse(Read_All(fx->path(kIni))).integer("Settings", key);
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        QDir::setCurrent(fx->dir());  // the working folder, where the schedule file is looked for
    }
    void cleanup() {
        fx.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    // Each box stores its value and saves the file at once; a stored time-out of 1250 ms shows as
    // 12 (a half goes to the even neighbour) and, as the box takes that value, becomes 1200.
    void boxesStoreAndSaveAtOnce() {
        Write_All(fx->path(kIni), "[Settings]\r\nTimeout_for_command=1250\r\n");
        fx->start();
        QCOMPARE(app().Timeout_for_command, 1250);
        dialog()->show();
        QCOMPARE(d()->SpinEdit5->value(), 12);
        QCOMPARE(app().Timeout_for_command, 1200);
        QCOMPARE(saved("Timeout_for_command"), 1200);

        d()->SpinEdit5->setValue(7);
        QCOMPARE(app().Timeout_for_command, 700);
        QCOMPARE(saved("Timeout_for_command"), 700);
        d()->SpinEdit4->setValue(3);
        QCOMPARE(app().Attempts, 3);
        QCOMPARE(saved("Attempts"), 3);
        QCOMPARE(saved("Timeout_for_command"), 700);  // the whole file is written at every change
        // Typed below the range, the value becomes the lowest one as the box is left.
        QApplication::setActiveWindow(dialog());
        d()->SpinEdit5->setFocus();
        d()->SpinEdit5->selectAll();
        QTest::keyClicks(d()->SpinEdit5, "3");
        QCOMPARE(app().Timeout_for_command, 700);
        d()->SpinEdit4->setFocus();
        QCOMPARE(d()->SpinEdit5->value(), 5);
        QCOMPARE(saved("Timeout_for_command"), 500);

        d()->CheckBox2->setChecked(true);
        QVERIFY(app().Send_If_Changed);
        QCOMPARE(saved("Send_If_Changed"), 1);
        QCOMPARE(notices().errors, QStringList());
    }

    void showingPutsTheSettingsIntoTheBoxes_data() {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("timeoutBox");
        QTest::addColumn<int>("intervalBox");
        QTest::addColumn<int>("attemptsBox");
        QTest::newRow("halves to even") << 1250 << 2500 << 3 << 12 << 2 << 3;
        QTest::newRow("halves to even, upwards") << 1350 << 3500 << 3 << 14 << 4 << 3;
        QTest::newRow("nearest") << 1251 << 2499 << 3 << 13 << 2 << 3;
        QTest::newRow("above the ranges") << 20000 << 2000000 << 40 << 100 << 1000 << 10;
        QTest::newRow("below the ranges") << 100 << -4000 << 0 << 5 << 1 << 1;
    }
    void showingPutsTheSettingsIntoTheBoxes() {
        QFETCH(int, timeout);
        QFETCH(int, interval);
        QFETCH(int, attempts);
        QFETCH(int, timeoutBox);
        QFETCH(int, intervalBox);
        QFETCH(int, attemptsBox);
        fx->start();
        app().Timeout_for_command = timeout;
        app().Auto_Load_Intvl = interval;
        app().Attempts = attempts;
        app().Send_If_Changed = true;
        dialog()->show();
        QCOMPARE(d()->SpinEdit5->value(), timeoutBox);
        QCOMPARE(d()->SpinEdit1->value(), intervalBox);
        QCOMPARE(d()->SpinEdit4->value(), attemptsBox);
        QVERIFY(d()->CheckBox2->isChecked());
        // The time-out box changed in every case and stored its own value; the interval has no
        // change handler and waits for "Close".
        QCOMPARE(app().Timeout_for_command, timeoutBox * 100);
        QCOMPARE(app().Auto_Load_Intvl, interval);
        QCOMPARE(saved("Timeout_for_command"), timeoutBox * 100);
    }

    // "Close" stores the boxes, the interval too, names the rows after the products and saves.
    void closeStoresNamesTheRowsAndHides() {
        fx->start();
        dialog()->show();
        d()->SpinEdit1->setValue(7);
        QCOMPARE(app().Auto_Load_Intvl, 5000);
        fx->program->Form12->Name_Edit(2)->setText("GAS");
        QTest::mouseClick(d()->Btn_OK_, Qt::LeftButton);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(app().Auto_Load_Intvl, 7000);
        QCOMPARE(saved("Auto_Load_Intvl"), 7000);
        QCOMPARE(fx->form1()->Name_Label(2)->text(), QString("GAS"));
        QCOMPARE(fx->form1()->Name_Label(1)->text(), QString("PREMIUM"));
    }

    // Without a data file, showing the dialog writes one of ten zero values; an existing one is kept.
    void showingWritesTheDefaultDataFile() {
        fx->start();
        QVERIFY(QFile::remove(fx->path(kData)));
        dialog()->show();
        QCOMPARE(Read_All(fx->path(kData)), QByteArray("0.000\r\n").repeated(10));
        dialog()->hide();

        Write_All(fx->path(kData), "1.23\r\n");
        dialog()->show();
        QCOMPARE(Read_All(fx->path(kData)), QByteArray("1.23\r\n"));
    }

    // A folder where the file cannot be written: the error is shown and the showing goes no further.
    void unwritableDataFileSkipsTheRest() {
        const QString folder = fx->path("ro");
        Scratch_Mount mount(folder);
        if (!mount.mounted())
            QSKIP("cannot mount a tmpfs here (needs root)");
        QVERIFY(QFile::copy(fx->path(kData), folder + '/' + kData));
        app().Program_Dir = folder + '/';
        fx->start();
        QVERIFY(QFile::remove(folder + '/' + kData));
        QVERIFY(mount.makeReadOnly());

        app().Timeout_for_command = 3000;
        fx->program->Form13->ui()->Button3->setEnabled(true);
        Modal_Closer closer;
        dialog()->show();
        QCOMPARE(notices().errors, QStringList{"Unable to write to " + folder + '/' + kData});
        QVERIFY(!QFile::exists(folder + '/' + kData));
        QCOMPARE(d()->SpinEdit5->value(), 10);
        QCOMPARE(app().Timeout_for_command, 3000);
        QVERIFY(fx->program->Form13->ui()->Button3->isEnabled());  // no schedule file, but not reached
    }

    // The schedule button follows the schedule file in the working folder.
    void scheduleButtonFollowsTheFile() {
        fx->start();
        QPushButton* button = fx->program->Form13->ui()->Button3;
        dialog()->show();
        QVERIFY(!button->isEnabled());
        dialog()->hide();
        Write_All(fx->path("Shedule.shd"), "header\r\n");
        dialog()->show();
        QVERIFY(button->isEnabled());
    }

    // At the first start without a data file the dialog opens modally inside the start-up step, which
    // goes on when the operator closes it.
    void firstStartWaitsForTheModalDialog() {
        QVERIFY(QFile::remove(fx->path(kData)));
        QStringList seen;
        QTimer operator_;
        operator_.setInterval(10);
        connect(&operator_, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (modal != dialog()) {
                seen << modal->windowTitle();
                modal->close();
                return;
            }
            seen << QString("settings, starting %1, file %2")
                        .arg(app().Starting)
                        .arg(QFile::exists(fx->path(kData)));
            QTest::mouseClick(d()->Btn_OK_, Qt::LeftButton);
        });
        operator_.start();
        fx->start();
        QCOMPARE(seen, QStringList{"settings, starting 1, file 1"});
        QVERIFY(!app().Starting);
        QVERIFY(!dialog()->isVisible());
        QCOMPARE(fx->form1()->Edit(1)->text(), QString("1.0000"));
        QCOMPARE(d()->Panel1->height(), 0);  // the start-up step went on to fold the panel away
    }

    // "Protocol panel" unfolds the log below the settings and moves "Close" below it.
    void protocolPanelSizesTheDialog() {
        fx->start();
        dialog()->show();
        const int folded = dialog()->height();
        QVERIFY(d()->Btn_OK_->geometry().bottom() < d()->TntStatusBar1->y());
        d()->TntCheckBox1->setChecked(true);
        QCOMPARE(dialog()->height(), folded + 225);
        QCOMPARE(d()->Panel1->height(), 225);
        QVERIFY(d()->Memo3->isVisible());
        QCOMPARE(d()->Btn_OK_->y(), d()->Panel1->y() + 225 + 5);
        QCOMPARE(d()->TntStatusBar1->geometry().bottom(), dialog()->height() - 1);
        d()->TntCheckBox1->setChecked(false);
        QCOMPARE(dialog()->height(), folded);
        QVERIFY(!d()->Memo3->isVisible());
    }

    // The log takes every line received; "Clear memo" empties it and the next exchange fills it again.
    // Over a long run it keeps the newest lines only.
    void protocolLog() {
        fx->start();
        Memory_Ports::add("COM3", [](const QByteArray&) { return QByteArray("OK\r\n"); });
        app().link.Port_Handle = Open_Port("COM3", "9600", "None", app().Program_Dir);
        app().Attempts = 1;
        auto exchange = [] {
            app().link.Command_Line = "WHO=";
            app().link.Exchange_Command();
        };
        dialog()->show();
        d()->TntCheckBox1->setChecked(true);
        exchange();
        QCOMPARE(d()->Memo3->toPlainText(), QString("OK"));
        QTest::mouseClick(d()->Button4, Qt::LeftButton);
        QCOMPARE(d()->Memo3->toPlainText(), QString());
        exchange();
        QCOMPARE(d()->Memo3->toPlainText(), QString("OK"));

        for (int i = 1; i <= TForm2::kProtocolLines + 10; ++i)
            dialog()->Add_Protocol_Line(QString("line %1").arg(i));
        QCOMPARE(d()->Memo3->blockCount(), TForm2::kProtocolLines);
        QVERIFY(d()->Memo3->toPlainText().startsWith("line 11\n"));
        QVERIFY(d()->Memo3->toPlainText().endsWith(QString("line %1").arg(TForm2::kProtocolLines + 10)));
    }

    // The settings and the automatic controls dialogs stack to the right of the main window.
    void stackingBesideTheMainWindow() {
        fx->start();
        TForm1* main = fx->form1();
        TForm13* autos = fx->program->Form13.get();
        main->move(30, 40);
        main->show();
        const int left = main->frameGeometry().width() + 20;

        // Shown second, the settings dialog goes below the automatic controls dialog.
        autos->show();
        dialog()->show();
        QCOMPARE(dialog()->pos(), QPoint(left, autos->frameGeometry().bottom() + 1));
        dialog()->hide();
        autos->hide();

        // Shown first, it stands at the main window's top; the other follows its bottom as the
        // protocol panel unfolds, and moves up when the settings dialog is hidden.
        dialog()->show();
        QCOMPARE(dialog()->pos(), QPoint(left, 40));
        autos->show();
        QCOMPARE(autos->y(), dialog()->frameGeometry().bottom() + 1);
        d()->TntCheckBox1->setChecked(true);
        QCOMPARE(autos->y(), dialog()->frameGeometry().bottom() + 1);
        QCOMPARE(autos->y(), 40 + dialog()->frameGeometry().height());
        dialog()->hide();
        QCOMPARE(autos->pos(), QPoint(left, 40));
    }
};

QTEST_MAIN(Tst_Settings_Dialog)
#include "tst_settings_dialog.moc"
