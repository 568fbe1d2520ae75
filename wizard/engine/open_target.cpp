#include "open_target.h"

#include "native_path.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "http://…", "mailto:…" and the like; a drive letter ("C:\…") is a file.
bool IsWebAddress(const QString& value) {
    const QUrl url(value, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && url.scheme() != u"file";
}

}  // namespace

QUrl OpenableUrl(const QString& value, const QString& programDir) {
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    if (IsWebAddress(trimmed)) {
        return QUrl(trimmed, QUrl::StrictMode);
    }
    if (trimmed.startsWith(u"file:", Qt::CaseInsensitive)) {
        return QUrl(trimmed);
    }
    const QString path = NativePath(trimmed);
    if (QFileInfo(path).isAbsolute()) {
        return QUrl::fromLocalFile(QDir::cleanPath(path));
    }
    return QUrl::fromLocalFile(QDir::cleanPath(NativePath(programDir) + path));
}
