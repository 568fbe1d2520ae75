#include "wan_type_page.h"

#include "button_skins.h"
#include "format_string.h"
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

// What a detection result means: the type found, the language key of its
// name and the separator the success message puts before that name.
struct DetectedConnection {
    int wanType;
    QStringView nameKey;
    QStringView separator;
};

// The type a TASK_AUTO result names, or nothing for a failure (0, the error
// result -1 and types the wizard does not handle, 4 and up).
std::optional<DetectedConnection> DetectedConnectionOf(int result) {
    switch (result) {
        case kWanStaticIp:
            return DetectedConnection{kWanStaticIp, lang::kStaticIp, u" "};
        case kWanDynamicIp:
            return DetectedConnection{kWanDynamicIp, lang::kDynamicIp, u" "};
        case kWanPppoe:
            // The PPPoE message has always been spaced wider than the others.
            return DetectedConnection{kWanPppoe, lang::kPppoe, u"   "};
        default:
            return std::nullopt;
    }
}

}  // namespace

CSetup5Dlg::CSetup5Dlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, FormatString(u"%sSkin\\Background2.bmp", host.App().ProgramDir()), host,
                  parent) {
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
    const QString prefix = Lookup(lang::kYourConnectionWay.toString());
    const int result = Host().RunTask(TASK_AUTO);
    if (const std::optional<DetectedConnection> detected = DetectedConnectionOf(result)) {
        ShowMessageBox(kMessageInformation, Lookup(lang::kSuccess.toString()),
                       prefix + detected->separator.toString() + Lookup(detected->nameKey.toString()));
        App().routerInfo.wanType = detected->wanType;
    } else {
        // The type chosen before, if any, stays: the flow leads to its page.
        ShowMessageBox(kMessageWarning, Lookup(lang::kAutoDetectionFailure.toString()),
                       Lookup(lang::kAutoDetectionFailureDesc.toString()));
    }
    MoveToTypePage();
}

void CSetup5Dlg::MoveToTypePage() {
    Host().SetCurrentPage(kPageWanType);
    Host().GoNext();
}
