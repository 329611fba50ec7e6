// Command line of the simulated board.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "protocol.h"

namespace boardsim {

struct Options {
    QString portsDir;
    int com = 5;
    QString logFile;
    QString stateFile;
    bool pace = false;
    int delayMs = 0;
    bool echo = false;
    bool silent = false;
    QSet<Command> silentOn;
    QSet<Command> errorOn;
    bool badChecksum = false;
    QMap<int, QByteArray> changedFields;  // read answer field index (1..32) -> text
    std::optional<QByteArray> rawRead;
    QByteArray identity = "Razaz Arira LED price board (simulated)";
    bool modemLines = false;
    bool garbage = false;
    int eventEveryMs = 0;
    QByteArray eventName = "DOOR";
    bool badEvent = false;
    int dropAfter = 0;  // 0: never
    bool window = false;
    bool verbose = false;
};

enum class ParseResult { Ok, Help, Error };

// Parses arguments (arguments[0] is the program). On Help, message holds the help text;
// on Error, the reason.
ParseResult parseOptions(const QStringList& arguments, Options& options, QString& message);

}  // namespace boardsim
