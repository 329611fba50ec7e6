#include "options.h"

#include <QCommandLineParser>

namespace boardsim {

namespace {

const char* const kDescription =
    R"(Simulated LED price board: answers the board's line protocol on a pseudo-terminal.

On start it links <ports-dir>/COM<n> to the pseudo-terminal's slave side (/dev/pts/N),
replacing a symbolic link of that name, and then prints one line to stdout:
  READY <absolute path of the link>
Wait for that line before opening the port. Nothing else goes to stdout; diagnostics go to
stderr. The link is removed on exit (SIGINT, SIGTERM, SIGHUP, --drop-after, window closed).
The simulator holds the slave open itself, so a client may close and reopen the port at will.
Exit status: 0 normal end, 1 start-up failure, 2 bad command line.

Requests are "body;checksum;" CR LF, the checksum the decimal byte sum of the body:
  WHO=                 the identity line (--identity), no checksum part
  SEND=v1,...,v10,     OK, the ten values stored exactly as sent; ERROR when there are
                       not exactly ten fields each followed by ","
  SETS=n1,...,n19,     OK, the 19 integers stored; ERROR when not 19 integers each
                       followed by ","
  READ=                READ=f1,...,f32,;checksum; with fields 1-10 the rows (initially
                       0.000), 11-13 event data (always 0,0,0), 14-32 the settings in
                       SETS order (initially 0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,10,0,1,1)
  anything else        ERROR; so is a wrong checksum, one with leading zeros, or bytes
                       after the closing ";"
OK and ERROR end in CR LF without a checksum part. A line ends at CR LF; a lone CR or LF
is dropped. Lines are capped at 4096 bytes (the oldest bytes go). Every complete line,
even an empty one, is one request.

One request at a time, in arrival order: log it; with --echo send it back; wait --delay;
stay silent under --silent / --silent-on; answer ERROR under --error-on; otherwise answer
as above. --modem-lines and --garbage lines come right before the answer.

--log FILE: every complete received line, exactly the bytes received less CR LF, is
appended as one line ending in LF and flushed at once.
--state FILE: after each accepted SEND or SETS the file is replaced atomically by
  row1=VALUE ... row10=VALUE      (ten lines, the values as stored)
  settings=N1,N2,...,N19          (one line, no trailing comma)
each line ending in LF.)";

struct OptionInfo {
    const char* name;
    const char* valueName;  // nullptr for a flag
    const char* help;
};

const OptionInfo kOptionList[] = {
    {"ports-dir", "DIR", "Folder of the port link (required; created when missing)."},
    {"com", "N", "Port number: the link is DIR/COM<N>, N 1..256 (default 5)."},
    {"log", "FILE", "Append every received line to FILE (see above)."},
    {"state", "FILE", "Write rows and settings to FILE after each accepted SEND or SETS."},
    {"pace", nullptr, "Send at 9600 baud 8N1: one byte every 1/960 s, N bytes take N x 1.0417 ms, no drift."},
    {"delay", "MS", "Processing delay before each answer, in ms (default 0)."},
    {"echo", nullptr, "Send each request line back, as received with CR LF, before answering."},
    {"silent", nullptr, "Never answer nor echo anything (events are still sent if asked for)."},
    {"silent-on", "CMD", "Do not answer CMD (WHO, SEND, SETS or READ). Repeatable."},
    {"error-on", "CMD", "Answer ERROR to CMD without storing anything. Repeatable."},
    {"bad-checksum", nullptr, "The READ answer's checksum is one too high."},
    {"change-field", "I=TEXT",
     "Field I (1..32) of the READ answer reports TEXT instead of the stored value; the "
     "checksum matches the changed text. Repeatable."},
    {"raw-read", "TEXT",
     "Answer READ= with the body TEXT (the whole body, e.g. \"READ=1,2,\") and its checksum "
     "(one too high with --bad-checksum). If TEXT holds a \";\" it is sent as given, "
     "followed only by CR LF. --change-field does not apply to it."},
    {"identity", "TEXT", "Identity line (default \"Razaz Arira LED price board (simulated)\")."},
    {"modem-lines", nullptr,
     "Before each answer send +CCLK: \"26/12/11,10:00:00+00\" CR LF and OK CR LF, as a GSM "
     "modem answers."},
    {"garbage", nullptr,
     "Before each answer send random printable bytes ending in a lone LF, then a random "
     "printable line ending in CR LF; the answer follows as a line of its own."},
    {"event-every", "MS",
     "Send an unsolicited event line every MS ms: EVENT <name>,<c1>,0;checksum; CR LF, c1 "
     "alternating 1 and 0. An event is skipped while more than 1 KiB wait unread (nobody "
     "listening), so a client that opens the port late finds at most that much."},
    {"event-name", "NAME", "Event name for --event-every (default DOOR)."},
    {"bad-event", nullptr, "Event lines carry a checksum one too high."},
    {"drop-after", "N",
     "After N requests were handled (answered, or ignored under --silent/--silent-on), wait "
     "until the answer is sent and read by the client (at most 1 s), remove the link, close "
     "the pseudo-terminal and exit with status 0. Later requests are logged but not handled."},
    {"window", nullptr,
     "Show a window with the ten rows as LED digits (needs a display or QT_QPA_PLATFORM)."},
    {"verbose", nullptr, "Trace received and sent lines on stderr."},
};

bool parseInt(const QString& text, int min, int max, int& out) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max) {
        return false;
    }
    out = v;
    return true;
}

