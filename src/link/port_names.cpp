#include "link/port_names.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

int portNumber(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^COM([1-9][0-9]{0,2})$"));
    const auto m = re.match(name);
    if (!m.hasMatch())
        return 0;
    const int n = m.captured(1).toInt();
    return n <= 256 ? n : 0;
}

QStringList numbered(const QStringList& entries, const QString& prefix, int from) {
    QList<std::pair<int, QString>> found;
    for (const QString& e : entries) {
        if (!e.startsWith(prefix))
            continue;
        bool ok = false;
        const int n = e.mid(prefix.size()).toInt(&ok);
        if (ok && n >= from)
            found.append({n, e});
    }
    std::sort(found.begin(), found.end());
    QStringList out;
    for (const auto& f : found)
        out << QStringLiteral("/dev/") + f.second;
    return out;
}

}  // namespace

QStringList Port_Names::defaultOrderFrom(const QStringList& dev_entries) {
    return numbered(dev_entries, QStringLiteral("ttyUSB"), 0) +
           numbered(dev_entries, QStringLiteral("ttyACM"), 0) +
           numbered(dev_entries, QStringLiteral("ttyS"), 2);
}

QString Port_Names::devicePath(const QString& port_name, const QString& program_dir) {
    const int n = portNumber(port_name);
    if (n == 0)
        return {};
#ifdef Q_OS_WIN
    Q_UNUSED(program_dir);
    return QStringLiteral("\\\\.\\") + port_name;
#else
    const QDir ports(QDir(program_dir).filePath(QStringLiteral("ports")));
    if (ports.exists()) {
        const QString entry = ports.filePath(port_name);
        return QFileInfo(entry).exists() ? entry : QString();
    }
    if (n == 1)
        return QStringLiteral("/dev/ttyS0");
    if (n == 2)
        return QStringLiteral("/dev/ttyS1");
    const QStringList order =
        defaultOrderFrom(QDir(QStringLiteral("/dev")).entryList(QDir::System | QDir::Files));
    return n - 3 < order.size() ? order[n - 3] : QString();
#endif
}
