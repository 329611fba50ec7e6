#include "content/tablo_type.h"

#include "core/app.h"
#include "core/platform_error.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "ui_tform12.h"
#include "ui_tform2.h"

TForm12::TForm12(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm12) {
    ui_->setupUi(this);
    connect(ui_->RadioGroup2, &Radio_Group::clicked, this, Handler([this] { RadioGroup2Click(); }));
}

TForm12::~TForm12() = default;

QLineEdit* TForm12::Name_Edit(int row) const {
    QLineEdit* const edits[] = {ui_->Edit2_1, ui_->Edit2_2, ui_->Edit2_3, ui_->Edit2_4, ui_->Edit2_5,
                                ui_->Edit2_6, ui_->Edit2_7, ui_->Edit2_8, ui_->Edit2_9, ui_->Edit2_10};
    return edits[row - 1];
}

QComboBox* TForm12::Currency_Box(int index) const {
    QComboBox* const boxes[] = {ui_->TntComboBox1, ui_->TntComboBox2, ui_->TntComboBox3, ui_->TntComboBox4,
                                ui_->TntComboBox5};
    return boxes[index - 1];
}

// The price board: the names panel and the product count are shown, the currency controls hidden.
void TForm12::RadioGroup2Click() {
    ui_->Panel1->show();
    ui_->TntLabel1->show();
    ui_->Panel2->hide();
    ui_->SpinEdit1->hide();
    ui_->TntLabel2->hide();
    App& a = app();
    if (a.Form2)
        a.Form2->ui()->SpinEdit10->show();
    if (!a.Settings_Loading && a.Form1)
        a.Form1->FormResize();
}
