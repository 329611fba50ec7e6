#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "main/program.h"

// A program folder in a scratch directory, with the windows created as the program creates them.
// The folder always holds a "ports" folder, so no port name can lead to a real device; with
// memory_ports the in-memory registry stands in for every port instead.
class Program_Fixture {
  public:
    explicit Program_Fixture(bool memory_ports = true);
    ~Program_Fixture();

    QString dir() const { return dir_.path() + QLatin1Char('/'); }
    QString path(const QString& name) const { return dir() + name; }
    QString portsDir() const { return dir() + QStringLiteral("ports"); }

    // Runs the event loop until the one-shot start-up step has run.
    void start();

    std::unique_ptr<Program> program;
    TForm1* form1() const { return program->Form1.get(); }

  private:
    QTemporaryDir dir_;
};

// Closes every modal window that opens while it lives (message boxes, error dialogs) and
// records their texts, the way an operator would press OK.
class Modal_Closer : public QObject {
  public:
    Modal_Closer();
    QStringList seen;  // window title and text of each modal closed
  private:
    void poll();
    QTimer timer_;
};

// The simulated board, run as a child process on a pseudo-terminal linked as ports/COM<n>.
class Board_Sim {
  public:
    Board_Sim(const QString& ports_dir, int com, const QStringList& options = {});
    ~Board_Sim();
    bool ready() const { return ready_; }
    QString logPath() const { return log_; }
    QList<QByteArray> received() const;  // every request line the board received
    void stop();

  private:
    QProcess process_;
    QString log_;
    bool ready_ = false;
};

// A small tmpfs mounted on a folder for as long as it lives, which can be made read-only: root
// ignores a folder's permission bits, a read-only mount it cannot. mounted() is false where the
// process may not mount; a test then skips.
class Scratch_Mount {
  public:
    explicit Scratch_Mount(const QString& path);
    ~Scratch_Mount();
    bool mounted() const { return mounted_; }
    bool makeReadOnly();

  private:
    QString path_;
    bool mounted_ = false;
};

// Runs the start-up step and leaves a clean slate for an operation against the board: no modal
// windows or notices recorded, one attempt with a short time-out.
void Start_For_Board_Tests(Program_Fixture& fx, Modal_Closer& closer);

// A whole file's bytes (empty when it cannot be read), and writing them.
QByteArray Read_All(const QString& path);
void Write_All(const QString& path, const QByteArray& bytes);

// Runs the event loop for ms milliseconds.
void Spin_Events(int ms);
