#include "skin_output.h"

#include <QFileInfo>
#include <QSaveFile>

namespace skin_gen {

SkinOutput::SkinOutput(const QString& folder) : folder_(folder) {}

QString SkinOutput::Prepare(const QString& name) {
    const QString path = folder_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void SkinOutput::Record(const QString& name, bool ok) {
    if (ok) {
        ++written_;
    } else {
        failures_.append(name);
    }
}

void SkinOutput::Bmp(const QString& name, const QImage& image) {
    // Qt writes 24 bits per pixel for an opaque 32-bit picture.
    Record(name, image.convertToFormat(QImage::Format_RGB32).save(Prepare(name), "BMP"));
}

void SkinOutput::Png(const QString& name, const QImage& image) {
    Record(name, image.convertToFormat(QImage::Format_RGB32).save(Prepare(name), "PNG"));
}

void SkinOutput::TranslucentPng(const QString& name, const QImage& image) {
    Record(name, image.convertToFormat(QImage::Format_ARGB32).save(Prepare(name), "PNG"));
}

void SkinOutput::IconFile(const QString& name, IconKind kind, const QList<IconPicture>& pictures) {
    QSaveFile file(Prepare(name));
    const QByteArray bytes = EncodeIconFile(kind, pictures);
    Record(name, file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit());
}

}  // namespace skin_gen
