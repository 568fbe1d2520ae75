// A static that shows a picture file (the message box's icon): the picture
// is squeezed into the control where it is larger and drawn at its own size
// in the top-left corner where it is smaller.
#pragma once

#include <QImage>
#include <QLabel>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// One decoded picture, or none.
class HwPicture {
public:
    // Drops any held picture and reads the file (backslashes allowed).
    // 1 when a picture was obtained, 0 when the file is missing or unreadable.
    int Load(const QString& path);

    bool IsEmpty() const { return image_.isNull(); }
    // The picture's own pixel size; (0, 0) without a picture. A bitmap's
    // pixels are device pixels here, so no resolution conversion applies.
    QSize SizeInPixels() const;
    // The whole picture, upright, scaled into destination.
    void Render(QPainter& painter, const QRect& destination) const;

private:
    QImage image_;
};

// Where a picture of pictureSize goes in a control of clientRect:
// (0, 0, picture size) cut to the control.
QRect PictureDestination(const QSize& pictureSize, const QRect& clientRect);

class CHwDisplayPic : public QLabel {
    Q_OBJECT

public:
    explicit CHwDisplayPic(QWidget* parent = nullptr);

    // Loads the picture and repaints; the load result.
    int LoadPicture(const QString& path);

    const HwPicture& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HwPicture picture_;
};
