// The one place where wide text (the GUI, the settings and language files)
// and narrow text (the records, the wire) meet. Narrow text is UTF-8, which
// gives the router byte for byte what it got on Windows for the ASCII that
// the pages accept.
#pragma once

#include <QString>

#include <string>

std::string ToNarrow(const QString& wide);
QString ToWide(const std::string& narrow);
