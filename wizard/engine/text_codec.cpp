#include "text_codec.h"

std::string ToNarrow(const QString& wide) {
    return wide.toStdString();  // UTF-8
}

QString ToWide(const std::string& narrow) {
    return QString::fromStdString(narrow);  // UTF-8
}
