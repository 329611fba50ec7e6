// The main window: its menu, status bar, timers, the one-shot start-up step and closing.
#include <QFile>
#include <QMenuBar>
#include <QTest>

#include "core/app.h"
#include "fixtures.h"
#include "link/memory_ports.h"
#include "ui_tform1.h"
#include "ui_tform2.h"

class Tst_Main_Window : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;

  private slots:
    void init() { fx = std::make_unique<Program_Fixture>(true); }
    void cleanup() { fx.reset(); }

    void menuAsTheOperatorSeesIt() {
        QStringList seen;
        for (QAction* top : fx->form1()->menuBar()->actions()) {
            QString entry = top->text();
            if (QMenu* m = top->menu())
                for (QAction* a : m->actions())
                    if (!a->isSeparator() && a->isVisible())
                        entry += "|" + a->text();
            seen << entry;
        }
        QCOMPARE(seen, QStringList({"File|Show data File|Load  data File|Save data File|Exit",
                                    "Tools|Settings|Auto mode controls|Test", "About"}));
    }

    void statusBarPanels() {
        Panel_Status_Bar* bar = fx->form1()->StatusBar1();
        QCOMPARE(bar->panelCount(), 4);
        const int widths[] = {210, 67, 45, 55};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(bar->findChildren<QLabel*>()[i]->width(), widths[i]);
    }

    void windowsExistHiddenAndTimersRun() {
        QVERIFY(app().Starting);
        QVERIFY(!fx->program->Form2->isVisible());
        QVERIFY(!fx->program->Form13->isVisible());
        QVERIFY(fx->form1()->Timer3.isActive());
        QVERIFY(fx->form1()->Timer5.isActive());
        QVERIFY(!fx->form1()->Timer2.isActive());
        QVERIFY(!fx->form1()->ui()->Btn_Send_->isEnabled());
        QVERIFY(fx->form1()->ui()->Btn_Read_->isEnabled());
    }

    void startupRunsOnceAndOpensTheSavedPort() {
        auto dev = Memory_Ports::add("COM1");
        fx->start();
        Spin_Events(300);
        QCOMPARE(fx->form1()->Startup_Runs, 1);
        QVERIFY(!fx->form1()->Timer3.isActive());
        QVERIFY(!app().Starting);
        QCOMPARE(dev->opens, 1);
        QVERIFY(app().link.Port_Handle.isValid());
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(app().Board_Value(row), fx->form1()->Edit(row)->text());
    }

    void missingSavedPortColoursTheBoxRed() {
        fx->start();
        QVERIFY(app().link.Port_Handle.isInvalid());
        QVERIFY(fx->program->Form2->ui()->ComboBox1->property("failed").toBool());
    }

    void testDialogGoesUnderTheMainWindow() {
        fx->start();
        fx->form1()->show();
        fx->form1()->est1Click();
        const QRect main = fx->form1()->frameGeometry();
        const QRect test = fx->program->Form11->frameGeometry();
        QCOMPARE(test.left(), main.left());
        QCOMPARE(test.top(), main.top() + main.height());
        QCOMPARE(test.width(), main.width());
        QVERIFY(fx->program->Form11->isVisible());
        QVERIFY(!fx->program->Form11->isModal());
    }

    void closingSavesAllSectionsThenSetsTheFlag() {
        fx->start();
        QVERIFY(!QFile::exists(fx->path("Vevuvored_edizu.ini")));  // nothing written by the start-up
        fx->form1()->show();
        fx->form1()->close();
        QVERIFY(app().Closing);
        QFile ini(fx->path("Vevuvored_edizu.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("[Settings]") && text.contains("[Tablo]") && text.contains("[Controller]"));
        QVERIFY(text.indexOf("[Tablo]") < text.indexOf("[Controller]"));
    }
};

QTEST_MAIN(Tst_Main_Window)
#include "tst_main_window.moc"
