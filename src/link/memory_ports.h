#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "link/serial_line.h"

// In-memory serial devices for tests: a registry of named devices that the port functions open
// instead of real ones while it is installed. A device records everything done to it (one-byte
// writes, purges, modem lines) and answers each complete line written to it through its script.
class Memory_Device {
  public:
    // Given a line written to the device (without CR LF), the bytes it answers; empty for silence.
    using Script = std::function<QByteArray(const QByteArray& line)>;

    explicit Memory_Device(Script script = {}) : script(std::move(script)) {}

    Script script;
    QList<QString> actions;   // "open", "write <byte>", "purge output", "purge input", "dtr 1", ...
    QByteArray written;       // every byte written since creation
    QList<QByteArray> lines;  // every complete line written, without CR LF
    bool dtr = false, rts = false, open = false;
    int opens = 0;

    void deliver(const QByteArray& bytes);  // bytes that arrive from the device's side
    QByteArray pending;                     // bytes waiting to be read
    class Memory_Line* attached = nullptr;
};

class Memory_Line : public Serial_Line {
    Q_OBJECT
  public:
    explicit Memory_Line(std::shared_ptr<Memory_Device> device);
    ~Memory_Line() override;

    void writeByte(char byte) override;
    bool readByte(char& byte) override;
    void purgeOutput() override;
    void purgeInput() override;
    void setDtr(bool high) override;
    void setRts(bool high) override;
    void close() override;

    void notify();

  private:
    std::shared_ptr<Memory_Device> device_;
    QByteArray partial_;
};

class Memory_Ports {
  public:
    // While installed, port names are looked up here only: a name that is not registered does not exist.
    static void install();
    static void uninstall();
    static bool installed();
    static void clear();

    static std::shared_ptr<Memory_Device> add(const QString& name, Memory_Device::Script script = {});
    static std::shared_ptr<Memory_Device> device(const QString& name);
    static QStringList opened();  // every name opened since install(), in order

    static std::unique_ptr<Serial_Line> open(const QString& name);
};
