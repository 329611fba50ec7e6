// Layout of the main window: the rows, the two panels, the buttons.
#include "core/app.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "ui_tform1.h"

void TForm2::Buttons_arrange() {
    Ui::TForm1* m = app().Form1->ui();
    const int w = (m->ProgressBar1->width() - 20) / 2;
    m->Btn_Send_->resize(w, m->Btn_Send_->height());
    m->Btn_Read_->resize(w, m->Btn_Read_->height());
    m->Btn_Send_->move(m->ProgressBar1->x(), m->Btn_Send_->y());
    m->Btn_Read_->move(m->ProgressBar1->x() + m->Btn_Send_->width() + 20, m->Btn_Read_->y());
}
