#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "link/comm_functions.h"

class QTimer;
class QProgressBar;

// The result of the latest command exchange; cleared at the start of every attempt.
struct Exchange_Outcome {
    bool Ok_Received = false;
    bool Error_Received = false;
    bool Read_Received = false;
    bool Identity_Received = false;
    bool Timed_Out = false;
    QByteArray Reply_Line;  // the last received line that was not the echo of the request

    bool decided() const {
        return Ok_Received || Error_Received || Read_Received || Identity_Received || Timed_Out;
    }
    void clear() { *this = Exchange_Outcome(); }
};

// Assembles received bytes into lines that end with CR LF; shared by the reply reader and the
// event listener. A lone CR or LF ends nothing and is dropped from the text. The buffer keeps
// at most kLimit characters of a line that never ends, dropping the oldest.
struct Line_Assembly {
    static constexpr int kLimit = 4096;
    char previous = 0;
    char current = 0;
    QByteArray buffer;

    bool feed(char byte, QByteArray& line);  // true when a line completed; line gets its text
    void clear() { *this = Line_Assembly(); }
};

// What the link needs from the windows: the reply ticker, the listener's timer, the progress
// bar, the dialogs' command panels, the protocol log and the two settings of an exchange.
struct Link_Hooks {
    QTimer* reply_timer = nullptr;     // ticks every 10 ms while a reply is awaited
    QTimer* listener_timer = nullptr;  // the event listener, off during an exchange
    QProgressBar* progress = nullptr;  // 0 to 1000
    std::function<void(const QString&)> show_command;
    std::function<void(const QString&)> protocol_line;
    std::function<int()> attempts;
    std::function<int()> timeout_ms;
};

// The board link: the port handle, the outgoing command line and the exchange of one command
// with its reply, on the GUI thread. While a reply is awaited the event loop keeps running, so
// timers, clicks and change handlers go on.
class Board_Link {
  public:
    Serial_Handle Port_Handle;
    QByteArray Command_Line;
    Exchange_Outcome Outcome;
    Line_Assembly Line;
    int Reply_Elapsed = 0;
    int Reply_Limit = 1000;
    Link_Hooks hooks;

    // Frames Command_Line in place and runs up to Attempts attempts; the caller reads Outcome.
    void Exchange_Command();
    // One tick of the reply ticker (every 10 ms while a reply is awaited).
    void Reply_Timeout_Tick();
    // Drains the port once: every complete non-empty line goes to the protocol log and to on_line.
    void Listen(const std::function<void(const QByteArray&)>& on_line);

    // Settings from a hand-edited file may be out of range; an exchange needs at least one
    // attempt and a positive time-out.
    int effectiveAttempts() const;
    int effectiveTimeout() const;

  private:
    void Read_Reply();
    void classify(const QByteArray& line, bool& modem_line);
    int progressValue() const;
    void setProgress(int value);
};

// Rounds a non-negative ratio to the nearest integer, a half to the even neighbour.
int Round_Half_Even(double value);
