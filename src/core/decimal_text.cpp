#include "core/decimal_text.h"

#include <limits>

std::optional<qint64> Decimal_Value(const QByteArray& text) {
    const qsizetype digits_from = text.startsWith('-') ? 1 : 0;
    if (text.size() == digits_from)
        return std::nullopt;
    for (qsizetype i = digits_from; i < text.size(); ++i) {
        if (text.at(i) < '0' || text.at(i) > '9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> Decimal_Int(const QByteArray& text) {
    const std::optional<qint64> value = Decimal_Value(text);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}
