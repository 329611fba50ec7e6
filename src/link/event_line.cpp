#include "link/event_line.h"

#include "link/framing.h"

std::optional<Board_Event> Parse_Event_Line(const QByteArray& line) {
    if (!line.startsWith("EVENT ") || !Check_Line_Checksum(line))
        return std::nullopt;
    Board_Event e;
    // The name runs from position 7 to the first "," after it, taking at least position 7.
    int comma = line.indexOf(',', 7);
    if (comma < 0)
        comma = line.size();
    e.name = line.mid(6, comma - 6);
    e.first_code = line.mid(comma + 1, 1);
    e.second_code = line.mid(comma + 3, 1);
    return e;
}
