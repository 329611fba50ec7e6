#include "core/notify.h"

#include <QApplication>
#include <QMessageBox>

Notices& notices() {
    static Notices n;
    return n;
}

void Beep() {
    notices().beeps++;
    QApplication::beep();
}

void Show_Application_Error(const QString& text) {
    notices().errors << text;
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
}

void Show_Transport_Message() {
    notices().transport_boxes++;
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          QStringLiteral("Please check transport device"), QMessageBox::Ok);
}
