// Typing into the row edits: the fitting of every change, the caret, the last key, the click
// rule and the rows' enable boxes, driven through the main window's own edits.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTest>

#include "core/app.h"
#include "fixtures.h"
#include "ui_tform1.h"

namespace {

const QString kPaste = QStringLiteral("\x16");  // what the paste shortcut delivers
const QString kBackspace = QStringLiteral("\b");

// Puts a text into a row without fitting it, as it stands before the keystroke.
void Put_Unfitted(QLineEdit* edit, const QString& text) {
    app().Fit_Guard = true;
    edit->setText(text);
    app().Fit_Guard = false;
}

void Press(QLineEdit* edit, const QString& key) {
    if (key == kBackspace)
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (key == kPaste)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_V, kPaste, Qt::ControlModifier);
    else
        QTest::keyClick(edit, key.at(0).toLatin1());
}

QByteArray Data_File_Line(const Program_Fixture& fx, int row) {
    QFile f(fx.path(QStringLiteral("Tablo_data.tbl")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().split('\n').value(row - 1).trimmed();
}

}  // namespace

class Tst_Row_Entry : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        fx->start();
    }
    void cleanup() { fx.reset(); }

    // Each case: the row's text and value before, the selection (or the caret when its length is
    // 0), the key, and what the row holds afterwards.
    void keystrokesAreFitted_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("fitted");
        QTest::addColumn<int>("caret");

        QTest::newRow("all selected, 2 typed") << "1.00"
                                               << "1.00" << 0 << 4 << "2"
                                               << ""
                                               << "200" << 1;
        QTest::newRow("two zeros selected, 5 typed") << "100"
                                                     << "100" << 1 << 2 << "5"
                                                     << ""
                                                     << "150" << 2;
        QTest::newRow("last two digits selected, 5 typed") << "1.00"
                                                           << "1.00" << 2 << 2 << "5"
                                                           << ""
                                                           << "1.50" << 3;
        QTest::newRow("fourth digit at the end") << "1.85"
                                                 << "1.85" << 4 << 0 << "5"
                                                 << ""
                                                 << "1.85" << 4;
        QTest::newRow("1 typed in front") << "1.85"
                                          << "1.85" << 0 << 0 << "1"
                                          << ""
                                          << "11.8" << 1;
        QTest::newRow("point after the 5") << "1.50"
                                           << "1.50" << 3 << 0 << "."
                                           << ""
                                           << "15.0" << 4;
        QTest::newRow("point in front of the 1") << "1.50"
                                                 << "1.50" << 0 << 0 << "."
                                                 << ""
                                                 << "150" << 0;
        QTest::newRow("point at the end") << "1.50"
                                          << "1.50" << 4 << 0 << "."
                                          << ""
                                          << "150" << 3;
        QTest::newRow("point right after the point") << "1.50"
                                                     << "1.50" << 2 << 0 << "."
                                                     << ""
                                                     << "1.50" << 3;
        QTest::newRow("point in the start text") << "1.0000"
                                                 << "1.0000" << 3 << 0 << "."
                                                 << ""
                                                 << "10.0" << 4;
        QTest::newRow("point in the start text, no previous") << "1.0000"
                                                              << "" << 3 << 0 << "."
                                                              << ""
                                                              << "1.00" << 4;
        QTest::newRow("minus in front") << "1.50"
                                        << "1.50" << 0 << 0 << "-"
                                        << ""
                                        << "1.50" << 0;
        QTest::newRow("comma after the 1") << "185"
                                           << "185" << 1 << 0 << ","
                                           << ""
                                           << "185" << 1;
        QTest::newRow("letter in the middle") << "1.50"
                                              << "1.50" << 2 << 0 << "x"
                                              << ""
                                              << "1.50" << 2;
        QTest::newRow("letters pasted over everything") << "000"
                                                        << "000" << 0 << 3 << kPaste << "abc"
                                                        << "000" << 0;
        QTest::newRow("five digits pasted") << "1.00"
                                            << "1.00" << 0 << 4 << kPaste << "12345"
                                            << "123" << 3;
        QTest::newRow("everything deleted") << "1.50"
                                            << "1.50" << 0 << 4 << kBackspace << ""
                                            << "000" << 0;
        QTest::newRow("zeros selected, point typed") << "100"
                                                     << "100" << 1 << 2 << "."
                                                     << ""
                                                     << "1.0" << 2;
    }
    void keystrokesAreFitted() {
        QFETCH(QString, before);
        QFETCH(QString, previous);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, key);
        QFETCH(QString, clipboard);
        QFETCH(QString, fitted);
        QFETCH(int, caret);

        const int row = 4;
        QLineEdit* edit = fx->form1()->Edit(row);
        Put_Unfitted(edit, before);
        app().Board_Value(row) = previous;
        if (length > 0)
            edit->setSelection(start, length);
        else
            edit->setCursorPosition(start);
        if (!clipboard.isEmpty())
            QApplication::clipboard()->setText(clipboard);

        Press(edit, key);
        QCOMPARE(app().Last_Key, key);
        QCOMPARE(edit->text(), fitted);
        QCOMPARE(edit->cursorPosition(), caret);
        QCOMPARE(app().Board_Value(row), fitted);
        QCOMPARE(Data_File_Line(*fx, row), fitted.toLatin1());
        QVERIFY(!app().Fit_Guard);
    }

    // Keys that deliver no character leave the last key as it was.
    void keysWithoutCharacterKeepTheLastKey() {
        QLineEdit* edit = fx->form1()->Edit(1);
        Put_Unfitted(edit, "1.50");
        edit->setCursorPosition(1);
        QTest::keyClick(edit, '.');
        QCOMPARE(app().Last_Key, ".");
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(app().Last_Key, ".");
    }

    // Text put into a row by the program is fitted too, disabled row or not, to the digit count.
    void programTextIsFitted_data() {
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("value as the board may report it") << 3 << "1.00"
                                                          << "123.40"
                                                          << "123.";
        QTest::newRow("five digits, start text") << 5 << ""
                                                 << "1.0000"
                                                 << "1.0000";
        QTest::newRow("five digits, filled") << 5 << ""
                                             << "1.23"
                                             << "1.2300";
        QTest::newRow("five blanks") << 3 << "1.50"
                                     << "     "
                                     << "000";
    }
    void programTextIsFitted() {
        QFETCH(int, digits);
        QFETCH(QString, previous);
        QFETCH(QString, text);
        QFETCH(QString, fitted);
        const int row = 9;  // disabled by default
        QVERIFY(!fx->form1()->Edit(row)->isEnabled());
        app().Digit_Count = digits;
        app().Last_Key.clear();
        app().Board_Value(row) = previous;
        fx->form1()->Edit(row)->setText(text);
        QCOMPARE(fx->form1()->Edit(row)->text(), fitted);
        QCOMPARE(app().Board_Value(row), fitted);
    }

    // A click into a value that begins with a zero puts the caret before it; other values keep the
    // caret where the click put it.
    void clickIntoALeadingZero() {
        QLineEdit* edit = fx->form1()->Edit(2);
        fx->form1()->show();
        QVERIFY(QTest::qWaitForWindowExposed(fx->form1()));
        const QPoint right_end(edit->width() - 4, edit->height() / 2);

        Put_Unfitted(edit, "0.50");
        edit->selectAll();
        QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, right_end);
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(!edit->hasSelectedText());

        Put_Unfitted(edit, "1.50");
        QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, right_end);
        QCOMPARE(edit->cursorPosition(), 4);
    }

    // A row's enable box greys or enables its edit and name, from a click or from the program;
    // the value and the settings file are left alone.
    void enableBoxGreysTheRow() {
        TForm1* form = fx->form1();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCheckBox* box = form->ui()->CheckBox2;  // row 3
        QVERIFY(box->isChecked());
        const QString value = form->Edit(3)->text();
        const QString board_value = app().Board_Value(3);

        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        QVERIFY(!box->isChecked());
        QVERIFY(!form->Edit(3)->isEnabled());
        QVERIFY(!form->Name_Label(3)->isEnabled());
        QVERIFY(form->Edit(2)->isEnabled());
        QCOMPARE(form->Edit(3)->text(), value);
        QCOMPARE(app().Board_Value(3), board_value);
        QVERIFY(!QFile::exists(fx->path("Vevuvored_edizu.ini")));

        form->ui()->CheckBox5a->setChecked(true);  // row 10, from the program
        QVERIFY(form->Edit(10)->isEnabled());
        QVERIFY(form->Name_Label(10)->isEnabled());
    }
};

QTEST_MAIN(Tst_Row_Entry)
#include "tst_row_entry.moc"
