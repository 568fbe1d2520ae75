// The program directory: the root of Skin/, Language/ and setting.ini.
#pragma once

#include <QString>

// The running program's directory with its trailing separator. Computed once,
// on first use, from any thread; never changes afterwards.
QString GetModuleDir();

// The directory part of an executable path, separator included; a path
// without any separator is returned whole.
QString ModuleDirFromExecutablePath(const QString& executablePath);
