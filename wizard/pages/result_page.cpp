#include "result_page.h"

#include "button_skins.h"
#include "dialog_template.h"
#include "format_string.h"
#include "hw_button_kinds.h"
#include "hw_static.h"
#include "language_keys.h"
#include "message_box.h"
#include "page_skins.h"
#include "qelvane_app.h"
#include "qr_code.h"
#include "setup_steps.h"
#include "setup_summary.h"
#include "status_refresher.h"
#include "text_baseline.h"
#include "text_codec.h"
#include "wan_types.h"
#include "wifi_join_code.h"
#include "wizard_host.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPixmap>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kTemplateId = 160;
constexpr int kIdTitle = 1171;
constexpr int kIdRefresh = 1146;
constexpr int kIdStatusNote = 1207;
// Under the title: where the router answered when not at setting.ini's address.
constexpr int kIdRouterFound = 1208;
// Right of the upper rows: the code a phone joins the new network with, and
// beside Refresh the button that keeps the whole summary as a PDF.
constexpr int kIdJoinCode = 1209;
constexpr int kIdSaveSummary = 1210;

constexpr int kIdLinkMode = 1196;
constexpr int kIdIpAddress = 1197;
constexpr int kIdNetMask = 1198;
constexpr int kIdGateway = 1199;
constexpr int kIdWanMac = 1200;
constexpr int kIdSsid = 1201;
constexpr int kIdChannel = 1206;
constexpr int kIdWirelessMode = 1202;
constexpr int kIdBroadcast = 1203;
constexpr int kIdEncryption = 1204;
constexpr int kIdKey = 1205;

// Each field beside its label, top to bottom.
struct ResultRow {
    int labelId;
    int fieldId;
};
constexpr std::array<ResultRow, 11> kRows{{{1067, kIdLinkMode},
                                           {1066, kIdIpAddress},
                                           {1068, kIdNetMask},
                                           {1069, kIdGateway},
                                           {1078, kIdWanMac},
                                           {1070, kIdSsid},
                                           {1072, kIdChannel},
                                           {1071, kIdWirelessMode},
                                           {1193, kIdBroadcast},
                                           {1194, kIdEncryption},
                                           {1195, kIdKey}}};

constexpr int kLabelX = 6, kLabelWidth = 138, kFieldX = 183, kFieldWidth = 189, kRowHeight = 12;
// The rows beside the join code end where it starts; the security rows
// below it keep the whole width for a long key.
constexpr int kRowsBesideCode = 9, kCodeX = 337, kBesideCodeWidth = kCodeX - 4 - kFieldX;
constexpr int RowY(int row) {
    return 48 + row * 12;
}

constexpr ControlTemplate Label(int row, QStringView key) {
    return {kRows[row].labelId, ControlKind::Static, key,        kLabelX,
            RowY(row),          kLabelWidth,         kRowHeight, kStyleSingleLine};
}
constexpr ControlTemplate Field(int row) {
    return {kRows[row].fieldId,
            ControlKind::Static,
            u"",
            kFieldX,
            RowY(row),
            row < kRowsBesideCode ? kBesideCodeWidth : kFieldWidth,
            kRowHeight,
            kStyleSingleLine};
}

constexpr ControlTemplate kControls[] = {
    {kIdStepNumber, ControlKind::Static, u"10", 9, 0, 30, 48},
    {kIdTitle, ControlKind::Static, lang::kResultCaptions[0], 44, 15, 214, 20},
    {kIdSaveSummary, ControlKind::Button, lang::kSaveSummary, 262, 6, 64, 14},
    {kIdJoinCode, ControlKind::Static, u"", kCodeX, RowY(0), 88, 80},
    {kIdRouterFound, ControlKind::Static, u"", 44, 35, 330, 11, kStyleSingleLine},
    {kIdRefresh, ControlKind::Button, lang::kResultCaptions[1], 330, 6, 60, 14},
    Label(0, lang::kResultCaptions[3]),
    Field(0),
    Label(1, lang::kResultCaptions[4]),
    Field(1),
    Label(2, lang::kResultCaptions[5]),
    Field(2),
    Label(3, lang::kResultCaptions[6]),
    Field(3),
    Label(4, lang::kResultCaptions[7]),
    Field(4),
    Label(5, lang::kResultCaptions[8]),
    Field(5),
    Label(6, lang::kResultCaptions[9]),
    Field(6),
    Label(7, lang::kResultCaptions[10]),
    Field(7),
    Label(8, lang::kResultCaptions[11]),
    Field(8),
    Label(9, lang::kResultCaptions[12]),
    Field(9),
    Label(10, lang::kResultCaptions[13]),
    Field(10),
    {kIdStatusNote, ControlKind::Static, lang::kResultCaptions[2], 14, 183, 408, 33},
};

