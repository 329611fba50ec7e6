#pragma once

// The codes that the controller settings upload sends for the two main selectors. A selector with
// nothing chosen gets its first item ("minimum", "off") first, without its handler's work.
struct Mode_Codes {
    int brightness = 0;
    int backlight = 0;
};
Mode_Codes Build_Mode_Codes();

// Connects the main window's two selectors and the settings dialog's "Timer used" and "Controlled by"
// to their handlers. Called once all windows exist.
void Wire_Mode_Selection();
