#include "icon_container.h"

#include <QBuffer>
#include <QDataStream>

namespace skin_gen {

namespace {

constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;
constexpr int kDibHeaderBytes = 40;

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray EncodeIconDib(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    const quint32 pixelBytes = static_cast<quint32>(width * height * 4 + maskStride * height);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(kDibHeaderBytes) << qint32(width) << qint32(height * 2) << quint16(1) << quint16(32)
        << quint32(0) << pixelBytes << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) < 128) mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), mask.size());
    }
    return bytes;
}

QByteArray EncodeIconFile(IconKind kind, const QList<IconPicture>& pictures) {
    QList<QByteArray> payloads;
    for (const IconPicture& picture : pictures) {
        payloads.append(picture.asPng ? EncodePng(picture.image) : EncodeIconDib(picture.image));
    }

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(kind) << quint16(pictures.size());
    quint32 offset = kDirectoryBytes + kEntryBytes * pictures.size();
    for (int i = 0; i < pictures.size(); ++i) {
        const IconPicture& picture = pictures[i];
        // A size of 256 is written as 0. Icons keep planes and bit count where
        // cursors keep the hotspot.
        out << quint8(picture.image.width() & 0xFF) << quint8(picture.image.height() & 0xFF) << quint8(0)
            << quint8(0);
        if (kind == IconKind::Cursor) {
            out << quint16(picture.hotspot.x()) << quint16(picture.hotspot.y());
        } else {
            out << quint16(1) << quint16(32);
        }
        out << quint32(payloads[i].size()) << offset;
        offset += payloads[i].size();
    }
    for (const QByteArray& payload : payloads) out.writeRawData(payload.constData(), payload.size());
    return bytes;
}

}  // namespace skin_gen
