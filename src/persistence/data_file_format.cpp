#include "persistence/data_file_format.h"

#include "core/text_lines.h"

std::array<QByteArray, 10> Data_File_Lines(const QByteArray& content) {
    const QList<QByteArray> lines = Split_Text_Lines(content);
    std::array<QByteArray, 10> values;
    for (qsizetype i = 0; i < static_cast<qsizetype>(values.size()); ++i) {
        const QByteArray line = i < lines.size() ? lines.at(i) : QByteArray();
        values[i] = line.isEmpty() ? QByteArray("     ") : line;
    }
    return values;
}

QByteArray Data_File_Content(const std::array<QString, 10>& values) {
    QByteArray content;
    for (const QString& value : values)
        content += value.toLatin1() + "\r\n";
    return content;
}
