// Where the pictures go: writes each file under the output folder in its
// format and remembers what failed.
#pragma once

#include "icon_container.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

namespace skin_gen {

class SkinOutput {
public:
    explicit SkinOutput(const QString& folder);

    // 24-bit BMP, as the skin loader expects.
    void Bmp(const QString& name, const QImage& image);
    // Opaque PNG.
    void Png(const QString& name, const QImage& image);
    // PNG that keeps the picture's alpha channel.
    void TranslucentPng(const QString& name, const QImage& image);
    void IconFile(const QString& name, IconKind kind, const QList<IconPicture>& pictures);

    const QStringList& Failures() const { return failures_; }
    int Written() const { return written_; }

private:
    QString Prepare(const QString& name);
    void Record(const QString& name, bool ok);

    QDir folder_;
    QStringList failures_;
    int written_ = 0;
};

}  // namespace skin_gen
