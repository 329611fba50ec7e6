#include "dialogs/error_dialogs.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "ui_tform10.h"
#include "ui_tform8.h"
#include "ui_tform9.h"

void Error_Dialog::setUpDialog(QPushButton* ok) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(size());
    setModal(true);
    connect(ok, &QPushButton::clicked, this, &Error_Dialog::Button1Click);
}

void Error_Dialog::Show_Modal_Unless_Visible() {
    if (isVisible())
        return;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    exec();
}

void Error_Dialog::Button1Click() {
    hide();
    done(QDialog::Accepted);
}

TForm8::TForm8(QWidget* parent) : Error_Dialog(parent), ui_(new Ui::TForm8) {
    ui_->setupUi(this);
    setUpDialog(ui_->Button1);
}
TForm8::~TForm8() = default;

TForm9::TForm9(QWidget* parent) : Error_Dialog(parent), ui_(new Ui::TForm9) {
    ui_->setupUi(this);
    setUpDialog(ui_->Button1);
}
TForm9::~TForm9() = default;

TForm10::TForm10(QWidget* parent) : Error_Dialog(parent), ui_(new Ui::TForm10) {
    ui_->setupUi(this);
    setUpDialog(ui_->Button1);
}
TForm10::~TForm10() = default;
