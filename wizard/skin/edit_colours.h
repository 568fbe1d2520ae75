// The colours a skinned edit paints with, as a pure rule of its state, so
// that the rule is tested without a widget.
#pragma once

#include "colour_values.h"

// Background of a focused field until the skin says otherwise: red 200,
// green 255, blue 255.
inline constexpr ColorRef kEditFocusBkColour = 0xFFFFC8u;
// Background of a read-only or disabled field: red 230, green 230, blue 200.
inline constexpr ColorRef kEditReadOnlyBkColour = 0xC8E6E6u;
// The outer frame line: red 128, green 158, blue 185; grey when the field
// cannot be edited.
inline constexpr ColorRef kEditFrameColour = 0xB99E80u;
inline constexpr ColorRef kEditDisabledFrameColour = 0x808080u;

struct EditState {
    bool readOnly = false;
    bool enabled = true;
    bool focusHighlight = false;
    bool transparent = false;
    ColorRef textColour = 0x000000;         // the attribute block's
    ColorRef backgroundColour = 0xFFFFFFu;  // the attribute block's
    ColorRef focusTextColour = 0x000000;
    ColorRef focusBkColour = kEditFocusBkColour;
    ColorRef readOnlyBkColour = kEditReadOnlyBkColour;
};

struct EditColours {
    bool disabledLook = false;
    ColorRef text = 0x000000;
    // What the field is filled with, unless transparent is set (then the
    // parent shows through).
    ColorRef background = 0xFFFFFFu;
    bool transparent = false;
    // The inner frame band always takes the background choice, even on a
    // transparent field; the outer line marks whether the field is editable.
    ColorRef innerFrame = 0xFFFFFFu;
    ColorRef outerFrame = kEditFrameColour;
};

// A read-only or disabled field shows the read-only background and never the
// focus colours; a focused editable field shows the focus colours; any other
// the block's own.
EditColours ComputeEditColours(const EditState& state);
