#include "core/app.h"

App& app() {
    static App instance;
    return instance;
}

void Reset_App_State() {
    App& a = app();
    App fresh;
    fresh.Form1 = a.Form1;
    fresh.Form2 = a.Form2;
    fresh.Form8 = a.Form8;
    fresh.Form9 = a.Form9;
    fresh.Form10 = a.Form10;
    fresh.Form11 = a.Form11;
    fresh.Form12 = a.Form12;
    fresh.Form13 = a.Form13;
    fresh.link.hooks = a.link.hooks;
    fresh.Upload_Values = a.Upload_Values;
    a = std::move(fresh);
}
