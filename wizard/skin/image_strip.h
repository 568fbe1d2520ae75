// The frames of a button's image strip, the way an image list holds them: all
// frames one size, cut side by side from a picture, the mask colour made
// transparent. Later strips are appended to the same list.
#pragma once

#include "skin_colours.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

class ImageStrip {
public:
    // Cuts `count` equal frames (picture width / count wide, full height) from
    // the picture and appends them. The first strip fixes the frame size; a
    // later one is cut by that size. False, with the list unchanged, when the
    // picture is null or yields no frame.
    bool Append(const QImage& picture, int count, ColorRef mask);
    // The picture at path (through the shared skin image cache) appended.
    bool AppendFromFile(const QString& path, int count, ColorRef mask);

    bool IsEmpty() const { return frames_.isEmpty(); }
    int Count() const { return static_cast<int>(frames_.size()); }
    QSize FrameSize() const { return frameSize_; }
    // A null image for an index outside the list.
    QImage Frame(int index) const;

private:
    QList<QImage> frames_;
    QSize frameSize_;
};

// The picture with every pixel of the mask colour (exact match) transparent.
QImage MaskOutColour(const QImage& picture, ColorRef mask);
