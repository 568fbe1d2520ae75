// The Windows icon file (.ico) and cursor file (.cur) containers: a directory
// of pictures, each stored as a 32-bit DIB with an AND mask or as a PNG.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

namespace skin_gen {

enum class IconKind : quint16 { Icon = 1, Cursor = 2 };

struct IconPicture {
    QImage image;        // at most 256 x 256, with alpha
    QPoint hotspot;      // cursors only
    bool asPng = false;  // large icons are stored as PNG
};

QByteArray EncodeIconFile(IconKind kind, const QList<IconPicture>& pictures);

// The DIB an icon entry carries: header with doubled height, bottom-up
// BGRA rows, then the 1-bit AND mask (set where the picture is see-through).
QByteArray EncodeIconDib(const QImage& image);

}  // namespace skin_gen
