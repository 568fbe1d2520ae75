// Paths are kept with backslashes, as the wizard has always written them.
#pragma once

#include <QString>

// Paths are written with backslashes throughout the program; this turns them
// into the platform's separators. Call it where a file is opened.
QString NativePath(const QString& path);
