// One function per family of Skin/ pictures; each draws its files and hands
// them to the output.
#pragma once

#include "skin_output.h"
#include "style.h"

#include <QPainter>
#include <QSize>

namespace skin_gen {

void DrawWindowFaces(SkinOutput& out);  // main window, message box, link error pop-up
void DrawPageBackgrounds(SkinOutput& out);
void DrawInstructionPages(SkinOutput& out);
void DrawControlStrips(SkinOutput& out);  // buttons and check box
void DrawIconsAndCursors(SkinOutput& out);
void DrawProgressFrames(SkinOutput& out);

// The program's logo on a see-through square: the pictures of logo.ico and of
// the desktop icons. The desktop sizes are the usual hicolor theme folders.
QImage LogoPicture(int size);
inline constexpr int kLogoIconSizes[] = {16, 32, 48, 256};
inline constexpr int kDesktopIconSizes[] = {16, 32, 48, 64, 128, 256};
// The logo as hicolor theme PNGs: <size>x<size>/apps/<iconName>.png.
void DrawDesktopIcons(SkinOutput& out, const QString& iconName);

// The face every step page shares: a pale panel, a soft box where the widget
// draws the step number and a line under the title.
// Where a page's title rule runs: below the notes some pages put under their
// title (they end at 78), or, on the result page, above its first row (78).
inline constexpr int kStepRuleY = 82;
inline constexpr int kResultRuleY = 66;
void PaintStepPage(QPainter& p, QSize size, int ruleY = kStepRuleY);
// The main window's outline along a page's left edge.
void PaintPageLeftEdge(QPainter& p, QSize size);

// The look of a push button; the frames of the button strips, in order.
enum class ButtonState { Normal, Hover, Pressed, Disabled };
void PaintButton(QPainter& p, const QRectF& rect, ButtonState state);

}  // namespace skin_gen
