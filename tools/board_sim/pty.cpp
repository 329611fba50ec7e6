#include "pty.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace boardsim {

namespace {

QString errnoText(const char* what) {
    return QStringLiteral("%1: %2").arg(what, strerror(errno));
}

}  // namespace

PseudoTerminal::~PseudoTerminal() {
    close();
}

bool PseudoTerminal::open(QString& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = errnoText("posix_openpt");
        return false;
    }
    if (fcntl(master_, F_SETFD, FD_CLOEXEC) < 0 ||
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) < 0) {
        error = errnoText("fcntl on the master");
        close();
        return false;
    }
    if (grantpt(master_) < 0 || unlockpt(master_) < 0) {
        error = errnoText("grantpt/unlockpt");
        close();
        return false;
    }
    const char* name = ptsname(master_);
    if (!name) {
        error = errnoText("ptsname");
        close();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0) {
        error = errnoText("open of the slave");
        close();
        return false;
    }
    termios t{};
    if (tcgetattr(slave_, &t) < 0) {
        error = errnoText("tcgetattr");
        close();
        return false;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    if (tcsetattr(slave_, TCSANOW, &t) < 0) {
        error = errnoText("tcsetattr");
        close();
        return false;
    }
    return true;
}

bool PseudoTerminal::createLink(const QString& link, QString& error) {
    const QFileInfo info(link);
    if (!QDir().mkpath(info.absolutePath())) {
        error = QStringLiteral("cannot create folder %1").arg(info.absolutePath());
        return false;
    }
    struct stat st {};
    const QByteArray linkName = QFile::encodeName(link);
    if (lstat(linkName.constData(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = QStringLiteral("%1 exists and is not a symbolic link").arg(link);
        return false;
    }
    // Build the new link beside the old one and rename it over: the name never goes missing.
    const QByteArray temp = linkName + ".tmp" + QByteArray::number(getpid());
    ::unlink(temp.constData());
    if (symlink(QFile::encodeName(slavePath_).constData(), temp.constData()) < 0) {
        error = errnoText("symlink");
        return false;
    }
    if (rename(temp.constData(), linkName.constData()) < 0) {
        error = errnoText("rename of the link");
        ::unlink(temp.constData());
        return false;
    }
    link_ = link;
    return true;
}

void PseudoTerminal::close() {
    if (!link_.isEmpty()) {
        // Another simulator may have taken the name over since: leave its link alone.
        if (QFile::symLinkTarget(link_) == slavePath_) {
            ::unlink(QFile::encodeName(link_).constData());
        }
        link_.clear();
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

int PseudoTerminal::unreadByClient() const {
    int n = 0;
    if (slave_ < 0 || ioctl(slave_, TIOCINQ, &n) < 0) {
        return 0;
    }
    return n;
}

}  // namespace boardsim
