#include "link/comm_functions.h"

#include "link/memory_ports.h"
#include "link/port_names.h"
#include "link/qt_serial_line.h"

Serial_Handle Open_Port(const QString& port_name, const QString& baud_text, const QString& parity_text,
                        const QString& program_dir) {
    Serial_Handle handle;
    bool numeric = false;
    int baud = baud_text.toInt(&numeric);
    if (!numeric || baud <= 0)
        baud = 9600;  // the program always passes "9600"
    const Parity parity = Parity_From_Text(parity_text);
    if (Memory_Ports::installed()) {
        handle.line = Memory_Ports::open(port_name);
    } else {
        handle.line = Qt_Serial_Line::open(Port_Names::devicePath(port_name, program_dir), baud, parity);
    }
    if (!handle.line) {
        handle.state = Serial_Handle::State::Invalid;
        return handle;
    }
    handle.state = Serial_Handle::State::Valid;
    handle.line->setRts(true);
    handle.line->setDtr(true);
    return handle;
}

void Close_Port(Serial_Handle& handle) {
    if (handle.line) {
        handle.line->setDtr(false);
        handle.line->setRts(false);
        handle.line->purgeInput();
        handle.line->close();
        handle.line.reset();
    }
    handle.state = Serial_Handle::State::Zero;
}

void Write_Command(Serial_Handle& handle, const QByteArray& command_line) {
    if (!handle.line)
        return;
    handle.line->purgeOutput();
    handle.line->purgeInput();
    for (char c : command_line)
        handle.line->writeByte(c);
}

bool Read_Byte(Serial_Handle& handle, char& byte) {
    return handle.line && handle.line->readByte(byte);
}
