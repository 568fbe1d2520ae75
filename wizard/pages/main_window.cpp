#include "main_window.h"

#include "button_skins.h"
#include "dialog_translation.h"
#include "hw_button_kinds.h"
#include "hw_display_pic.h"
#include "hw_static.h"
#include "instruction_page.h"
#include "language_keys.h"
#include "link_error_dlg.h"
#include "mac_clone_page.h"
#include "message_box.h"
#include "native_path.h"
#include "page_flow.h"
#include "page_skins.h"
#include "polygon_dialog.h"
#include "pppoe_page.h"
#include "profile_changes.h"
#include "progress_dlg.h"
#include "qelvane_app.h"
#include "result_page.h"
#include "security_page.h"
#include "setup_tasks.h"
#include "skin_font.h"
#include "skin_path.h"
#include "static_ip_page.h"
#include "tunnel_page.h"
#include "wan_type_page.h"
#include "welcome_page.h"
#include "window_front_end.h"
#include "wireless_page.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <memory>

namespace {

constexpr int kMainWindowTemplateId = 102;
constexpr int kAboutTemplateId = 100;

// Back and Manual share a place; at most one of them shows.
constexpr ControlTemplate kMainWindowControls[] = {
    {CQelvaneDlg::kIdWebLink, ControlKind::Hotspot, u"webURL", 312, 19, 98, 14},
    {CQelvaneDlg::kIdPageArea, ControlKind::Static, u"", 0, 43, 432, 210, kStyleHidden},
    {CQelvaneDlg::kIdBack, ControlKind::Button, u"Back", 225, 258, 50, 14},
    {CQelvaneDlg::kIdNext, ControlKind::Button, u"Next", 296, 258, 50, 14},
    {CQelvaneDlg::kIdExit, ControlKind::Button, u"Exit", 367, 258, 50, 14},
    {CQelvaneDlg::kIdModel, ControlKind::Static, u"Model No.", 6, 262, 116, 11, kStyleSingleLine},
    {CQelvaneDlg::kIdProduct, ControlKind::Static, u"Product Name", 6, 280, 138, 11, kStyleSingleLine},
    {CQelvaneDlg::kIdVersion, ControlKind::Static, u"Version No.", 338, 280, 70, 11, kStyleSingleLine},
    {CQelvaneDlg::kIdManual, ControlKind::Button, u"Manual", 225, 258, 50, 14},
};
constexpr DialogTemplate kMainWindowTemplate{kMainWindowTemplateId, 435, 308, false, kMainWindowControls};

// The About box: the program's icon, its name and version, and OK, laid out
// on the message box's face so that it wears the same skin.
constexpr ControlTemplate kAboutControls[] = {
    {CQelvaneDlg::kIdAboutIcon, ControlKind::Picture, u"", 19, 22, 21, 20},
    {CQelvaneDlg::kIdAboutName, ControlKind::Static, u"App Name", 61, 14, 232, 12, kStyleSingleLine},
    {CQelvaneDlg::kIdAboutVersion, ControlKind::Static, u"Version No.", 61, 32, 200, 10, kStyleSingleLine},
    {1, ControlKind::Button, u"OK", 145, 54, 38, 13, kStyleDefaultButton},
};
constexpr DialogTemplate kAboutTemplate{kAboutTemplateId, 328, 74, false, kAboutControls};

// The link task's result when the router answered both logins with 401;
// -1 means no answer at all.
constexpr int kLoginRefusedResult = 0;

// "About (&A)..." of the window menu.
constexpr char16_t kAboutMenuText[] = u"About (&A)...";

template <typename Page>
std::unique_ptr<CWizardPage> MakePage(CQelvaneDlg& window) {
    return std::make_unique<Page>(window, &window);
}

// The pages in flow order: a page's place here is its index in the flow.
using PageMaker = std::unique_ptr<CWizardPage> (*)(CQelvaneDlg&);
constexpr PageMaker kPageMakers[] = {
    MakePage<CWelcomeDlg>,  MakePage<CSetup1Dlg>,          MakePage<CSetup2Dlg>,
    MakePage<CSetup3Dlg>,   MakePage<CSetup4Dlg>,          MakePage<CSetup5Dlg>,
    MakePage<CPPOESetDlg>,  MakePage<CStaticIpDlg>,        MakePage<CPPTPSettingDlg>,
    MakePage<CMacCloneDlg>, MakePage<CWirelessSettingDlg>, MakePage<CSecuritySettingDlg>,
    MakePage<CResultDlg>,
};

QString Text(CQelvaneApp& app, QStringView key) {
    return app.languageTable.Lookup(key.toString());
}

// The page's first control that Tab reaches and that takes input: a field,
// a check box or a choice. Push buttons count only when Next is hidden (the
// connection-type page, whose choices go on by themselves).
QWidget* FirstField(QWidget& page, bool nextShown) {
    for (QWidget* widget = page.nextInFocusChain(); widget != &page && page.isAncestorOf(widget);
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) == 0 || !widget->isVisible() || !widget->isEnabled()) {
            continue;
        }
        const bool pushButton =
            qobject_cast<CHwBtn_Pic*>(widget) != nullptr && qobject_cast<CHwBtn_ChkRadio*>(widget) == nullptr;
        if (!pushButton || !nextShown) {
            return widget;
        }
    }
    return nullptr;
}

