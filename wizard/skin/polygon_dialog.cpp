#include "polygon_dialog.h"

#include "keyed_region.h"
#include "skin_images.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

void DrawPlainWindowFace(QPainter& painter, const QRect& rect, const QColor& face, const QColor& edge) {
    if (rect.isEmpty()) {
        return;
    }
    painter.fillRect(rect, edge);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), face);
}

CPolygonDialog::CPolygonDialog(int templateId, QWidget* parent) : CDialogBase(templateId, parent) {}

int CPolygonDialog::SetBackground(const QString& path, ColorRef keyColour) {
    backgroundPath_ = path;
    keyColour_ = keyColour;
    return 1;
}

QRect CPolygonDialog::GetBackgroundRect() const {
    const QPoint origin = rect().topLeft();
    return QRect(origin, background_.isNull() ? QSize(0, 0) : background_.size());
}

int CPolygonDialog::OnCreate() {
    if (CDialogBase::OnCreate() != 0) {
        return -1;
    }
    if (backgroundPath_.isEmpty()) {
        return 0;
    }
    background_ = LoadSkinImage(backgroundPath_);
    if (background_.isNull()) {
        return 0;
    }
    windowRegion_ = BitmapToRegion(background_, keyColour_);
    if (windowRegion_.isEmpty()) {
        return 0;
    }
    // The outline cuts the window where no compositor blends it (X11 without
    // one) and tells every window system where the pointer reaches. A
    // compositor (every Wayland desktop) shows whatever the window paints,
    // so the window is translucent and its cut-away pixels are painted clear.
    setMask(windowRegion_);
    if (isWindow()) {
        setAttribute(Qt::WA_TranslucentBackground);
        background_ = KeyColourCleared(background_, keyColour_);
    }
    return 0;
}

void CPolygonDialog::OnPaintFace(QPainter& /*painter*/) {}

void CPolygonDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The bitmap is the face: no separate background erase.
    if (!background_.isNull()) {
        painter.drawImage(0, 0, background_);
    } else if (isWindow()) {
        // Pages without their bitmap show the window below them; a window
        // of its own has no frame from the window manager to mark its edge.
        DrawPlainWindowFace(painter, rect(), palette().color(QPalette::Window),
                            palette().color(QPalette::Shadow));
    }
    OnPaintFace(painter);
}

void CPolygonDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragPointer_ = event->globalPosition().toPoint();
    }
    CDialogBase::mousePressEvent(event);
}

void CPolygonDialog::mouseMoveEvent(QMouseEvent* event) {
    // Exactly the left button, without Shift or Ctrl (their key state is
    // not the bare left button): a chord or a modified drag does not move.
    const bool leftAlone = event->buttons() == Qt::LeftButton &&
                           (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
    if (draggable_ && leftAlone) {
        QWidget* frame = window();
        const QPoint pointer = event->globalPosition().toPoint();
        QWindow* handle = frame->windowHandle();
        if (handle != nullptr && handle->startSystemMove()) {
            // The window manager moves the window until the button is released.
            dragPointer_.reset();
        } else {
            // No window manager to hand the move to (offscreen, bare X):
            // follow the pointer ourselves.
            if (dragPointer_.has_value()) {
                frame->move(frame->pos() + (pointer - *dragPointer_));
            }
            dragPointer_ = pointer;
        }
        event->accept();
        return;
    }
    CDialogBase::mouseMoveEvent(event);
}

void CPolygonDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragPointer_.reset();
    }
    CDialogBase::mouseReleaseEvent(event);
}
