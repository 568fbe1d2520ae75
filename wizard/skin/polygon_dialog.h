// A dialog whose outline is cut out of its background bitmap: key-colour
// pixels lie outside the window, the rest is the window's face, and pressing
// the left button anywhere on the face drags the window.
#pragma once

#include "colour_values.h"
#include "dialog_base.h"
#include "skin_colours.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>

#include <optional>

class QPainter;

// The face of a window whose bitmap is missing: the plain face colour inside
// a one-pixel edge, so the window stands apart from whatever lies behind it.
void DrawPlainWindowFace(QPainter& painter, const QRect& rect, const QColor& face, const QColor& edge);

class CPolygonDialog : public CDialogBase {
    Q_OBJECT

public:
    explicit CPolygonDialog(int templateId, QWidget* parent = nullptr);

    // Takes effect at creation, so call it before Create. Always 1.
    int SetBackground(const QString& path, ColorRef keyColour);

    // (client left, client top, bitmap width, bitmap height); empty size
    // without a bitmap.
    QRect GetBackgroundRect() const;

    void SetDraggable(bool draggable) { draggable_ = draggable; }
    bool IsDraggable() const { return draggable_; }

    // The outline given to the window; empty when the dialog is rectangular.
    const QRegion& WindowRegion() const { return windowRegion_; }

protected:
    // Loads the bitmap and cuts the outline. A missing bitmap leaves an
    // ordinary rectangular dialog.
    int OnCreate() override;
    // Called after the face is painted, for what a dialog draws on top. A
    // window without its bitmap gets a plain face with an edge.
    virtual void OnPaintFace(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString backgroundPath_;
    QImage background_;
    QRegion windowRegion_;
    ColorRef keyColour_ = kSkinKeyColour;
    bool draggable_ = true;
    // Where the last drag step left the pointer, when the window system
    // would not take the move over.
    std::optional<QPoint> dragPointer_;
};
