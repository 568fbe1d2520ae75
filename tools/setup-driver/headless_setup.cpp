#include "headless_setup.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "display_width.h"
#ifndef _WIN32
#include "network_manager_links.h"
#endif
#include "language_keys.h"
#include "qr_code.h"
#include "setup_steps.h"
#include "setup_tasks.h"
#include "setup_worker.h"
#include "text_codec.h"
#include "wan_status_read.h"
#include "wan_types.h"
#include "wifi_join_code.h"

namespace {

// The result page polls this often until the router reports a WAN address.
constexpr std::chrono::milliseconds kStatusPollInterval = kWanStatusSettle;
constexpr int kStatusPolls = 15;
// The progress window animates at this period; the driver prints a dot every
// second tick and the elapsed time every twentieth.
constexpr int kProgressTickMs = 500;

}  // namespace

bool IsLoopbackRouterAddress(const std::string& address) {
    constexpr AddressValue kUnparsable = 0xFFFFFFFFu;
    const AddressValue value = ParseRouterLanAddress(address);
    return value != kUnparsable && (value >> 24) == 127;
}

HeadlessSetup::HeadlessSetup(CQelvaneApp& app, const DriverOptions& options, HeadlessEnvironment environment)
    : app_(app), options_(options), environment_(std::move(environment)) {
    if (!environment_.write) {
        environment_.write = [](const QString& text) {
            std::fputs(text.toUtf8().constData(), stdout);
            std::fflush(stdout);
        };
    }
}

QString HeadlessSetup::Text(QStringView key) const {
    return app_.languageTable.Lookup(key.toString()).simplified();
}

template <typename... Values>
QString HeadlessSetup::Say(DriverText text, const Values&... values) const {
    QString sentence = DriverString(text, options_.chinese);
    ((sentence = sentence.arg(values)), ...);
    return sentence;
}

void HeadlessSetup::Write(const QString& text) {
    environment_.write(text);
}

void HeadlessSetup::Print(const QString& line) {
    Write(line + QLatin1Char('\n'));
}

QString HeadlessSetup::WanTypeName(int wanType) const {
    switch (wanType) {
        case kWanStaticIp:
            return Text(lang::kStaticIp);
        case kWanDynamicIp:
            return Text(lang::kDynamicIp);
        case kWanPppoe:
            return Text(lang::kPppoe);
        case kWanPptp:
            return QStringLiteral("PPTP");
        case kWanL2tp:
            return QStringLiteral("L2TP");
        default:
            return QStringLiteral("?");
    }
}

int HeadlessSetup::RunTask(int task) {
    // Said on a line of its own before the stage text and its dots.
    std::optional<CAdapterReset> adapters;
    if (task == TASK_LINK) {
        adapters = AdapterResetForRun();
    }
    const QStringView key = StageTextKey(task);
    Write(QStringLiteral("%1 ").arg(key.isEmpty() ? QString() : Text(key)));

    SetupWorker worker(task, app_.controlObject, app_, environment_.pause);
    if (adapters) {
        worker.SetAdapterReset(std::move(*adapters));
    }
    QEventLoop loop;
    QTimer ticker;
    int ticks = 0;
    QObject::connect(&ticker, &QTimer::timeout, [this, &ticks] {
        ++ticks;
        if (ticks % 20 == 0) {
            Write(Say(DriverText::Seconds, ticks * kProgressTickMs / 1000));
        } else if (ticks % 2 == 0) {
            Write(QStringLiteral("."));
        }
    });
    QObject::connect(&worker, &SetupWorker::Finished, &loop, &QEventLoop::quit);

    QElapsedTimer clock;
    clock.start();
    ticker.start(kProgressTickMs);
    worker.Start();
    loop.exec();
    ticker.stop();
    Print(QStringLiteral(" (%1)").arg(
        Say(DriverText::Seconds, QString::number(clock.elapsed() / 1000.0, 'f', 1))));
    return worker.Result();
}

