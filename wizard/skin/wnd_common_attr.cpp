#include "wnd_common_attr.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

CWndCommonAttr::CWndCommonAttr(QWidget* owner) : owner_(owner), textColour_(SystemWindowTextColour()) {}

CWndCommonAttr::~CWndCommonAttr() = default;

void CWndCommonAttr::SetToolTipText(const QString& text, bool activate) {
    toolTipText_ = text;
    toolTipActive_ = activate;
    if (owner_ != nullptr) {
        owner_->setToolTip(activate ? text : QString());
    }
}

void CWndCommonAttr::OnAttributesChanged(bool /*erase*/) {}

int CWndCommonAttr::SetTextFont(int pointSize, const QString& face, bool bold, bool italic, bool underline,
                                int /*width*/) {
    // Qt picks the width from the face; the width argument is always 0 here.
    font_ = MakeSkinFont({pointSize, face, bold, italic, underline});
    if (owner_ != nullptr) {
        owner_->setFont(*font_);
    }
    return 1;
}

void CWndCommonAttr::SetTextColor(ColorRef colour) {
    textColour_ = colour;
    OnAttributesChanged(true);
}

void CWndCommonAttr::SetBkColor(ColorRef colour) {
    backgroundColour_ = colour;
    OnAttributesChanged(true);
}

ControlColours CWndCommonAttr::GetCtlColorBrush(ColorRef text, ColorRef background) const {
    ControlColours colours;
    colours.text = text == kNoColour ? textColour_ : text;
    colours.transparent = transparent_;
    colours.background =
        transparent_ ? kNoColour : (background == kNoColour ? backgroundColour_ : background);
    return colours;
}

void CWndCommonAttr::SetTransparent(bool transparent) {
    transparent_ = transparent;
    OnAttributesChanged(true);
}

void CWndCommonAttr::InitColours(ColorRef text, ColorRef background, bool transparent) {
    textColour_ = text;
    backgroundColour_ = background;
    transparent_ = transparent;
}

void RedrawParentArea(QWidget* control) {
    if (control == nullptr) {
        return;
    }
    if (QWidget* parent = control->parentWidget()) {
        parent->update(control->geometry());
    } else {
        control->update();
    }
}

ColorRef SystemWindowTextColour() {
    return ToColorRef(QApplication::palette().color(QPalette::WindowText));
}