// Before the wizard ends, whichever way: the user keeps or gets back each
// network profile the link task switched.
void SettleProfileChanges(CQelvaneDlg& window) {
    WindowFrontEnd frontEnd(window);
    ProfileChanges(frontEnd, window.App().switchedProfiles).SettleAtEnd();
}

QString LogoPath(CQelvaneApp& app) {
    return NativePath(SkinFilePath(app.ProgramDir(), u"logo.ico"));
}

}  // namespace

CQelvaneDlg::CQelvaneDlg(CQelvaneApp& app, QWidget* parent)
    : CPolygonDialog(kMainWindowTemplateId, parent), app_(app) {
    RegisterDialogTemplate(kMainWindowTemplate);
    // Boxes shown on their own (the message box) translate their captions
    // with the wizard's language while it runs.
    SetProgramLanguageTable(&app.languageTable);
    // The skin writes in the face setting.ini names.
    SetSkinFontName(app.GetSkinFontName());
    icon_ = QIcon(LogoPath(app));
    SetBackground(SkinFilePath(app.ProgramDir(), u"dlgMainUI.bmp"), kSkinKeyColour);
}

CQelvaneDlg::~CQelvaneDlg() {
    // The pages go with the window, as its children, after this part of it;
    // hidden first, they see the window close while their host is whole.
    hide();
    SetProgramLanguageTable(nullptr);
}

bool CQelvaneDlg::OnInitDialog() {
    CPolygonDialog::OnInitDialog();
    setWindowTitle(Text(app_, lang::kAppName));
    setWindowIcon(icon_);
    // Neither key ends the wizard; a focused button still takes Enter.
    SetDiscardEnterEscape(true);
    StyleControls();
    CreatePages();
    app_.ReadLoginSettings();
    ShowPage(kPageWelcome);
    return true;
}

