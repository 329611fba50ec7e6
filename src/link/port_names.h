#pragma once

#include <QString>
#include <QStringList>

// Where the names COM1 to COM256 lead.
//
// On Windows a name is the system's own port. Elsewhere, when a folder "ports" stands in the
// program's folder it alone defines the names: an entry "ports/COMn" (usually a symbolic link to
// a device) is port COMn, and a name without an entry does not exist. Without that folder a fixed
// table applies: COM1 and COM2 are /dev/ttyS0 and /dev/ttyS1, then come the USB converters
// /dev/ttyUSB* and /dev/ttyACM* in number order, then the remaining /dev/ttyS*.
struct Port_Names {
    // The device path for a port name, or an empty text when the name leads nowhere.
    static QString devicePath(const QString& port_name, const QString& program_dir);

    // The default table's devices from COM3 on, given what /dev holds (for the table above).
    static QStringList defaultOrderFrom(const QStringList& dev_entries);
};
