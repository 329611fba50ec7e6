#include "operations/read_answer.h"

#include <limits>

#include "core/decimal_text.h"

namespace {

constexpr int kFieldCount = 32;
constexpr qsizetype kMaxFieldLength = 6;

bool Is_Field_Char(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

struct Range {
    int low;
    int high;
};

constexpr int kAny_Low = std::numeric_limits<int>::min();
constexpr int kAny_High = std::numeric_limits<int>::max();

// The values that fields 14 to 32 may take, in field order.
constexpr std::array<Range, 19> kSettingsRanges = {{
    {kAny_Low, kAny_High},  // 14 brightness code
    {kAny_Low, kAny_High},  // 15 backlight code
    {0, 1},                 // 16 flash
    {0, 1439},              // 17 morning time, minutes
    {0, 1439},              // 18 evening time, minutes
    {0, 255},               // 19 morning correction, byte
    {0, 255},               // 20 evening correction, byte
    {0, 4},                 // 21 morning level
    {0, 4},                 // 22 evening level
    {0, 1439},              // 23 backlight off time, minutes
    {0, 1439},              // 24 backlight on time, minutes
    {0, 255},               // 25 off correction, byte
    {0, 255},               // 26 on correction, byte
    {kAny_Low, kAny_High},  // 27 timer used (not applied)
    {0, 1},                 // 28 temperature sensor used
    {0, 10},                // 29 time and temperature section
    {0, 1},                 // 30 events enabled
    {0, 1},                 // 31 inverse signals
    {0, 1},                 // 32 controlled by
}};

}  // namespace

Answer_Grammar Parse_Read_Fields(const QByteArray& reply_line, Board_Field_Array& fields) {
    QByteArray rest = reply_line.mid(5);
    bool bad = false;
    int stored = 0;
    // Each turn takes one index. A field that is too long (or empty) is not removed, so the turns after
    // it meet the same text and store nothing more.
    for (int index = 1; index <= kFieldCount && !rest.isEmpty(); ++index) {
        if (!Is_Field_Char(rest.at(0)))
            bad = true;
        qsizetype end = rest.indexOf(',');
        if (end < 0)
            end = rest.size();
        for (qsizetype i = 1; i < end; ++i) {
            if (!Is_Field_Char(rest.at(i)))
                bad = true;
        }
        if (end >= 1 && end <= kMaxFieldLength) {
            fields[index] = rest.left(end);
            ++stored;
            rest.remove(0, end + 1);
        } else {
            bad = true;
        }
    }
    return bad || stored < kFieldCount ? Answer_Grammar::Bad : Answer_Grammar::Valid;
}

bool Settings_Fields_Usable(const Board_Field_Array& fields) {
    for (int i = 0; i < static_cast<int>(kSettingsRanges.size()); ++i) {
        const std::optional<int> value = Decimal_Int(fields[14 + i]);
        if (!value || *value < kSettingsRanges[i].low || *value > kSettingsRanges[i].high)
            return false;
    }
    return true;
}