void CQelvaneDlg::StyleControls() {
    for (int id : {kIdBack, kIdNext, kIdExit, kIdManual}) {
        ApplyCommonButtonSkin(Item<CHwBtn_Pub>(id), false, CommonButtonStrip(app_.ProgramDir(), false));
    }
    auto* link = Item<CHwBtn_Hotspot>(kIdWebLink);
    link->setText(Text(app_, lang::kWebUrl));
    link->SetStateFont(kAllButtonStates, 12, true, false, false, GetSkinFontName());
    link->SetStateTextColor(kPushNormal, 0x000000);
    ApplyLinkHoverLook(link, 12, true);
    link->SetStateTextColor(kPushPressed, 0x0000FF);
    link->SetVisitedColor(0x000000);
    // Right-aligned, so the link grows to the left as its text gets longer.
    link->SetTextFormat(kDtRight | kDtVCenter | kDtSingleLine);
    for (int id : {kIdModel, kIdProduct, kIdVersion}) {
        auto* label = Item<CHwStatic>(id);
        label->SetTextColor(0x000000);
        label->SetTextFont(10, GetSkinFontName(), true, false, false, 0);
    }
    TranslateDialog(app_.languageTable, *this);
    link->setVisible(!Text(app_, lang::kWebUrl).isEmpty());
    Item<CHwStatic>(kIdModel)->setVisible(!Text(app_, lang::kModelNo).isEmpty());
    Item<CHwStatic>(kIdVersion)->setVisible(!Text(app_, lang::kVersionNo).isEmpty());

    connect(Item<CHwBtn_Pub>(kIdNext), &QAbstractButton::clicked, this, &CQelvaneDlg::OnNext);
    connect(Item<CHwBtn_Pub>(kIdBack), &QAbstractButton::clicked, this, &CQelvaneDlg::OnBack);
    connect(Item<CHwBtn_Pub>(kIdExit), &QAbstractButton::clicked, this, &QWidget::close);
    connect(Item<CHwBtn_Pub>(kIdManual), &QAbstractButton::clicked, this, &CQelvaneDlg::OnManual);
    connect(link, &QAbstractButton::clicked, this, &CQelvaneDlg::OnWebLink);
}

void CQelvaneDlg::CreatePages() {
    for (PageMaker make : kPageMakers) {
        // The first page that cannot be made is dropped and ends the row; the
        // ones before it work. A made page belongs to the window, its parent.
        std::unique_ptr<CWizardPage> page = make(*this);
        if (!page->Create()) {
            return;
        }
        AddPage(page.release());
    }
}

void CQelvaneDlg::AddPage(CWizardPage* page) {
    if (pageCount_ < static_cast<int>(pages_.size())) {
        pages_[static_cast<std::size_t>(pageCount_++)] = page;
    }
}

void CQelvaneDlg::EndWizard(int result) {
    EndDialog(result);
    // Closing hid the result page, which polls again when hidden: the
    // router is left alone from now on.
    if (auto* resultPage = qobject_cast<CResultDlg*>(Page(kPageResult))) {
        resultPage->StopPolling();
    }
}

CWizardPage* CQelvaneDlg::Page(int index) const {
    if (index < 0 || index >= pageCount_) {
        return nullptr;
    }
    return pages_[static_cast<std::size_t>(index)];
}

void CQelvaneDlg::ShowPage(int index) {
    const QRect area = GetDlgItem(kIdPageArea)->geometry();
    UpdateButtons(index);
    CWizardPage* shown = nullptr;
    for (int k = 0; k < pageCount_; ++k) {
        CWizardPage* page = Page(k);
        page->setGeometry(area);
        if (k == index) {
            shown = page;
        } else {
            page->hide();
        }
    }
    const bool samePage = index == currentPage_;
    currentPage_ = index;
    if (shown != nullptr) {
        shown->show();
        shown->raise();
        // A keyboard user starts on the page's first field, or on Next. A
        // page shown again after its check refused it keeps the focus where
        // the warning put it.
        QWidget* next = GetDlgItem(kIdNext);
        if (samePage && shown->isAncestorOf(focusWidget())) {
            // Left where it is.
        } else if (QWidget* first = FirstField(*shown, next->isVisible())) {
            first->setFocus(Qt::TabFocusReason);
        } else {
            next->setFocus(Qt::TabFocusReason);
        }
        shown->update();
    }
}

void CQelvaneDlg::UpdateButtons(int index) {
    auto* next = Item<CHwBtn_Pub>(kIdNext);
    GetDlgItem(kIdManual)->hide();
    GetDlgItem(kIdBack)->show();
    next->show();
    GetDlgItem(kIdExit)->show();
    if (index == kPageWelcome) {
        GetDlgItem(kIdManual)->show();
        GetDlgItem(kIdBack)->hide();
        next->setText(Text(app_, lang::kStart));
    } else {
        next->setText(Text(app_, lang::kNext));
    }
    next->setVisible(index != kPageWanType);
    if (index == kPageResult) {
        next->setText(Text(app_, lang::kFinish));
    }
}

