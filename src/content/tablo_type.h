#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm12;
}

// The board view dialog. It is never shown: its controls hold the board type, the product
// names, the currency count and the currency codes.
class TForm12 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm12(QWidget* parent = nullptr);
    ~TForm12() override;
    Ui::TForm12* ui() const { return ui_.get(); }

    // Applies the board type: the price board shows the product count and re-lays the main window.
    void RadioGroup2Click();

  private:
    std::unique_ptr<Ui::TForm12> ui_;
};
