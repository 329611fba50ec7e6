#include "content/fit_value.h"

namespace {

const QChar kPoint = QLatin1Char('.');

bool Is_Digit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// When a point was just typed into a value that already held one, the old point goes and the new one
// stays: the point that stood at the same place in the previous value is the old one, otherwise the
// last point is taken for the old one. At most one character is removed; the caret stays.
void Move_Typed_Point(QString& text, const QString& previous) {
    const qsizetype first = text.indexOf(kPoint);
    const qsizetype last = text.lastIndexOf(kPoint);
    if (first < 0 || first == last)
        return;
    const bool previous_had_it_there = first < previous.size() && previous.at(first) == kPoint;
    text.remove(previous_had_it_there ? first : last, 1);
}

}  // namespace

Fit_Result Fit_Value(const QString& text, const QString& previous, const QString& last_key, int digit_count,
                     int caret) {
    QString fitted = text;
    if (last_key == kPoint)
        Move_Typed_Point(fitted, previous);

    // Keep digits and the first point that stands neither first nor last; a single point at the very
    // end stays but does not count as the value's point, so the value is filled as one without.
    bool seen = false;
    qsizetype p = 0;
    while (p < fitted.size()) {
        const QChar c = fitted.at(p);
        const bool remove = (seen && c == kPoint) || (!Is_Digit(c) && c != kPoint) || (c == kPoint && p == 0);
        if (remove) {
            fitted.remove(p, 1);
            --caret;
            continue;
        }
        if (c == kPoint && p != fitted.size() - 1)
            seen = true;
        ++p;
    }

    const qsizetype limit = qMax(0, digit_count) + (seen ? 1 : 0);
    if (fitted.size() > limit)
        fitted.truncate(limit);
    while (fitted.size() < limit)
        fitted.append(QLatin1Char('0'));
    return {fitted, caret};
}
