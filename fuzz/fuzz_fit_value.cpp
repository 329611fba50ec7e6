// The row value fitting on any text, previous value, key and caret: the result always holds only
// digits and at most one point, never first, is the digit count or one more long, and the caret
// never moves right.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "content/fit_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const int digits = 1 + data[0] % 5;
    const int caret = data[1] % 16;
    const QString key = QString(QChar(data[2]));
    const QByteArray rest(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    const qsizetype split = rest.indexOf('\n');
    const QString text = QString::fromLatin1(split < 0 ? rest : rest.left(split));
    const QString previous = split < 0 ? QString() : QString::fromLatin1(rest.mid(split + 1));
    const Fit_Result r = Fit_Value(text, previous, key, digits, caret);
    if (r.text.size() < digits || r.text.size() > digits + 1)
        std::abort();
    if (r.text.startsWith(QLatin1Char('.')) || r.text.count(QLatin1Char('.')) > 1)
        std::abort();
    for (QChar c : r.text)
        if (!c.isDigit() && c != QLatin1Char('.'))
            std::abort();
    if (r.caret > caret)
        std::abort();
    return 0;
}
