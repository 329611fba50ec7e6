#include "fixtures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "core/app.h"
#include "core/notify.h"
#include "link/memory_ports.h"

void Spin_Events(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

Program_Fixture::Program_Fixture(bool memory_ports) {
    Init_Application();
    QDir(dir_.path()).mkpath(QStringLiteral("ports"));
    QFile data(path(QStringLiteral("Tablo_data.tbl")));
    if (data.open(QIODevice::WriteOnly))
        data.write(QByteArray("0.000\r\n").repeated(10));
    if (memory_ports) {
        Memory_Ports::clear();
        Memory_Ports::install();
    } else {
        Memory_Ports::uninstall();
    }
    notices() = Notices();
    program = std::make_unique<Program>();
    Reset_App_State();
    App& a = app();
    a.Starting = true;
    a.Program_Dir = dir();
}

Program_Fixture::~Program_Fixture() {
    program.reset();
    Memory_Ports::uninstall();
}

void Program_Fixture::start() {
    QDeadlineTimer deadline(5000);
    while (form1()->Startup_Runs == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

Modal_Closer::Modal_Closer() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &Modal_Closer::poll);
    timer_.start();
}

void Modal_Closer::poll() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
        seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        box->accept();
        return;
    }
    QString text = w->windowTitle() + QStringLiteral(":");
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty())
            text += QLatin1Char(' ') + l->text();
    seen << text;
    if (auto* d = qobject_cast<QDialog*>(w)) {
        d->hide();
        d->done(QDialog::Accepted);
    }
}

Board_Sim::Board_Sim(const QString& ports_dir, int com, const QStringList& options) {
#ifdef BOARD_SIM_PATH
    log_ = ports_dir + QStringLiteral("/board_sim_%1.log").arg(com);
    QFile::remove(log_);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(BOARD_SIM_PATH),
                   QStringList{QStringLiteral("--ports-dir"), ports_dir, QStringLiteral("--com"),
                               QString::number(com), QStringLiteral("--log"), log_} +
                       options);
    QDeadlineTimer deadline(5000);
    QByteArray out;
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(50);
        out += process_.readAllStandardOutput();
        if (out.contains("READY")) {
            ready_ = true;
            break;
        }
    }
#else
    Q_UNUSED(ports_dir);
    Q_UNUSED(com);
    Q_UNUSED(options);
#endif
}

Board_Sim::~Board_Sim() {
    stop();
}

void Board_Sim::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
    process_.waitForFinished(1000);
}

QList<QByteArray> Board_Sim::received() const {
    QFile f(log_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

namespace {
bool Run_Mount(const QStringList& args) {
    QProcess mount;
    mount.start(QStringLiteral("mount"), args);
    return mount.waitForFinished(5000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}
}  // namespace

Scratch_Mount::Scratch_Mount(const QString& path) : path_(path) {
    QDir().mkpath(path);
    mounted_ = Run_Mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                          QStringLiteral("size=1m"), QStringLiteral("tmpfs"), path});
}

Scratch_Mount::~Scratch_Mount() {
    if (!mounted_)
        return;
    QProcess umount;
    umount.start(QStringLiteral("umount"), {path_});
    umount.waitForFinished(5000);
}

bool Scratch_Mount::makeReadOnly() {
    return mounted_ && Run_Mount({QStringLiteral("-o"), QStringLiteral("remount,ro"), path_});
}

QByteArray Read_All(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write_All(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void Start_For_Board_Tests(Program_Fixture& fx, Modal_Closer& closer) {
    fx.start();
    Spin_Events(50);
    closer.seen.clear();
    notices() = Notices();
    app().Attempts = 1;
    app().Timeout_for_command = 300;
}
