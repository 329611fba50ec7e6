#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm11;
}

// The test dialog: fixed digit patterns sent to the board. A small tool window that stays on top.
class TForm11 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;
    Ui::TForm11* ui() const { return ui_.get(); }

  private:
    std::unique_ptr<Ui::TForm11> ui_;
};
