// Selection of the board's port and the search for it.
#include <QApplication>
#include <QPalette>

#include "core/app.h"
#include "dialogs/settings_dialog.h"
#include "link/comm_functions.h"
#include "main/rizozido.h"
#include "ui_tform2.h"

namespace {
void Colour_Port_Box(QComboBox* box, bool failed) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, failed ? QColor(Qt::red) : QApplication::palette().color(QPalette::Base));
    p.setColor(QPalette::Button, failed ? QColor(Qt::red) : QApplication::palette().color(QPalette::Button));
    box->setPalette(p);
    box->setProperty("failed", failed);
}
}  // namespace

void TForm2::ComboBox1Change() {
    App& a = app();
    a.Port_Number = ui_->ComboBox1->currentText();
    if (!a.link.Port_Handle.isZero())
        Close_Port(a.link.Port_Handle);
    a.link.Port_Handle = Open_Port(a.Port_Number, a.Baud_Text, a.Parity_Text, a.Program_Dir);
    Colour_Port_Box(ui_->ComboBox1, a.link.Port_Handle.isInvalid());
}

void TForm2::Button2Click() {
    App& a = app();
    if (a.Upload_Chain_Active) {
        // The upload found its port a moment ago and keeps it.
        a.Port_Found = true;
        return;
    }
    a.Form1->Set_Status(0, QStringLiteral("Searching tablos port"));
    QCoreApplication::processEvents();
    const QByteArray saved_command = a.link.Command_Line;
    Colour_Port_Box(ui_->ComboBox1, false);
    a.Port_Found = false;
    ui_->ComboBox1->clear();
    QString found;
    for (int n = 3; n <= 256 && !a.Port_Found; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        a.Port_Number = name;
        if (!a.link.Port_Handle.isZero())
            Close_Port(a.link.Port_Handle);
        a.link.Port_Handle = Open_Port(name, a.Baud_Text, a.Parity_Text, a.Program_Dir);
        if (!a.link.Port_Handle.isValid())
            continue;
        a.Form1->Set_Status(1, name);
        QCoreApplication::processEvents();
        ui_->ComboBox1->addItem(name);
        ui_->ComboBox1->setCurrentText(name);
        a.link.Command_Line = "WHO=";
        a.link.Exchange_Command();
        if (a.link.Outcome.Identity_Received) {
            a.Port_Found = true;
            found = name;
        }
    }
    QString chosen;
    if (a.Port_Found)
        chosen = found;
    else if (ui_->ComboBox1->count() > 0)
        chosen = ui_->ComboBox1->itemText(0);
    ui_->ComboBox1->setCurrentText(chosen);
    ComboBox1Change();
    a.link.Command_Line = saved_command;
}
