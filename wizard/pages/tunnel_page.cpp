#include "tunnel_page.h"

#include "hw_edit.h"
#include "hw_static.h"
#include "language_keys.h"
#include "page_exchange.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "wizard_host.h"

#include <QComboBox>

namespace {

constexpr int kIdServerLabel = 1153;
constexpr int kIdAccountLabel = 1154;
constexpr int kIdPasswordLabel = 1155;
constexpr int kIdAddressModeLabel = 1156;
constexpr int kIdIpLabel = 1157;
constexpr int kIdMaskLabel = 1158;
constexpr int kIdGatewayLabel = 1159;

// The list's height in a Win32 template is that of its drop-down part; the
// closed list stands as high as the fields around it. The labels are two
// units taller than the 8 the original had, so that the skin font's
// descenders are not cut off.
constexpr ControlTemplate kTunnelControls[] = {
    {CPPTPSettingDlg::kIdTitle, ControlKind::Static, lang::kTunnelCaptions[0], 44, 15, 325, 40},
    {kIdServerLabel, ControlKind::Static, lang::kTunnelCaptions[1], 36, 58, 128, 10},
    {CPPTPSettingDlg::kIdServer, ControlKind::IpAddress, u"", 185, 52, 102, 14},
    {kIdAccountLabel, ControlKind::Static, lang::kTunnelCaptions[2], 36, 75, 128, 10},
    {CPPTPSettingDlg::kIdAccount, ControlKind::Edit, u"", 185, 69, 102, 14},
    {kIdPasswordLabel, ControlKind::Static, lang::kTunnelCaptions[3], 36, 92, 128, 10},
    {CPPTPSettingDlg::kIdPassword, ControlKind::Edit, u"", 185, 86, 102, 14},
    {kIdAddressModeLabel, ControlKind::Static, lang::kTunnelCaptions[4], 36, 109, 128, 10},
    {CPPTPSettingDlg::kIdAddressMode, ControlKind::DropList, u"", 185, 105, 102, 14},
    {kIdIpLabel, ControlKind::Static, lang::kTunnelCaptions[5], 36, 126, 128, 10},
    {CPPTPSettingDlg::kIdIp, ControlKind::IpAddress, u"", 185, 120, 102, 14},
    {kIdMaskLabel, ControlKind::Static, lang::kTunnelCaptions[6], 36, 143, 128, 10},
    {CPPTPSettingDlg::kIdMask, ControlKind::IpAddress, u"", 185, 137, 102, 14},
    {kIdGatewayLabel, ControlKind::Static, lang::kTunnelCaptions[7], 36, 160, 128, 10},
    {CPPTPSettingDlg::kIdGateway, ControlKind::IpAddress, u"", 185, 154, 102, 14},
    {kIdStepNumber, ControlKind::Static, u"6", 16, 0, 30, 48},
};

constexpr DialogTemplate kTunnelTemplate{CPPTPSettingDlg::kTemplateId, 371, 212, true, kTunnelControls};

// The field each warning of the page check is about.
constexpr WarningField kWarningFields[] = {
    {lang::kServerIpInvalid, CPPTPSettingDlg::kIdServer},
    {lang::kUserNameEmpty, CPPTPSettingDlg::kIdAccount},
    {lang::kUserNameUnsendable, CPPTPSettingDlg::kIdAccount},
    {lang::kPasswordEmpty, CPPTPSettingDlg::kIdPassword},
    {lang::kPasswordUnsendable, CPPTPSettingDlg::kIdPassword},
    {lang::kIpAddressInvalid, CPPTPSettingDlg::kIdIp},
    {lang::kSameSegment, CPPTPSettingDlg::kIdIp},
    {lang::kSubnetMaskInvalid, CPPTPSettingDlg::kIdMask},
    {lang::kGatewayInvalid, CPPTPSettingDlg::kIdGateway},
};

}  // namespace

CPPTPSettingDlg::CPPTPSettingDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kTunnelTemplate);
}

void CPPTPSettingDlg::SetTitleText(const QString& text) {
    if (auto* title = Item<CHwStatic>(kIdTitle)) {
        title->setText(text);
    }
}

void CPPTPSettingDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    for (int label : {kIdServerLabel, kIdAccountLabel, kIdPasswordLabel, kIdAddressModeLabel, kIdIpLabel,
                      kIdMaskLabel, kIdGatewayLabel}) {
        ApplyBodyTextSkin(Item<CHwStatic>(label));
    }
    ApplyEditSkin(Item<CHwEdit>(kIdAccount), App().Settings());
    ApplyEditSkin(Item<CHwEdit>(kIdPassword), App().Settings());
    connect(Item<QComboBox>(kIdAddressMode), &QComboBox::currentIndexChanged, this,
            [this](int index) { OnAddressModeChanged(index); });
}

void CPPTPSettingDlg::AfterTranslation() {
    auto* mode = Item<QComboBox>(kIdAddressMode);
    mode->addItem(Lookup(lang::kStatic.toString()));
    mode->addItem(Lookup(lang::kDynamic.toString()));
    mode->setCurrentIndex(kAddressModeStatic);
}

void CPPTPSettingDlg::OnAddressModeChanged(int index) {
    const bool staticMode = index != kAddressModeDynamic;
    for (int field : {kIdIp, kIdMask, kIdGateway}) {
        GetDlgItem(field)->setEnabled(staticMode);
    }
}

bool CPPTPSettingDlg::UpdateData(bool save) {
    ExchangeAddress(*this, kIdServer, values_.server, save);
    ExchangeText(*this, kIdAccount, values_.account, save);
    ExchangeText(*this, kIdPassword, values_.password, save);
    ExchangeListIndex(*this, kIdAddressMode, values_.addressMode, save);
    ExchangeAddress(*this, kIdIp, values_.ip, save);
    ExchangeAddress(*this, kIdMask, values_.mask, save);
    ExchangeAddress(*this, kIdGateway, values_.gateway, save);
    return true;
}

bool CPPTPSettingDlg::PageCheck() {
    UpdateData(true);
    // A copy, as on the PPPoE page: the fields keep what the user typed, so a
    // second check does not escape the escaped text again.
    TunnelPageValues values = values_;
    if (const WarningKey warning = CheckTunnelPage(values, App().routerInfo.address, App().tunnelParams)) {
        ShowWarning(*warning, kWarningFields);
        return false;
    }
    return true;
}
