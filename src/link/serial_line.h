#pragma once

#include <QObject>
#include <QString>

// One open serial line as the program needs it: one-byte writes and reads, discarding pending
// input and output, and the two modem-control lines. Reads never block; a line that has bytes
// to deliver emits readyRead() so that a waiting event loop wakes up.
class Serial_Line : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~Serial_Line() override = default;

    virtual void writeByte(char byte) = 0;
    virtual bool readByte(char& byte) = 0;  // false when nothing is waiting
    virtual void purgeOutput() = 0;
    virtual void purgeInput() = 0;
    virtual void setDtr(bool high) = 0;
    virtual void setRts(bool high) = 0;
    virtual void close() = 0;

  signals:
    void readyRead();
};

enum class Parity { None, Odd, Even, Mark, Space };

// "Odd", "Even", "Mark" and "Space" name their parity; any other text means none.
Parity Parity_From_Text(const QString& text);
