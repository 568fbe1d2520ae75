#include "gallery_output.h"

#include "window_snapshot.h"

#include <QDir>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kMargin = 8;

}  // namespace

GalleryOutput::GalleryOutput(QString directory) : directory_(std::move(directory)) {
    QDir().mkpath(directory_);
}

void GalleryOutput::Save(const QString& name, QWidget* widget) {
    Save(name, SnapshotWindow(widget));
}

void GalleryOutput::Save(const QString& name, const QImage& image) {
    const QString path = directory_ + u'/' + name + QStringLiteral(".png");
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "skin-gallery: could not write %s\n", qPrintable(path));
        ++failed_;
        return;
    }
    ++written_;
    saved_.append(image);
}

void GalleryOutput::SaveContactSheet(const QString& name) {
    constexpr int kSheetWidth = 1400;
    constexpr int kGap = 6;
    // Lay the pictures out left to right, starting a new row when one is full.
    QList<QPoint> places;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (const QImage& image : std::as_const(saved_)) {
        if (x > 0 && x + image.width() > kSheetWidth) {
            x = 0;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.append(QPoint(x, y));
        x += image.width() + kGap;
        rowHeight = std::max(rowHeight, image.height());
    }
    QImage sheet(kSheetWidth, y + rowHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x60, 0x60, 0x60));
    QPainter painter(&sheet);
    for (qsizetype i = 0; i < saved_.size(); ++i) {
        painter.drawImage(places[i], saved_[i]);
    }
    painter.end();
    const QList<QImage> pictures = std::exchange(saved_, {});
    Save(name, sheet);
    saved_ = pictures;
}

QImage OnBackdrop(QWidget* widget) {
    const QPixmap shot = widget->grab();
    QImage image(shot.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xE9, 0xEE, 0xF4));
    QPainter painter(&image);
    painter.drawPixmap(kMargin, kMargin, shot);
    return image;
}
