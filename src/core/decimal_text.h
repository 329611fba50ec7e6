#pragma once

#include <QByteArray>
#include <optional>

// The value of a strict decimal integer text: an optional leading "-" and one or more digits, nothing
// else (no blanks, no "+", no point, no hex prefix). nullopt when the text is not such an integer or
// its value does not fit.
std::optional<qint64> Decimal_Value(const QByteArray& text);

// The same, for values that must fit an int.
std::optional<int> Decimal_Int(const QByteArray& text);
