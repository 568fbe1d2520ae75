// The real router-control library, bound the way the program binds it, in
// front of an in-process simulated router on an ephemeral loopback port.
// The scripts always say port 80; the control object here forwards every
// router call to the simulator's port instead, so no test needs port 80.
#pragma once

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QtGlobal>
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "dll_object.h"
#include "library_binding.h"
#include "router_sim_fixture.h"
#include "settings_records.h"

class PortRedirectingObject : public CDLLObject {
public:
    PortRedirectingObject(CDLLObject& target, int port) : target_(target), port_(port) {}

    // A router that goes away once it has taken the WAN form: every later
    // call goes to deadPort, where nothing listens.
    void VanishAfterWanForm(int deadPort) { vanishPort_ = deadPort; }

    int CheckLogin(std::string a, int, std::string u, std::string w) override {
        return target_.CheckLogin(a, port_, u, w);
    }
    int CheckWanLink(std::string a, int, std::string u, std::string w) override {
        return target_.CheckWanLink(a, port_, u, w);
    }
    int DetectWanMode(std::string a, int, std::string u, std::string w) override {
        return target_.DetectWanMode(a, port_, u, w);
    }
    int ReadMacInfo(std::string a, int, std::string u, std::string w) override {
        return target_.ReadMacInfo(a, port_, u, w);
    }
    int PollWanLink(std::string a, int, std::string u, std::string w) override {
        return target_.PollWanLink(a, port_, u, w);
    }
    int ConnectWan(std::string a, int, std::string u, std::string w) override {
        return target_.ConnectWan(a, port_, u, w);
    }
    int ApplyWanSettings(std::string a, int, std::string u, std::string w) override {
        const int result = target_.ApplyWanSettings(a, port_, u, w);
        if (const int gone = vanishPort_.load(); gone != 0) {
            port_ = gone;
        }
        return result;
    }
    int ApplyWirelessBasic(std::string a, int, std::string u, std::string w) override {
        return target_.ApplyWirelessBasic(a, port_, u, w);
    }
    int ApplySecurity(std::string a, int, std::string u, std::string w) override {
        return target_.ApplySecurity(a, port_, u, w);
    }
    int ReadWanStatus(std::string a, int, std::string u, std::string w) override {
        return target_.ReadWanStatus(a, port_, u, w);
    }
    int ApplyMacClone(std::string a, int, std::string u, std::string w) override {
        return target_.ApplyMacClone(a, port_, u, w);
    }
    int ApplyWireless(std::string a, int, std::string u, std::string w) override {
        return target_.ApplyWireless(a, port_, u, w);
    }

    void SetRouterInfo(const RouterInfo& info) override { target_.SetRouterInfo(info); }
    void SetMacInfo(const MacInfo& info) override { target_.SetMacInfo(info); }
    void SetSecurityParams(const SecurityParams& params) override { target_.SetSecurityParams(params); }
    void SetStaticIpParams(const StaticIpParams& params) override { target_.SetStaticIpParams(params); }
    void SetPppoeParams(const PppoeParams& params) override { target_.SetPppoeParams(params); }
    void SetTunnelParams(const TunnelParams& params) override { target_.SetTunnelParams(params); }
    void SetWirelessParams(const WirelessParams& params) override { target_.SetWirelessParams(params); }
    void SetExtraParams(const ExtraParams& params) override { target_.SetExtraParams(params); }
    void SetWanStatus(const WanStatus& status) override { target_.SetWanStatus(status); }
    void GetMacInfo(MacInfo& info) override { target_.GetMacInfo(info); }
    void GetWanStatus(WanStatus& status) override { target_.GetWanStatus(status); }

private:
    CDLLObject& target_;
    std::atomic<int> port_;
    std::atomic<int> vanishPort_{0};
};

// A loopback port nobody listens on: bound by the system, then let go.
inline int ClosedLoopbackPort() {
    const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (probe >= 0 && bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    if (probe >= 0) close(probe);
    return port;
}

// The build's bin directory, where libTarnwick.so lies beside the programs.
inline QString BinDirectory() {
    return QString::fromLocal8Bit(qgetenv("QELVANE_BIN_DIR")) + QLatin1Char('/');
}

// The ISP account the simulated router accepts in these tests.
inline constexpr const char* kIspUser = "e2e-user";
inline constexpr const char* kIspPassword = "e2e-pass";

class RealRouterTest : public ::testing::Test {
protected:
    static routersim::Options SimOptions(char detectedMode, std::chrono::milliseconds linkDelay,
                                         std::chrono::milliseconds restartTime) {
        routersim::Options options;
        options.user = "admin";
        options.password = "e2e-admin";
        options.detectedMode = detectedMode;
        options.ispUser = kIspUser;
        options.ispPassword = kIspPassword;
        options.linkDelay = linkDelay;
        options.restartTime = restartTime;
        return options;
    }

    void StartRouter(const routersim::Options& options) {
        sim_ = std::make_unique<ScopedRouterSim>(options);
        ASSERT_TRUE(sim_->ok());
        ASSERT_EQ(binding_.Load(BinDirectory(), library_), LibraryLoadResult::Loaded)
            << qPrintable(BinDirectory());
        ASSERT_NE(library_, nullptr);
        router_ = std::make_unique<PortRedirectingObject>(*library_, sim_->port());
        records.routerInfo = {"127.0.0.1", "admin", "e2e-admin", 0, 0};
    }

    void TearDown() override {
        router_.reset();
        binding_.Release(library_);
    }

    routersim::RouterSim& sim() { return **sim_; }
    CDLLObject* router() { return router_.get(); }

    SettingsRecords records;

private:
    std::unique_ptr<ScopedRouterSim> sim_;
    CLibraryBinding binding_;
    CDLLObject* library_ = nullptr;
    std::unique_ptr<PortRedirectingObject> router_;
};
