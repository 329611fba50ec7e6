#pragma once

#include <QByteArray>

quint32 Line_Checksum(const QByteArray& body);
QByteArray Frame_Command(const QByteArray& body);
bool Check_Line_Checksum(const QByteArray& line);

enum class Reply_Kind { None, Read, Modem_Line, Ok, Identity, Error };
Reply_Kind Classify_Reply(const QByteArray& reply_line, bool modem_line_flag);
