#include "cursor_file.h"

#include "native_path.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

int ReadLittleEndian16(const QByteArray& bytes, int at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

}  // namespace

std::optional<QPoint> CursorFileHotspot(const QByteArray& bytes) {
    if (bytes.size() < kDirectorySize + kEntrySize) {
        return std::nullopt;
    }
    const int reserved = ReadLittleEndian16(bytes, 0);
    const int type = ReadLittleEndian16(bytes, 2);
    const int count = ReadLittleEndian16(bytes, 4);
    if (reserved != 0 || type != 2 || count < 1) {
        return std::nullopt;
    }
    return QPoint(ReadLittleEndian16(bytes, kDirectorySize + 4),
                  ReadLittleEndian16(bytes, kDirectorySize + 6));
}

std::optional<QCursor> LoadCursorFile(const QString& path) {
    QFile file(NativePath(path));
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const std::optional<QPoint> hotspot = CursorFileHotspot(bytes);
    if (!hotspot) {
        return std::nullopt;
    }
    // Qt's icon reader takes cursor files too; only the hot spot is ours.
    const QImage image = QImage::fromData(bytes, "cur");
    if (image.isNull()) {
        return std::nullopt;
    }
    return QCursor(QPixmap::fromImage(image), hotspot->x(), hotspot->y());
}