void CQelvaneDlg::OnNext() {
    if (currentPage_ == kPageResult) {
        Finish();
    } else if (currentPage_ >= kPageWelcome && currentPage_ < kPageResult) {
        GoNext();
    }
}

void CQelvaneDlg::Finish() {
    SettleProfileChanges(*this);
    EndWizard(kFinishedResult);
}

void CQelvaneDlg::GoNext() {
    const int page = currentPage_;
    const int wanType = app_.routerInfo.wanType;
    if (page == kPageWanType && (wanType == kWanPptp || wanType == kWanL2tp)) {
        if (auto* tunnel = qobject_cast<CPPTPSettingDlg*>(Page(kPageTunnel))) {
            tunnel->SetTitleText(wanType == kWanPptp ? QStringLiteral("PPTP") : QStringLiteral("L2TP"));
        }
    }
    // The page's own check first (pages without one accept); what runs
    // after it, and which page follows, is the set-up steps' business.
    CWizardPage* shown = Page(page);
    const bool accepted = shown == nullptr || shown->PageCheck();
    WindowFrontEnd frontEnd(*this);
    const PageStep step = SetupSteps(frontEnd).Next(page, wanType, accepted);
    // Whatever the link task said, the user hears of the PC's profiles it switched.
    ProfileChanges(frontEnd, app_.switchedProfiles).TellSwitched();
    if (step.show) {
        ShowPage(step.page);
    }
}

void CQelvaneDlg::OnBack() {
    if (currentPage_ <= kPageWelcome || currentPage_ > kPageResult) {
        return;
    }
    ShowPage(BackPage(currentPage_, app_.routerInfo.wanType));
}

int CQelvaneDlg::RunTask(int task) {
    // The library serves one caller at a time: the result page's reading
    // (it polls even while hidden) stops before a task starts and resumes
    // when the page is shown again.
    if (auto* result = qobject_cast<CResultDlg*>(Page(kPageResult))) {
        result->StopPolling();
    }
    return ::RunTask(task, app_, pause_, commandRunner_);
}

void CQelvaneDlg::OnManual() {
    app_.OpenManual();
}

void CQelvaneDlg::OnWebLink() {
    app_.OpenExternal(Text(app_, lang::kWebUrl));
}

void CQelvaneDlg::OnCancel() {
    if (ShowMessageBox(app_.ProgramDir(), kMessageQuestion, Text(app_, lang::kExit),
                       Text(app_, lang::kLeaveMessage)) == kResultYes) {
        SettleProfileChanges(*this);
        EndWizard(0);
    }
}

void CQelvaneDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window has no title bar, so its menu opens on the face.
    QMenu menu(this);
    menu.addAction(QString::fromUtf16(kAboutMenuText), this, &CQelvaneDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CQelvaneDlg::ShowAbout() {
    RegisterDialogTemplate(kAboutTemplate);
    CPolygonDialog about(kAboutTemplateId, this);
    about.SetBackground(SkinFilePath(app_.ProgramDir(), u"DlgMessageBox.bmp"), kSkinKeyColour);
    if (!about.Create()) {
        return;
    }
    about.setWindowTitle(Text(app_, lang::kAppName));
    about.Item<CHwDisplayPic>(kIdAboutIcon)->LoadPicture(LogoPath(app_));
    auto* name = about.Item<CHwStatic>(kIdAboutName);
    ApplyBodyTextSkin(name);
    name->SetTextFont(12, GetSkinFontName(), true, false, false, 0);
    ApplyBodyTextSkin(about.Item<CHwStatic>(kIdAboutVersion));
    auto* ok = about.Item<CHwBtn_Pub>(kResultOk);
    ApplyCommonButtonSkin(ok, true, CommonButtonStrip(app_.ProgramDir(), true));
    connect(ok, &QAbstractButton::clicked, &about, [&about] { about.EndDialog(kResultOk); });
    TranslateDialog(app_.languageTable, about);
    about.exec();
}

int RunMainWindow(CQelvaneApp& app) {
    CQelvaneDlg window(app);
    return window.DoModal();
}
