#include "security_page.h"

#include "dialog_template.h"
#include "hw_edit.h"
#include "hw_static.h"
#include "language_keys.h"
#include "page_exchange.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "validation.h"
#include "wizard_host.h"

#include <QComboBox>

#include <array>
#include <initializer_list>

namespace {

constexpr int kTemplateId = 189;

constexpr std::uint32_t kModeRow = kStyleHidden;  // shown by the security list only

constexpr ControlTemplate kControls[] = {
    {kIdStepNumber, ControlKind::Static, u"9", 16, 0, 30, 40},
    {CSecuritySettingDlg::kIdTitle, ControlKind::Static, lang::kSecurityCaptions[0], 44, 15, 346, 28},
    {CSecuritySettingDlg::kIdSecurityLabel, ControlKind::Static, lang::kSecurityCaptions[1], 53, 69, 101, 12},
    {CSecuritySettingDlg::kIdSecurity, ControlKind::DropList, u"", 158, 65, 60, 50},
    {CSecuritySettingDlg::kIdAuthLabel, ControlKind::Static, lang::kSecurityCaptions[2], 53, 91, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdAuth, ControlKind::DropList, u"", 158, 87, 60, 46, kModeRow},
    {CSecuritySettingDlg::kIdKeyTypeLabel, ControlKind::Static, lang::kSecurityCaptions[3], 53, 113, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdKeyType, ControlKind::DropList, u"", 158, 109, 60, 51, kModeRow},
    {CSecuritySettingDlg::kIdTransmitKeyLabel, ControlKind::Static, lang::kSecurityCaptions[4], 53, 135, 101,
     12, kModeRow},
    {CSecuritySettingDlg::kIdTransmitKey, ControlKind::DropList, u"", 158, 131, 60, 54, kModeRow},
    {CSecuritySettingDlg::kIdWepKeyLabel, ControlKind::Static, lang::kSecurityCaptions[5], 53, 156, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdWepKey, ControlKind::Edit, u"", 158, 152, 134, 12, kModeRow},
    {CSecuritySettingDlg::kIdWpaTypeLabel, ControlKind::Static, lang::kSecurityCaptions[6], 53, 91, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdWpaType, ControlKind::DropList, u"", 158, 87, 60, 37, kModeRow},
    {CSecuritySettingDlg::kIdWpaKeyLabel, ControlKind::Static, lang::kSecurityCaptions[7], 53, 113, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdPassphrase, ControlKind::Edit, u"", 158, 109, 134, 12, kModeRow},
    {CSecuritySettingDlg::kIdLengthHint, ControlKind::Static, lang::kSecurityCaptions[8], 296, 109, 110, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdKeyTimeLabel, ControlKind::Static, lang::kSecurityCaptions[9], 53, 135, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdKeyTime, ControlKind::Edit, u"", 158, 131, 134, 12, kModeRow | kStyleDigitsOnly},
    {CSecuritySettingDlg::kIdRangeHint, ControlKind::Static, lang::kSecurityCaptions[10], 296, 131, 101, 12,
     kModeRow},
    {CSecuritySettingDlg::kIdSecurityNote, ControlKind::Static, lang::kSecurityCaptions[11], 50, 166, 352,
     46},
    {CSecuritySettingDlg::kIdWepNote, ControlKind::Static, lang::kSecurityCaptions[12], 50, 173, 351, 35,
     kModeRow},
};

constexpr DialogTemplate kTemplate{kTemplateId, 418, 212, true, kControls};

// The rows each security mode shows; every other mode-dependent control hides.
constexpr std::array kWepRows{CSecuritySettingDlg::kIdWepNote,     CSecuritySettingDlg::kIdAuthLabel,
                              CSecuritySettingDlg::kIdAuth,        CSecuritySettingDlg::kIdKeyTypeLabel,
                              CSecuritySettingDlg::kIdKeyType,     CSecuritySettingDlg::kIdTransmitKeyLabel,
                              CSecuritySettingDlg::kIdTransmitKey, CSecuritySettingDlg::kIdWepKeyLabel,
                              CSecuritySettingDlg::kIdWepKey};
constexpr std::array kWpaRows{CSecuritySettingDlg::kIdWpaTypeLabel, CSecuritySettingDlg::kIdWpaType,
                              CSecuritySettingDlg::kIdWpaKeyLabel,  CSecuritySettingDlg::kIdPassphrase,
                              CSecuritySettingDlg::kIdLengthHint,   CSecuritySettingDlg::kIdKeyTimeLabel,
                              CSecuritySettingDlg::kIdKeyTime,      CSecuritySettingDlg::kIdRangeHint};

constexpr char16_t kDefaultKeyTime[] = u"3600";

void FillList(QComboBox* list, const CLanguageTable& table, std::initializer_list<QStringView> keys) {
    for (const QStringView key : keys) {
        list->addItem(table.Lookup(key.toString()));
    }
}

// The field each warning of the page check is about.
constexpr WarningField kWarningFields[] = {
    {lang::kWepKeyInvalid, CSecuritySettingDlg::kIdWepKey},
    {lang::kWpaKeyInvalid, CSecuritySettingDlg::kIdPassphrase},
    {lang::kKeyTimeInvalid, CSecuritySettingDlg::kIdKeyTime},
};

}  // namespace

