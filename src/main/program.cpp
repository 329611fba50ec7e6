#include "main/program.h"

#include <QApplication>

#include "brightness/mode_selection.h"
#include "core/app.h"
#include "operations/main_operations.h"
#include "ui_tform1.h"

void Init_Application() {
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Morvane"));
}

Program::Program() {
    App& a = app();
    Form1 = std::make_unique<TForm1>();
    a.Form1 = Form1.get();
    Form2 = std::make_unique<TForm2>(Form1.get());
    a.Form2 = Form2.get();
    Form8 = std::make_unique<TForm8>(Form1.get());
    a.Form8 = Form8.get();
    Form9 = std::make_unique<TForm9>(Form1.get());
    a.Form9 = Form9.get();
    Form10 = std::make_unique<TForm10>(Form1.get());
    a.Form10 = Form10.get();
    Form11 = std::make_unique<TForm11>(Form1.get());
    a.Form11 = Form11.get();
    Form12 = std::make_unique<TForm12>(Form1.get());
    a.Form12 = Form12.get();
    Form13 = std::make_unique<TForm13>(Form1.get());
    a.Form13 = Form13.get();

    Link_Hooks& h = a.link.hooks;
    h.reply_timer = &Form1->Timer2;
    h.listener_timer = &Form1->Timer5;
    h.progress = Form1->ui()->ProgressBar1;
    h.show_command = [](const QString& text) {
        app().Form2->Show_Command(text);
        app().Form13->Show_Command(text);
    };
    h.protocol_line = [](const QString& line) { app().Form2->Add_Protocol_Line(line); };
    h.attempts = [] { return app().Attempts; };
    h.timeout_ms = [] { return app().Timeout_for_command; };
    a.Upload_Values = Upload_Values;

    Wire_Mode_Selection();
}

Program::~Program() {
    App& a = app();
    a.link.hooks = Link_Hooks();
    Close_Port(a.link.Port_Handle);
    // The dialogs are children of the main window's object but owned here: release them first.
    Form13.reset();
    Form12.reset();
    Form11.reset();
    Form10.reset();
    Form9.reset();
    Form8.reset();
    Form2.reset();
    Form1.reset();
    a.Form1 = nullptr;
    a.Form2 = nullptr;
    a.Form8 = nullptr;
    a.Form9 = nullptr;
    a.Form10 = nullptr;
    a.Form11 = nullptr;
    a.Form12 = nullptr;
    a.Form13 = nullptr;
}
