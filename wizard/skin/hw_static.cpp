#include "hw_static.h"

#include "accessible_controls.h"

#include <QEnterEvent>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>

CHwStatic::CHwStatic(QWidget* parent) : QLabel(parent), CWndCommonAttr(this) {
    // Labels start in the desktop's general interface font until a skin
    // function gives them the skin's font.
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    InstallSkinAccessibility();
    ApplyTextColour();
}

void CHwStatic::setText(const QString& text) {
    QLabel::setText(text);
    RedrawParentArea(this);
}

bool CHwStatic::PaintsTransparent() const {
    if (IsTransparent() || BkColor() == kNoColour) {
        return true;
    }
    const QWidget* parent = parentWidget();
    return parent != nullptr && parent->property(kTransparentStaticsProperty).toBool();
}

void CHwStatic::OnAttributesChanged(bool /*erase*/) {
    ApplyTextColour();
    RedrawParentArea(this);
    update();
}

void CHwStatic::paintEvent(QPaintEvent* event) {
    if (!PaintsTransparent()) {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(BkColor()));
    }
    QLabel::paintEvent(event);
}

void CHwStatic::enterEvent(QEnterEvent* event) {
    if (Cursor().has_value()) {
        setCursor(*Cursor());
    }
    QLabel::enterEvent(event);
}

void CHwStatic::ApplyTextColour() {
    QPalette palette = this->palette();
    // Every colour group: a disabled label keeps the block's colour too.
    palette.setColor(QPalette::WindowText, ToQColor(TextColor()));
    setPalette(palette);
}
