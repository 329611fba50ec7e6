#include "dialogs/test_dialog.h"

#include "ui_tform11.h"

TForm11::TForm11(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm11) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::hide);
}

TForm11::~TForm11() = default;
