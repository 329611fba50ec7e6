// The three error dialogs and the About box.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/app.h"
#include "dialogs/about.h"
#include "fixtures.h"
#include "ui_taboutbox.h"
#include "ui_tform10.h"
#include "ui_tform8.h"
#include "ui_tform9.h"

class Tst_Error_Dialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;

    static QStringList Texts(QWidget* w) {
        QStringList texts;
        for (QLabel* l : w->findChildren<QLabel*>())
            if (!l->text().isEmpty())
                texts << l->text();
        return texts;
    }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        fx->start();
    }
    void cleanup() { fx.reset(); }

    void textsAndLook_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("connection") << 8
                                    << QStringList{"კავშირის შეცდომა", "ჩართეთ ტაბლო!!!",
                                                   "შეამოწმეთ კაბელი, USB გადამყვანი და პორტის ნომერი"};
        QTest::newRow("sending") << 9 << QStringList{"მონაცემები გადაიცა შეცდომით"};
        QTest::newRow("reading") << 10
                                 << QStringList{"ტაბლოში მონაცემები დარღვეულია",
                                                "გთხოვთ განმეორებით გადაგზავნოთ მონაცემები"};
    }
    void textsAndLook() {
        QFETCH(int, which);
        QFETCH(QStringList, texts);
        Error_Dialog* d = which == 8   ? static_cast<Error_Dialog*>(app().Form8)
                          : which == 9 ? static_cast<Error_Dialog*>(app().Form9)
                                       : static_cast<Error_Dialog*>(app().Form10);
        QCOMPARE(d->windowTitle(), QString("Error"));
        QCOMPARE(d->size(), QSize(392, 116));
        QCOMPARE(Texts(d), texts);
        QCOMPARE(d->findChild<QPushButton*>("Button1")->text(), QString("Ok"));
        QVERIFY(d->findChild<QLabel*>("TntLabel1")->font().bold());
    }

    void shownModallyUntilOkAndNeverStacked() {
        TForm8* d = app().Form8;
        bool was_modal = false;
        QTimer::singleShot(50, [&] {
            was_modal = QApplication::activeModalWidget() == d;
            // Asking again while it shows returns at once instead of stacking a second wait.
            d->Show_Modal_Unless_Visible();
            QTest::mouseClick(d->ui()->Button1, Qt::LeftButton);
        });
        d->Show_Modal_Unless_Visible();
        QVERIFY(was_modal);
        QVERIFY(!d->isVisible());
    }

    void aboutIsMadeForEachShowing() {
        QStringList seen;
        int boxes = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                seen << box->windowTitle() + "|" + box->ui()->Label1->text() + "|" +
                            box->ui()->Version->text();
                QTest::mouseClick(box->ui()->OKButton, Qt::LeftButton);
            }
        });
        closer.start(20);
        fx->form1()->About2Click();
        QVERIFY(fx->form1()->findChildren<TAboutBox*>().isEmpty());
        fx->form1()->About2Click();
        QCOMPARE(boxes, 2);
        QCOMPARE(seen, QStringList({"About|Halvik|Version 1.11", "About|Halvik|Version 1.11"}));
        QVERIFY(fx->form1()->findChildren<TAboutBox*>().isEmpty());
    }
};

QTEST_MAIN(Tst_Error_Dialogs)
#include "tst_error_dialogs.moc"
