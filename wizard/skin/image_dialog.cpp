#include "image_dialog.h"

#include "hw_static.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

// The picture's margin that never shows.
constexpr int kImageSourceOffset = 5;

}  // namespace

QRect ImageDialogSourceRect(const QSize& imageSize, const QSize& clientSize) {
    const QRect wanted(kImageSourceOffset, kImageSourceOffset,
                       std::min(imageSize.width(), clientSize.width()),
                       std::min(imageSize.height(), clientSize.height()));
    return wanted.intersected(QRect(QPoint(0, 0), imageSize));
}

void PaintImageDialogFace(QPainter& painter, const QImage& image, const QSize& clientSize) {
    const QRect source = ImageDialogSourceRect(image.size(), clientSize);
    if (image.isNull() || source.isEmpty() || clientSize.isEmpty()) {
        return;
    }
    painter.drawImage(QRect(QPoint(0, 0), clientSize), image, source);
}

QSize ImageDialogClientSize(const QSize& imageSize) {
    return (imageSize - QSize(kImageSourceOffset, kImageSourceOffset)).expandedTo(QSize(0, 0));
}

void PaintRoundedWindowEdge(QPainter& painter, const QSize& size, int corner, const QColor& colour) {
    if (size.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), corner / 2.0 - 1,
                            corner / 2.0 - 1);
    painter.restore();
}

CImageDialog::CImageDialog(int templateId, QWidget* parent) : CDialogBase(templateId, parent) {
    setProperty(kTransparentStaticsProperty, transparentStatics_);
}

void CImageDialog::SetBackgroundImage(const QImage* image) {
    image_ = image;
    imageMode_ = true;
    RefreshRegion();
    update();
}

void CImageDialog::SetKeepRegion(bool keep) {
    keepRegion_ = keep;
    RefreshRegion();
}

void CImageDialog::SetTransparentStatics(bool transparent) {
    transparentStatics_ = transparent;
    setProperty(kTransparentStaticsProperty, transparent);
    update();
}

void CImageDialog::RefreshRegion() {
    if (keepRegion_) {
        return;
    }
    // A region covering the whole window is no mask at all; clearing it also
    // keeps covering the window when it is resized to its picture later.
    clearMask();
}

void CImageDialog::paintEvent(QPaintEvent* event) {
    if (!imageMode_) {
        CDialogBase::paintEvent(event);
        return;
    }
    if (image_ == nullptr) {
        return;
    }
    QPainter painter(this);
    PaintImageDialogFace(painter, *image_, size());
}
