#include "link/memory_ports.h"

#include <QTimer>

namespace {
bool g_installed = false;
QHash<QString, std::shared_ptr<Memory_Device>>& registry() {
    static QHash<QString, std::shared_ptr<Memory_Device>> r;
    return r;
}
QStringList& openedNames() {
    static QStringList names;
    return names;
}
}  // namespace

void Memory_Device::deliver(const QByteArray& bytes) {
    pending.append(bytes);
    if (attached)
        attached->notify();
}

Memory_Line::Memory_Line(std::shared_ptr<Memory_Device> device) : device_(std::move(device)) {
    device_->attached = this;
    device_->open = true;
    device_->opens++;
    device_->actions << QStringLiteral("open");
}

Memory_Line::~Memory_Line() {
    if (device_->attached == this)
        device_->attached = nullptr;
}

void Memory_Line::notify() {
    // Wake a waiting event loop the way a real device's notifier would.
    QTimer::singleShot(0, this, [this] { emit readyRead(); });
}

void Memory_Line::writeByte(char byte) {
    if (!device_->open)
        return;
    device_->written.append(byte);
    device_->actions << QStringLiteral("write %1").arg(static_cast<int>(static_cast<unsigned char>(byte)));
    partial_.append(byte);
    if (partial_.endsWith("\r\n")) {
        const QByteArray line = partial_.chopped(2);
        partial_.clear();
        device_->lines.append(line);
        if (device_->script) {
            const QByteArray answer = device_->script(line);
            if (!answer.isEmpty())
                device_->deliver(answer);
        }
    }
}

bool Memory_Line::readByte(char& byte) {
    if (!device_->open || device_->pending.isEmpty())
        return false;
    byte = device_->pending.at(0);
    device_->pending.remove(0, 1);
    return true;
}

void Memory_Line::purgeOutput() {
    device_->actions << QStringLiteral("purge output");
}
void Memory_Line::purgeInput() {
    device_->actions << QStringLiteral("purge input");
    device_->pending.clear();
}
void Memory_Line::setDtr(bool high) {
    device_->dtr = high;
    device_->actions << QStringLiteral("dtr %1").arg(high ? 1 : 0);
}
void Memory_Line::setRts(bool high) {
    device_->rts = high;
    device_->actions << QStringLiteral("rts %1").arg(high ? 1 : 0);
}
void Memory_Line::close() {
    device_->open = false;
    device_->actions << QStringLiteral("close");
}

void Memory_Ports::install() {
    g_installed = true;
    openedNames().clear();
}
void Memory_Ports::uninstall() {
    g_installed = false;
    clear();
}
bool Memory_Ports::installed() {
    return g_installed;
}
void Memory_Ports::clear() {
    registry().clear();
    openedNames().clear();
}

std::shared_ptr<Memory_Device> Memory_Ports::add(const QString& name, Memory_Device::Script script) {
    auto d = std::make_shared<Memory_Device>(std::move(script));
    registry().insert(name, d);
    return d;
}

std::shared_ptr<Memory_Device> Memory_Ports::device(const QString& name) {
    return registry().value(name);
}

QStringList Memory_Ports::opened() {
    return openedNames();
}

std::unique_ptr<Serial_Line> Memory_Ports::open(const QString& name) {
    openedNames() << name;
    auto d = registry().value(name);
    if (!d || d->open)
        return nullptr;  // absent, or busy
    return std::make_unique<Memory_Line>(d);
}
