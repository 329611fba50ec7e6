#include "core/text_editor.h"

#include <QProcess>
#include <QStringList>

namespace {
Detached_Starter& Test_Starter() {
    static Detached_Starter starter;
    return starter;
}
}  // namespace

bool Start_Text_Editor(const QString& path) {
#ifdef Q_OS_WIN
    const QString program = QStringLiteral("notepad.exe");
#else
    const QString program = QStringLiteral("xdg-open");
#endif
    const QStringList arguments{path};
    if (Test_Starter())
        return Test_Starter()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void Set_Detached_Starter_For_Test(Detached_Starter starter) {
    Test_Starter() = std::move(starter);
}
