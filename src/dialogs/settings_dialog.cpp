#include "dialogs/settings_dialog.h"

#include <QFileInfo>
#include <QHideEvent>
#include <QShowEvent>

#include "brightness/auto_controls.h"
#include "content/tablo_type.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "main/rizozido.h"
#include "persistence/data_file_format.h"
#include "persistence/file_write.h"
#include "ui_tform1.h"
#include "ui_tform13.h"
#include "ui_tform2.h"

namespace {
void Connect_Display_Handlers(TForm2* form);
void Connect_Operator_Settings(TForm2* form);

// The schedule file is looked for under its bare name, in the working folder, as the automatic
// controls dialog reads it.
const QString kSheduleFile = QStringLiteral("Shedule.shd");

// Space between the "Close" button and the status bar, as the form is drawn.
constexpr int kGapBelowClose = 12;

// value / divisor (divisor > 0) rounded to the nearest whole number, a half to the even neighbour:
// how a stored time-out or interval in milliseconds becomes the value of its box.
int Round_Half_Even(int value, int divisor) {
    int quotient = value / divisor;
    int remainder = value % divisor;
    if (remainder < 0) {  // C++ division truncates toward zero; work from the floor instead
        remainder += divisor;
        --quotient;
    }
    const long long twice = 2LL * remainder;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

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
    Connect_Operator_Settings(this);
}

TForm2::~TForm2() = default;

void TForm2::Add_Protocol_Line(const QString& line) {
    ui_->Memo3->appendPlainText(line);
}

void TForm2::Show_Command(const QString& text) {
    ui_->TntStatusBar1->setPanelText(0, text);
}

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

// The operator's settings are stored, and the settings file saved, at every change.
void Connect_Operator_Settings(TForm2* form) {
    Ui::TForm2* ui = form->ui();
    // A number typed below a box's range becomes its lowest value when the box is left; a keystroke
    // that would pass the top of the range is refused.
    for (QSpinBox* box : {ui->SpinEdit5, ui->SpinEdit4, ui->SpinEdit10, ui->SpinEdit1})
        box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    QObject::connect(ui->SpinEdit5, &QSpinBox::valueChanged, form,
                     Handler([form] { form->SpinEdit5Change(); }));
    QObject::connect(ui->SpinEdit4, &QSpinBox::valueChanged, form,
                     Handler([form] { form->SpinEdit4Change(); }));
    QObject::connect(ui->CheckBox2, &QCheckBox::toggled, form, Handler([form] { form->CheckBox2Click(); }));
    QObject::connect(ui->TntCheckBox1, &QCheckBox::toggled, form,
                     Handler([form] { form->TntCheckBox1Click(); }));
    QObject::connect(ui->Btn_OK_, &QPushButton::clicked, form, Handler([form] { form->Btn_OK_Click(); }));
}

}  // namespace

void TForm2::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        Run_Handler([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TForm2::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        Run_Handler([this] { FormHide(); });
    QDialog::hideEvent(event);
}

void TForm2::FormShow() {
    App& a = app();

    // To the right of the main window; below the automatic controls dialog when that one is shown.
    if (const TForm1* main = a.Form1) {
        const QRect outer = main->frameGeometry();
        int top = outer.top();
        if (a.Form13 && a.Form13->isVisible()) {
            const QRect autos = a.Form13->frameGeometry();
            top = autos.top() + autos.height();
        }
        move(outer.width() + 20, top);
    }

    // Without a data file the rows have nothing to load: write one of ten zero values. A failed write
    // ends the showing here.
    const QString data_path = a.Program_Dir + a.Data_File_Name;
    if (!QFileInfo::exists(data_path)) {
        std::array<QString, 10> zeros;
        zeros.fill(QStringLiteral("0.000"));
        Write_File_Whole(data_path, Data_File_Content(zeros));
    }

    // The boxes show the settings in their own units. Where a box's value changes, its change
    // handler stores it again in milliseconds and saves.
    auto put = [](QSpinBox* box, int value) { box->setValue(qBound(box->minimum(), value, box->maximum())); };
    put(ui_->SpinEdit1, Round_Half_Even(a.Auto_Load_Intvl, 1000));
    put(ui_->SpinEdit5, Round_Half_Even(a.Timeout_for_command, 100));
    ui_->CheckBox2->setChecked(a.Send_If_Changed);
    put(ui_->SpinEdit4, a.Attempts);

    if (TForm13* autos = a.Form13) {
        autos->ui()->Button3->setEnabled(QFileInfo(kSheduleFile).isFile());
        autos->TntRadioGroup2Click();
        autos->TntRadioGroup1Click();
    }
}

// Hiding the settings dialog lets the automatic controls dialog move up beside the main window.
void TForm2::FormHide() {
    const App& a = app();
    if (!a.Form1 || !a.Form13 || !a.Form13->isVisible())
        return;
    a.Form13->move(a.Form13->x(), a.Form1->frameGeometry().top());
}

// "Close" takes the settings of the boxes, gives the rows their product names and saves.
void TForm2::Btn_OK_Click() {
    App& a = app();
    a.Auto_Load_Intvl = ui_->SpinEdit1->value() * 1000;
    a.Send_If_Changed = ui_->CheckBox2->isChecked();
    a.Timeout_for_command = ui_->SpinEdit5->value() * 100;
    a.Attempts = ui_->SpinEdit4->value();
    TForm1* main = a.Form1;
    if (main && a.Form12)
        for (int row = 1; row <= 10; ++row)
            main->Set_Row_Name(row, a.Form12->Name_Edit(row)->text());
    hide();
    if (main)
        main->Save_Settings();
}

// A time-out changed during an exchange applies from its next attempt.
void TForm2::SpinEdit5Change() {
    app().Timeout_for_command = ui_->SpinEdit5->value() * 100;
    if (TForm1* main = app().Form1)
        main->Save_Settings();
}

void TForm2::SpinEdit4Change() {
    app().Attempts = ui_->SpinEdit4->value();
    if (TForm1* main = app().Form1)
        main->Save_Settings();
}

void TForm2::CheckBox2Click() {
    app().Send_If_Changed = ui_->CheckBox2->isChecked();
    if (TForm1* main = app().Form1)
        main->Save_Settings();
}

// The protocol panel unfolds below the settings and the dialog grows with it; the automatic
// controls dialog, when it stands below this one, moves along.
void TForm2::TntCheckBox1Click() {
    const bool shown = ui_->TntCheckBox1->isChecked();
    QWidget* panel = ui_->Panel1;
    panel->resize(panel->width(), shown ? kProtocolPanelHeight : 0);
    panel->setVisible(shown);
    QWidget* close = ui_->Btn_OK_;
    close->move(close->x(), panel->y() + panel->height() + 5);
    QWidget* bar = ui_->TntStatusBar1;
    const int height = close->y() + close->height() + kGapBelowClose + bar->height();
    setFixedSize(width(), height);
    bar->setGeometry(0, height - bar->height(), width(), bar->height());

    TForm13* autos = app().Form13;
    if (autos && autos->isVisible()) {
        const QRect own = frameGeometry();
        if (autos->frameGeometry().top() > own.top())
            autos->move(autos->x(), own.top() + own.height());
    }
}

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
