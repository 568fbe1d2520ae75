// Where the skin's pictures and cursors are: the Skin folder of the program
// directory.
#pragma once

#include <QString>
#include <QStringView>

// fileName ("Background1.bmp", "cn\\Setup1.bmp") in programDir's Skin
// folder, in the backslash form the program keeps its paths in (NativePath
// opens it). programDir normally ends with a separator, as GetModuleDir's
// does; one is put in when it does not. An empty programDir gives a path
// relative to the working directory.
QString SkinFilePath(const QString& programDir, QStringView fileName);
