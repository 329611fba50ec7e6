#pragma once

#include <QByteArray>
#include <QString>

// Minutes after midnight of a time text "hh:mm:ss": hours (characters 1-2) times 60 plus minutes
// (characters 4-5); the seconds are dropped. -1 when the text holds no such time (too short, not two
// digits each, hours above 23 or minutes above 59).
int Time_Text_To_Minutes(const QString& hhmmss);

// A correction of -128..255 as the one byte the controller takes, and back.
int Signed_To_Byte(int v);  // v < 0 gives v + 256
int Byte_To_Signed(int v);  // v >= 128 gives v - 256

// The time text "hh:mm:00" of a minute count of the day. A count outside 0..1439 is first wrapped into
// the day, so the text is always a valid time.
QString Minutes_To_Time_Text(int m);

// The controller's settings as they go out in the settings line.
struct Controller_Settings {
    int brightness_code = 0, backlight_code = 0, flash = 0;
    QString morning_time, evening_time;
    int morning_correction = 0, evening_correction = 0;
    int morning_level = 0, evening_level = 0;
    QString off_time, on_time;
    int off_correction = 0, on_correction = 0;
    int timer_used = 1, temperature_used = 1, time_temp_display = 10, enable_events = 0, inverse = 1,
        modem_used = 1;
};

// "SETS=" and the 19 settings as decimal integers, each followed by ",": the codes, flash, the times as
// minutes after midnight and the corrections as bytes. A time text that holds no time goes as 0.
QByteArray Build_Settings_Line(const Controller_Settings& s);
