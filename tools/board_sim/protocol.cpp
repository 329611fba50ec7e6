#include "protocol.h"

namespace boardsim {

quint32 checksum(QByteArrayView body) {
    quint32 sum = 0;
    for (char c : body) {
        sum += static_cast<unsigned char>(c);
    }
    return sum;
}

QByteArray frame(QByteArrayView body, bool bad) {
    QByteArray out(body.data(), body.size());
    out += ';';
    out += QByteArray::number(checksum(body) + (bad ? 1U : 0U));
    out += ";\r\n";
    return out;
}

QByteArray plainLine(QByteArrayView text) {
    QByteArray out(text.data(), text.size());
    out += "\r\n";
    return out;
}

std::optional<Command> commandFromName(QByteArrayView name) {
    QByteArray n = name.toByteArray().toUpper();
    if (n.endsWith('=')) {
        n.chop(1);
    }
    if (n == "WHO") {
        return Command::Who;
    }
    if (n == "SEND") {
        return Command::Send;
    }
    if (n == "SETS") {
        return Command::Sets;
    }
    if (n == "READ") {
        return Command::Read;
    }
    return std::nullopt;
}

const char* commandName(Command c) {
    switch (c) {
        case Command::Who:
            return "WHO";
        case Command::Send:
            return "SEND";
        case Command::Sets:
            return "SETS";
        case Command::Read:
            return "READ";
        case Command::Unknown:
            break;
    }
    return "?";
}

Request parseRequest(const QByteArray& line) {
    Request r;
    const qsizetype first = line.indexOf(';');
    r.body = first < 0 ? line : line.left(first);

    static const struct {
        const char* prefix;
        Command command;
    } prefixes[] = {
        {"WHO=", Command::Who}, {"SEND=", Command::Send}, {"SETS=", Command::Sets}, {"READ=", Command::Read}};
    for (const auto& p : prefixes) {
        if (r.body.startsWith(p.prefix)) {
            r.command = p.command;
            r.payload = r.body.mid(qstrlen(p.prefix));
            break;
        }
    }

    if (first < 0) {
        return r;
    }
    const qsizetype second = line.indexOf(';', first + 1);
    if (second < 0 || second != line.size() - 1) {
        return r;  // no closing ";" or bytes after it
    }
    const QByteArray sumText = line.mid(first + 1, second - first - 1);
    r.framed = true;
    // The checksum is written without sign or leading zeros: compare the text itself.
    r.checksumOk = sumText == QByteArray::number(checksum(r.body));
    return r;
}

std::optional<QByteArrayList> splitFields(QByteArrayView payload, int count) {
    if (payload.isEmpty() || !payload.endsWith(',')) {
        return std::nullopt;
    }
    QByteArrayList fields = payload.chopped(1).toByteArray().split(',');
    if (fields.size() != count) {
        return std::nullopt;
    }
    return fields;
}

bool isDecimalInteger(QByteArrayView field) {
    if (field.startsWith('-')) {
        field = field.sliced(1);
    }
    if (field.isEmpty()) {
        return false;
    }
    for (char c : field) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

QByteArray readAnswerBody(const QByteArrayList& fields) {
    QByteArray body = "READ=";
    for (const QByteArray& f : fields) {
        body += f;
        body += ',';
    }
    return body;
}

QByteArray eventBody(QByteArrayView name, char code1, char code2) {
    QByteArray body = "EVENT ";
    body += name.toByteArray();
    body += ',';
    body += code1;
    body += ',';
    body += code2;
    return body;
}

}  // namespace boardsim
