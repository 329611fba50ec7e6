#pragma once

// The brightness and backlight modes travel to and from the controller as one code each.
// Brightness: 0..4 the levels (minimum, 25%, 50%, 75%, 100%), 5 automatic by time, 6 by schedule.
// Backlight: 0 off, 1 on, 2 automatic by time, 3 by schedule.

// The code of a selector item and its automatic sub-mode (0 by time, 1 by schedule; -1, none, counts as
// by time). No item chosen (-1) counts as the first item, as the upload chooses it.
int Brightness_Code_Of(int brightness_mode, int shedule_brightness);
int Backlight_Code_Of(int back_light_mode, int shedule_backlight);

// The selector item and sub-mode that a code from the controller stands for. item -1 is no item; a
// sub_mode of -1 means the code is a level, so the caller clears or leaves the sub-mode as it decides.
struct Mode_Choice {
    int item;
    int sub_mode;
};

Mode_Choice Brightness_Choice_Of(int code);
Mode_Choice Backlight_Choice_Of(int code);
