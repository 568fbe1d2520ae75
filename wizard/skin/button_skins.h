// The looks that pages give their buttons from the Skin folder and
// setting.ini, over the default skin each button class starts with.
#pragma once

#include "skin_colours.h"

#include <QString>

class CHwBtn_ChkRadio;
class CHwBtn_Pub;

// The common push button picture of programDir's skin: CommonButton.bmp, or
// the _Little one.
QString CommonButtonStrip(const QString& programDir, bool little);

// The common push button look over the strip at stripPath (usually
// CommonButtonStrip's): centred, white caption turning black when hovered and
// blue when pressed, in the skin font; little buttons have smaller text.
void ApplyCommonButtonSkin(CHwBtn_Pub* button, bool little, const QString& stripPath);

// A link's text while the mouse is over it: a dark blue that keeps a
// contrast of 4.5:1 or more over the pages and the header (the grey and the
// white the links once turned to faded into both).
inline constexpr ColorRef kLinkHoverColour = 0x8C3A00;  // red 0x00, green 0x3A, blue 0x8C

// A text link: normal colour, underlined in the hover colour while hovered,
// grey while pressed, black once visited; horizontalFormat is the DrawText
// alignment (0, DT_CENTER or DT_RIGHT).
void ApplyLinkButtonSkin(CHwBtn_Pub* button, ColorRef normalColour, unsigned horizontalFormat);

// The hover look of a link in its font: underlined, in the hover colour.
void ApplyLinkHoverLook(CHwBtn_Pub* button, int pointSize, bool bold);

// The skin check box from programDir's skin: its strip of six states, the
// check and uncheck cursors, dark captions to the right of the box.
void ApplyCheckSkin(CHwBtn_ChkRadio* button, const QString& programDir, const QString& toolTip);
