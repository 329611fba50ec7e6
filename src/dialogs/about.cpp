#include "dialogs/about.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "ui_taboutbox.h"

namespace {
// A small picture of the board: three rows of LED digits.
QPixmap Board_Picture() {
    QPixmap pix(94, 62);
    pix.fill(Qt::black);
    QPainter p(&pix);
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 40, 20));
    p.drawText(QRect(0, 2, 94, 20), Qt::AlignCenter, QStringLiteral("2.65"));
    p.drawText(QRect(0, 21, 94, 20), Qt::AlignCenter, QStringLiteral("3.05"));
    p.drawText(QRect(0, 40, 94, 20), Qt::AlignCenter, QStringLiteral("1.99"));
    return pix;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui_(new Ui::TAboutBox) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    ui_->Image1->setPixmap(Board_Picture());
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TAboutBox::~TAboutBox() = default;
