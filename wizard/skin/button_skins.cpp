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
    button->SetLayout(0);
    button->SetAutoSkin(false);
    button->SetStateTextColor(0, 0xFFFFFF);
    button->SetStateTextColor(1, 0x000000);
    button->SetStateTextColor(2, 0xFF0000);
    button->SetStateFont(-1, little ? 9 : 10, false, false, false, GetSkinFontName());
}

void ApplyLinkButtonSkin(CHwBtn_Pub* button, ColorRef normalColour, unsigned horizontalFormat) {
    button->SetStateFont(-1, 11, false, false, false, GetSkinFontName());
    button->SetStateTextColor(0, normalColour);
    // Hover sets every state from 1 on; pressed and disabled turn grey after.
    ApplyLinkHoverLook(button, 11, false);
    button->SetStateTextColor(2, 0xA9A9AA);
    button->SetTextFormat(horizontalFormat | kDtVCenter | kDtSingleLine);
    button->SetVisitedColor(0x000000);
}

void ApplyLinkHoverLook(CHwBtn_Pub* button, int pointSize, bool bold) {
    button->SetStateFont(1, pointSize, bold, false, true, GetSkinFontName());
    button->SetStateTextColor(1, kLinkHoverColour);
}

void ApplyCheckSkin(CHwBtn_ChkRadio* button, const QString& programDir, const QString& toolTip) {
    button->SetCursorFromFile(0, SkinFilePath(programDir, u"RadioCheck.cur"));
    button->SetCursorFromFile(2, SkinFilePath(programDir, u"RadioUnCheck.cur"));
    button->SetSkinImage(SkinFilePath(programDir, u"btnCheck_Default.bmp"), 6, toolTip, true);
    button->SetStateTextColor(0, 0x000000);
    button->SetStateTextColor(1, 0x404040);
    button->SetStateTextColor(2, 0x200000);
    button->SetStateTextColor(3, 0x604040);
    button->SetStateFont(-1, 9, false, false, false, GetSkinFontName());
    button->SetLayout(1);
    button->SetTextFormat(kDtVCenter | kDtSingleLine);
    button->SetVisitedColor(kNoColour);
}
