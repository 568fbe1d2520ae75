#include "image_strip.h"

#include "skin_images.h"

QImage MaskOutColour(const QImage& picture, ColorRef mask) {
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(mask).rgb() & RGB_MASK;
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
    return masked;
}

bool ImageStrip::Append(const QImage& picture, int count, ColorRef mask) {
    if (picture.isNull() || count <= 0) {
        return false;
    }
    const QSize frameSize = IsEmpty() ? QSize(picture.width() / count, picture.height()) : frameSize_;
    if (frameSize.isEmpty()) {
        return false;
    }
    const QImage masked = MaskOutColour(picture, mask);
    const int frames = masked.width() / frameSize.width();
    if (frames == 0) {
        return false;
    }
    for (int index = 0; index < frames; ++index) {
        frames_.append(masked.copy(index * frameSize.width(), 0, frameSize.width(), frameSize.height()));
    }
    frameSize_ = frameSize;
    return true;
}

bool ImageStrip::AppendFromFile(const QString& path, int count, ColorRef mask) {
    return Append(LoadSkinImage(path), count, mask);
}

QImage ImageStrip::Frame(int index) const {
    if (index < 0 || index >= Count()) {
        return {};
    }
    return frames_[index];
}
