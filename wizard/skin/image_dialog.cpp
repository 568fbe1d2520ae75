#include "image_dialog.h"

#include "hw_static.h"

#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
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

void PaintImageDialogFace(QPainter& painter, const QImage& image, const QSize& clientSize, int corner) {
    const QRect source = ImageDialogSourceRect(image.size(), clientSize);
    if (image.isNull() || source.isEmpty() || clientSize.isEmpty()) {
        return;
    }
    const QRect target(QPoint(0, 0), clientSize);
    if (corner <= 0) {
        painter.drawImage(target, image, source);
        return;
    }
    // The picture as a brush laid so that its source part covers the target.
    QBrush face(image);
    face.setTransform(QTransform::fromTranslate(-source.x(), -source.y()) *
                      QTransform::fromScale(qreal(target.width()) / source.width(),
                                            qreal(target.height()) / source.height()));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(target), corner / 2.0, corner / 2.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillPath(outline, face);
    painter.restore();
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

void CImageDialog::SetRoundedFace(int corner) {
    faceCorner_ = corner;
    setAttribute(Qt::WA_TranslucentBackground, corner > 0);
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
    PaintImageDialogFace(painter, *image_, size(), faceCorner_);
}
