#include "edit_colours.h"

EditColours ComputeEditColours(const EditState& state) {
    EditColours colours;
    colours.disabledLook = state.readOnly || !state.enabled;
    colours.text = state.textColour;
    if (colours.disabledLook) {
        colours.background = state.readOnlyBkColour;
    } else if (state.focusHighlight) {
        colours.background = state.focusBkColour;
        colours.text = state.focusTextColour;
    } else {
        colours.background = state.backgroundColour;
    }
    colours.transparent = state.transparent;
    colours.innerFrame = colours.background;
    colours.outerFrame = colours.disabledLook ? kEditDisabledFrameColour : kEditFrameColour;
    return colours;
}
