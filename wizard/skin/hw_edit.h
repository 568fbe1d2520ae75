// A skinned entry field: the attribute block's colours, other colours while
// it has the focus or cannot be edited, and an optional drawn frame.
#pragma once

#include "edit_colours.h"
#include "wnd_common_attr.h"

#include <QLineEdit>

class CHwEdit : public QLineEdit, public CWndCommonAttr {
    Q_OBJECT

public:
    explicit CHwEdit(QWidget* parent = nullptr);

    void SetFocusTextColor(ColorRef colour);
    void SetFocusBkColor(ColorRef colour);
    ColorRef FocusTextColor() const { return focusTextColour_; }
    ColorRef FocusBkColor() const { return focusBkColour_; }

    // The drawn frame (on for every skinned page field).
    void SetBorder(bool border);
    bool HasBorder() const { return border_; }

    bool HasFocusHighlight() const { return focusHighlight_; }

    // What the field paints with in its present state.
    EditColours CurrentColours() const;

    void OnAttributesChanged(bool erase) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The parent under the field and the field itself are repainted.
    void Refresh();
    // The text colour goes to the palette, where QLineEdit reads it.
    void ApplyTextColour();

    bool focusHighlight_ = false;
    ColorRef focusTextColour_;
    ColorRef focusBkColour_ = kEditFocusBkColour;
    ColorRef readOnlyBkColour_ = kEditReadOnlyBkColour;
    bool border_ = false;
};
