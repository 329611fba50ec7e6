#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The data file holds the ten row values, one a line, in the 8-bit code page; every line, the last one
// included, ends with CR LF.

// The first ten lines of the file's bytes (CR LF, LF or a lone CR end a line). A line that is empty or
// missing reads as five blanks, which the row fitting turns into zeros; lines after the tenth are ignored.
std::array<QByteArray, 10> Data_File_Lines(const QByteArray& content);

// The file's bytes for ten row values: each value in Latin-1, followed by CR LF.
QByteArray Data_File_Content(const std::array<QString, 10>& values);
