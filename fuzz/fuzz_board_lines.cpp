// A line from the board: the checksum test, the reply classification, the event line and the
// read answer's grammar and settings check.
#include <cstddef>
#include <cstdint>

#include "link/event_line.h"
#include "link/framing.h"
#include "operations/read_answer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check_Line_Checksum(line);
    Classify_Reply(line, false);
    Classify_Reply(line, true);
    Parse_Event_Line(line);
    Board_Field_Array fields;
    if (Parse_Read_Fields(line, fields) == Answer_Grammar::Valid)
        Settings_Fields_Usable(fields);
    return 0;
}
