#include "headless_setup.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <cstdio>

#include "language_keys.h"
#include "setup_tasks.h"
#include "setup_worker.h"
#include "text_codec.h"
#include "wan_types.h"

namespace {

// The result page polls this often until the router reports a WAN address.
constexpr int kStatusPollIntervalMs = 2000;
constexpr int kStatusPolls = 15;
// The progress window animates at this period; the driver prints a dot every
// second tick and the elapsed time every twentieth.
constexpr int kProgressTickMs = 500;

void Write(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

}  // namespace

bool IsLoopbackRouterAddress(const std::string& address) {
    constexpr AddressValue kUnparsable = 0xFFFFFFFFu;
    const AddressValue value = ParseRouterLanAddress(address);
    return value != kUnparsable && (value >> 24) == 127;
}

HeadlessSetup::HeadlessSetup(CQelvaneApp& app, const DriverOptions& options) : app_(app), options_(options) {}

QString HeadlessSetup::Text(QStringView key) const {
    return app_.languageTable.Lookup(key.toString());
}

void HeadlessSetup::Print(const QString& line) {
    Write(line + QLatin1Char('\n'));
}

int HeadlessSetup::RunTask(int task) {
    const QStringView key = StageTextKey(task);
    Write(QStringLiteral("%1 ").arg(key.isEmpty() ? QString() : Text(key).simplified()));

    SetupWorker worker(task, app_.controlObject, app_);
    QEventLoop loop;
    QTimer ticker;
    int ticks = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] {
        ++ticks;
        if (ticks % 20 == 0) {
            Write(QStringLiteral("%1s").arg(ticks * kProgressTickMs / 1000));
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
    Print(QStringLiteral(" (%1 s, result %2)").arg(clock.elapsed() / 1000.0, 0, 'f', 1).arg(worker.Result()));
    return worker.Result();
}

int HeadlessSetup::ChooseWanType(int detectResult) {
    static constexpr QStringView kDetectedTypeNames[] = {lang::kStaticIp, lang::kDynamicIp, lang::kPppoe};
    if (detectResult >= 1 && detectResult <= 3) {
        // The wizard's own success text puts three blanks before PPPoE.
        const QString separator = detectResult == 3 ? QStringLiteral("   ") : QStringLiteral(" ");
        Print(QStringLiteral("  %1: %2%3%4")
                  .arg(Text(lang::kSuccess), Text(lang::kYourConnectionWay), separator,
                       Text(kDetectedTypeNames[detectResult - 1])));
    } else {
        Print(QStringLiteral("  %1").arg(Text(lang::kAutoDetectionFailure)));
    }
    if (options_.wanType != kWanNone) {
        return options_.wanType;
    }
    // The detection's digits 1-3 are the wizard's own type numbers.
    return detectResult >= kWanStaticIp && detectResult <= kWanPppoe ? detectResult : kWanNone;
}

bool HeadlessSetup::ApplySettings(int wanType) {
    app_.routerInfo.wanType = wanType;
    WarningKey warning = ApplyConnectionSettings(options_, wanType, app_);
    if (!warning) {
        const QString defaultSsid = Text(lang::kSsidValue).trimmed();
        warning = ApplyLanSideSettings(options_, defaultSsid, app_);
    }
    if (warning) {
        Print(QStringLiteral("%1: %2").arg(Text(lang::kWarningTitle).trimmed(), Text(*warning)));
        return false;
    }
    Print(QStringLiteral("  WAN type %1, SSID \"%2\", WAN MAC %3")
              .arg(wanType)
              .arg(ToWide(app_.wirelessParams.ssid), ToWide(app_.macInfo.applyMac)));
    return true;
}

// What the result page does: read, once more on failure, wait, copy out.
void HeadlessSetup::WaitForWanAddress() {
    CDLLObject& router = *app_.controlObject;
    const RouterInfo& login = app_.routerInfo;
    for (int poll = 0; poll < kStatusPolls && app_.wanStatus.wanIp.empty(); ++poll) {
        Write(QStringLiteral("."));
        if (router.ReadWanStatus(login.address, kRouterPort, login.user, login.password) < 1) {
            router.ReadWanStatus(login.address, kRouterPort, login.user, login.password);
        }
        SleepMilliseconds(kStatusPollIntervalMs);
        router.GetWanStatus(app_.wanStatus);
    }
    Print(QString());
}

void HeadlessSetup::PrintWanStatus() {
    const WanStatus& status = app_.wanStatus;
    const std::pair<const char16_t*, const std::string*> rows[] = {{u"link mode", &status.connectionType},
                                                                   {u"IP Address", &status.wanIp},
                                                                   {u"NetMask", &status.wanMask},
                                                                   {u"gateway", &status.wanGateway},
                                                                   {u"WAN Mac", &status.wanMac}};
    for (const auto& [caption, value] : rows) {
        Print(QStringLiteral("  %1 %2")
                  .arg(Text(QStringView(caption)).simplified() + QLatin1Char(':'), -16)
                  .arg(ToWide(*value)));
    }
}

int HeadlessSetup::Run() {
    if (const int link = RunTask(TASK_LINK); link != 1) {
        Print(QStringLiteral("The router at %1 %2.")
                  .arg(ToWide(app_.routerInfo.address),
                       link == 0 ? QStringLiteral("refused the login from setting.ini")
                                 : QStringLiteral("did not answer")));
        return 1;
    }
    Print(QStringLiteral("  %1 (factory MAC %2, current MAC %3)")
              .arg(Text(lang::kConnectOk).simplified(), ToWide(app_.macInfo.factoryMac),
                   ToWide(app_.macInfo.defaultMac)));

    const int wanType = ChooseWanType(RunTask(TASK_AUTO));
    if (wanType == kWanNone) {
        Print(QStringLiteral("No WAN type: give one with --type."));
        return 1;
    }
    if (!ApplySettings(wanType)) {
        return 1;
    }
    if (wanType == kWanPppoe) {
        const bool accepted = RunTask(TASK_CHECK) == 1;
        Print(QStringLiteral("  %1").arg(
            Text(accepted ? lang::kCheckAccountsCorrect : lang::kCheckAccountsInaccuracy)));
    }
    if (RunTask(TASK_SAVE) != 0) {
        Print(QStringLiteral("  %1").arg(Text(lang::kSaveOk).simplified()));
        RunTask(TASK_REBOOT);
    }
    if (app_.wanStatus.wanIp.empty()) {
        Write(QStringLiteral("Waiting for the router's WAN address "));
        WaitForWanAddress();
    }
    Print(Text(u"Result Title").simplified());
    PrintWanStatus();
    if (app_.wanStatus.wanIp.empty()) {
        Print(QStringLiteral("The router reports no WAN address."));
        return 1;
    }
    return 0;
}
