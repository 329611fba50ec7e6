#pragma once

#include <QString>

// A row value fitted to the board: digits and at most one point (never first), digit_count characters,
// or digit_count + 1 when it holds a point. caret is the edit's caret offset after the fitting; it may
// come out below 0, the caller puts the caret at the start then.
struct Fit_Result {
    QString text;
    int caret;
};

// Fits the text of a row edit after a change. previous is the row's value before the change, last_key the
// last character typed into a value edit (empty when none), digit_count the board's digits per value.
Fit_Result Fit_Value(const QString& text, const QString& previous, const QString& last_key, int digit_count,
                     int caret);
