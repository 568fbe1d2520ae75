// The looks a page gives its labels and entry fields, with the skin's font
// and the focus colours of setting.ini. A null control is left alone.
#pragma once

class CHwEdit;
class CHwStatic;
class CSettingsFile;

// Black, 11 points bold.
void ApplyTitleSkin(CHwStatic* title);
// Black, 10 points bold.
void ApplySubtitleSkin(CHwStatic* subtitle);
// Black, 9 points.
void ApplyBodyTextSkin(CHwStatic* text);
// Both black in their own sizes and weights; the value is see-through. Does
// nothing unless both exist.
void ApplyStaticPairSkin(CHwStatic* label, CHwStatic* value, int labelSize, bool labelBold, int valueSize,
                         bool valueBold);
// Black, 8 points in the settings' skin font, the settings' focus colours
// and the drawn frame.
void ApplyEditSkin(CHwEdit* edit, const CSettingsFile& settings);
