#include "static_ip_page.h"

#include "hw_static.h"
#include "language_keys.h"
#include "page_exchange.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "wizard_host.h"

namespace {

constexpr ControlTemplate kStaticIpControls[] = {
    {kIdStepNumber, ControlKind::Static, u"6", 16, 0, 30, 48},
    {CStaticIpDlg::kIdTitle, ControlKind::Static, lang::kStaticIpCaptions[0], 44, 14, 326, 40},
    {CStaticIpDlg::kIdIpLabel, ControlKind::Static, lang::kStaticIpCaptions[1], 77, 63, 100, 15,
     kStyleRightAligned},
    {CStaticIpDlg::kIdIp, ControlKind::IpAddress, u"", 202, 63, 100, 15},
    {CStaticIpDlg::kIdMaskLabel, ControlKind::Static, lang::kStaticIpCaptions[2], 77, 85, 100, 15,
     kStyleRightAligned},
    {CStaticIpDlg::kIdMask, ControlKind::IpAddress, u"", 202, 85, 100, 15},
    {CStaticIpDlg::kIdGatewayLabel, ControlKind::Static, lang::kStaticIpCaptions[3], 77, 107, 100, 15,
     kStyleRightAligned},
    {CStaticIpDlg::kIdGateway, ControlKind::IpAddress, u"", 202, 107, 100, 15},
    {CStaticIpDlg::kIdDns1Label, ControlKind::Static, lang::kStaticIpCaptions[4], 77, 129, 100, 15,
     kStyleRightAligned},
    {CStaticIpDlg::kIdDns1, ControlKind::IpAddress, u"", 202, 129, 100, 15},
    {CStaticIpDlg::kIdDns2Label, ControlKind::Static, lang::kStaticIpCaptions[5], 77, 151, 100, 15,
     kStyleRightAligned},
    {CStaticIpDlg::kIdDns2, ControlKind::IpAddress, u"", 202, 151, 100, 15},
};

constexpr DialogTemplate kStaticIpTemplate{CStaticIpDlg::kTemplateId, 371, 212, true, kStaticIpControls};

// The field each warning of the page check is about.
constexpr WarningField kWarningFields[] = {
    {lang::kIpAddressInvalid, CStaticIpDlg::kIdIp},    {lang::kSameSegment, CStaticIpDlg::kIdIp},
    {lang::kSubnetMaskInvalid, CStaticIpDlg::kIdMask}, {lang::kGatewayInvalid, CStaticIpDlg::kIdGateway},
    {lang::kPrimaryDnsInvalid, CStaticIpDlg::kIdDns1},
};

}  // namespace

CStaticIpDlg::CStaticIpDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kStaticIpTemplate);
}

void CStaticIpDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    for (int label : {kIdIpLabel, kIdMaskLabel, kIdGatewayLabel, kIdDns1Label, kIdDns2Label}) {
        ApplyBodyTextSkin(Item<CHwStatic>(label));
    }
}

bool CStaticIpDlg::UpdateData(bool save) {
    ExchangeAddress(*this, kIdIp, values_.ip, save);
    ExchangeAddress(*this, kIdMask, values_.mask, save);
    ExchangeAddress(*this, kIdGateway, values_.gateway, save);
    ExchangeAddress(*this, kIdDns1, values_.dns1, save);
    ExchangeAddress(*this, kIdDns2, values_.dns2, save);
    return true;
}

bool CStaticIpDlg::PageCheck() {
    UpdateData(true);
    if (const WarningKey warning =
            CheckStaticIpPage(values_, App().routerInfo.address, App().staticIpParams)) {
        ShowWarning(*warning, kWarningFields);
        return false;
    }
    return true;
}
