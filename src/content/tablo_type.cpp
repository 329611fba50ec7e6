#include "content/tablo_type.h"

#include "ui_tform12.h"

TForm12::TForm12(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm12) {
    ui_->setupUi(this);
}

TForm12::~TForm12() = default;
