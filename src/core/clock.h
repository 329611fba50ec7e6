#pragma once

#include <QDate>

// Today's local date. Tests fix it with Set_Today_For_Test; an invalid date returns to the real clock.
QDate Today();
void Set_Today_For_Test(const QDate& date);
