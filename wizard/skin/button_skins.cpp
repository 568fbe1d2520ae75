#include "button_skins.h"

#include "button_layout.h"
#include "hw_button_kinds.h"
#include "skin_font.h"
#include "skin_path.h"

QString CommonButtonStrip(const QString& programDir, bool little) {
    return SkinFilePath(programDir, little ? u"CommonButton_Little.bmp" : u"CommonButton.bmp");
}

void ApplyCommonButtonSkin(CHwBtn_Pub* button, bool little, const QString& stripPath) {
    button->SetSkinImage(stripPath, 4, QString(), true);
    button->SetLayout(ButtonLayoutMode::CaptionOverImage);
    button->SetAutoSkin(false);
    button->SetStateTextColor(kPushNormal, 0xFFFFFF);
    button->SetStateTextColor(kPushHovered, 0x000000);
    button->SetStateTextColor(kPushPressed, 0xFF0000);
    button->SetStateFont(kAllButtonStates, little ? 9 : 10, false, false, false, GetSkinFontName());
}

void ApplyLinkButtonSkin(CHwBtn_Pub* button, ColorRef normalColour, unsigned horizontalFormat) {
    button->SetStateFont(kAllButtonStates, 11, false, false, false, GetSkinFontName());
    button->SetStateTextColor(kPushNormal, normalColour);
    // Hover sets every state from 1 on; pressed and disabled turn grey after.
    ApplyLinkHoverLook(button, 11, false);
    button->SetStateTextColor(kPushPressed, 0xA9A9AA);
    button->SetTextFormat(horizontalFormat | kDtVCenter | kDtSingleLine);
    button->SetVisitedColor(0x000000);
}

void ApplyLinkHoverLook(CHwBtn_Pub* button, int pointSize, bool bold) {
    button->SetStateFont(kPushHovered, pointSize, bold, false, true, GetSkinFontName());
    button->SetStateTextColor(kPushHovered, kLinkHoverColour);
}

void ApplyCheckSkin(CHwBtn_ChkRadio* button, const QString& programDir, const QString& toolTip) {
    button->SetCursorFromFile(kUncheckedNormal, SkinFilePath(programDir, u"RadioCheck.cur"));
    button->SetCursorFromFile(kCheckedNormal, SkinFilePath(programDir, u"RadioUnCheck.cur"));
    button->SetSkinImage(SkinFilePath(programDir, u"btnCheck_Default.bmp"), 6, toolTip, true);
    button->SetStateTextColor(kUncheckedNormal, 0x000000);
    button->SetStateTextColor(kUncheckedHovered, 0x404040);
    button->SetStateTextColor(kCheckedNormal, 0x200000);
    button->SetStateTextColor(kCheckedHovered, 0x604040);
    button->SetStateFont(kAllButtonStates, 9, false, false, false, GetSkinFontName());
    button->SetLayout(ButtonLayoutMode::ImageLeftCaptionRight);
    button->SetTextFormat(kDtVCenter | kDtSingleLine);
    button->SetVisitedColor(kNoColour);
}
