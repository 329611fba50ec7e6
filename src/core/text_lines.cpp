#include "core/text_lines.h"

QList<QByteArray> Split_Text_Lines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(bytes.mid(start, i - start));
        const bool crlf = c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n';
        i += crlf ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}
