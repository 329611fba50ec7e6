#pragma once

#include <memory>

#include "brightness/auto_controls.h"
#include "content/tablo_type.h"
#include "dialogs/error_dialogs.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/test_dialog.h"
#include "main/rizozido.h"

// The program's windows, created in their fixed order and alive until the program ends, and
// the wiring of the board link to them.
class Program {
  public:
    Program();
    ~Program();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm8> Form8;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<TForm10> Form10;
    std::unique_ptr<TForm11> Form11;
    std::unique_ptr<TForm12> Form12;
    std::unique_ptr<TForm13> Form13;
};

// Application title and settings of the process, before any window is made.
void Init_Application();
