#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

// The schedule file holds a first line that is never read, then one line per day, by fixed columns
// (1-based): 1-5 the key "MM.DD", 7-8 and 10-11 the first time's hour and minute, 16-17 and 19-20 the
// second time's, for example "05.14 06:12:00 20:41:00".
struct Schedule_Lookup_Result {
    enum Kind { Found, None, Bad_Number } kind = None;
    QTime first, second;  // when Found
    QString bad_text;     // when Bad_Number: the text that is not a valid integer
};

// Today's two times from the schedule lines, each shifted by its correction in minutes and wrapped into
// the day. Every line up to the first one keyed with today is read, so a time column that is not a
// number on any of them (a column beyond a short line's end reads as empty) fails the lookup; the lines
// after the match are not looked at.
Schedule_Lookup_Result Shedule_Lookup_Lines(const QList<QByteArray>& lines, const QDate& today,
                                            int first_correction, int second_correction);

// The lines of the schedule file's bytes, without their ends (CR LF, LF or CR).
QList<QByteArray> Split_Schedule_Lines(const QByteArray& file_bytes);
