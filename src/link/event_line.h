#pragma once

#include <QByteArray>
#include <optional>

// An event line that the board sends by itself: "EVENT " + name + "," + code + sep + code,
// then ";" checksum ";".
struct Board_Event {
    QByteArray name;
    QByteArray first_code;
    QByteArray second_code;
};

// The event carried by a line, when it starts with "EVENT " and its checksum holds.
std::optional<Board_Event> Parse_Event_Line(const QByteArray& line);
