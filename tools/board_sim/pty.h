// The board's end of the line: a pseudo-terminal whose slave side the client opens as its port,
// reached through a symbolic link COM<n> in the ports folder.
#pragma once

#include <QString>

namespace boardsim {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens the master (non-blocking) and the slave, sets the slave raw at 9600 8N1 without
    // echo, and keeps the slave descriptor open until close(): with it open, the master never
    // sees a hang-up when the client closes its port.
    bool open(QString& error);

    // Points link at the slave, replacing any symbolic link of that name atomically.
    bool createLink(const QString& link, QString& error);

    // Removes the link if it still points at this slave, then closes both descriptors.
    void close();

    int masterFd() const { return master_; }
    int slaveFd() const { return slave_; }
    QString slavePath() const { return slavePath_; }
    QString linkPath() const { return link_; }

    // Bytes written to the master that the client has not read yet.
    int unreadByClient() const;

  private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    QString link_;
};

}  // namespace boardsim
