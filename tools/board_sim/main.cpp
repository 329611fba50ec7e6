// board_sim: a simulated LED price board on a pseudo-terminal. See --help.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "board.h"
#include "ledboardwidget.h"
#include "options.h"
#include "pty.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int signo) {
    const int saved = errno;
    const char byte = char(signo);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// SIGINT, SIGTERM and SIGHUP end the event loop, so the link is removed on the way out.
bool watchSignals(QCoreApplication& app) {
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) < 0) {
        return false;
    }
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(s, &sa, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char buffer[16];
        while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        app.exit(0);
    });
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Only the window needs a display: decide the application class before Qt starts.
    bool window = false;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        window = window || std::strcmp(argv[i], "--window") == 0;
        help = help || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 ||
               std::strcmp(argv[i], "-help") == 0;
    }
    std::unique_ptr<QCoreApplication> app;
    if (window && !help) {
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("board_sim"));

    boardsim::Options options;
    QString message;
    switch (boardsim::parseOptions(QCoreApplication::arguments(), options, message)) {
        case boardsim::ParseResult::Help:
            std::fputs(qPrintable(message), stdout);
            return 0;
        case boardsim::ParseResult::Error:
            std::fprintf(stderr, "board_sim: %s\nTry board_sim --help.\n", qPrintable(message));
            return 2;
        case boardsim::ParseResult::Ok:
            break;
    }

    if (!watchSignals(*app)) {
        std::fprintf(stderr, "board_sim: pipe: %s\n", strerror(errno));
        return 1;
    }

    boardsim::PseudoTerminal pty;
    QString error;
    if (!pty.open(error)) {
        std::fprintf(stderr, "board_sim: %s\n", qPrintable(error));
        return 1;
    }
    boardsim::Board board(options, pty);
    QObject::connect(&board, &boardsim::Board::finished, app.get(), &QCoreApplication::exit,
                     Qt::QueuedConnection);
    const QString link =
        QFileInfo(QDir(options.portsDir), QStringLiteral("COM%1").arg(options.com)).absoluteFilePath();
    if (!board.start(error) || !pty.createLink(link, error)) {
        std::fprintf(stderr, "board_sim: %s\n", qPrintable(error));
        return 1;
    }

    std::unique_ptr<boardsim::LedBoardWidget> widget;
    if (options.window) {
        widget = std::make_unique<boardsim::LedBoardWidget>();
        widget->setRows(board.rows());
        widget->setPortText(QStringLiteral("COM%1 = %2").arg(options.com).arg(pty.slavePath()));
        QObject::connect(&board, &boardsim::Board::rowsChanged, widget.get(),
                         &boardsim::LedBoardWidget::setRows);
        widget->show();
    }

    std::printf("READY %s\n", qPrintable(link));
    std::fflush(stdout);

    const int code = app->exec();
    board.shutdown();
    return code;
}