// The router of a driver run is a simulated one on loopback; the PC's own
// adapters are cabled elsewhere, so changing them is never what the user of
// this tool wants unless they say so.
CAdapterReset HeadlessSetup::AdapterResetForRun() {
    if (environment_.commands) {
        return CAdapterReset(environment_.commands);
    }
    if (!options_.resetAdapters) {
        Print(Say(DriverText::AdaptersLeftAlone));
        return CAdapterReset::LeaveAlone();
    }
#ifdef _WIN32
    Print(Say(DriverText::AdaptersReset, QStringLiteral("netsh")));
    return CAdapterReset();
#else
    NetworkManagerResetOptions reset;
    reset.busAddress = options_.adapterBus;
    reset.deviceTypes = options_.adapterTypes;
    const QString bus = !reset.busAddress.isEmpty() ? reset.busAddress
                        : qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS")
                            ? qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS")
                            : Say(DriverText::SystemBus);
    Print(Say(DriverText::AdaptersReset, bus));
    CAdapterReset adapters = CAdapterReset::ThroughNetworkManager(reset);
    if (reset.busAddress.isEmpty()) {
        // The PC's own lease names a real router, which this tool must not
        // talk to: only a loopback one may be tried. A bus given with --bus
        // is a test's own, whose lease names its own far side.
        adapters.SetWiredLinkReader([reset] {
            WiredLinks links = ReadWiredLinks(reset);
            std::erase_if(links.routers,
                          [](const std::string& router) { return !IsLoopbackRouterAddress(router); });
            return links;
        });
    }
    return adapters;
#endif
}

// The page of a type given on the command line is checked against the
// router's LAN address before anything talks to the router.
bool HeadlessSetup::PagesAcceptOptions(int wanType) {
    SettingsRecords scratch = app_;
    if (const WarningKey warning = ApplyConnectionSettings(options_, wanType, scratch)) {
        const QString option = OptionForWarning(*warning);
        Print(option.isEmpty() ? Text(*warning) : Say(DriverText::PageProblem, option, Text(*warning)));
        return false;
    }
    return true;
}

int HeadlessSetup::ChooseWanType(std::optional<int> detected) {
    findings_.typeDetected = detected.has_value();
    if (options_.wanType != kWanNone) {
        if (detected && *detected != options_.wanType) {
            Print(QStringLiteral("  ") +
                  Say(DriverText::TypeOverridden, WanTypeName(options_.wanType), WanTypeName(*detected)));
        }
        return options_.wanType;
    }
    return detected.value_or(kWanNone);
}

// The steps' messages, as a terminal shows them: the wizard's texts where
// they say nothing of buttons, the driver's own words where they do.
bool HeadlessSetup::Tell(const StepMessage& message) {
    const QString router = ToWide(app_.routerInfo.address);
    if (message.textKey == lang::kConnectOk || message.textKey == lang::kRouterFound) {
        if (message.textKey == lang::kRouterFound) {
            Print(QStringLiteral("  ") +
                  Say(DriverText::RouterFound, message.arguments.value(0), message.arguments.value(1)));
        }
        Print(QStringLiteral("  ") +
              Say(DriverText::Connected, ToWide(app_.macInfo.factoryMac), ToWide(app_.macInfo.defaultMac)));
    } else if (message.textKey == lang::kNoCable) {
        Print(Say(DriverText::NoCable));
    } else if (message.textKey == lang::kLoginRefused) {
        Print(Say(DriverText::LoginRefused, router, ToWide(app_.routerInfo.user)));
    } else if (message.textKey == lang::kSaveOk) {
        Print(QStringLiteral("  ") + Say(DriverText::Saved));
    } else if (message.textKey == lang::kSaveNotConfirmed) {
        Print(QStringLiteral("  ") + Say(DriverText::SaveUnconfirmed));
    } else {
        QString text = FormatStepText(Text(message.textKey), message);
        if (!message.nameKey.isEmpty()) text += message.separator.toString() + Text(message.nameKey);
        if (!message.titleKey.isEmpty()) text = Text(message.titleKey) + QStringLiteral(": ") + text;
        Print(QStringLiteral("  ") + text);
    }
    return true;
}

