// A skinned text label: the attribute block's text colour, font, cursor and
// tooltip; either an opaque fill in the block's background colour or, when
// transparent, whatever its parent paints under it.
#pragma once

#include "wnd_common_attr.h"

#include <QLabel>

// Set to true on a window whose skinned labels must all be see-through,
// whatever their own blocks say (an image-backed window).
inline constexpr char kTransparentStaticsProperty[] = "qelvaneTransparentStatics";

class CHwStatic : public QLabel, public CWndCommonAttr {
    Q_OBJECT

public:
    explicit CHwStatic(QWidget* parent = nullptr);

    // Hides QLabel::setText: a new text on a transparent label also repaints
    // the parent under it, so no trace of the old text remains.
    void setText(const QString& text);

    // True when the label leaves its parent's painting under its text.
    bool PaintsTransparent() const;

    void OnAttributesChanged(bool erase) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void ApplyTextColour();
};
