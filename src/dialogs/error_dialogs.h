#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm8;
class TForm9;
class TForm10;
}  // namespace Ui

// The three error dialogs. Each is made once and reused; the caller shows it modally, and only
// when it is not already showing. "Ok" or the title bar ends it.
class Error_Dialog : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;
    // Shows the dialog modally unless it is visible already; returns when it has ended.
    void Show_Modal_Unless_Visible();
    void Button1Click();

  protected:
    void setUpDialog(class QPushButton* ok);
};

class TForm8 : public Error_Dialog {  // connection error
    Q_OBJECT
  public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;
    Ui::TForm8* ui() const { return ui_.get(); }

  private:
    std::unique_ptr<Ui::TForm8> ui_;
};

class TForm9 : public Error_Dialog {  // sending error
    Q_OBJECT
  public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;
    Ui::TForm9* ui() const { return ui_.get(); }

  private:
    std::unique_ptr<Ui::TForm9> ui_;
};

class TForm10 : public Error_Dialog {  // reading error
    Q_OBJECT
  public:
    explicit TForm10(QWidget* parent = nullptr);
    ~TForm10() override;
    Ui::TForm10* ui() const { return ui_.get(); }

  private:
    std::unique_ptr<Ui::TForm10> ui_;
};
