#include "skin_path.h"

QString SkinFilePath(const QString& programDir, QStringView fileName) {
    QString path = programDir;
    if (!path.isEmpty() && !path.endsWith(u'/') && !path.endsWith(u'\\')) {
        path += u'\\';
    }
    path += u"Skin\\";
    path += fileName;
    return path;
}
