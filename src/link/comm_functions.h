#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "link/serial_line.h"

// The program's one serial port handle. Three states: zero (no port: at start and after
// Close_Port), invalid (the last open failed) and valid. Every function below accepts all three;
// with zero or invalid, reads and writes move no bytes.
struct Serial_Handle {
    enum class State { Zero, Invalid, Valid };
    State state = State::Zero;
    std::unique_ptr<Serial_Line> line;

    bool isZero() const { return state == State::Zero; }
    bool isInvalid() const { return state == State::Invalid; }
    bool isValid() const { return state == State::Valid; }
};

// Opens the named port ("COM1" to "COM256") at the given baud (decimal text) and parity name,
// 8 data bits, one stop bit, no flow control, then raises RTS and DTR. Names are resolved as
// Port_Names says, or in the in-memory registry while that is installed.
Serial_Handle Open_Port(const QString& port_name, const QString& baud_text, const QString& parity_text,
                        const QString& program_dir);

// Lowers DTR and RTS, discards pending input, closes the port; the handle ends at zero.
void Close_Port(Serial_Handle& handle);

// Discards pending output, then pending input, then writes the line one byte at a time.
void Write_Command(Serial_Handle& handle, const QByteArray& command_line);

// Takes one received byte if one is waiting; never blocks.
bool Read_Byte(Serial_Handle& handle, char& byte);
