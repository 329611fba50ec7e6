#pragma once

#include <QString>
#include <QStringList>

// How the program tells the operator of a failure: a beep, the application's error box for
// errors raised by the platform (a file that cannot be written or read), and the message box
// for a missing transport device. Each is also counted, so that what happened can be checked.
struct Notices {
    int beeps = 0;
    QStringList errors;       // texts shown in the application's error box
    int transport_boxes = 0;  // "Please check transport device" boxes shown
};

Notices& notices();
void Beep();
void Show_Application_Error(const QString& text);
void Show_Transport_Message();
