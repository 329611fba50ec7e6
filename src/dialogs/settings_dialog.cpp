#include "dialogs/settings_dialog.h"

#include "brightness/auto_controls.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "main/rizozido.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {
void Connect_Display_Handlers(TForm2* form);
}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent), ui_(new Ui::TForm2) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui_->Memo3->setMaximumBlockCount(kProtocolLines);
    QStringList ports;
    for (int n = 1; n <= 14; ++n)
        ports << QStringLiteral("COM%1").arg(n);
    ui_->ComboBox1->addItems(ports);
    ui_->ComboBox1->setEditable(true);
    ui_->ComboBox1->setCurrentText(QStringLiteral("COM1"));
    QStringList bauds;
    for (int b : {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000,
                  256000, 460800})
        bauds << QString::number(b);
    ui_->ComboBox11->addItems(bauds);
    ui_->ComboBox11->setEditable(true);
    ui_->ComboBox3->addItems({QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even"),
                              QStringLiteral("Mark"), QStringLiteral("Space")});
    ui_->ComboBox3->setEditable(true);
    connect(ui_->Button4, &QPushButton::clicked, ui_->Memo3, &QPlainTextEdit::clear);
    Connect_Display_Handlers(this);
}

TForm2::~TForm2() = default;

void TForm2::Add_Protocol_Line(const QString& line) {
    ui_->Memo3->appendPlainText(line);
}

void TForm2::Show_Command(const QString& text) { ui_->TntStatusBar1->setPanelText(0, text); }

namespace {

// A change of the product count, of the one-way link or of which selectors are shown runs its
// handler, from the program as well as from a click.
void Connect_Display_Handlers(TForm2* form) {
    Ui::TForm2* ui = form->ui();
    QObject::connect(ui->SpinEdit10, &QSpinBox::valueChanged, form,
                     Handler([form] { form->SpinEdit10Change(); }));
    QObject::connect(ui->CheckBox5, &QCheckBox::toggled, form, Handler([form] { form->CheckBox5Click(); }));
    QObject::connect(ui->CheckBox9, &QCheckBox::toggled, form, Handler([form] { form->CheckBox9Click(); }));
    QObject::connect(ui->TntCheckBox3, &QCheckBox::toggled, form,
                     Handler([form] { form->TntCheckBox3Click(); }));
}

}  // namespace

void TForm2::SpinEdit10Change() {
    if (TForm1* main = app().Form1)
        main->FormResize();
}

// The one-way link: without replies from the board there is nothing to read, so the Read button
// and the board's events go with it.
void TForm2::CheckBox5Click() {
    TForm1* main = app().Form1;
    if (!main)
        return;
    const bool replies = !ui_->CheckBox5->isChecked();
    main->ui()->Btn_Read_->setVisible(replies);
    ui_->RadioGroup6->setEnabled(replies);
    Buttons_arrange();
    main->Save_Settings();
}

// Backlight control: shows or hides the backlight group of the automatic controls dialog and the
// backlight selector of the main window, and sizes both windows to what they show.
void TForm2::CheckBox9Click() {
    App& a = app();
    const bool shown = ui_->CheckBox9->isChecked();
    if (TForm13* autos = a.Form13) {
        Ui::TForm13* u = autos->ui();
        u->GroupBox5->setVisible(shown);
        const QWidget* above = shown ? static_cast<QWidget*>(u->GroupBox5) : u->TntGroupBox1;
        const int buttons_top = above->geometry().bottom() + 1 + 5;
        u->Button3->move(u->Button3->x(), buttons_top);
        u->Btn_Close_->move(u->Btn_Close_->x(), buttons_top);
        const int buttons_bottom = buttons_top + u->Btn_Close_->height();
        u->TntStatusBar1->move(u->TntStatusBar1->x(), buttons_bottom + 5);
        autos->setFixedSize(autos->width(), buttons_bottom + 5 + u->TntStatusBar1->height());
    }
    TForm1* main = a.Form1;
    if (!main)
        return;
    Ui::TForm1* m = main->ui();
    m->RadioGroup2->setVisible(shown);
    m->Panel2->resize(m->Panel2->width(), m->RadioGroup2->y() + (shown ? m->RadioGroup2->height() : 0) + 25);
    main->FormResize();
    main->Save_Settings();
}

void TForm2::TntCheckBox3Click() {
    TForm1* main = app().Form1;
    if (!main)
        return;
    main->ui()->RadioGroup1->setVisible(ui_->TntCheckBox3->isChecked());
    main->Save_Settings();
}
