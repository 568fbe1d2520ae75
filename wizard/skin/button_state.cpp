#include "button_state.h"

const HwBtnStateAttr& HwBtnStateRecords::At(int state) const {
    if (state < 0 || state >= Count()) {
        state = 0;
    }
    return records_[static_cast<std::size_t>(state)];
}

template <typename Member, typename Value>
void HwBtnStateRecords::SetFrom(int from, Member member, const Value& value) {
    // A negative state would have written before the table; nothing is written.
    if (from < 0) {
        return;
    }
    for (int state = from; state < Count(); ++state) {
        records_[static_cast<std::size_t>(state)].*member = value;
    }
}

void HwBtnStateRecords::SetFrameColor(int from, ColorRef colour) {
    SetFrom(from, &HwBtnStateAttr::frameColour, colour);
}

void HwBtnStateRecords::SetTextColor(int from, ColorRef colour) {
    SetFrom(from, &HwBtnStateAttr::textColour, colour);
}

void HwBtnStateRecords::SetBkColor(int from, ColorRef colour) {
    SetFrom(from, &HwBtnStateAttr::backgroundColour, colour);
}

void HwBtnStateRecords::SetCursor(int from, const HwBtnCursor& cursor) {
    SetFrom(from, &HwBtnStateAttr::cursor, cursor);
}

void HwBtnStateRecords::SetTextColorOfState(int state, ColorRef colour) {
    if (state >= 0 && state < Count()) {
        records_[static_cast<std::size_t>(state)].textColour = colour;
    }
}

bool HwBtnStateRecords::SetFont(int state, const QFont& font) {
    if (state < 0 || state >= Count()) {
        return false;
    }
    records_[static_cast<std::size_t>(state)].font = font;
    return true;
}

int PushButtonStateIndex(bool enabled, bool pressed, bool hovered) {
    if (!enabled) {
        return kPushDisabled;
    }
    if (pressed) {
        return kPushPressed;
    }
    return hovered ? kPushHovered : kPushNormal;
}

int CheckRadioStateIndex(bool enabled, bool hovered, bool checked) {
    if (!enabled) {
        return checked ? kDisabledChecked : kDisabledUnchecked;
    }
    if (checked) {
        return hovered ? kCheckedHovered : kCheckedNormal;
    }
    return hovered ? kUncheckedHovered : kUncheckedNormal;
}

unsigned ChkRadioKindFromStyle(unsigned style) {
    constexpr unsigned kAutoCheckBox = 3;
    constexpr unsigned kAutoRadioButton = 9;
    // The two tests run one after the other on the stored value, as the
    // original initialisation did.
    if ((style & kAutoCheckBox) == kAutoCheckBox) {
        style = kHwBtnKindCheckBox;
    }
    if ((style & kAutoRadioButton) == kAutoRadioButton) {
        style = kHwBtnKindRadio;
    }
    return style;
}
