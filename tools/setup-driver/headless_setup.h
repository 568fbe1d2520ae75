// The wizard's set-up path without windows: the same tasks on the same worker
// hand-over, in the order the pages start them, with the stage texts and the
// outcome printed instead of shown.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

#include "adapter_reset.h"
#include "driver_options.h"
#include "driver_texts.h"
#include "no_address_causes.h"
#include "pause_function.h"
#include "qelvane_app.h"
#include "setup_steps.h"

// Exit codes of the driver.
inline constexpr int kHeadlessSucceeded = 0;
inline constexpr int kHeadlessFailed = 1;      // the router ends without a WAN address, or refused
inline constexpr int kHeadlessUsageError = 2;  // an option or setting.ini needs changing

// What a run touches outside the router; the defaults are the real ones.
struct HeadlessEnvironment {
    PauseFunction pause = SleepFor;
    // Empty: what the options ask for (the PC's adapters left alone unless
    // --reset-adapters); set: the tools' way with this runner (tests).
    CAdapterReset::CommandRunner commands;
    std::function<void(const QString&)> write;  // empty: standard output
};

class HeadlessSetup : public SetupFrontEnd {
public:
    HeadlessSetup(CQelvaneApp& app, const DriverOptions& options, HeadlessEnvironment environment = {});

    // The router's login from the options (else setting.ini's), then the
    // tasks. kHeadlessSucceeded when the router ends up reporting a WAN address.
    int Run();

private:
    // What the run learnt on its way that may explain a missing WAN address.

    bool PagesAcceptOptions(int wanType);
    // SetupFrontEnd: the tasks with their stage texts and dots, the steps'
    // messages printed.
    int RunTask(int task) override;
    bool Tell(const StepMessage& message) override;
    void ShowLinkError() override;
    QString SettingsFile() const override;
    RouterAddresses Router() const override;
    CAdapterReset AdapterResetForRun();
    int ChooseWanType(std::optional<int> detected);
    bool ApplySettings(int wanType);
    QString SecuritySummary() const;
    bool GatewayOutsideSubnet(int wanType) const;
    void WaitForWanAddress();
    void PrintWanStatus();
    void PrintJoinCode();
    void PrintNoAddressCauses(int wanType);
    QString CauseText(NoAddressCause cause, int wanType) const;
    QString WanTypeName(int wanType) const;
    QString ConnectionTypeText(const std::string& reported) const;

    QString Text(QStringView key) const;
    template <typename... Values>
    QString Say(DriverText text, const Values&... values) const;
    void Write(const QString& text);
    void Print(const QString& line);

    CQelvaneApp& app_;
    const DriverOptions& options_;
    HeadlessEnvironment environment_;
    NoAddressFindings findings_;
};

// True for a dotted address inside 127.0.0.0/8, the only router this
// program may talk to.
bool IsLoopbackRouterAddress(const std::string& address);
