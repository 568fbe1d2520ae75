// What the Manual button and the web link hand to the desktop: a web address
// stays one; anything else is a file, relative to the program directory
// unless it is absolute.
#pragma once

#include <QString>
#include <QUrl>

// value as written in setting.ini or the language file (backslashes allowed);
// programDir ends with a separator. Empty text gives an empty URL, which the
// desktop refuses without a word.
QUrl OpenableUrl(const QString& value, const QString& programDir);
