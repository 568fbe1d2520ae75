#include "hw_edit.h"

#include "edit_frame.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>

namespace {

bool IsSelectAll(const QKeyEvent* event) {
    return event->key() == Qt::Key_A && (event->modifiers() & Qt::ControlModifier) != 0;
}

}  // namespace

CHwEdit::CHwEdit(QWidget* parent)
    : QLineEdit(parent), CWndCommonAttr(this), focusTextColour_(SystemWindowTextColour()) {
    // Unlike the other skinned controls an edit starts opaque, white.
    InitColours(SystemWindowTextColour(), 0xFFFFFFu, false);
    SetTextFont(10, QStringLiteral("Verdana"), false, false, false, 0);
    setFocusPolicy(Qt::StrongFocus);
    // The field paints its own fill (or none when transparent); QLineEdit's
    // own base stays clear.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    setPalette(palette);
    ApplyTextColour();
    connect(this, &QLineEdit::textChanged, this, [this] { Refresh(); });
}

void CHwEdit::SetFocusTextColor(ColorRef colour) {
    focusTextColour_ = colour;
    ApplyTextColour();
    Refresh();
}

void CHwEdit::SetFocusBkColor(ColorRef colour) {
    focusBkColour_ = colour;
    Refresh();
}

void CHwEdit::SetBorder(bool border) {
    border_ = border;
    setFrame(!border);
    const int margin = border ? kEditFrameWidth : 0;
    setTextMargins(margin, margin, margin, margin);
    Refresh();
}

EditColours CHwEdit::CurrentColours() const {
    EditState state;
    state.readOnly = isReadOnly();
    state.enabled = isEnabled();
    state.focusHighlight = focusHighlight_;
    state.transparent = IsTransparent();
    state.textColour = TextColor();
    state.backgroundColour = BkColor();
    state.focusTextColour = focusTextColour_;
    state.focusBkColour = focusBkColour_;
    state.readOnlyBkColour = readOnlyBkColour_;
    return ComputeEditColours(state);
}

void CHwEdit::OnAttributesChanged(bool /*erase*/) {
    ApplyTextColour();
    update();
}

bool CHwEdit::event(QEvent* event) {
    // Claim Control+A before any window shortcut can take it.
    if (event->type() == QEvent::ShortcutOverride && IsSelectAll(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CHwEdit::keyPressEvent(QKeyEvent* event) {
    if (IsSelectAll(event)) {
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CHwEdit::focusInEvent(QFocusEvent* event) {
    focusHighlight_ = true;
    ApplyTextColour();
    QLineEdit::focusInEvent(event);
}

void CHwEdit::focusOutEvent(QFocusEvent* event) {
    focusHighlight_ = false;
    ApplyTextColour();
    Refresh();
    QLineEdit::focusOutEvent(event);
}

void CHwEdit::mouseReleaseEvent(QMouseEvent* event) {
    Refresh();
    QLineEdit::mouseReleaseEvent(event);
}

void CHwEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::EnabledChange) {
        ApplyTextColour();
        Refresh();
    }
    QLineEdit::changeEvent(event);
}

void CHwEdit::paintEvent(QPaintEvent* event) {
    const EditColours colours = CurrentColours();
    {
        QPainter painter(this);
        PaintEditBackground(painter, rect(), colours, border_);
    }
    QLineEdit::paintEvent(event);
    if (border_) {
        QPainter painter(this);
        PaintEditOuterLine(painter, rect(), colours);
    }
}

void CHwEdit::Refresh() {
    RedrawParentArea(this);
    update();
}

void CHwEdit::ApplyTextColour() {
    const QColor text = ToQColor(CurrentColours().text);
    QPalette palette = this->palette();
    if (palette.color(QPalette::Active, QPalette::Text) == text &&
        palette.color(QPalette::Disabled, QPalette::Text) == text) {
        return;
    }
    // Every colour group: a disabled field keeps the block's text colour.
    palette.setColor(QPalette::Text, text);
    setPalette(palette);
}
