#include "link/board_link.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTimer>
#include <cmath>

#include "link/framing.h"

bool Line_Assembly::feed(char byte, QByteArray& line) {
    previous = current;
    current = byte;
    if (byte != '\r' && byte != '\n') {
        if (buffer.size() >= kLimit)
            buffer.remove(0, buffer.size() - kLimit + 1);
        buffer.append(byte);
    }
    if (previous == '\r' && current == '\n') {
        line = buffer;
        buffer.clear();
        return true;
    }
    return false;
}

int Round_Half_Even(double value) {
    return static_cast<int>(std::nearbyint(value));
}

int Board_Link::effectiveAttempts() const {
    const int a = hooks.attempts ? hooks.attempts() : 1;
    return a < 1 ? 1 : a;
}

int Board_Link::effectiveTimeout() const {
    const int t = hooks.timeout_ms ? hooks.timeout_ms() : 1000;
    return t <= 0 ? 1000 : t;
}

int Board_Link::progressValue() const {
    return hooks.progress ? hooks.progress->value() : 0;
}

void Board_Link::setProgress(int value) {
    if (hooks.progress)
        hooks.progress->setValue(value > 1000 ? 1000 : value);
}

void Board_Link::Exchange_Command() {
    if (hooks.listener_timer)
        hooks.listener_timer->stop();
    Command_Line = Frame_Command(Command_Line);
    const QString shown = QString::fromLatin1(Command_Line.chopped(2));
    int left = effectiveAttempts();
    for (;;) {
        --left;
        Reply_Limit = effectiveTimeout();
        Outcome.clear();
        Line.clear();
        setProgress(0);
        if (hooks.show_command)
            hooks.show_command(shown);
        Write_Command(Port_Handle, Command_Line);
        Read_Reply();
        if (!Outcome.Timed_Out && !Outcome.Error_Received)
            break;
        if (left <= 0)
            break;
    }
    if (hooks.listener_timer)
        hooks.listener_timer->start();
}

void Board_Link::Read_Reply() {
    Reply_Elapsed = 0;
    if (hooks.reply_timer)
        hooks.reply_timer->start();
    bool modem_line = false;
    const QByteArray request = Command_Line.chopped(2);
    while (!Outcome.decided()) {
        char byte = 0;
        if (Read_Byte(Port_Handle, byte)) {
            QByteArray line;
            if (Line.feed(byte, line)) {
                if (line != request)
                    Outcome.Reply_Line = line;
                if (hooks.protocol_line)
                    hooks.protocol_line(QString::fromLatin1(line));
                classify(Outcome.Reply_Line, modem_line);
            }
            QCoreApplication::processEvents();
        } else {
            // Nothing waiting: sleep in the event loop until a byte, a tick or a GUI event comes.
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        if (!hooks.reply_timer && !Outcome.decided()) {
            // Without a ticker there is no time-out to wait for.
            Outcome.Timed_Out = true;
        }
    }
}

void Board_Link::classify(const QByteArray& line, bool& modem_line) {
    switch (Classify_Reply(line, modem_line)) {
        case Reply_Kind::Read:
            Outcome.Read_Received = true;
            if (hooks.reply_timer)
                hooks.reply_timer->stop();
            break;
        case Reply_Kind::Modem_Line:
            modem_line = true;
            break;
        case Reply_Kind::Ok:
            Outcome.Ok_Received = true;
            if (hooks.reply_timer)
                hooks.reply_timer->stop();
            break;
        case Reply_Kind::Identity:
            Outcome.Identity_Received = true;
            if (hooks.reply_timer)
                hooks.reply_timer->stop();
            setProgress(1000);
            break;
        case Reply_Kind::Error:
            Outcome.Error_Received = true;
            if (hooks.reply_timer)
                hooks.reply_timer->stop();
            break;
        case Reply_Kind::None:
            break;
    }
}

void Board_Link::Reply_Timeout_Tick() {
    const int interval = hooks.reply_timer ? hooks.reply_timer->interval() : 10;
    Reply_Elapsed += interval;
    if (progressValue() < 850)
        setProgress(progressValue() + 5 * Round_Half_Even(interval * 1000.0 / Reply_Limit));
    if (Reply_Elapsed > Reply_Limit) {
        if (hooks.reply_timer)
            hooks.reply_timer->stop();
        Outcome.Timed_Out = true;
    }
}

void Board_Link::Listen(const std::function<void(const QByteArray&)>& on_line) {
    char byte = 0;
    while (Read_Byte(Port_Handle, byte)) {
        QByteArray line;
        if (!Line.feed(byte, line))
            continue;
        if (!line.isEmpty() && hooks.protocol_line)
            hooks.protocol_line(QString::fromLatin1(line));
        if (on_line)
            on_line(line);
        QCoreApplication::processEvents();
    }
}
