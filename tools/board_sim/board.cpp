#include "board.h"

#include <unistd.h>

#include <QRandomGenerator>
#include <QSaveFile>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace boardsim {

namespace {

// 9600 baud, 8N1: ten bit times a byte, 960 bytes a second.
constexpr qint64 kBytesPerSecond = 960;
constexpr qint64 kNsPerSecond = 1000000000;

// Time, from the start of a paced run, at which byte number n (counted from 1) has fully left.
qint64 byteEndNs(qint64 n) {
    return (n * kNsPerSecond + kBytesPerSecond - 1) / kBytesPerSecond;
}

constexpr qint64 kDrainLimitNs = 1000LL * 1000 * 1000;  // the client gets 1 s to read the last answer
constexpr qint64 kDrainQuietNs = 20LL * 1000 * 1000;

QByteArray garbageText(int minLength, int maxLength) {
    // No capital letters: garbage can never pass for READ, OK, ERROR, the identity or a modem line.
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789#$%&*+-/<>?@[]^_{|}~";
    auto* rng = QRandomGenerator::global();
    const int length = rng->bounded(minLength, maxLength + 1);
    QByteArray text;
    for (int i = 0; i < length; ++i) {
        text += kChars[rng->bounded(int(sizeof(kChars) - 1))];
    }
    return text;
}

QByteArray printable(const QByteArray& bytes) {
    QByteArray out;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (u < 0x20 || u >= 0x7f) {
            out += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

Board::Board(const Options& options, PseudoTerminal& pty, QObject* parent)
    : QObject(parent), opt_(options), pty_(pty) {
    for (int i = 0; i < kRowCount; ++i) {
        rows_ << "0.000";
    }
    eventData_ = {"0", "0", "0"};
    settings_ = QByteArray("0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,10,0,1,1").split(',');
    Q_ASSERT(settings_.size() == kSettingCount);

    paceTimer_.setSingleShot(true);
    paceTimer_.setTimerType(Qt::PreciseTimer);
    connect(&paceTimer_, &QTimer::timeout, this, &Board::pump);

    eventTimer_.setTimerType(Qt::PreciseTimer);
    connect(&eventTimer_, &QTimer::timeout, this, &Board::sendEvent);

    drainTimer_.setInterval(5);
    connect(&drainTimer_, &QTimer::timeout, this, &Board::checkDrained);
}

Board::~Board() {
    shutdown();
}

bool Board::start(QString& error) {
    if (!opt_.logFile.isEmpty()) {
        log_.setFileName(opt_.logFile);
        if (!log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            error = QStringLiteral("cannot open log %1: %2").arg(opt_.logFile, log_.errorString());
            return false;
        }
    }
    clock_.start();
    readNotifier_ = new QSocketNotifier(pty_.masterFd(), QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &Board::onReadable);
    writeNotifier_ = new QSocketNotifier(pty_.masterFd(), QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &Board::onWritable);
    if (opt_.eventEveryMs > 0) {
        eventTimer_.start(opt_.eventEveryMs);
    }
    return true;
}

void Board::shutdown() {
    paceTimer_.stop();
    eventTimer_.stop();
    drainTimer_.stop();
    // May run inside a notifier's own signal: disable now, delete once control is back in the loop.
    for (QSocketNotifier** n : {&readNotifier_, &writeNotifier_}) {
        if (*n) {
            (*n)->setEnabled(false);
            (*n)->deleteLater();
            *n = nullptr;
        }
    }
    pty_.close();
    log_.close();
}

void Board::onReadable() {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(pty_.masterFd(), buffer, sizeof buffer);
        if (n > 0) {
            feed(buffer, n);
            if (!readNotifier_) {
                return;  // shut down while handling
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            // Not expected while the slave is held open; do not spin on it.
            std::fprintf(stderr, "board_sim: read: %s\n", strerror(errno));
            readNotifier_->setEnabled(false);
            QTimer::singleShot(100, this, [this] {
                if (readNotifier_) {
                    readNotifier_->setEnabled(true);
                }
            });
        }
        return;
    }
}

void Board::feed(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        previous_ = current_;
        current_ = byte;
        if (byte != '\r' && byte != '\n') {
            lineBuffer_ += char(byte);
            if (lineBuffer_.size() > 2 * kLineCap) {
                lineBuffer_ = lineBuffer_.right(kLineCap);  // keep the newest bytes
            }
        }
        if (previous_ == '\r' && current_ == '\n') {
            const QByteArray line = lineBuffer_.right(kLineCap);
            lineBuffer_.clear();
            onLine(line);
        }
    }
}

void Board::onLine(const QByteArray& line) {
    if (log_.isOpen()) {
        log_.write(line + '\n');
    }
    trace("rx", line);
    if (dropping_ || (opt_.dropAfter > 0 && accepted_ >= opt_.dropAfter)) {
        return;  // the line is about to go: only logged
    }
    ++accepted_;
    pending_.enqueue(line);
    processNext();
}

void Board::processNext() {
    if (busy_ || pending_.isEmpty()) {
        return;
    }
    busy_ = true;
    inProgress_ = pending_.dequeue();
    if (opt_.echo && !opt_.silent) {
        queue(inProgress_ + "\r\n");
    }
    if (opt_.delayMs > 0) {
        QTimer::singleShot(opt_.delayMs, Qt::PreciseTimer, this, &Board::finishRequest);
    } else {
        finishRequest();
    }
}

void Board::finishRequest() {
    if (const auto reply = replyTo(inProgress_)) {
        if (opt_.modemLines) {
            queue(plainLine("+CCLK: \"26/12/11,10:00:00+00\""));
            queue(plainLine("OK"));
        }
        if (opt_.garbage) {
            queue(garbageText(4, 12) + '\n');
            queue(plainLine(garbageText(8, 24)));
        }
        queue(*reply);
    }
    inProgress_.clear();
    busy_ = false;
    ++handled_;
    if (opt_.dropAfter > 0 && handled_ >= opt_.dropAfter) {
        startDrop();
        return;
    }
    processNext();
}

std::optional<QByteArray> Board::replyTo(const QByteArray& line) {
    static const QByteArray ok = plainLine("OK");
    static const QByteArray error = plainLine("ERROR");
    if (opt_.silent) {
        return std::nullopt;
    }
    const Request r = parseRequest(line);
    if (r.command != Command::Unknown) {
        if (opt_.silentOn.contains(r.command)) {
            return std::nullopt;
        }
        if (opt_.errorOn.contains(r.command)) {
            return error;
        }
    }
    if (!r.checksumOk) {
        return error;
    }
    switch (r.command) {
        case Command::Who:
            return r.payload.isEmpty() ? plainLine(opt_.identity) : error;
        case Command::Read:
            return r.payload.isEmpty() ? readAnswer() : error;
        case Command::Send: {
            const auto fields = splitFields(r.payload, kRowCount);
            if (!fields) {
                return error;
            }
            rows_ = *fields;
            writeState();
            emit rowsChanged(rows_);
            return ok;
        }
        case Command::Sets: {
            const auto fields = splitFields(r.payload, kSettingCount);
            if (!fields || !std::all_of(fields->begin(), fields->end(), isDecimalInteger)) {
                return error;
            }
            settings_ = *fields;
            writeState();
            return ok;
        }
        case Command::Unknown:
            break;
    }
    return error;
}

QByteArray Board::readAnswer() const {
    if (opt_.rawRead) {
        return opt_.rawRead->contains(';') ? plainLine(*opt_.rawRead)
                                           : frame(*opt_.rawRead, opt_.badChecksum);
    }
    QByteArrayList fields = rows_ + eventData_ + settings_;
    Q_ASSERT(fields.size() == kReadFieldCount);
    for (auto it = opt_.changedFields.cbegin(); it != opt_.changedFields.cend(); ++it) {
        fields[it.key() - 1] = it.value();
    }
    return frame(readAnswerBody(fields), opt_.badChecksum);
}

void Board::writeState() {
    if (opt_.stateFile.isEmpty()) {
        return;
    }
    QByteArray text;
    for (int i = 0; i < rows_.size(); ++i) {
        text += "row" + QByteArray::number(i + 1) + '=' + rows_[i] + '\n';
    }
    text += "settings=" + settings_.join(',') + '\n';
    QSaveFile file(opt_.stateFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        std::fprintf(stderr, "board_sim: cannot write state %s: %s\n", qPrintable(opt_.stateFile),
                     qPrintable(file.errorString()));
    }
}

void Board::queue(const QByteArray& bytes) {
    if (bytes.isEmpty() || !readNotifier_) {
        return;
    }
    trace("tx", bytes);
    if (out_.isEmpty() && !blocked_ && !paceTimer_.isActive()) {
        paceBaseNs_ = clock_.nsecsElapsed();
        pacedSinceBase_ = 0;
    }
    out_ += bytes;
    if (!opt_.pace || !paceTimer_.isActive()) {
        pump();  // paced: a running timer sends the new bytes in their turn
    }
}

void Board::pump() {
    if (out_.isEmpty() || blocked_ || !readNotifier_) {
        return;
    }
    if (!opt_.pace) {
        writeOut(out_.size());
        return;
    }
    // Send every byte whose wire time has passed: a late timer sends two, so N bytes take
    // N / 960 s overall however the ticks fall.
    const qint64 now = clock_.nsecsElapsed();
    const qint64 due = (now - paceBaseNs_) * kBytesPerSecond / kNsPerSecond - pacedSinceBase_;
    if (due > 0 && !writeOut(qMin<qint64>(due, out_.size()))) {
        return;
    }
    if (!out_.isEmpty()) {
        const qint64 waitNs = paceBaseNs_ + byteEndNs(pacedSinceBase_ + 1) - clock_.nsecsElapsed();
        paceTimer_.start(waitNs <= 0 ? 0 : int((waitNs + 999999) / 1000000));
    }
}

bool Board::writeOut(qsizetype count) {
    qsizetype done = 0;
    while (done < count) {
        const ssize_t n = ::write(pty_.masterFd(), out_.constData() + done, size_t(count - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            std::fprintf(stderr, "board_sim: write: %s\n", strerror(errno));
            out_.clear();
            return false;
        }
        break;  // the client's input queue is full: wait until it reads
    }
    out_.remove(0, done);
    pacedSinceBase_ += done;
    if (done > 0) {
        lastWriteNs_ = clock_.nsecsElapsed();
    }
    if (done < count) {
        blocked_ = true;
        writeNotifier_->setEnabled(true);
        return false;
    }
    return true;
}

void Board::onWritable() {
    writeNotifier_->setEnabled(false);
    blocked_ = false;
    paceBaseNs_ = clock_.nsecsElapsed();
    pacedSinceBase_ = 0;
    pump();
}

void Board::sendEvent() {
    if (dropping_ || out_.size() + pty_.unreadByClient() > kEventBacklogCap) {
        return;  // nobody is reading: the event is lost, as on a line whose port is closed
    }
    ++eventCount_;
    const char code1 = eventCount_ % 2 ? '1' : '0';
    queue(frame(eventBody(opt_.eventName, code1, '0'), opt_.badEvent));
}

void Board::startDrop() {
    dropping_ = true;
    eventTimer_.stop();
    pending_.clear();
    drainStartNs_ = -1;
    quietPolls_ = 0;
    drainTimer_.start();
    checkDrained();
}

void Board::checkDrained() {
    const qint64 now = clock_.nsecsElapsed();
    if (!out_.isEmpty() || blocked_) {
        return;  // still sending; the pace timer or the write notifier moves it on
    }
    if (drainStartNs_ < 0) {
        drainStartNs_ = now;
    }
    // Closing the master flushes what the client has not read yet: give it time to read.
    quietPolls_ = pty_.unreadByClient() == 0 ? quietPolls_ + 1 : 0;
    const bool read = quietPolls_ >= 2 && now - lastWriteNs_ >= kDrainQuietNs;
    if (!read && now - drainStartNs_ < kDrainLimitNs) {
        return;
    }
    shutdown();
    emit finished(0);
}

void Board::trace(const char* direction, const QByteArray& bytes) const {
    if (opt_.verbose) {
        std::fprintf(stderr, "board_sim: %s %s\n", direction, printable(bytes).constData());
    }
}

}  // namespace boardsim
