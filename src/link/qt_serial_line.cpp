#include "link/qt_serial_line.h"

Qt_Serial_Line::Qt_Serial_Line() {
    connect(&port_, &QSerialPort::readyRead, this, &Serial_Line::readyRead);
}

std::unique_ptr<Qt_Serial_Line> Qt_Serial_Line::open(const QString& device_path, int baud, Parity parity) {
    if (device_path.isEmpty())
        return nullptr;
    std::unique_ptr<Qt_Serial_Line> line(new Qt_Serial_Line);
    QSerialPort& p = line->port_;
    p.setPortName(device_path);
    if (!p.open(QIODevice::ReadWrite))
        return nullptr;
    // Results of the line settings are not acted on: a pseudo-terminal refuses some of them and
    // still carries the bytes.
    p.setBaudRate(baud);
    p.setDataBits(QSerialPort::Data8);
    switch (parity) {
        case Parity::Odd:
            p.setParity(QSerialPort::OddParity);
            break;
        case Parity::Even:
            p.setParity(QSerialPort::EvenParity);
            break;
        case Parity::Mark:
            p.setParity(QSerialPort::MarkParity);
            break;
        case Parity::Space:
            p.setParity(QSerialPort::SpaceParity);
            break;
        case Parity::None:
            p.setParity(QSerialPort::NoParity);
            break;
    }
    p.setStopBits(QSerialPort::OneStop);
    p.setFlowControl(QSerialPort::NoFlowControl);
    p.setReadBufferSize(2048);
    return line;
}

void Qt_Serial_Line::writeByte(char byte) {
    port_.putChar(byte);
    port_.flush();  // one byte, one write to the device
}

bool Qt_Serial_Line::readByte(char& byte) {
    if (port_.bytesAvailable() <= 0)
        return false;
    return port_.getChar(&byte);
}

void Qt_Serial_Line::purgeOutput() {
    port_.clear(QSerialPort::Output);
}
void Qt_Serial_Line::purgeInput() {
    port_.clear(QSerialPort::Input);
}
void Qt_Serial_Line::setDtr(bool high) {
    port_.setDataTerminalReady(high);
}
void Qt_Serial_Line::setRts(bool high) {
    port_.setRequestToSend(high);
}
void Qt_Serial_Line::close() {
    port_.close();
}
