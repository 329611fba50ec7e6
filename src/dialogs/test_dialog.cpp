#include "dialogs/test_dialog.h"

#include <QSignalBlocker>

#include "core/app.h"
#include "core/platform_error.h"
#include "main/rizozido.h"
#include "operations/main_operations.h"
#include "ui_tform11.h"

TForm11::TForm11(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm11) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    connect(ui_->Button2, &QPushButton::clicked, this, Handler([this] { Button2Click(); }));
    connect(ui_->RadioGroup1, &Radio_Group::clicked, this, Handler([this] { RadioGroup1Click(); }));
}

TForm11::~TForm11() = default;

QString TForm11::Pattern_Text(int item) {
    const QStringList items = {"0.0000", "1.1111", "2.2222", "3.3333", "4.4444", "5.5555",
                               "6.6666", "7.7777", "8.8888", "9.9999", "88888",  "88.888",
                               "888.88", "8888.8", "88888.", "0.1234", "5.6789"};
    return item >= 0 && item < items.size() ? items[item] : QString();
}

void TForm11::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Run_Handler([this] { FormShow(); });
}

void TForm11::FormShow() {
    App& a = app();
    a.Test_Mode = true;  // set first: the save below may fail, the mode stands all the same
    {
        const QSignalBlocker quiet(ui_->RadioGroup1);  // clearing the choice runs no pattern
        ui_->RadioGroup1->setItemIndex(-1);
    }
    chosen_ = -1;
    a.Form1->Save1Click();
    a.Form1->Set_Status(0, QStringLiteral("Loaded"));
}

void TForm11::RadioGroup1Click() {
    App& a = app();
    const int item = ui_->RadioGroup1->itemIndex();
    if (item < 0)
        return;
    if (a.Upload_Running || a.Reading_In_Progress) {
        // The board is busy with the previous pattern: leave the rows and the choice as they were.
        const QSignalBlocker quiet(ui_->RadioGroup1);
        ui_->RadioGroup1->setItemIndex(chosen_);
        return;
    }
    chosen_ = item;
    const QString text = Pattern_Text(item);
    for (int row = 1; row <= 10; ++row)
        a.Form1->Edit(row)->setText(text);
    if (item == kRowByRowPattern)
        for (int row = 1; row <= 10; ++row)
            a.Form1->Edit(row)->setText(Pattern_Text(row - 1));
    Upload_Values();
}

void TForm11::Button2Click() {
    hide();
}
