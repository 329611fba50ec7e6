#include "brightness/schedule.h"

#include "core/decimal_text.h"
#include "core/text_lines.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;

// The text of the 1-based columns from..to of a line; the part beyond the line's end is simply missing.
QByteArray Columns(const QByteArray& line, int from, int to) {
    return line.mid(from - 1, to - from + 1);
}

// Minutes after midnight of the hour and minute columns plus a correction, wrapped into the day.
// Sets bad_text and returns false when a column is not an integer.
bool Read_Time(const QByteArray& line, int hour_column, int minute_column, int correction, int& minutes,
               QString& bad_text) {
    const QByteArray hour_text = Columns(line, hour_column, hour_column + 1);
    const QByteArray minute_text = Columns(line, minute_column, minute_column + 1);
    const std::optional<int> hour = Decimal_Int(hour_text);
    if (!hour) {
        bad_text = QString::fromLatin1(hour_text);
        return false;
    }
    const std::optional<int> minute = Decimal_Int(minute_text);
    if (!minute) {
        bad_text = QString::fromLatin1(minute_text);
        return false;
    }
    const int total = *hour * 60 + *minute + correction;
    minutes = ((total % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    return true;
}

QTime Time_Of(int minutes) {
    return QTime(minutes / 60, minutes % 60, 0);
}

}  // namespace

Schedule_Lookup_Result Shedule_Lookup_Lines(const QList<QByteArray>& lines, const QDate& today,
                                            int first_correction, int second_correction) {
    const QByteArray today_key = QByteArray::number(today.month()).rightJustified(2, '0') + '.' +
                                 QByteArray::number(today.day()).rightJustified(2, '0');
    Schedule_Lookup_Result result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        int first = 0;
        int second = 0;
        if (!Read_Time(line, 7, 10, first_correction, first, result.bad_text) ||
            !Read_Time(line, 16, 19, second_correction, second, result.bad_text)) {
            result.kind = Schedule_Lookup_Result::Bad_Number;
            return result;
        }
        if (Columns(line, 1, 5) == today_key) {
            result.kind = Schedule_Lookup_Result::Found;
            result.first = Time_Of(first);
            result.second = Time_Of(second);
            return result;
        }
    }
    return result;
}

QList<QByteArray> Split_Schedule_Lines(const QByteArray& file_bytes) {
    return Split_Text_Lines(file_bytes);
}
