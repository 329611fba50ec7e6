// Line protocol of the price board: framing, checksums and the parsing of requests.
// Pure functions over byte arrays; no port, no clock, no file.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <optional>

namespace boardsim {

inline constexpr int kRowCount = 10;
inline constexpr int kSettingCount = 19;
inline constexpr int kReadFieldCount = 32;

// Sum of the byte values (0..255) of every byte of body.
quint32 checksum(QByteArrayView body);

// body ";" checksum ";" CR LF. With bad set, the checksum is one too high.
QByteArray frame(QByteArrayView body, bool bad = false);

// text CR LF: the replies "OK", "ERROR" and the identity line carry no checksum part.
QByteArray plainLine(QByteArrayView text);

enum class Command { Who, Send, Sets, Read, Unknown };

// "WHO", "SEND", "SETS", "READ" (case-insensitive, an optional trailing "=" allowed).
std::optional<Command> commandFromName(QByteArrayView name);
const char* commandName(Command c);

struct Request {
    Command command = Command::Unknown;
    QByteArray body;      // everything before the first ";"
    QByteArray payload;   // body less the command prefix ("SEND=" ...), empty for Unknown
    bool framed = false;  // body ";" decimal checksum ";" and nothing after it
    bool checksumOk = false;
};

// Splits one received line (without CR LF). The command is taken from the body's prefix even
// when the framing or the checksum is wrong, so that per-command behaviour applies to them too.
Request parseRequest(const QByteArray& line);

// count fields, each followed by ",", and nothing after the last ",". Empty fields are kept.
std::optional<QByteArrayList> splitFields(QByteArrayView payload, int count);

// An optional "-" and at least one decimal digit.
bool isDecimalInteger(QByteArrayView field);

// "READ=" followed by each field and ",".
QByteArray readAnswerBody(const QByteArrayList& fields);

// "EVENT " name "," code1 "," code2.
QByteArray eventBody(QByteArrayView name, char code1, char code2);

}  // namespace boardsim
