#include "native_path.h"

#include <QDir>

QString NativePath(const QString& path) {
#ifdef _WIN32
    return QDir::toNativeSeparators(path);
#else
    QString native = path;
    return native.replace(u'\\', u'/');
#endif
}
