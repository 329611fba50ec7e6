// The data file: loading it into the rows, saving the rows, the upload on a changed content, and
// opening it in the text editor.
#include <QDir>
#include <QFile>
#include <QTest>

#include "core/app.h"
#include "core/notify.h"
#include "dialogs/error_dialogs.h"
#include "fixtures.h"
#include "ui_tform2.h"

namespace {

const QString kData = QStringLiteral("Tablo_data.tbl");

QStringList Row_Texts(TForm1* form) {
    QStringList texts;
    for (int row = 1; row <= 10; ++row)
        texts << form->Edit(row)->text();
    return texts;
}

QStringList Board_Values() {
    QStringList values;
    for (int row = 1; row <= 10; ++row)
        values << app().Board_Value(row);
    return values;
}

QByteArray File_Of(const QStringList& values) {
    return (values.join("\r\n") + "\r\n").toLatin1();
}

}  // namespace

class Tst_Data_File : public QObject {
    Q_OBJECT

    std::unique_ptr<Program_Fixture> fx;
    int uploads = 0;
    QString data() const { return fx->path(kData); }

  private slots:
    void init() {
        fx = std::make_unique<Program_Fixture>(true);
        uploads = 0;
        app().Upload_Values = [this] { ++uploads; };
    }
    void cleanup() {
        app().Upload_Values = nullptr;
        fx.reset();
    }

    void loadsTenFittedRows_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("rows");
        const QStringList zeros(10, "000");
        QTest::newRow("three lines") << QByteArray("1.5\r\n2\r\n3.25\r\n")
                                     << QStringList{"1.50", "200", "3.25"} + zeros.mid(3);
        QTest::newRow("twelve lines")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n")
            << QStringList{"100", "200", "300", "400", "500", "600", "700", "800", "900", "100"};
        QTest::newRow("empty lines, letters, binary, other line ends")
            << QByteArrayLiteral("\r\nabc\n7\x00\xff.5\r\r\n-1,25\n1.2.3\n12345")
            << QStringList{"000", "000", "7.50", "000", "125", "1.23", "123"} + zeros.mid(7);
        QTest::newRow("empty file") << QByteArray() << zeros;
    }
    void loadsTenFittedRows() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, rows);
        fx->start();
        Write_All(data(), content);
        fx->form1()->Load1Click();
        QCOMPARE(Board_Values(), rows);
        QCOMPARE(Row_Texts(fx->form1()), rows);
        QCOMPARE(app().Data_Text, rows.join(QString()));
        QCOMPARE(fx->form1()->Status(0), "Loaded");
        // The rows that changed were saved: the file now holds exactly the ten rows.
        QCOMPARE(Read_All(data()), File_Of(rows));
    }

    void savedFileReadsBackExactly() {
        fx->start();
        const QStringList values = {"1.23", "45.6", "789", "0.00", "9.99",
                                    "100",  "12.3", "000", "5.55", "7.77"};
        for (int row = 1; row <= 10; ++row)
            fx->form1()->Edit(row)->setText(values[row - 1]);
        fx->form1()->Save1Click();
        QCOMPARE(fx->form1()->Status(0), "Saved");
        QCOMPARE(Read_All(data()), File_Of(values));
        for (int row = 1; row <= 10; ++row)
            fx->form1()->Edit(row)->setText("1");
        Write_All(data(), File_Of(values));
        fx->form1()->Load1Click();
        QCOMPARE(Row_Texts(fx->form1()), values);
        QCOMPARE(Board_Values(), values);
    }

    // With "Send_If_Changed" on, a load uploads when the content differs from the load before;
    // the first load after start-up always does; the start-up load itself never does; and no
    // upload goes while an upload error dialog is open, although its content is taken as seen.
    void uploadsOnlyWhenTheContentChanged() {
        Write_All(fx->path("Vevuvored_edizu.ini"), "[Settings]\r\nSend_If_Changed=1\r\n");
        fx->start();
        QVERIFY(app().Send_If_Changed);
        QCOMPARE(uploads, 0);  // the load inside the settings load
        TForm1* form = fx->form1();
        form->Load1Click();
        QCOMPARE(uploads, 1);  // same content as at start-up, but the first load after it
        form->Load1Click();
        QCOMPARE(uploads, 1);
        Write_All(data(), "2.22\r\n");
        form->Load1Click();
        QCOMPARE(uploads, 2);

        fx->program->Form9->show();
        Write_All(data(), "3.33\r\n");
        form->Load1Click();
        QCOMPARE(uploads, 2);
        fx->program->Form9->hide();
        form->Load1Click();
        QCOMPARE(uploads, 2);  // 3.33 was taken as seen while the dialog stood

        app().Send_If_Changed = false;
        Write_All(data(), "4.44\r\n");
        form->Load1Click();
        QCOMPARE(uploads, 2);
    }

    void missingFileAsksTheSettingsDialog() {
        fx->start();
        QVERIFY(QFile::remove(data()));
        TForm1* form = fx->form1();
        form->Set_Status(0, "before");
        const QStringList before = Row_Texts(form);
        {
            Modal_Closer closer;
            form->Load1Click();
            // Showing the dialog wrote the default file; without it again, Show asks the same way.
            QCOMPARE(Read_All(data()), QByteArray("0.000\r\n").repeated(10));
            QVERIFY(QFile::remove(data()));
            form->Show1Click();
            QCOMPARE(closer.seen.filter(QStringLiteral("Settings:")).size(), 2);
        }
        QCOMPARE(Row_Texts(form), before);
        QCOMPARE(form->Status(0), "before");

        // Already open from the menu: it is brought to the front, not opened a second time.
        fx->program->Form2->show();
        QVERIFY(QFile::remove(data()));  // the showing wrote it
        Modal_Closer closer;
        form->Load1Click();
        QVERIFY(closer.seen.isEmpty());
        QVERIFY(fx->program->Form2->isVisible());
    }

    // The editor gets the path as one argument, spaces and all, with no shell between.
    void showOpensTheEditorOnTheFile() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        QSKIP("the stand-in editor is a shell script");
