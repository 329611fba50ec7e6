#pragma once

#include <QByteArray>
#include <QtGlobal>

// A line on the board's serial link, in both directions, is a body, ";", the decimal sum of the body's
// byte values, ";", then CR LF.

// The sum of the byte values (0 to 255 each) of body.
quint32 Line_Checksum(const QByteArray& body);

// The line as it goes on the wire: body ";" sum ";" CR LF.
QByteArray Frame_Command(const QByteArray& body);

// Whether a line from the board carries a valid checksum: the sum runs from the first character (which
// always counts, even a ";") up to the first ";" after it, and the text between that ";" and the next
// must be a decimal integer equal to the sum.
bool Check_Line_Checksum(const QByteArray& line);

// What a received line means while a reply is awaited. modem_line_flag is set once a modem's answer line
// was seen during the current wait; an "OK" or an identity line after it belongs to the modem.
enum class Reply_Kind { None, Read, Modem_Line, Ok, Identity, Error };

Reply_Kind Classify_Reply(const QByteArray& reply_line, bool modem_line_flag);
