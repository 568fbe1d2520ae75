// Where a skinned button puts its caption and its image, how large it makes
// itself, and where each frame of its strip is drawn. Rectangles here keep
// the Win32 convention (right and bottom exclusive) so the arithmetic stays
// the one the layout rules are written in; ToQRect converts for drawing.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>

struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    void Offset(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

inline QRect ToQRect(const LayoutRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

inline LayoutRect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// DrawText format bits the buttons use.
inline constexpr unsigned kDtCenter = 0x01;
inline constexpr unsigned kDtRight = 0x02;
inline constexpr unsigned kDtVCenter = 0x04;
inline constexpr unsigned kDtBottom = 0x08;
inline constexpr unsigned kDtWordBreak = 0x10;
inline constexpr unsigned kDtSingleLine = 0x20;
inline constexpr unsigned kDtNoPrefix = 0x800;

// Where a button puts its caption and its image; the numbers are the layout
// codes the buttons have always stored.
enum class ButtonLayoutMode : int {
    CaptionOverImage = 0,  // fixed size: both fill the client area
    ImageLeftCaptionRight = 1,
    CaptionLeftImageRight = 2,
    ImageOnly = 3,
};

struct ButtonLayoutInput {
    bool hasText = false;
    QSize textSize;                  // the caption measured in the state-0 font
    std::optional<QSize> imageSize;  // image 0 of the strip, when there is one
    LayoutRect client;               // C
    ButtonLayoutMode mode = ButtonLayoutMode::CaptionOverImage;
    bool autoSize = false;
    bool hasImage = false;  // the button's sticky "an image was seen" flag
};

struct ButtonLayout {
    LayoutRect caption;  // T
    LayoutRect image;    // I
    LayoutRect client;   // C, which auto-sized image-beside-caption modes may shorten
    bool hasImage = false;
};

ButtonLayout CalcButtonLayout(const ButtonLayoutInput& input);

// The rectangle an auto-sized button takes in its parent. clientInParent is
// C in parent coordinates; stripWithoutImages says that an image list exists
// but holds nothing (then the content grows by a pixel on each side unless
// the button shows its image only). DT_RIGHT keeps C's right edge, DT_CENTER centres on C (integer
// division toward zero), anything else keeps C's left edge; the top is C's.
LayoutRect AutoSizeGeometry(const ButtonLayout& layout, const LayoutRect& clientInParent,
                            ButtonLayoutMode mode, bool stripWithoutImages, unsigned textFormat);

// The image rectangle moved one pixel down-right while pressed and up-left
// while hovered: a single-image strip shows its states this way.
LayoutRect ShiftImageRectForState(const LayoutRect& rect, bool pressed, bool hovered);

struct ImageDraw {
    int index = 0;
    LayoutRect destination;
};

// Which frame of the strip is drawn for a state, and where: at I, centred on
// C when the caption is over the image or absent; a strip of fewer than two
// frames always draws frame 0, shifted by state.
ImageDraw ImageDrawFor(int state, const ButtonLayout& layout, ButtonLayoutMode mode, int imageCount,
                       bool pressed, bool hovered);
