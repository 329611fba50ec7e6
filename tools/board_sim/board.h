// The simulated board: assembles request lines from the pseudo-terminal, answers them as the
// price board does (with the misbehaviours chosen on the command line) and keeps what it was sent.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include "options.h"
#include "pty.h"

class QSocketNotifier;

namespace boardsim {

class Board : public QObject {
    Q_OBJECT
  public:
    static constexpr qsizetype kLineCap = 4096;
    static constexpr qsizetype kEventBacklogCap = 1024;

    Board(const Options& options, PseudoTerminal& pty, QObject* parent = nullptr);
    ~Board() override;

    // Opens the log and starts listening on the master.
    bool start(QString& error);
    // Stops all I/O and closes the pseudo-terminal (removing the link).
    void shutdown();

    const QByteArrayList& rows() const { return rows_; }

  signals:
    void rowsChanged(const QByteArrayList& rows);
    // The line was dropped after --drop-after requests; the program should end with code.
    void finished(int code);

  private:
    void onReadable();
    void feed(const char* data, qsizetype size);
    void onLine(const QByteArray& line);
    void processNext();
    void finishRequest();
    std::optional<QByteArray> replyTo(const QByteArray& line);
    QByteArray readAnswer() const;
    void writeState();

    void queue(const QByteArray& bytes);
    void pump();
    bool writeOut(qsizetype count);
    void onWritable();
    void sendEvent();
    void startDrop();
    void checkDrained();
    void trace(const char* direction, const QByteArray& bytes) const;

    const Options& opt_;
    PseudoTerminal& pty_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    QFile log_;

    // Stored content.
    QByteArrayList rows_;
    QByteArrayList settings_;
    QByteArrayList eventData_;

    // Line assembly.
    QByteArray lineBuffer_;
    int previous_ = -1;
    int current_ = -1;

    // Request processing, one at a time, in arrival order.
    QQueue<QByteArray> pending_;
    QByteArray inProgress_;
    bool busy_ = false;
    int accepted_ = 0;  // request lines taken for handling (bounded by --drop-after)
    int handled_ = 0;

    // Output: whole lines are queued, bytes leave at once or paced at 9600 baud.
    QByteArray out_;
    bool blocked_ = false;
    QElapsedTimer clock_;
    qint64 paceBaseNs_ = 0;
    qint64 pacedSinceBase_ = 0;
    QTimer paceTimer_;
    qint64 lastWriteNs_ = 0;

    QTimer eventTimer_;
    int eventCount_ = 0;

    bool dropping_ = false;
    QTimer drainTimer_;
    qint64 drainStartNs_ = -1;
    int quietPolls_ = 0;
};

}  // namespace boardsim
