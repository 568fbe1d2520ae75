#include "hw_display_pic.h"

#include "accessible_controls.h"
#include "native_path.h"

#include <QPainter>

int HwPicture::Load(const QString& path) {
    image_ = QImage();
    if (!path.isEmpty()) {
        image_.load(NativePath(path));
    }
    return image_.isNull() ? 0 : 1;
}

QSize HwPicture::SizeInPixels() const {
    return image_.isNull() ? QSize(0, 0) : image_.size();
}

void HwPicture::Render(QPainter& painter, const QRect& destination) const {
    if (!image_.isNull() && !destination.isEmpty()) {
        painter.drawImage(destination, image_, image_.rect());
    }
}

QRect PictureDestination(const QSize& pictureSize, const QRect& clientRect) {
    return QRect(QPoint(0, 0), pictureSize).intersected(clientRect);
}

CHwDisplayPic::CHwDisplayPic(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    // No background of its own: only the picture is painted.
    setAutoFillBackground(false);
    InstallSkinAccessibility();
}

int CHwDisplayPic::LoadPicture(const QString& path) {
    const int loaded = picture_.Load(path);
    update();
    return loaded;
}

void CHwDisplayPic::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.IsEmpty()) {
        return;
    }
    QPainter painter(this);
    picture_.Render(painter, PictureDestination(picture_.SizeInPixels(), rect()));
}
