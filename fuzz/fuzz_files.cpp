// The files that other programs or a hand may write: the settings file, the data file and the
// schedule file, and a round trip of the settings file's bytes.
#include <QDate>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "brightness/schedule.h"
#include "persistence/data_file_format.h"
#include "persistence/ini_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Ini_Document ini = Ini_Document::parse(bytes);
    if (ini.serialize() != bytes)
        std::abort();  // what was read is written back unchanged
    ini.integer("Settings", "Attempts");
    ini.boolean("Tablo", "1st_Currency");
    ini.eraseSection("Settings");
    ini.setText("Controller", "Morning_Time", "07:30:00");
    Ini_Document::parse(ini.serialize()).text("Controller", "Morning_Time");
    Data_File_Lines(bytes);
    Shedule_Lookup_Lines(Split_Schedule_Lines(bytes), QDate(2026, 5, 14), -127, 128);
    return 0;
}
