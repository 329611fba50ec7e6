#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starts the platform's text editor on a file, without a shell and without waiting for it: the path
// goes to the editor as one argument (notepad.exe on Windows, xdg-open elsewhere). Returns whether the
// editor could be started.
bool Start_Text_Editor(const QString& path);

// Tests put a recorder in place of the real start; an empty function restores it.
using Detached_Starter = std::function<bool(const QString& program, const QStringList& arguments)>;
void Set_Detached_Starter_For_Test(Detached_Starter starter);
