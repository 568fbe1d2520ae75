// A dialog whose face is a picture stretched over its client area (the
// progress window), with see-through labels on top of it.
#pragma once

#include "dialog_base.h"

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// The part of the picture that fills a client area: from (5, 5), at most
// the client's size, and never past the picture's edge (a smaller picture
// is then stretched over the whole client area).
QRect ImageDialogSourceRect(const QSize& imageSize, const QSize& clientSize);

// Paints the face: the source part of image into (0, 0, client size). With
// a corner (the rounding ellipse's width, as RoundRectRegion takes it) the
// face is a rounded rectangle with smooth edges and nothing is painted
// outside it, for a window the compositor blends.
void PaintImageDialogFace(QPainter& painter, const QImage& image, const QSize& clientSize, int corner = 0);

// The client size that shows the picture 1:1: the picture less the margin
// that never shows. A window of the picture's own size would stretch the
// rest of it over the margin and blur every line.
QSize ImageDialogClientSize(const QSize& imageSize);

// A two-pixel edge in colour along the outline of a window of that size
// whose corners are rounded like RoundRectRegion's (corner: the ellipse's
// width), so that a pale window keeps its outline over a white page.
void PaintRoundedWindowEdge(QPainter& painter, const QSize& size, int corner, const QColor& colour);

class CImageDialog : public CDialogBase {
    Q_OBJECT

public:
    explicit CImageDialog(int templateId, QWidget* parent = nullptr);

    // Shows image as the face from now on; the caller keeps it alive for as
    // long as it is shown (it is not copied). Null leaves the face unpainted.
    void SetBackgroundImage(const QImage* image);
    // While set, the dialog keeps whatever mask it was given.
    void SetKeepRegion(bool keep);
    void SetTransparentStatics(bool transparent);
    // Rounds the face's corners (the ellipse's width; 0: square) and makes
    // the window translucent, so that what lies outside them shows through
    // where a compositor blends the window. Call it before the window is
    // shown; the caller gives the mask that cuts it elsewhere.
    void SetRoundedFace(int corner);

    bool IsImageMode() const { return imageMode_; }
    bool KeepsRegion() const { return keepRegion_; }
    bool HasTransparentStatics() const { return transparentStatics_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Unless the region is kept, the whole window is inside it again.
    void RefreshRegion();

    bool keepRegion_ = false;
    bool transparentStatics_ = true;
    bool imageMode_ = false;
    const QImage* image_ = nullptr;
    int faceCorner_ = 0;
};
