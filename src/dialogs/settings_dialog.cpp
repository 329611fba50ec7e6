#include "dialogs/settings_dialog.h"

#include "ui_tform2.h"

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
}

TForm2::~TForm2() = default;

void TForm2::Add_Protocol_Line(const QString& line) {
    ui_->Memo3->appendPlainText(line);
}

void TForm2::Show_Command(const QString& text) {
    ui_->TntStatusBar1->setPanelText(0, text);
}
