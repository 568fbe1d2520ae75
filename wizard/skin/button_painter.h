// Painting of the skinned buttons, apart from any widget: each step takes a
// painter, the rectangles of the layout and the record of the current state.
// A button paints background, caption, frame, then the focus rectangle.
#pragma once

#include "button_layout.h"
#include "button_state.h"
#include "image_strip.h"

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

// The DrawText format as Qt alignment and text flags.
int TextFlagsFromFormat(unsigned format);

// Frame `index` of the strip at the destination, clipped to the destination's
// size. False when the strip has no such frame.
bool DrawStripFrame(QPainter& painter, const ImageStrip& strip, int index, const LayoutRect& destination);

// The state's background colour over the client area; false (nothing drawn)
// when the state has none. The strip image, when there is one, is drawn
// instead by the caller.
bool FillStateBackground(QPainter& painter, const LayoutRect& client, const HwBtnStateAttr& state);

// The colours of embossed (disabled) text, as the classic 3D colours.
struct EmbossColours {
    QColor highlight = QColor(0xFF, 0xFF, 0xFF);
    QColor shadow = QColor(0xA0, 0xA0, 0xA0);
};

// The caption in the state's font (fallback when it has none) and text
// colour, in a rectangle one pixel taller at each end; disabled text is
// embossed: highlight one pixel down-right, then shadow at the caption.
void DrawButtonCaption(QPainter& painter, const QString& text, const LayoutRect& caption, unsigned format,
                       const HwBtnStateAttr& state, const QFont& fallback, bool enabled,
                       const EmbossColours& emboss = {});

// A one-pixel frame around the client area in the state's frame colour;
// nothing for check boxes and radio buttons (kinds 2 and 4) or without a
// frame colour.
void DrawButtonFrame(QPainter& painter, const LayoutRect& client, const HwBtnStateAttr& state, int kind);

// Below this height the focus rectangle runs along the client's edge.
inline constexpr int kFocusInsetMinHeight = 20;

// The dotted focus rectangle, client area less 3 pixels each side (none for
// a control lower than kFocusInsetMinHeight), drawn by inverting every other
// pixel so it shows on any background.
void DrawButtonFocusRect(QPainter& painter, const LayoutRect& client);
