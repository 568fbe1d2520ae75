// The state model of the skinned buttons: one attribute record per visual
// state, and which state a button is in. No widget here, so the rules are
// tested on their own.
#pragma once

#include "skin_colours.h"

#include <QCursor>
#include <QFont>

#include <optional>
#include <variant>
#include <vector>

// A state's cursor: none (the default handling decides), a standard shape, or
// a cursor loaded from a file. Shapes stay shapes until shown, so the records
// need no running application.
using HwBtnCursor = std::variant<std::monostate, Qt::CursorShape, QCursor>;

// One visual state of a button. An empty font means the button's own font.
struct HwBtnStateAttr {
    ColorRef frameColour = kNoColour;
    ColorRef textColour = 0xB25125;
    ColorRef backgroundColour = kNoColour;
    std::optional<QFont> font;
    HwBtnCursor cursor = Qt::ArrowCursor;
};

// The records of all states of one button. Setters write the state `from`
// and every later one, so setting state 0 first and higher states afterwards
// leaves each state with the last value given at or below it.
class HwBtnStateRecords {
public:
    explicit HwBtnStateRecords(int stateCount) : records_(static_cast<std::size_t>(stateCount)) {}

    int Count() const { return static_cast<int>(records_.size()); }
    // The record of a state; an index outside the table reads state 0.
    const HwBtnStateAttr& At(int state) const;

    void SetFrameColor(int from, ColorRef colour);
    void SetTextColor(int from, ColorRef colour);
    void SetBkColor(int from, ColorRef colour);
    void SetCursor(int from, const HwBtnCursor& cursor);
    // Only this one state (the visited colour replaces the normal state's).
    void SetTextColorOfState(int state, ColorRef colour);
    // Only this one record (the font setter of a button decides about "all").
    bool SetFont(int state, const QFont& font);

private:
    template <typename Member, typename Value>
    void SetFrom(int from, Member member, const Value& value);

    std::vector<HwBtnStateAttr> records_;
};

// The four states of a push button or a link, by their index in the records
// and the strip.
enum PushButtonState : int {
    kPushNormal = 0,
    kPushHovered = 1,
    kPushPressed = 2,
    kPushDisabled = 3,
};

// The six states of a check box or radio button, by their index.
enum CheckRadioState : int {
    kUncheckedNormal = 0,
    kUncheckedHovered = 1,
    kCheckedNormal = 2,
    kCheckedHovered = 3,
    kDisabledUnchecked = 4,
    kDisabledChecked = 5,
};

// The state a font setter gives for every state of a button at once.
inline constexpr int kAllButtonStates = -1;

// A push button's state, checked in this order: disabled, pressed, hovered,
// normal.
int PushButtonStateIndex(bool enabled, bool pressed, bool hovered);

// A check box's or radio button's state.
int CheckRadioStateIndex(bool enabled, bool hovered, bool checked);

// Kind codes of CHwBtn_ChkRadio, stored where a push button keeps its style.
inline constexpr int kHwBtnKindCheckBox = 2;
inline constexpr int kHwBtnKindRadio = 4;

// The kind code a Win32 button style turns into: the auto check box style
// becomes 2, the auto radio style 4, anything else stays as it was.
unsigned ChkRadioKindFromStyle(unsigned style);
