#include "persistence/file_write.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "core/platform_error.h"

void Write_File_Whole(const QString& path, const QByteArray& bytes, int open_tries) {
    QSaveFile file(path);
    bool open = false;
    for (int attempt = 0; attempt < qMax(1, open_tries) && !open; ++attempt)
        open = file.open(QIODevice::WriteOnly);
    if (!open || file.write(bytes) != bytes.size() || !file.commit())
        throw Platform_Error(QStringLiteral("Unable to write to ") +
                             QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}
