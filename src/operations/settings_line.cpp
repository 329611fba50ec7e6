#include "operations/settings_line.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;

// The value of two decimal digits at index i of text, or -1.
int Two_Digits(const QString& text, qsizetype i) {
    const auto digit = [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1;
    };
    const int tens = digit(text.at(i));
    const int ones = digit(text.at(i + 1));
    return tens < 0 || ones < 0 ? -1 : tens * 10 + ones;
}

}  // namespace

int Time_Text_To_Minutes(const QString& hhmmss) {
    if (hhmmss.size() < 5)
        return -1;
    const int hours = Two_Digits(hhmmss, 0);
    const int minutes = Two_Digits(hhmmss, 3);
    if (hours < 0 || minutes < 0 || hours > 23 || minutes > 59)
        return -1;
    return hours * 60 + minutes;
}

int Signed_To_Byte(int v) {
    return v < 0 ? v + 256 : v;
}

int Byte_To_Signed(int v) {
    return v >= 128 ? v - 256 : v;
}

QString Minutes_To_Time_Text(int m) {
    m = ((m % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    QString text = QString::number(m / 60) + QLatin1Char(':') +
                   QStringLiteral("%1").arg(m % 60, 2, 10, QLatin1Char('0')) + QStringLiteral(":00");
    if (text.size() < 8)
        text.prepend(QLatin1Char('0'));
    return text;
}

QByteArray Build_Settings_Line(const Controller_Settings& s) {
    const auto minutes = [](const QString& time) { return qMax(0, Time_Text_To_Minutes(time)); };
    const int values[] = {s.brightness_code,
                          s.backlight_code,
                          s.flash,
                          minutes(s.morning_time),
                          minutes(s.evening_time),
                          Signed_To_Byte(s.morning_correction),
                          Signed_To_Byte(s.evening_correction),
                          s.morning_level,
                          s.evening_level,
                          minutes(s.off_time),
                          minutes(s.on_time),
                          Signed_To_Byte(s.off_correction),
                          Signed_To_Byte(s.on_correction),
                          s.timer_used,
                          s.temperature_used,
                          s.time_temp_display,
                          s.enable_events,
                          s.inverse,
                          s.modem_used};
    QByteArray line = "SETS=";
    for (const int v : values)
        line += QByteArray::number(v) + ',';
    return line;
}