void HeadlessSetup::ShowLinkError() {
    Print(Say(DriverText::NoAnswer, ToWide(app_.routerInfo.address)));
}

QString HeadlessSetup::SettingsFile() const {
    return app_.Settings().Path();
}

RouterAddresses HeadlessSetup::Router() const {
    return RouterAddressesOf(app_);
}

bool HeadlessSetup::ApplySettings(int wanType) {
    app_.routerInfo.wanType = wanType;
    WarningKey warning = ApplyConnectionSettings(options_, wanType, app_);
    if (!warning) {
        warning = ApplyLanSideSettings(options_, Text(lang::kSsidValue), app_);
    }
    if (warning) {
        const QString option = OptionForWarning(*warning);
        Print(option.isEmpty() ? Text(*warning) : Say(DriverText::PageProblem, option, Text(*warning)));
        return false;
    }
    Print(QStringLiteral("  ") + Say(DriverText::ChosenSettings, WanTypeName(wanType),
                                     ToWide(app_.wirelessParams.ssid), ToWide(app_.macInfo.applyMac)));
    Print(QStringLiteral("  ") + SecuritySummary());
    findings_.gatewayOutsideSubnet = GatewayOutsideSubnet(wanType);
    return true;
}

QString HeadlessSetup::SecuritySummary() const {
    static constexpr const char* kModeNames[] = {"", "WEP", "WPA-PSK", "WPA2-PSK"};
    const SecurityParams& security = app_.securityParams;
    if (security.mode <= kSecurityDisabled || security.mode > kSecurityWpa2) {
        return Say(DriverText::NoSecurity);
    }
    const std::string& key = security.mode == kSecurityWep ? security.wepKey : security.passphrase;
    return Say(DriverText::ChosenSecurity, QLatin1String(kModeNames[security.mode]), ToWide(key));
}

// The page rule lets a gateway outside the address's subnet through (some
// providers hand out such pairs); when no address comes it is the first
// suspect.
bool HeadlessSetup::GatewayOutsideSubnet(int wanType) const {
    const bool fixedAddress = wanType == kWanStaticIp || ((wanType == kWanPptp || wanType == kWanL2tp) &&
                                                          options_.tunnelAddressMode == kAddressModeStatic);
    return fixedAddress && ::GatewayOutsideSubnet(options_.ip.toStdString(), options_.mask.toStdString(),
                                                  options_.gateway.toStdString());
}

// What the result page does, poll after poll.
void HeadlessSetup::WaitForWanAddress() {
    const auto settle = [this] { environment_.pause(kStatusPollInterval); };
    for (int poll = 0; poll < kStatusPolls && app_.wanStatus.wanIp.empty(); ++poll) {
        Write(QStringLiteral("."));
        if (ReadRouterWanStatus(*app_.controlObject, app_.routerInfo, app_.wanStatus, settle).answered) {
            findings_.statusAnswered = true;
        }
    }
    Print(QString());
}

// Only for settings the router confirmed: a code for a network that may not
// exist would send the phone after nothing.
void HeadlessSetup::PrintJoinCode() {
    const QString text = WifiJoinText(app_.wirelessParams, app_.securityParams);
    if (const std::optional<QrModules> code = EncodeQr(text.toUtf8())) {
        Print(Say(DriverText::JoinCode, ToWide(app_.wirelessParams.ssid)));
        Write(QString::fromUtf8(QrAsTerminalText(*code)));
    }
}

void HeadlessSetup::PrintWanStatus() {
    const WanStatus& status = app_.wanStatus;
    const std::pair<QStringView, const std::string*> rows[] = {{u"link mode", &status.connectionType},
                                                               {u"IP Address", &status.wanIp},
                                                               {u"NetMask", &status.wanMask},
                                                               {u"gateway", &status.wanGateway},
                                                               {u"WAN Mac", &status.wanMac}};
    int captionColumns = 0;
    for (const auto& row : rows) {
        captionColumns = std::max(captionColumns, DisplayWidth(Text(row.first) + QLatin1Char(':')));
    }
    for (const auto& [caption, value] : rows) {
        const QString shown = value == &status.connectionType ? ConnectionTypeText(*value) : ToWide(*value);
        Print(QStringLiteral("  %1 %2").arg(
            PadToDisplayWidth(Text(caption) + QLatin1Char(':'), captionColumns), shown));
    }
}

