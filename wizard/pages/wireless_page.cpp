#include "wireless_page.h"

#include "button_skins.h"
#include "dialog_template.h"
#include "format_string.h"
#include "hw_button_kinds.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "language_keys.h"
#include "page_exchange.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "validation.h"
#include "wizard_host.h"

#include <QComboBox>

namespace {

constexpr int kTemplateId = 187;

constexpr int kChannelCount = 13;

constexpr ControlTemplate kControls[] = {
    {kIdStepNumber, ControlKind::Static, u"8", 16, 0, 30, 40},
    {CWirelessSettingDlg::kIdTitle, ControlKind::Static, lang::kWirelessCaptions[0], 44, 15, 265, 16},
    {CWirelessSettingDlg::kIdNote, ControlKind::Static, lang::kWirelessCaptions[1], 72, 28, 348, 18,
     kStyleRightAligned},
    {CWirelessSettingDlg::kIdSsidLabel, ControlKind::Static, lang::kWirelessCaptions[2], 67, 56, 118, 12},
    {CWirelessSettingDlg::kIdSsid, ControlKind::Edit, u"", 186, 54, 85, 12, kStyleNone, kSsidLimit},
    {CWirelessSettingDlg::kIdModeLabel, ControlKind::Static, lang::kWirelessCaptions[3], 67, 83, 118, 16},
    {CWirelessSettingDlg::kIdMode, ControlKind::DropList, u"", 186, 83, 82, 85},
    {CWirelessSettingDlg::kIdChannelLabel, ControlKind::Static, lang::kWirelessCaptions[4], 67, 110, 118, 16},
    {CWirelessSettingDlg::kIdChannel, ControlKind::DropList, u"", 186, 110, 83, 148},
    {CWirelessSettingDlg::kIdBroadcastLabel, ControlKind::Static, lang::kWirelessCaptions[5], 67, 137, 118,
     16},
    {CWirelessSettingDlg::kIdBroadcast, ControlKind::CheckBox, u"", 186, 137, 16, 12},
};

constexpr DialogTemplate kTemplate{kTemplateId, 434, 212, true, kControls};

// The field the warning of the page check is about.
constexpr WarningField kWarningFields[] = {{lang::kSsidInvalid, CWirelessSettingDlg::kIdSsid}};

}  // namespace

CWirelessSettingDlg::CWirelessSettingDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kTemplate);
}

void CWirelessSettingDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    ApplySubtitleSkin(Item<CHwStatic>(kIdNote));
    for (const int label : {kIdSsidLabel, kIdModeLabel, kIdChannelLabel, kIdBroadcastLabel}) {
        ApplyBodyTextSkin(Item<CHwStatic>(label));
    }
    ApplyEditSkin(Item<CHwEdit>(kIdSsid), App().Settings());
    ApplyCheckSkin(Item<CHwBtn_ChkRadio>(kIdBroadcast), App().ProgramDir(), QString());
}

void CWirelessSettingDlg::AfterTranslation() {
    ssid_ = Lookup(lang::kSsidValue.toString()).trimmed();

    auto* channels = Item<QComboBox>(kIdChannel);
    channels->addItem(Lookup(lang::kAuto.toString()));
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        channels->addItem(FormatString(u"%d", channel));
    }
    auto* modes = Item<QComboBox>(kIdMode);
    modes->addItem(Lookup(lang::kModeBgMixed.toString()));
    modes->addItem(Lookup(lang::kModeBgnMixed.toString()));

    // The box has no caption of its own; a screen reader names it by its label.
    Item<CHwBtn_ChkRadio>(kIdBroadcast)->setAccessibleName(Item<CHwStatic>(kIdBroadcastLabel)->text());
    UpdateData(false);
}

bool CWirelessSettingDlg::UpdateData(bool saveAndValidate) {
    // The field refuses more than kSsidLimit characters; the limit holds for
    // the value too, whatever reached the field.
    ExchangeText(*this, kIdSsid, ssid_, saveAndValidate, kSsidLimit);
    ExchangeListIndex(*this, kIdMode, modeIndex_, saveAndValidate);
    ExchangeListIndex(*this, kIdChannel, channelIndex_, saveAndValidate);
    if (auto* broadcast = Item<CHwBtn_ChkRadio>(kIdBroadcast)) {
        if (saveAndValidate) {
            broadcast_ = broadcast->GetCheck() != 0;
        } else {
            broadcast->SetCheck(broadcast_ ? 1 : 0);
        }
    }
    return true;
}

bool CWirelessSettingDlg::PageCheck() {
    UpdateData(true);
    const WirelessPageValues values{ssid_, modeIndex_, channelIndex_, broadcast_};
    if (const WarningKey warning = CheckWirelessPage(values, App().wirelessParams, App().wanStatus)) {
        ShowWarning(*warning, kWarningFields);
        return false;
    }
    return true;
}
