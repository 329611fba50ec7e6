#pragma once

#include <QSerialPort>
#include <memory>

#include "link/serial_line.h"

// The real serial line, on QSerialPort.
class Qt_Serial_Line : public Serial_Line {
    Q_OBJECT
  public:
    // Opens the device at 8 data bits, one stop bit, no flow control; nullptr when it cannot be opened.
    static std::unique_ptr<Qt_Serial_Line> open(const QString& device_path, int baud, Parity parity);

    void writeByte(char byte) override;
    bool readByte(char& byte) override;
    void purgeOutput() override;
    void purgeInput() override;
    void setDtr(bool high) override;
    void setRts(bool high) override;
    void close() override;

  private:
    Qt_Serial_Line();
    QSerialPort port_;
};
