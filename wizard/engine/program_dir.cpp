#include "program_dir.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

QString ExecutablePath() {
#ifdef _WIN32
    wchar_t buffer[520] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, 520);
    return QString::fromWCharArray(buffer, static_cast<int>(length));
#else
    // Works before (and without) a QCoreApplication exists.
    const QString target = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!target.isEmpty() || QCoreApplication::instance() == nullptr) {
        return target;
    }
    return QCoreApplication::applicationFilePath();
#endif
}

}  // namespace

QString ModuleDirFromExecutablePath(const QString& executablePath) {
    const qsizetype cut = std::max(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'));
    return cut < 0 ? executablePath : executablePath.left(cut + 1);
}

QString GetModuleDir() {
    static const QString directory = ModuleDirFromExecutablePath(ExecutablePath());
    return directory;
}
