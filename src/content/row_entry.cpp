// The ten row values: fitting each change of an edit to the board's digits, the last key typed,
// the click rule for values that begin with a zero, and the rows' enable boxes.
#include "content/row_entry.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "content/fit_value.h"
#include "core/app.h"
#include "core/platform_error.h"
#include "main/rizozido.h"

namespace {

// Sees what reaches a value edit before the edit handles it: the character a key delivers and the
// end of a click. Nothing is taken away from the edit.
class Row_Edit_Watcher : public QObject {
  public:
    Row_Edit_Watcher(TForm1* form, int row) : QObject(form->Edit(row)), form_(form), row_(row) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (!text.isEmpty())
                Run_Handler([&] { form_->Edit_Key_Press(row_, text); });
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Run_Handler([&] { form_->Edit_Click(row_); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    TForm1* form_;
    int row_;
};

// Clears the fitting guard however the fitting ends, a failed save included.
struct Fit_Guard_Scope {
    Fit_Guard_Scope() { app().Fit_Guard = true; }
    ~Fit_Guard_Scope() { app().Fit_Guard = false; }
};

}  // namespace

void Connect_Row_Entry(TForm1* form) {
    for (int row = 1; row <= 10; ++row) {
        QLineEdit* edit = form->Edit(row);
        edit->installEventFilter(new Row_Edit_Watcher(form, row));
        QObject::connect(edit, &QLineEdit::textChanged, form,
                         Handler([form, row] { form->Edit_Change(row); }));
        QObject::connect(form->Row_Check(row), &QCheckBox::toggled, form,
                         Handler([form, row] { form->Row_Check_Click(row); }));
        // A product name is shown as it stands, never read as markup.
        form->Name_Label(row)->setTextFormat(Qt::PlainText);
    }
}

void TForm1::Fit_Row(int row) {
    App& a = app();
    if (a.Fit_Guard)
        return;
    Fit_Guard_Scope guard;
    QLineEdit* edit = Edit(row);
    a.Fit_Previous = a.Board_Value(row);
    const Fit_Result fitted =
        Fit_Value(edit->text(), a.Fit_Previous, a.Last_Key, a.Digit_Count, edit->cursorPosition());
    edit->setText(fitted.text);
    edit->setCursorPosition(qMax(0, fitted.caret));
    a.Board_Value(row) = fitted.text;
    Save1Click();
}

void TForm1::Edit_Change(int row) {
    Fit_Row(row);
}

void TForm1::Edit_Key_Press(int /*row*/, const QString& key) {
    if (!key.isEmpty())
        app().Last_Key = key.right(1);
}

void TForm1::Edit_Click(int row) {
    QLineEdit* edit = Edit(row);
    if (!edit->text().startsWith(QLatin1Char('0')))
        return;
    edit->deselect();
    edit->setCursorPosition(0);
}

void TForm1::Row_Check_Click(int row) {
    Apply_Row_Enable(row);
}

void TForm1::Apply_Row_Enable(int row) {
    const bool enabled = Row_Check(row)->isChecked();
    Edit(row)->setEnabled(enabled);
    Name_Label(row)->setEnabled(enabled);
}