bool parseCommands(const QStringList& names, QSet<Command>& out, QString& message) {
    for (const QString& n : names) {
        const auto c = commandFromName(n.toUtf8());
        if (!c) {
            message = QStringLiteral("unknown command \"%1\" (WHO, SEND, SETS or READ)").arg(n);
            return false;
        }
        out.insert(*c);
    }
    return true;
}

}  // namespace

ParseResult parseOptions(const QStringList& arguments, Options& options, QString& message) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help.");
    parser.addOption(help);
    for (const OptionInfo& s : kOptionList) {
        if (s.valueName) {
            parser.addOption(QCommandLineOption(s.name, s.help, s.valueName));
        } else {
            parser.addOption(QCommandLineOption(s.name, s.help));
        }
    }

    if (!parser.parse(arguments)) {
        message = parser.errorText();
        return ParseResult::Error;
    }
    if (parser.isSet(help)) {
        message = parser.helpText();
        return ParseResult::Help;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return ParseResult::Error;
    }

    options.portsDir = parser.value("ports-dir");
    if (options.portsDir.isEmpty()) {
        message = QStringLiteral("--ports-dir is required");
        return ParseResult::Error;
    }
    if (parser.isSet("com") && !parseInt(parser.value("com"), 1, 256, options.com)) {
        message = QStringLiteral("--com needs a number from 1 to 256");
        return ParseResult::Error;
    }
    options.logFile = parser.value("log");
    options.stateFile = parser.value("state");
    options.pace = parser.isSet("pace");
    if (parser.isSet("delay") && !parseInt(parser.value("delay"), 0, 3600000, options.delayMs)) {
        message = QStringLiteral("--delay needs a number of milliseconds, 0 or more");
        return ParseResult::Error;
    }
    options.echo = parser.isSet("echo");
    options.silent = parser.isSet("silent");
    if (!parseCommands(parser.values("silent-on"), options.silentOn, message) ||
        !parseCommands(parser.values("error-on"), options.errorOn, message)) {
        return ParseResult::Error;
    }
    options.badChecksum = parser.isSet("bad-checksum");
    for (const QString& v : parser.values("change-field")) {
        const qsizetype eq = v.indexOf('=');
        int index = 0;
        if (eq < 0 || !parseInt(v.left(eq), 1, kReadFieldCount, index)) {
            message = QStringLiteral("--change-field needs I=TEXT with I from 1 to 32, got \"%1\"").arg(v);
            return ParseResult::Error;
        }
        options.changedFields[index] = v.mid(eq + 1).toUtf8();
    }
    if (parser.isSet("raw-read")) {
        options.rawRead = parser.value("raw-read").toUtf8();
    }
    if (parser.isSet("identity")) {
        options.identity = parser.value("identity").toUtf8();
    }
    options.modemLines = parser.isSet("modem-lines");
    options.garbage = parser.isSet("garbage");
    if (parser.isSet("event-every") &&
        !parseInt(parser.value("event-every"), 1, 86400000, options.eventEveryMs)) {
        message = QStringLiteral("--event-every needs a number of milliseconds, 1 or more");
        return ParseResult::Error;
    }
    if (parser.isSet("event-name")) {
        options.eventName = parser.value("event-name").toUtf8();
    }
    options.badEvent = parser.isSet("bad-event");
    if (parser.isSet("drop-after") &&
        !parseInt(parser.value("drop-after"), 1, 1000000000, options.dropAfter)) {
        message = QStringLiteral("--drop-after needs a number, 1 or more");
        return ParseResult::Error;
    }
    options.window = parser.isSet("window");
    options.verbose = parser.isSet("verbose");

    QList<const QByteArray*> texts{&options.identity, &options.eventName};
    if (options.rawRead) {
        texts.append(&*options.rawRead);
    }
    for (const QByteArray& t : std::as_const(options.changedFields)) {
        texts.append(&t);
    }
    for (const QByteArray* text : std::as_const(texts)) {
        if (text->contains('\r') || text->contains('\n')) {
            message = QStringLiteral("texts given on the command line may not hold CR or LF");
            return ParseResult::Error;
        }
    }
    return ParseResult::Ok;
}

}  // namespace boardsim
