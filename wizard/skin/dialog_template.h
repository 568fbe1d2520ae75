// Dialog templates as data: each window's controls as a table of id, kind,
// caption (a language key), rectangle in dialog units and the few style bits
// that change behaviour. One builder turns a table into widgets.
#pragma once

#include <QStringView>

#include <cstdint>
#include <span>

enum class ControlKind {
    Static,     // a label (CHwStatic); the page area of the main window too
    Picture,    // a static that shows a picture file (CHwDisplayPic)
    Button,     // a skinned push button (CHwBtn_Pic)
    Hotspot,    // a link-like button (CHwBtn_Hotspot)
    CheckBox,   // CHwBtn_ChkRadio as a check box
    Radio,      // CHwBtn_ChkRadio as a radio button
    Edit,       // a single-line entry field (CHwEdit)
    DropList,   // a drop-down list without typing
    IpAddress,  // four-octet address field
};

// Style bits that matter to behaviour or looks.
enum ControlStyle : std::uint32_t {
    kStyleNone = 0,
    kStyleRightAligned = 1u << 0,
    kStyleCentred = 1u << 1,
    kStyleDefaultButton = 1u << 2,
    kStyleReadOnly = 1u << 3,
    kStyleDigitsOnly = 1u << 4,
    kStyleHidden = 1u << 5,
    kStyleGroupStart = 1u << 6,  // starts a dialog group (radio buttons)
    kStyleDisabled = 1u << 7,
    kStyleSingleLine = 1u << 8,  // a label that never wraps
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    QStringView caption;      // a language key; empty for none
    int x, y, width, height;  // dialog units
    std::uint32_t style = kStyleNone;
    int textLimit = 0;  // edits: most characters accepted; 0 for no limit
};

struct DialogTemplate {
    int id;
    int width, height;  // dialog units
    bool child;         // a page inside another window rather than a window of its own
    std::span<const ControlTemplate> controls;
};

// The control with that id in the table, or null.
const ControlTemplate* FindControlTemplate(const DialogTemplate& dialog, int controlId);

// Templates are registered by the layer that owns them (the skin registers
// the message box's, the pages theirs) before a dialog of that id is created.
void RegisterDialogTemplate(const DialogTemplate& dialog);

// The registered template with that id, or null.
const DialogTemplate* FindDialogTemplate(int templateId);
