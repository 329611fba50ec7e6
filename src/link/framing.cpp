#include "link/framing.h"

#include "core/decimal_text.h"

quint32 Line_Checksum(const QByteArray& body) {
    quint32 sum = 0;
    for (const char c : body)
        sum += static_cast<quint8>(c);
    return sum;
}

QByteArray Frame_Command(const QByteArray& body) {
    return body + ';' + QByteArray::number(Line_Checksum(body)) + ";\r\n";
}

bool Check_Line_Checksum(const QByteArray& line) {
    if (line.isEmpty())
        return false;
    const qsizetype first = line.indexOf(';', 1);
    if (first < 0)
        return false;
    const qsizetype second = line.indexOf(';', first + 1);
    if (second < 0)
        return false;
    const std::optional<qint64> stated = Decimal_Value(line.mid(first + 1, second - first - 1));
    return stated && *stated == static_cast<qint64>(Line_Checksum(line.left(first)));
}

Reply_Kind Classify_Reply(const QByteArray& reply_line, bool modem_line_flag) {
    if (reply_line.startsWith("READ"))
        return Reply_Kind::Read;
    if (reply_line.mid(1, 4) == "CCLK" || reply_line.mid(3, 4) == "CMGL")
        return Reply_Kind::Modem_Line;
    if (reply_line == "OK" && !modem_line_flag)
        return Reply_Kind::Ok;
    if (reply_line.startsWith("Razaz Arira") && !modem_line_flag)
        return Reply_Kind::Identity;
    if (reply_line == "ERROR")
        return Reply_Kind::Error;
    return Reply_Kind::None;
}
