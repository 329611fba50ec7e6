// The layout of the main window: rows shown by the product count, the panels' sizes, the window
// fitted around them, the buttons, and the passes after closing.
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "core/app.h"
#include "fixtures.h"
#include "ui_tform1.h"
#include "ui_tform2.h"

class Tst_Layout : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    TForm1* form() const { return fx->form1(); }
    Ui::TForm1* m() const { return fx->form1()->ui(); }
    void setProducts(int n) { fx->program->Form2->ui()->SpinEdit10->setValue(n); }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        fx->start();
    }
    void cleanup() { fx.reset(); }

    void rowsShownByProductCount_data() {
        QTest::addColumn<int>("products");
        QTest::addColumn<int>("panel_height");
        QTest::newRow("one") << 1 << 54;
        QTest::newRow("six") << 6 << 204;
        QTest::newRow("ten") << 10 << 324;
    }
    void rowsShownByProductCount() {
        QFETCH(int, products);
        QFETCH(int, panel_height);
        setProducts(products);
        QCOMPARE(m()->Panel4->geometry(), QRect(8, 8, 352, panel_height));
        QCOMPARE(m()->Panel2->geometry(), QRect(8, 8 + panel_height + 5, 352, 154));
        for (int row = 1; row <= 10; ++row) {
            const bool shown = row <= products;
            QCOMPARE(!form()->Edit(row)->isHidden(), shown);
            QCOMPARE(!form()->Name_Label(row)->isHidden(), shown);
            QCOMPARE(!form()->Row_Check(row)->isHidden(), shown);
            QCOMPARE(form()->Edit(row)->geometry(), QRect(232, 10 + 30 * (row - 1), 81, 33));
            QCOMPARE(form()->Row_Check(row)->geometry(), QRect(320, 15 + 30 * (row - 1), 25, 17));
            QCOMPARE(form()->Name_Label(row)->pos(), QPoint(10, 15 + 30 * (row - 1)));
        }
    }

    // The window's outer width is 377; the menu bar, the two panels with their margins and the
    // status bar fill its client area with no gap and no overlap.
    void windowFitsItsPanels() {
        for (int products : {10, 3}) {
            setProducts(products);
            QCoreApplication::processEvents();
            QCOMPARE(form()->frameGeometry().width(), 377);
            const QRect central = form()->centralWidget()->geometry();
            const QRect status = form()->statusBar()->geometry();
            QCOMPARE(form()->menuBar()->geometry().bottom() + 1, central.top());
            QCOMPARE(m()->Panel2->geometry().bottom() + 1 + 5, central.height());
            QCOMPARE(central.bottom() + 1, status.top());
            QCOMPARE(status.bottom() + 1, form()->height());
        }
        QCOMPARE(form()->windowTitle(), "\"TERVO\" LTD. Halvik v1.11");
    }

    void lowerAndRaiseTheProductCount() {
        const int full = form()->frameGeometry().height();
        QLineEdit* edit8 = form()->Edit(8);
        edit8->setText("4.56");
        form()->Row_Check(7)->setChecked(false);

        setProducts(6);
        QCOMPARE(form()->frameGeometry().height(), full - 120);
        QVERIFY(edit8->isHidden());
        QCOMPARE(edit8->text(), "4.56");
        QCOMPARE(app().Board_Value(8), "4.56");
        QVERIFY(!form()->Row_Check(7)->isChecked());
        QVERIFY(form()->Row_Check(8)->isChecked());

        setProducts(10);
        QCOMPARE(form()->frameGeometry().height(), full);
        QVERIFY(!edit8->isHidden());
        QCOMPARE(edit8->geometry().topLeft(), QPoint(232, 220));
        QVERIFY(!form()->Edit(7)->isEnabled());  // its box stayed off
    }

    void buttonsAndSelectorsAfterAPass() {
        form()->FormResize();
        QCOMPARE(m()->Btn_Send_->geometry(), QRect(8, 24, 158, 25));
        QCOMPARE(m()->Btn_Read_->geometry(), QRect(186, 24, 158, 25));
        for (QWidget* w : {static_cast<QWidget*>(m()->ProgressBar1), static_cast<QWidget*>(m()->RadioGroup1),
                           static_cast<QWidget*>(m()->RadioGroup2)})
            QCOMPARE(w->width(), 337);
        QCOMPARE(m()->Label3->y(), 154 - 17);
        QVERIFY(m()->Flag_USD->isHidden());
        QVERIFY(m()->Sign_FRF->isHidden());
        QVERIFY(m()->Panel1->isHidden());
    }

    // A pass re-applies every row's enable state, whatever changed it without its handler.
    void passReappliesRowEnables() {
        QCheckBox* box = form()->Row_Check(3);
        box->blockSignals(true);
        box->setChecked(false);
        box->blockSignals(false);
        QVERIFY(form()->Edit(3)->isEnabled());
        form()->FormResize();
        QVERIFY(!form()->Edit(3)->isEnabled());
        QVERIFY(!form()->Name_Label(3)->isEnabled());
    }

    // Without the backlight selector the controls panel is 41 px shorter, and so is the window.
    void backlightSelectorShownOrHidden() {
        const int full = form()->frameGeometry().height();
        fx->program->Form2->ui()->CheckBox9->setChecked(false);
        QVERIFY(m()->RadioGroup2->isHidden());
        QCOMPARE(m()->Panel2->height(), 113);
        QCOMPARE(m()->Label3->y(), 113 - 17);
        QCOMPARE(form()->frameGeometry().height(), full - 41);
        fx->program->Form2->ui()->CheckBox9->setChecked(true);
        QCOMPARE(m()->Panel2->height(), 154);
        QCOMPARE(form()->frameGeometry().height(), full);
    }

    void closingStopsTheLayout() {
        form()->close();
        QVERIFY(app().Closing);
        const QRect rows = m()->Panel4->geometry();
        setProducts(2);
        QCOMPARE(m()->Panel4->geometry(), rows);
        QVERIFY(!form()->Edit(5)->isHidden());
    }
};

QTEST_MAIN(Tst_Layout)
#include "tst_layout.moc"
