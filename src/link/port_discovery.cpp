// Selection of the board's port and the search for it.
#include <QApplication>
#include <QPalette>

#include "core/app.h"
#include "dialogs/settings_dialog.h"
#include "link/comm_functions.h"
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
    if (!a.link.Port_Handle.isZero()) Close_Port(a.link.Port_Handle);
    a.link.Port_Handle = Open_Port(a.Port_Number, a.Baud_Text, a.Parity_Text, a.Program_Dir);
    Colour_Port_Box(ui_->ComboBox1, a.link.Port_Handle.isInvalid());
}
