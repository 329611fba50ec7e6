#include "core/clock.h"

namespace {
QDate& Fixed_Today() {
    static QDate date;
    return date;
}
}  // namespace

QDate Today() {
    const QDate fixed = Fixed_Today();
    return fixed.isValid() ? fixed : QDate::currentDate();
}

void Set_Today_For_Test(const QDate& date) {
    Fixed_Today() = date;
}
