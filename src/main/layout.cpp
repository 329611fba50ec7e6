// Layout of the main window: the rows, the two panels, the buttons.
#include "main/layout.h"

#include <QEvent>
#include <QMenuBar>
#include <QStyle>
#include <QWindow>

#include "content/tablo_type.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "dialogs/settings_dialog.h"
#include "main/rizozido.h"
#include "ui_tform1.h"
#include "ui_tform12.h"
#include "ui_tform2.h"

namespace {

constexpr int kWindowWidth = 377;  // outer width, frame included
constexpr int kPanelLeft = 8;
constexpr int kPanelTop = 8;
constexpr int kPanelGap = 5;   // between the rows panel and the controls panel
constexpr int kBottomGap = 5;  // between the controls panel and the status bar
constexpr int kRowPitch = 30;
constexpr int kRowsPanelBase = 24;  // rows panel height = base + pitch x shown rows

class Resize_Watcher : public QObject {
  public:
    explicit Resize_Watcher(TForm1* form) : QObject(form), form_(form) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == form_ && event->type() == QEvent::Resize)
            Run_Handler([this] { form_->FormResize(); });
        return QObject::eventFilter(watched, event);
    }

  private:
    TForm1* form_;
};

// What the frame and caption add to the window's client size. Once the window is shown the
// platform knows it; before, the style's caption height and frame width stand in for it.
QSize Frame_Allowance(const QWidget* window) {
    if (window->isVisible()) {
        const QSize outer = window->frameGeometry().size();
        const QSize inner = window->geometry().size();
        return outer - inner;
    }
    const QStyle* style = window->style();
    const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int caption = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return QSize(2 * frame, caption + 2 * frame);
}

// The height that the main window's own layout gives a bar at the given width.
int Bar_Height(const QWidget* bar, int width) {
    if (!bar || bar->isHidden())
        return 0;
    const int for_width = bar->heightForWidth(width);
    return qMax(for_width >= 0 ? for_width : bar->sizeHint().height(), bar->minimumHeight());
}

}  // namespace

void Connect_Layout(TForm1* form) {
    form->installEventFilter(new Resize_Watcher(form));
}

void TForm1::FormResize() {
    App& a = app();
    if (a.Closing || !a.Form2 || !a.Form12)
        return;
    Ui::TForm1* m = ui();

    a.Form12->ui()->RadioGroup2->setItemIndex(1);
    m->Panel1->hide();
    setWindowTitle(QStringLiteral("\"TERVO\" LTD. Halvik v1.11"));

    const int products = a.Form2->ui()->SpinEdit10->value();
    int rows_height = kRowsPanelBase + kRowPitch * 10;
    for (int row = 1; row <= 10; ++row) {
        const int offset = kRowPitch * (row - 1);
        QLabel* name = Name_Label(row);
        name->move(10, 15 + offset);
        name->adjustSize();
        Edit(row)->setGeometry(232, 10 + offset, 81, 33);
        Row_Check(row)->setGeometry(320, 15 + offset, 25, 17);
        const bool shown = row == 1 || products >= row;
        name->setVisible(shown);
        Edit(row)->setVisible(shown);
        Row_Check(row)->setVisible(shown);
        if (!shown)
            rows_height -= kRowPitch;
    }
    m->Panel4->setGeometry(kPanelLeft, kPanelTop, m->Panel4->width(), rows_height);
    m->Panel2->move(kPanelLeft, m->Panel4->y() + m->Panel4->height() + kPanelGap);

    // The client area holds the menu bar, the two panels with their margins and the status bar.
    const QSize frame = Frame_Allowance(this);
    const int client_width = kWindowWidth - frame.width();
    const int client_height = Bar_Height(menuWidget(), client_width) + kPanelTop + m->Panel4->height() +
                              kPanelGap + m->Panel2->height() + kBottomGap +
                              Bar_Height(statusBar(), client_width);
    if (height() != client_height || maximumHeight() != client_height)
        setFixedSize(width(), client_height);

    for (QLabel* picture : {m->Flag_USD, m->Flag_EUR, m->Flag_GBP, m->Flag_RUR, m->Flag_FRF, m->Sign_USD,
                            m->Sign_EUR, m->Sign_GBP, m->Sign_RUR, m->Sign_FRF})
        picture->hide();
    for (int row : {2, 4, 6, 8, 10})
        Row_Check_Click(row);

    if (width() != client_width || maximumWidth() != client_width)
        setFixedSize(client_width, height());
    m->Panel4->resize(kWindowWidth - 25, m->Panel4->height());
    m->Panel2->resize(kWindowWidth - 25, m->Panel2->height());
    a.Form2->Buttons_arrange();
    m->ProgressBar1->resize(kWindowWidth - 40, m->ProgressBar1->height());
    m->RadioGroup1->resize(kWindowWidth - 40, m->RadioGroup1->height());
    m->RadioGroup2->resize(kWindowWidth - 40, m->RadioGroup2->height());
    m->Label3->move(m->Label3->x(), m->Panel2->height() - 17);
    for (int row : {1, 3, 5, 7, 9})
        Row_Check_Click(row);
}

void TForm2::Buttons_arrange() {
    Ui::TForm1* m = app().Form1->ui();
    const int w = (m->ProgressBar1->width() - 20) / 2;
    m->Btn_Send_->resize(w, m->Btn_Send_->height());
    m->Btn_Read_->resize(w, m->Btn_Read_->height());
    m->Btn_Send_->move(m->ProgressBar1->x(), m->Btn_Send_->y());
    m->Btn_Read_->move(m->ProgressBar1->x() + m->Btn_Send_->width() + 20, m->Btn_Read_->y());
}

void TForm1::Set_Row_Name(int row, const QString& name) {
    Name_Label(row)->setText(name);
    Name_Label(row)->adjustSize();
}
