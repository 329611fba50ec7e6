#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "core/panel_status_bar.h"
#include "core/radio_group.h"

namespace Ui {
class TForm1;
}

// The main window: the ten rows with their names, values and enable boxes, the Write and Read
// buttons, the progress bar, the brightness and backlight selectors, the clock and the status
// bar. Its handlers are spread over the subsystem folders by what they do; this file holds the
// start-up, the menu, the timers and the closing.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, by the names the rest of the program knows them by.
    QLineEdit* Edit(int row) const;       // Edit1 .. Edit10
    QLabel* Name_Label(int row) const;    // Label3_1 .. Label3_10
    QCheckBox* Row_Check(int row) const;  // CheckBox1, CheckBox1a, CheckBox2, ... CheckBox5a
    Ui::TForm1* ui() const { return ui_.get(); }
    Panel_Status_Bar* StatusBar1() const;
    void Set_Status(int panel, const QString& text);
    QString Status(int panel) const;

    QTimer Timer2;  // reply time-out ticker, 10 ms, on only while a reply is awaited
    QTimer Timer3;  // the one-shot start-up step, 100 ms
    QTimer Timer5;  // event listener and clock, 1000 ms

    // Start-up, menu, timers and closing
    void FormCreate();
    void Timer3Timer();
    void Timer2Timer();
    void Timer5Timer();
    void Exit1Click();
    void Settings3Click();
    void AutoControls1Click();
    void est1Click();
    void About2Click();
    void FormClose();

    int Startup_Runs = 0;  // how often the start-up step ran (once)

    // Rows: value entry and enable boxes (content/row_entry.cpp)
    void Fit_Row(int row);
    void Edit_Change(int row);                         // Edit1Change .. Edit10Change
    void Edit_Key_Press(int row, const QString& key);  // Edit1KeyPress .. Edit10KeyPress
    void Edit_Click(int row);                          // Edit1Click .. Edit10Click
    void Row_Check_Click(int row);                     // CheckBox1Click .. CheckBox5aClick
    void Apply_Row_Enable(int row);

    // Settings file (persistence/settings_file.cpp)
    void Save_Settings();
    void Load_Settings();

    // Controller section of the settings file (persistence/controller_section.cpp)
    void Save_Controller_Settings();
    void Load_Controller_Settings();

    // Data file (persistence/data_file.cpp)
    void Save1Click();
    void Load1Click();
    void Show1Click();

    // Layout of the rows (main/layout.cpp)
    void FormResize();
    void Set_Row_Name(int row, const QString& name);  // the row label takes the name and its width

    // Brightness and backlight selectors (brightness/mode_selection.cpp)
    void RadioGroup1Click();
    void RadioGroup2Click();
    void Apply_Backlight_Code(int code);
    void Apply_Brightness_Code(int code);

    // Board operations (operations/)
    void Btn_Send_Click();
    void Btn_Read_Click();
    void Send_Controller_Setting();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<Ui::TForm1> ui_;
};
