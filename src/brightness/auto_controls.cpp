#include "brightness/auto_controls.h"

#include "ui_tform13.h"

TForm13::TForm13(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm13) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(size());
    connect(ui_->Btn_Close_, &QPushButton::clicked, this, &QDialog::hide);
}

TForm13::~TForm13() = default;

void TForm13::Show_Command(const QString& text) {
    ui_->TntStatusBar1->setPanelText(0, text);
}

void TForm13::Set_Picker_Formats() {
    for (QDateTimeEdit* picker :
         {ui_->DateTimePicker1, ui_->DateTimePicker2, ui_->DateTimePicker3, ui_->DateTimePicker4})
        picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
}
