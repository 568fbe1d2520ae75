// What every skinned control carries besides its own state: text and
// background colours, font, transparency, hover, cursor and tooltip. A mix-in,
// not a widget: the control that carries it is its owner.
#pragma once

#include "skin_colours.h"
#include "skin_font.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// What a control paints its text and background with: the outcome of the
// control-colour step. A transparent control leaves its parent's painting
// under the text.
struct ControlColours {
    ColorRef text = 0x000000;
    bool transparent = true;
    ColorRef background = kNoColour;
};

class CWndCommonAttr {
public:
    explicit CWndCommonAttr(QWidget* owner);
    CWndCommonAttr(const CWndCommonAttr&) = delete;
    CWndCommonAttr& operator=(const CWndCommonAttr&) = delete;
    virtual ~CWndCommonAttr();

    // The tooltip shows text while activate is set; the text is kept either way.
    virtual void SetToolTipText(const QString& text, bool activate);
    // Called after a colour, font or transparency change; the base does
    // nothing, controls repaint.
    virtual void OnAttributesChanged(bool erase);
    // Builds the block's font and hands it to the owner. 1 on success.
    virtual int SetTextFont(int pointSize, const QString& face, bool bold, bool italic, bool underline,
                            int width);
    virtual void SetTextColor(ColorRef colour);
    virtual void SetBkColor(ColorRef colour);
    // kNoColour for an argument means the block's own colour.
    virtual ControlColours GetCtlColorBrush(ColorRef text = kNoColour, ColorRef background = kNoColour) const;

    void SetTransparent(bool transparent);

    QWidget* Owner() const { return owner_; }
    ColorRef TextColor() const { return textColour_; }
    ColorRef BkColor() const { return backgroundColour_; }
    bool IsTransparent() const { return transparent_; }
    const std::optional<QFont>& TextFont() const { return font_; }
    QString ToolTipText() const { return toolTipText_; }
    bool IsToolTipActive() const { return toolTipActive_; }

    bool IsHovered() const { return hover_; }
    void SetHovered(bool hover) { hover_ = hover; }

    const std::optional<QCursor>& Cursor() const { return cursor_; }
    void SetCursor(std::optional<QCursor> cursor) { cursor_ = std::move(cursor); }

protected:
    // Skinned edits start opaque; everything else starts transparent.
    void InitColours(ColorRef text, ColorRef background, bool transparent);

private:
    QWidget* owner_;
    std::optional<QFont> font_;
    QString toolTipText_;
    bool toolTipActive_ = false;
    ColorRef textColour_;
    ColorRef backgroundColour_ = kNoColour;
    bool transparent_ = true;
    bool hover_ = false;
    std::optional<QCursor> cursor_;
};

// Repaints the part of the parent that lies under the control (for a
// transparent control, whose background is the parent's), or the control
// itself when it has no parent.
void RedrawParentArea(QWidget* control);

// The system's window-text colour as a COLORREF.
ColorRef SystemWindowTextColour();