#endif
        const QString bin = fx->path("bin");
        QDir().mkpath(bin);
        const QString record = fx->path("editor args.txt");
        Write_All(bin + "/xdg-open",
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$EDITOR_RECORD\"\n");
        QFile::setPermissions(bin + "/xdg-open", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray old_path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit() + ':' + old_path);
        qputenv("EDITOR_RECORD", record.toLocal8Bit());

        const QString folder = fx->path("with space; $(touch x)");
        QDir().mkpath(folder);
        app().Program_Dir = folder + '/';
        Write_All(folder + '/' + kData, "1\r\n");
        fx->form1()->Show1Click();
        QTRY_VERIFY_WITH_TIMEOUT(Read_All(record).endsWith('\n'), 5000);
        qputenv("PATH", old_path);
        QCOMPARE(Read_All(record), (folder + '/' + kData + '\n').toLocal8Bit());
        QVERIFY(!QFile::exists(fx->path("x")));
    }

    // A data file that cannot be written: the error box names it, the file stays as it was, the
    // rows keep what was typed, and the fitting goes on for later changes.
    void unwritableFileKeepsRowsAndFile() {
        const QString folder = fx->path("ro");
        Scratch_Mount mount(folder);
        if (!mount.mounted())
            QSKIP("cannot mount a tmpfs here (needs root)");
        app().Program_Dir = folder + '/';
        const QByteArray old = File_Of(QStringList(10, "1.11"));
        Write_All(folder + '/' + kData, old);
        fx->start();
        QVERIFY(mount.makeReadOnly());

        Modal_Closer closer;
        QLineEdit* edit = fx->form1()->Edit(2);
        edit->setText("2.5");
        QCOMPARE(edit->text(), "2.50");
        QCOMPARE(app().Board_Value(2), "2.50");
        QCOMPARE(notices().errors, QStringList{"Unable to write to " + folder + '/' + kData});
        QVERIFY(!app().Fit_Guard);
        edit->setText("3");
        QCOMPARE(edit->text(), "300");
        QCOMPARE(Read_All(folder + '/' + kData), old);
    }
};

QTEST_MAIN(Tst_Data_File)
#include "tst_data_file.moc"