CSecuritySettingDlg::CSecuritySettingDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kTemplate);
}

void CSecuritySettingDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    ApplySubtitleSkin(Item<CHwStatic>(kIdSecurityNote));
    ApplySubtitleSkin(Item<CHwStatic>(kIdWepNote));
    for (const int label :
         {kIdSecurityLabel, kIdAuthLabel, kIdKeyTypeLabel, kIdTransmitKeyLabel, kIdWepKeyLabel,
          kIdWpaTypeLabel, kIdWpaKeyLabel, kIdKeyTimeLabel, kIdLengthHint, kIdRangeHint}) {
        ApplyBodyTextSkin(Item<CHwStatic>(label));
    }
    for (const int edit : {kIdWepKey, kIdPassphrase, kIdKeyTime}) {
        ApplyEditSkin(Item<CHwEdit>(edit), App().Settings());
    }
}

void CSecuritySettingDlg::AfterTranslation() {
    using namespace lang;
    const CLanguageTable& table = Language();
    FillList(Item<QComboBox>(kIdSecurity), table, {kDisable, kWep, kWpa, kWpa2});
    FillList(Item<QComboBox>(kIdAuth), table, {kOpen, kShare});
    FillList(Item<QComboBox>(kIdKeyType), table, {kAscii, kHex});
    FillList(Item<QComboBox>(kIdTransmitKey), table, {kKey1, kKey2, kKey3, kKey4});
    FillList(Item<QComboBox>(kIdWpaType), table, {kTkip, kAes});
    keyTime_ = QString::fromUtf16(kDefaultKeyTime);
    UpdateData(false);
    connect(Item<QComboBox>(kIdSecurity), &QComboBox::currentIndexChanged, this,
            &CSecuritySettingDlg::OnSecurityModeChanged);
}

void CSecuritySettingDlg::OnSecurityModeChanged(int mode) {
    for (const int id : kWepRows) GetDlgItem(id)->hide();
    for (const int id : kWpaRows) GetDlgItem(id)->hide();
    GetDlgItem(kIdSecurityNote)->hide();

    if (mode == kSecurityDisabled) {
        GetDlgItem(kIdSecurityNote)->show();
    } else if (mode == kSecurityWep) {
        for (const int id : kWepRows) GetDlgItem(id)->show();
    } else if (mode == kSecurityWpa || mode == kSecurityWpa2) {
        for (const int id : kWpaRows) GetDlgItem(id)->show();
        const bool wpa2 = mode == kSecurityWpa2;
        Item<CHwStatic>(kIdWpaTypeLabel)
            ->setText(Lookup((wpa2 ? lang::kWpa2KeyMode : lang::kWpaKeyMode).toString()));
        Item<CHwStatic>(kIdWpaKeyLabel)->setText(Lookup((wpa2 ? lang::kWpa2Key : lang::kWpaKey).toString()));
    }
    update();
}

bool CSecuritySettingDlg::UpdateData(bool saveAndValidate) {
    ExchangeListIndex(*this, kIdSecurity, modeIndex_, saveAndValidate);
    ExchangeListIndex(*this, kIdAuth, wepAuthIndex_, saveAndValidate);
    ExchangeListIndex(*this, kIdKeyType, wepKeyFormatIndex_, saveAndValidate);
    ExchangeListIndex(*this, kIdTransmitKey, wepKeyIndex_, saveAndValidate);
    ExchangeText(*this, kIdWepKey, wepKey_, saveAndValidate);
    ExchangeListIndex(*this, kIdWpaType, wpaCipherIndex_, saveAndValidate);
    ExchangeText(*this, kIdPassphrase, passphrase_, saveAndValidate);
    // Digits only but no length limit: the check reads any length safely.
    ExchangeText(*this, kIdKeyTime, keyTime_, saveAndValidate);
    return true;
}

bool CSecuritySettingDlg::PageCheck() {
    UpdateData(true);
    const SecurityPageValues values{modeIndex_, wepAuthIndex_,   wepKeyFormatIndex_, wepKeyIndex_,
                                    wepKey_,    wpaCipherIndex_, passphrase_,        keyTime_};
    if (const WarningKey warning = CheckSecurityPage(values, App().securityParams, App().wanStatus)) {
        ShowWarning(*warning, kWarningFields);
        return false;
    }
    return true;
}
