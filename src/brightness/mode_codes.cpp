#include "brightness/mode_codes.h"

namespace {

// The selectors share one scheme: the level items map one to one onto the first codes, the automatic
// item (the item after the levels) takes the next code by time and the one after it by schedule.
int Code_Of(int mode, int sub_mode, int automatic_item) {
    if (mode < 0)
        return 0;
    if (mode < automatic_item)
        return mode;
    return automatic_item + (sub_mode >= 1 ? 1 : 0);
}

Mode_Choice Choice_Of(int code, int automatic_item) {
    if (code < 0)
        return {-1, 0};
    if (code < automatic_item)
        return {code, -1};
    return {automatic_item, code == automatic_item ? 0 : 1};
}

constexpr int kBrightnessAutomatic = 5;
constexpr int kBacklightAutomatic = 2;

}  // namespace

int Brightness_Code_Of(int brightness_mode, int shedule_brightness) {
    return Code_Of(brightness_mode, shedule_brightness, kBrightnessAutomatic);
}

int Backlight_Code_Of(int back_light_mode, int shedule_backlight) {
    return Code_Of(back_light_mode, shedule_backlight, kBacklightAutomatic);
}

Mode_Choice Brightness_Choice_Of(int code) {
    return Choice_Of(code, kBrightnessAutomatic);
}

Mode_Choice Backlight_Choice_Of(int code) {
    return Choice_Of(code, kBacklightAutomatic);
}
