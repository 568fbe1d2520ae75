// Writing the gallery's pictures.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QWidget;

class GalleryOutput {
public:
    explicit GalleryOutput(QString directory);

    // The widget as it is drawn now; a shaped window's outside is left
    // transparent so its outline shows.
    void Save(const QString& name, QWidget* widget);
    void Save(const QString& name, const QImage& image);

    // Every picture saved so far side by side in rows, for a quick look.
    void SaveContactSheet(const QString& name);

    int Written() const { return written_; }
    int Failed() const { return failed_; }

private:
    QString directory_;
    int written_ = 0;
    int failed_ = 0;
    QList<QImage> saved_;
};

// The widget drawn on a neutral backdrop a few pixels larger, so edges and
// transparent parts can be seen.
QImage OnBackdrop(QWidget* widget);
