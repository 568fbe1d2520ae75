#include "wan_type_page.h"

#include "button_skins.h"
#include "hw_button_kinds.h"
#include "hw_static.h"
#include "language_choice.h"
#include "language_keys.h"
#include "message_box.h"
#include "page_flow.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "setup_tasks.h"
#include "skin_font.h"
#include "wizard_host.h"
#include "window_front_end.h"

#include <QAbstractButton>

#include <array>
#include <optional>

namespace {

// The hint runs wider than the original's 143 units: nothing stands to its
// right, and at 11 points the English hint needs the room on one line.
constexpr ControlTemplate kWanTypeControls[] = {
    {kIdStepNumber, ControlKind::Static, u"5", 18, 0, 30, 40},
    {CSetup5Dlg::kIdTitle, ControlKind::Static, lang::kConnectionTypeCaptions[0], 44, 15, 373, 32},
    {CSetup5Dlg::kIdAutoDetect, ControlKind::Hotspot, lang::kConnectionTypeCaptions[1], 22, 56, 102, 14},
    {CSetup5Dlg::kIdHint, ControlKind::Static, lang::kConnectionTypeCaptions[2], 22, 78, 300, 12,
     kStyleSingleLine},
    {CSetup5Dlg::kIdDynamicIp, ControlKind::Hotspot, lang::kConnectionTypeCaptions[3], 22, 94, 102, 14},
    {CSetup5Dlg::kIdStaticIp, ControlKind::Hotspot, lang::kConnectionTypeCaptions[4], 22, 116, 102, 14},
    {CSetup5Dlg::kIdPppoe, ControlKind::Hotspot, lang::kConnectionTypeCaptions[5], 22, 139, 102, 14},
    {CSetup5Dlg::kIdPptp, ControlKind::Hotspot, lang::kConnectionTypeCaptions[6], 22, 161, 102, 14},
    {CSetup5Dlg::kIdL2tp, ControlKind::Hotspot, lang::kConnectionTypeCaptions[7], 22, 184, 102, 14},
};

constexpr DialogTemplate kWanTypeTemplate{CSetup5Dlg::kTemplateId, 418, 212, true, kWanTypeControls};

struct TypeButton {
    int id;
    WanType type;
};

constexpr std::array kTypeButtons{
    TypeButton{CSetup5Dlg::kIdDynamicIp, kWanDynamicIp}, TypeButton{CSetup5Dlg::kIdStaticIp, kWanStaticIp},
    TypeButton{CSetup5Dlg::kIdPppoe, kWanPppoe},         TypeButton{CSetup5Dlg::kIdPptp, kWanPptp},
    TypeButton{CSetup5Dlg::kIdL2tp, kWanL2tp},
};

}  // namespace

CSetup5Dlg::CSetup5Dlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background2.bmp", host, parent) {
    RegisterDialogTemplate(kWanTypeTemplate);
}

void CSetup5Dlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    Item<CHwStatic>(kIdHint)->SetTextFont(11, GetSkinFontName(), false, false, false, 0);

    auto* autoDetect = Item<CHwBtn_Hotspot>(kIdAutoDetect);
    ApplyLinkButtonSkin(autoDetect, 0x000000, 0);
    connect(autoDetect, &QAbstractButton::clicked, this, [this] { OnAutoDetect(); });
    for (const TypeButton& entry : kTypeButtons) {
        auto* button = Item<CHwBtn_Hotspot>(entry.id);
        ApplyLinkButtonSkin(button, 0x000000, 0);
        connect(button, &QAbstractButton::clicked, this, [this, type = entry.type] { OnTypeChosen(type); });
    }

    // The Simplified Chinese edition is sold where PPTP and L2TP are not offered.
    const bool tunnelsOffered = isSimpChinese != 1;
    Item<CHwBtn_Hotspot>(kIdPptp)->setVisible(tunnelsOffered);
    Item<CHwBtn_Hotspot>(kIdL2tp)->setVisible(tunnelsOffered);
}

void CSetup5Dlg::OnTypeChosen(int wanType) {
    App().routerInfo.wanType = wanType;
    MoveToTypePage();
}

void CSetup5Dlg::OnAutoDetect() {
    WindowFrontEnd frontEnd(Host());
    // After a failure the type chosen before, if any, stays: the flow leads to its page.
    if (const std::optional<int> detected = SetupSteps(frontEnd).RunDetection()) {
        App().routerInfo.wanType = *detected;
    }
    MoveToTypePage();
}

void CSetup5Dlg::MoveToTypePage() {
    Host().SetCurrentPage(kPageWanType);
    Host().GoNext();
}
