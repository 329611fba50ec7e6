#pragma once

#include <QByteArray>
#include <QList>

// Splits a text file's bytes into its lines, without their line ends. A line ends at CR LF, at a lone LF
// or at a lone CR; a last line without an end counts, an end at the very end adds no empty line.
QList<QByteArray> Split_Text_Lines(const QByteArray& bytes);
