#include "page_skins.h"

#include "hw_edit.h"
#include "hw_static.h"
#include "settings_file.h"
#include "skin_font.h"

namespace {

void SetPlainStyleFont(CWndCommonAttr& control, int pointSize, const QString& face, bool bold) {
    control.SetTextFont(pointSize, face, bold, false, false, 0);
}

}  // namespace

void ApplyTitleSkin(CHwStatic* title) {
    if (title == nullptr) {
        return;
    }
    title->SetTextColor(0x000000);
    SetPlainStyleFont(*title, 11, GetSkinFontName(), true);
}

void ApplySubtitleSkin(CHwStatic* subtitle) {
    if (subtitle == nullptr) {
        return;
    }
    SetPlainStyleFont(*subtitle, 10, GetSkinFontName(), true);
    subtitle->SetTextColor(0x000000);
}

void ApplyBodyTextSkin(CHwStatic* text) {
    if (text == nullptr) {
        return;
    }
    SetPlainStyleFont(*text, 9, GetSkinFontName(), false);
    text->SetTextColor(0x000000);
}

void ApplyStaticPairSkin(CHwStatic* label, CHwStatic* value, int labelSize, bool labelBold, int valueSize,
                         bool valueBold) {
    if (label == nullptr || value == nullptr) {
        return;
    }
    label->SetTextColor(0x000000);
    value->SetTextColor(0x000000);
    const QString face = GetSkinFontName();
    SetPlainStyleFont(*label, labelSize, face, labelBold);
    SetPlainStyleFont(*value, valueSize, face, valueBold);
    value->SetTransparent(true);
}

void ApplyEditSkin(CHwEdit* edit, const CSettingsFile& settings) {
    if (edit == nullptr) {
        return;
    }
    edit->SetTextColor(0x000000);
    SetPlainStyleFont(*edit, 8, settings.GetSkinFontName(), false);
    // The file's keys are crossed: "EditFontColor" is the focused background,
    // "EditBkColor" the focused text.
    const EditFocusColors colours = settings.ReadEditFocusColors();
    edit->SetFocusBkColor(colours.background);
    edit->SetFocusTextColor(colours.text);
    edit->SetBorder(true);
}
