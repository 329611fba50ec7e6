#include "link/framing.h"

quint32 Line_Checksum(const QByteArray& body) {
    quint32 sum = 0;
    for (char c : body) sum += static_cast<unsigned char>(c);
    return sum;
}

QByteArray Frame_Command(const QByteArray& body) {
    return body + ';' + QByteArray::number(Line_Checksum(body)) + ";\r\n";
}

bool Check_Line_Checksum(const QByteArray& line) {
    const int first = line.indexOf(';', 1);
    if (first < 0) return false;
    const int second = line.indexOf(';', first + 1);
    if (second < 0) return false;
    const QByteArray digits = line.mid(first + 1, second - first - 1);
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    return ok && value == Line_Checksum(line.left(first));
}

Reply_Kind Classify_Reply(const QByteArray& line, bool modem) {
    if (line.startsWith("READ")) return Reply_Kind::Read;
    if (line.mid(1, 4) == "CCLK" || line.mid(3, 4) == "CMGL") return Reply_Kind::Modem_Line;
    if (line == "OK" && !modem) return Reply_Kind::Ok;
    if (line.startsWith("Razaz Arira") && !modem) return Reply_Kind::Identity;
    if (line == "ERROR") return Reply_Kind::Error;
    return Reply_Kind::None;
}