// The router names its connection types in English; the three the language
// files carry are shown in the run's language.
QString HeadlessSetup::ConnectionTypeText(const std::string& reported) const {
    const QString name = ToWide(reported);
    for (const QStringView key : {lang::kStaticIp, lang::kDynamicIp, lang::kPppoe}) {
        if (name == key) return Text(key);
    }
    return name;
}

QString HeadlessSetup::CauseText(NoAddressCause cause, int wanType) const {
    switch (cause) {
        case NoAddressCause::AccountRefused:
            return Say(DriverText::CauseAccountRefused);
        case NoAddressCause::NoLinkDetected:
            return Say(DriverText::CauseNoLinkDetected);
        case NoAddressCause::SaveUnconfirmed:
            return Say(DriverText::CauseSaveUnconfirmed);
        case NoAddressCause::GatewayOutsideSubnet:
            return Say(DriverText::CauseGatewayOutsideSubnet, options_.gateway, options_.ip, options_.mask);
        case NoAddressCause::NoStatusAnswer:
            return Say(DriverText::CauseNoStatusAnswer);
        case NoAddressCause::NoProviderAddress:
            break;
    }
    const QString reported = ConnectionTypeText(app_.wanStatus.connectionType);
    const auto waited = std::chrono::duration_cast<std::chrono::seconds>(kStatusPollInterval * kStatusPolls);
    return Say(DriverText::CauseNoProviderAddress, reported.isEmpty() ? WanTypeName(wanType) : reported,
               QString::number(waited.count()));
}

void HeadlessSetup::PrintNoAddressCauses(int wanType) {
    Print(Say(DriverText::NoWanAddress));
    for (const NoAddressCause cause : LikelyNoAddressCauses(findings_)) {
        Print(QStringLiteral("  - ") + CauseText(cause, wanType));
    }
}

int HeadlessSetup::Run() {
    if (options_.routerUser) app_.routerInfo.user = ToNarrow(*options_.routerUser);
    if (options_.routerPassword) app_.routerInfo.password = ToNarrow(*options_.routerPassword);
    if (options_.wanType != kWanNone && !PagesAcceptOptions(options_.wanType)) {
        return kHeadlessUsageError;
    }
    SetupSteps steps(*this);
    if (!steps.RunLink().goOn) {
        return kHeadlessFailed;
    }
    const int wanType = ChooseWanType(steps.RunDetection());
    if (wanType == kWanNone) {
        Print(Say(DriverText::NoWanType));
        return kHeadlessUsageError;
    }
    if (!ApplySettings(wanType)) {
        return kHeadlessUsageError;
    }
    // The wizard leaves the account check to a button; a run without hands
    // always makes it, and stops on a refused account unless told not to.
    if (wanType == kWanPppoe && !steps.RunAccountCheck()) {
        if (!options_.saveAnyway) {
            Print(Say(DriverText::AccountRefusedStop));
            return kHeadlessFailed;
        }
        Print(Say(DriverText::AccountRefusedGoOn));
        findings_.accountRefused = true;
    }
    findings_.saveConfirmed = steps.RunSave() == SaveOutcome::Confirmed;
    if (app_.wanStatus.wanIp.empty()) {
        Write(Say(DriverText::Waiting) + QLatin1Char(' '));
        WaitForWanAddress();
    }
    Print(Text(u"Result Title"));
    PrintWanStatus();
    if (app_.wanStatus.wanIp.empty()) {
        PrintNoAddressCauses(wanType);
        return kHeadlessFailed;
    }
    Print(Say(DriverText::WanAddress, ToWide(app_.wanStatus.wanIp)));
    if (options_.joinCode && findings_.saveConfirmed) {
        PrintJoinCode();
    }
    // An address the router held before is no proof that these settings took.
    return findings_.saveConfirmed ? kHeadlessSucceeded : kHeadlessFailed;
}
