#include "main/rizozido.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QTime>

#include "brightness/auto_controls.h"
#include "content/row_entry.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "dialogs/about.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/test_dialog.h"
#include "link/event_line.h"
#include "main/layout.h"
#include "ui_tform1.h"
#include "ui_tform2.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui_(new Ui::TForm1) {
    ui_->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    StatusBar1()->setPanels(
        {{210, Qt::AlignLeft}, {67, Qt::AlignHCenter}, {45, Qt::AlignHCenter}, {55, Qt::AlignHCenter}});

    Timer2.setInterval(10);
    Timer2.setTimerType(Qt::PreciseTimer);
    Timer3.setInterval(100);
    Timer5.setInterval(1000);
    connect(&Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(&Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    connect(&Timer5, &QTimer::timeout, this, &TForm1::Timer5Timer);

    connect(ui_->Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(ui_->Settings3, &QAction::triggered, this, &TForm1::Settings3Click);
    connect(ui_->AutoControls1, &QAction::triggered, this, &TForm1::AutoControls1Click);
    connect(ui_->est1, &QAction::triggered, this, &TForm1::est1Click);
    connect(ui_->About2, &QAction::triggered, this, &TForm1::About2Click);
    connect(ui_->Show1, &QAction::triggered, this, Handler([this] { Show1Click(); }));
    connect(ui_->Load1, &QAction::triggered, this, Handler([this] { Load1Click(); }));
    connect(ui_->Save1, &QAction::triggered, this, Handler([this] { Save1Click(); }));
    connect(ui_->Btn_Send_, &QPushButton::clicked, this, Handler([this] { Btn_Send_Click(); }));
    connect(ui_->Btn_Read_, &QPushButton::clicked, this, Handler([this] { Btn_Read_Click(); }));
    Connect_Row_Entry(this);
    Connect_Layout(this);

    FormCreate();
    Timer3.start();
    Timer5.start();
}

TForm1::~TForm1() = default;

QLineEdit* TForm1::Edit(int row) const {
    QLineEdit* const edits[] = {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5,
                                ui_->Edit6, ui_->Edit7, ui_->Edit8, ui_->Edit9, ui_->Edit10};
    return edits[row - 1];
}

QLabel* TForm1::Name_Label(int row) const {
    QLabel* const labels[] = {ui_->Label3_1, ui_->Label3_2, ui_->Label3_3, ui_->Label3_4, ui_->Label3_5,
                              ui_->Label3_6, ui_->Label3_7, ui_->Label3_8, ui_->Label3_9, ui_->Label3_10};
    return labels[row - 1];
}

QCheckBox* TForm1::Row_Check(int row) const {
    QCheckBox* const boxes[] = {ui_->CheckBox1, ui_->CheckBox1a, ui_->CheckBox2, ui_->CheckBox2a,
                                ui_->CheckBox3, ui_->CheckBox3a, ui_->CheckBox4, ui_->CheckBox4a,
                                ui_->CheckBox5, ui_->CheckBox5a};
    return boxes[row - 1];
}

Panel_Status_Bar* TForm1::StatusBar1() const {
    return ui_->StatusBar1;
}
void TForm1::Set_Status(int panel, const QString& text) {
    StatusBar1()->setPanelText(panel, text);
}
QString TForm1::Status(int panel) const {
    return StatusBar1()->panelText(panel);
}

void TForm1::FormCreate() {
    App& a = app();
    a.Starting = true;
    a.Data_File_Name = QStringLiteral("Tablo_data.tbl");
    a.Morning_Time = a.Evening_Time = a.OFF_Time = a.ON_Time = QStringLiteral("00:00:00");
    a.Program_Dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

void TForm1::Timer3Timer() {
    Timer3.stop();
    if (Startup_Runs++ > 0)
        return;
    App& a = app();
    resize(width(), 285);
    Load_Settings();
    a.Form2->ui()->ComboBox1->setCurrentText(a.Port_Number);
    a.Form2->ui()->ComboBox3->setCurrentText(a.Parity_Text);
    a.Form2->ui()->ComboBox11->setCurrentText(a.Baud_Text);
    a.Form2->ComboBox1Change();
    for (int row = 1; row <= 10; ++row)
        a.Board_Value(row) = Edit(row)->text();
    a.Data_Text.clear();
    a.Last_Data_Text.clear();
    a.Form13->Set_Picker_Formats();
    a.Form2->TntCheckBox1Click();  // the settings dialog starts with its protocol panel folded away
    a.Starting = false;
}

void TForm1::Timer2Timer() {
    app().link.Reply_Timeout_Tick();
}

void TForm1::Timer5Timer() {
    ui_->Label3->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    app().link.Listen([](const QByteArray& line) {
        if (auto event = Parse_Event_Line(line)) {
            App& a = app();
            a.Board_Fields[11] = QString::fromLatin1(event->name);
            a.Board_Fields[12] = QString::fromLatin1(event->first_code);
            a.Board_Fields[13] = QString::fromLatin1(event->second_code);
        }
    });
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Settings3Click() {
    app().Form2->show();
}

void TForm1::AutoControls1Click() {
    app().Form13->show();
}

void TForm1::est1Click() {
    TForm11* test = app().Form11;
    const QRect outer = frameGeometry();
    test->show();
    const int frame_width = test->frameGeometry().width() - test->width();
    test->resize(outer.width() - frame_width, test->height());
    test->move(outer.left(), outer.top() + outer.height());
}

void TForm1::About2Click() {
    TAboutBox box(this);
    box.exec();
}

void TForm1::FormClose() {
    Run_Handler([this] { Save_Settings(); });
    Run_Handler([this] { Save_Controller_Settings(); });
    app().Closing = true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