constexpr DialogTemplate kTemplate{kTemplateId, 433, 212, true, kControls};

constexpr std::array kSecurityModeKeys{lang::kDisable, lang::kWep, lang::kWpa, lang::kWpa2};

}  // namespace

CResultDlg::CResultDlg(WizardHost& host, QWidget* parent)
    : CWizardPage(kTemplateId, u"Background3.bmp", host, parent),
      refresher_(std::make_unique<StatusRefresher>()) {
    RegisterDialogTemplate(kTemplate);
    connect(&pollTimer_, &QTimer::timeout, this, &CResultDlg::OnPollTick);
    connect(refresher_.get(), &StatusRefresher::Finished, this, &CResultDlg::OnReadFinished);
}

CResultDlg::~CResultDlg() {
    pollTimer_.stop();
    // The worker must be gone before the application frees the control
    // object it is calling.
    refresher_->Cancel();
    ShowWaitCursor(false);
}

void CResultDlg::StylePage() {
    ApplyTitleSkin(Item<CHwStatic>(kIdTitle));
    ApplyBodyTextSkin(Item<CHwStatic>(kIdStatusNote));
    ApplyBodyTextSkin(Item<CHwStatic>(kIdRouterFound));
    auto* refresh = Item<CHwBtn_Pic>(kIdRefresh);
    ApplyCommonButtonSkin(refresh, false, CommonButtonStrip(App().ProgramDir(), false));
    connect(refresh, &QAbstractButton::clicked, this, &CResultDlg::RefreshResult);
    auto* saveSummary = Item<CHwBtn_Pic>(kIdSaveSummary);
    ApplyCommonButtonSkin(saveSummary, false, CommonButtonStrip(App().ProgramDir(), false));
    connect(saveSummary, &QAbstractButton::clicked, this, &CResultDlg::OnSaveSummary);
    for (const ResultRow& row : kRows) {
        auto* field = Item<CHwStatic>(row.fieldId);
        ApplyStaticPairSkin(Item<CHwStatic>(row.labelId), field, 9, true, 9, false);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
}

void CResultDlg::AfterTranslation() {
    // A screen reader names each field by the label beside it.
    for (const ResultRow& row : kRows) {
        GetDlgItem(row.fieldId)->setAccessibleName(Item<CHwStatic>(row.labelId)->text());
    }
    AlignRowBaselines(0);
}

void CResultDlg::SetField(int id, const QString& text) {
    if (auto* field = Item<CHwStatic>(id)) {
        field->setText(text);
        AlignRowBaselines(id);
    }
}

void CResultDlg::AlignRowBaselines(int fieldId) {
    for (const ResultRow& row : kRows) {
        auto* label = Item<CHwStatic>(row.labelId);
        auto* field = Item<CHwStatic>(row.fieldId);
        if ((fieldId == 0 || fieldId == row.fieldId) && label != nullptr && field != nullptr) {
            AlignLabelBaselines(*label, *field);
        }
    }
}

void CResultDlg::FillResultFields() {
    const WanStatus& status = App().wanStatus;
    SetField(kIdChannel, status.extraValue1 == 0 ? Lookup(lang::kAuto.toString())
                                                 : FormatString(u"%d", status.extraValue1));
    if (status.extraValue3 >= 0 && status.extraValue3 < static_cast<int>(kSecurityModeKeys.size())) {
        SetField(kIdEncryption, Lookup(kSecurityModeKeys[status.extraValue3].toString()));
    }
    SetField(kIdGateway, ToWide(status.wanGateway));
    SetField(kIdIpAddress, ToWide(status.wanIp));
    SetField(kIdKey, ToWide(status.extraText2));
    SetField(kIdLinkMode, ToWide(status.connectionType));
    SetField(kIdNetMask, ToWide(status.wanMask));
    SetField(kIdSsid, ToWide(status.extraText));
    SetField(kIdBroadcast, Lookup((status.extraFlag ? lang::kEnable : lang::kDisable).toString()));
    SetField(kIdWanMac, ToWide(status.wanMac));
    if (auto* found = Item<CHwStatic>(kIdRouterFound)) {
        const RouterAddresses router = RouterAddressesOf(App());
        found->setText(
            FormatString(Lookup(lang::kRouterFoundNote.toString()), router.inUse, router.configured));
        found->setVisible(!App().configuredRouterAddress.empty());
    }
    ShowJoinCode();
    if (status.extraValue2 == 0) {
        SetField(kIdWirelessMode, Lookup(lang::kModeBgResult.toString()));
    } else if (status.extraValue2 == 1) {
        SetField(kIdWirelessMode, Lookup(lang::kModeBgnResult.toString()));
    }
}

void CResultDlg::RefreshResult() {
    StartRead(false);
}

void CResultDlg::OnPollTick() {
    if (refresher_->IsRunning()) {
        tickDuringRead_ = true;
        return;
    }
    StartRead(true);
}

void CResultDlg::StartRead(bool fromPollTimer) {
    CQelvaneApp& app = App();
    // Start refuses while a read runs: a click is dropped.
    if (!refresher_->Start(app.controlObject, app.routerInfo)) {
        return;
    }
    readFromPollTimer_ = fromPollTimer;
    ShowWaitCursor(true);
}

void CResultDlg::ShowWaitCursor(bool show) {
    // The override shows over every window of the program, wherever the
    // pointer is; it is set once and taken back once, however reads chain.
    if (show == waitCursorShown_) {
        return;
    }
    waitCursorShown_ = show;
    if (show) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void CResultDlg::OnReadFinished() {
    // GetWanStatus replaces the five WAN fields and leaves the wizard's own
    // memory alone; the same goes for the copy the worker read into.
    const WanStatus& reading = refresher_->Reading();
    WanStatus& status = App().wanStatus;
    status.connectionType = reading.connectionType;
    status.wanIp = reading.wanIp;
    status.wanMask = reading.wanMask;
    status.wanGateway = reading.wanGateway;
    status.wanMac = reading.wanMac;
    // A router that answers gives at least its connection type or MAC.
    statusAnswered_ = statusAnswered_ || !reading.connectionType.empty() || !reading.wanMac.empty();
    FillResultFields();
    UpdateStatusNote();
    if (readFromPollTimer_ && !status.wanIp.empty()) {
        pollTimer_.stop();
    }
    // A tick that came during the read is due now; a stopped timer has none.
    if (std::exchange(tickDuringRead_, false) && pollTimer_.isActive()) {
        StartRead(true);
    }
    ShowWaitCursor(refresher_->IsRunning());
}

bool CResultDlg::IsReading() const {
    return refresher_->IsRunning();
}

void CResultDlg::StopPolling() {
    pollTimer_.stop();
    tickDuringRead_ = false;
    refresher_->Cancel();
    ShowWaitCursor(false);
}

void CResultDlg::SetReadPause(PauseFunction pause) {
    refresher_->SetPause(std::move(pause));
}

NoAddressFindings CResultDlg::CurrentFindings() {
    NoAddressFindings findings = Host().Findings();
    findings.statusAnswered = statusAnswered_;
    const CQelvaneApp& app = App();
    const int wanType = app.routerInfo.wanType;
    if (wanType == kWanStaticIp) {
        const StaticIpParams& fixed = app.staticIpParams;
        findings.gatewayOutsideSubnet = GatewayOutsideSubnet(fixed.ip, fixed.mask, fixed.gateway);
    } else if ((wanType == kWanPptp || wanType == kWanL2tp) && app.tunnelParams.addressMode != 1) {
        const TunnelParams& tunnel = app.tunnelParams;
        findings.gatewayOutsideSubnet = GatewayOutsideSubnet(tunnel.ip, tunnel.mask, tunnel.gateway);
    }
    return findings;
}

void CResultDlg::UpdateStatusNote() {
    auto* note = Item<CHwStatic>(kIdStatusNote);
    if (note == nullptr) {
        return;
    }
    if (!App().wanStatus.wanIp.empty()) {
        if (std::exchange(causesShown_, false)) {
            note->setText(Lookup(lang::kResultCaptions[2].toString()));
        }
        return;
    }
    if (causesShown_ || !waitingForAddress_.isValid() ||
        std::chrono::milliseconds(waitingForAddress_.elapsed()) < causeDelay_) {
        return;
    }
    causesShown_ = true;
    const int minutes = static_cast<int>(std::max<qint64>(1, waitingForAddress_.elapsed() / 60000));
    QStringList lines{FormatString(Lookup(lang::kNoAddressHeading.toString()), minutes)};
    for (const NoAddressCause cause : LikelyNoAddressCauses(CurrentFindings())) {
        lines << QStringLiteral("\u2022 ") +
                     Lookup(lang::kNoAddressCauseKeys[static_cast<std::size_t>(cause)].toString());
    }
    note->setText(lines.join(u'\n'));
}

void CResultDlg::RestartPolling() {
    if (!waitingForAddress_.isValid()) {
        waitingForAddress_.start();
    }
    FillResultFields();
    pollTimer_.start(pollPeriod_);
}

// Only settings the router confirmed are handed on: a code or a summary of
// a network that may not exist would send the user after nothing.
void CResultDlg::ShowJoinCode() {
    auto* picture = Item<CHwStatic>(kIdJoinCode);
    auto* saveSummary = GetDlgItem(kIdSaveSummary);
    const bool confirmed = Host().Findings().saveConfirmed;
    const std::optional<QrModules> code =
        confirmed ? EncodeQr(WifiJoinText(App().wirelessParams, App().securityParams).toUtf8())
                  : std::nullopt;
    if (picture == nullptr || saveSummary == nullptr) {
        return;
    }
    picture->setVisible(code.has_value());
    saveSummary->setVisible(code.has_value());
    if (!code) {
        return;
    }
    // Whole pixels a module, as large as the box allows: a camera reads
    // sharp edges best.
    const int side = std::min(picture->width(), picture->height());
    const int scale = std::max(1, side / (code->size + 8));
    picture->setPixmap(QPixmap::fromImage(JoinCodePicture(*code, scale)));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(Lookup(lang::kJoinCodeName.toString()));
}

bool CResultDlg::SaveSummaryTo(const QString& path) {
    SetupSummary summary;
    summary.title = Lookup(lang::kSummaryTitle.toString());
    for (const ResultRow& row : kRows) {
        const QString value = Item<CHwStatic>(row.fieldId)->text();
        if (!value.isEmpty()) {
            summary.rows.append({Item<CHwStatic>(row.labelId)->text(), value});
        }
    }
    if (const std::optional<QrModules> code =
            EncodeQr(WifiJoinText(App().wirelessParams, App().securityParams).toUtf8())) {
        summary.joinCode = JoinCodePicture(*code, 8);
    }
    return WriteSummaryPdf(path, summary);
}

void CResultDlg::OnSaveSummary() {
    const QString ssid = ToWide(App().wirelessParams.ssid);
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("%1.pdf").arg(ssid.isEmpty() ? QStringLiteral("router") : ssid));
    const QString path = QFileDialog::getSaveFileName(window(), Lookup(lang::kSummaryTitle.toString()),
                                                      suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString shown = QDir::toNativeSeparators(path);
    if (SaveSummaryTo(path)) {
        ShowMessageBox(App().ProgramDir(), kMessageInformation, QString(),
                       FormatString(Lookup(lang::kSummarySaved.toString()), shown));
    } else {
        ShowMessageBox(App().ProgramDir(), kMessageWarning, Lookup(lang::kWarningTitle.toString()),
                       FormatString(Lookup(lang::kSummaryNotSaved.toString()), shown));
    }
}

void CResultDlg::showEvent(QShowEvent* event) {
    CWizardPage::showEvent(event);
    ShowJoinCode();
    RestartPolling();
}

void CResultDlg::hideEvent(QHideEvent* event) {
    CWizardPage::hideEvent(event);
    RestartPolling();
}
