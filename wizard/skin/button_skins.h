// The looks that pages give their buttons from the Skin folder and
// setting.ini, over the default skin each button class starts with.
#pragma once

#include "skin_colours.h"

#include <QString>

class CHwBtn_ChkRadio;
class CHwBtn_Pub;

// The common push button picture (Skin\CommonButton.bmp, or the _Little one),
// or the strip at path when one is given: centred, white caption turning
// black when hovered and blue when pressed, in the skin font.
void ApplyCommonButtonSkin(CHwBtn_Pub* button, bool little, const QString& path);

// A text link: normal colour, grey while hovered or pressed, black once
// visited; horizontalFormat is the DrawText alignment (0, DT_CENTER or
// DT_RIGHT).
void ApplyLinkButtonSkin(CHwBtn_Pub* button, ColorRef normalColour, unsigned horizontalFormat);

// The skin check box: its strip of six states, the check and uncheck
// cursors, dark captions to the right of the box.
void ApplyCheckSkin(CHwBtn_ChkRadio* button, const QString& toolTip);
