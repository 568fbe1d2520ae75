// The skinned push button all others derive from: it keeps the state (4 or 6
// visual states, hover, pressed, visited, layout) and paints through the free
// functions of button_painter.h.
//
// Initialisation: InitControl runs at the end of each concrete class's
// constructor (Qt has no later "attach" step), so the default skin is in
// place before a page applies its own look, as it was after subclassing.
//
// Auto-size: every paint lays the button out again; when that finds the size
// out of date (a new caption, strip, font or layout mode) it queues
// UpdateLayout (layout, then resize in the parent) rather than resizing
// inside paintEvent, and the following paint is stable. SetTextFormat and
// direct UpdateLayout calls resize at once. The client rectangle is taken
// afresh each time, since a template places a button after it was made.
#pragma once

#include "button_layout.h"
#include "button_state.h"
#include "control_id.h"
#include "image_strip.h"
#include "wnd_common_attr.h"

#include <QAbstractButton>
#include <QCursor>

#include <optional>

class QPainter;

class CHwBtn_Pub : public QAbstractButton, public CWndCommonAttr {
    Q_OBJECT

public:
    ~CHwBtn_Pub() override;

    // Per-state attributes; each writes the state `from` and all later ones.
    virtual void SetStateFrameColor(int from, ColorRef colour);
    virtual void SetStateTextColor(int from, ColorRef colour);
    virtual void SetStateBkColor(int from, ColorRef colour);
    // A missing or unreadable file leaves those states with the default
    // cursor. True when the file gave a cursor.
    virtual bool SetCursorFromFile(int from, const QString& path);
    virtual void SetCursorFromResource(int from, Qt::CursorShape shape);
    // No cursor for those states: the parent's cursor shows.
    virtual void SetStateCursor(int from, const std::optional<QCursor>& cursor);
    // One state, or every state for kAllButtonStates; 1 on success, 0 for a
    // state outside the table.
    virtual int SetStateFont(int state, int pointSize, bool bold, bool italic, bool underline,
                             const QString& face);
    // The strip from a Qt resource path (":/...") or a file; appended to the
    // frames loaded before. A failure makes the button draw as a platform
    // push button from then on.
    virtual bool LoadImageStrip(int count, ColorRef mask, const QString& resource);
    virtual bool LoadImageStripFromFile(int count, ColorRef mask, const QString& path);
    // Where a single-image strip is drawn in the current state.
    virtual LayoutRect GetImageDrawRect(const LayoutRect& rect) const;
    virtual void ApplyDefaultSkin() = 0;
    virtual void CalcLayout();
    virtual void DrawFrame(QPainter& painter);
    virtual bool DrawBackground(QPainter& painter);
    virtual void DrawCaption(QPainter& painter);
    virtual int GetStateIndex() const;
    virtual void InitControl();

    // The strip file with the skin key colour as mask, image-only layout,
    // auto-size as given and, unless empty, a tooltip.
    void SetSkinImage(const QString& path, int count, const QString& toolTip, bool autoSize);
    void SetLayout(ButtonLayoutMode mode);
    void SetAutoSize(bool autoSize);
    void SetTextFormat(unsigned format);
    void SetVisitedColor(ColorRef colour);
    void SetAutoSkin(bool autoSkin);
    void SetFocusRectVisible(bool visible);
    void UpdateLayout();
    void SetGroupStart(bool start) { ::SetGroupStart(this, start); }

    void OnAttributesChanged(bool erase) override;

    int StateCount() const { return states_.Count(); }
    const HwBtnStateAttr& StateAttr(int state) const { return states_.At(state); }
    ButtonLayoutMode LayoutMode() const { return layoutMode_; }
    bool IsAutoSize() const { return autoSize_; }
    bool IsAutoSkin() const { return autoSkin_; }
    unsigned TextFormat() const { return textFormat_; }
    ColorRef VisitedColor() const { return visitedColour_; }
    bool IsFocusRectVisible() const { return showFocusRect_; }
    bool IsInitialised() const { return initialised_; }
    // False once a strip failed to load: the platform look is used instead.
    bool IsOwnerDrawn() const { return ownerDrawn_; }
    // The stored button style: 0 for push buttons, the kind code for check
    // boxes and radio buttons.
    int Kind() const { return kind_; }
    bool HasImage() const { return layout_.hasImage; }
    const ImageStrip& Strip() const { return strip_; }
    QRect CaptionRect() const { return ToQRect(layout_.caption); }
    QRect ImageRect() const { return ToQRect(layout_.image); }
    QRect ClientRect() const { return ToQRect(layout_.client); }

protected:
    CHwBtn_Pub(QWidget* parent, int stateCount);

    void SetKindCode(int kind) { kind_ = kind; }
    bool IsFocused() const { return focused_; }
    // Repaints and shows the cursor of the state the button is now in.
    void RefreshState();
    // The pipeline: layout, background, caption, frame, focus rectangle.
    virtual void DrawItem(QPainter& painter);
    // How the button looks when its strip could not be loaded.
    virtual void DrawPlatformLook(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool StripLoaded(bool loaded);
    void SetCursorOfStates(int from, const HwBtnCursor& cursor);
    // The parent rectangle auto-size wants, or nothing when the button keeps
    // its geometry.
    std::optional<QRect> AutoSizeTarget() const;
    void AutoSizeWindow();

    ButtonLayout layout_;  // T, I and C
    bool autoSkin_ = true;
    unsigned textFormat_ = kDtCenter | kDtVCenter | kDtSingleLine;
    bool autoSize_ = false;
    bool initialised_ = false;
    bool ownerDrawn_ = false;
    int kind_ = 0;
    bool focused_ = false;
    bool showFocusRect_ = true;
    ButtonLayoutMode layoutMode_ = ButtonLayoutMode::CaptionOverImage;
    ImageStrip strip_;
    HwBtnStateRecords states_;
    ColorRef visitedColour_ = kNoColour;
    bool autoSizeQueued_ = false;
};
