#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content as a whole: the bytes go to a temporary file beside it, which then takes
// the file's place, so a crash or a full disk leaves the old file whole. Opening is tried `open_tries`
// times. On failure raises Platform_Error "Unable to write to <full path>" and the file is unchanged.
void Write_File_Whole(const QString& path, const QByteArray& bytes, int open_tries = 1);
