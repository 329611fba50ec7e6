#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
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

    // Holders of the settings: the product name of row 1..10 (Edit2_1 .. Edit2_10) and the
    // currency code 1..5 (TntComboBox1 .. TntComboBox5).
    QLineEdit* Name_Edit(int row) const;
    QComboBox* Currency_Box(int index) const;

    // Applies the board type: the price board shows the product count and re-lays the main window.
    void RadioGroup2Click();

  private:
    std::unique_ptr<Ui::TForm12> ui_;
};
