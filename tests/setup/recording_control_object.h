// A control object whose router operations answer from a script and which
// writes every call, and every pause of the script around it, into one log.
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "dll_object.h"
#include "pause_function.h"

class RecordingControlObject : public CDLLObject {
public:
    // The results the named operation gives, one per call; 1 once they run out.
    void Script(const std::string& operation, std::vector<int> results) {
        scripted_[operation] = std::deque<int>(results.begin(), results.end());
    }

    PauseFunction Pauses() {
        return
            [this](std::chrono::milliseconds length) { Record("pause " + std::to_string(length.count())); };
    }

    void Record(const std::string& entry) {
        std::lock_guard lock(mutex_);
        log_.push_back(entry);
    }

    std::vector<std::string> Log() const {
        std::lock_guard lock(mutex_);
        return log_;
    }

    // Every login the router operations were called with, in order.
    std::vector<std::string> Logins() const {
        std::lock_guard lock(mutex_);
        return logins_;
    }

    int CheckLogin(std::string a, int p, std::string u, std::string w) override {
        return Answer("CheckLogin", a, p, u, w);
    }
    int CheckWanLink(std::string a, int p, std::string u, std::string w) override {
        return Answer("CheckWanLink", a, p, u, w);
    }
    int DetectWanMode(std::string a, int p, std::string u, std::string w) override {
        return Answer("DetectWanMode", a, p, u, w);
    }
    int ReadMacInfo(std::string a, int p, std::string u, std::string w) override {
        return Answer("ReadMacInfo", a, p, u, w);
    }
    int PollWanLink(std::string a, int p, std::string u, std::string w) override {
        return Answer("PollWanLink", a, p, u, w);
    }
    int ConnectWan(std::string a, int p, std::string u, std::string w) override {
        return Answer("ConnectWan", a, p, u, w);
    }
    int ApplyWanSettings(std::string a, int p, std::string u, std::string w) override {
        return Answer("ApplyWanSettings", a, p, u, w);
    }
    int ApplyWirelessBasic(std::string a, int p, std::string u, std::string w) override {
        return Answer("ApplyWirelessBasic", a, p, u, w);
    }
    int ApplySecurity(std::string a, int p, std::string u, std::string w) override {
        return Answer("ApplySecurity", a, p, u, w);
    }
    int ReadWanStatus(std::string a, int p, std::string u, std::string w) override {
        return Answer("ReadWanStatus", a, p, u, w);
    }
    int ApplyMacClone(std::string a, int p, std::string u, std::string w) override {
        return Answer("ApplyMacClone", a, p, u, w);
    }
    int ApplyWireless(std::string a, int p, std::string u, std::string w) override {
        return Answer("ApplyWireless", a, p, u, w);
    }

    void SetRouterInfo(const RouterInfo& info) override {
        Record("SetRouterInfo");
        routerInfo = info;
    }
    void SetMacInfo(const MacInfo& info) override {
        Record("SetMacInfo");
        macInfo = info;
    }
    void SetSecurityParams(const SecurityParams& params) override {
        Record("SetSecurityParams");
        securityParams = params;
    }
    void SetStaticIpParams(const StaticIpParams& params) override {
        Record("SetStaticIpParams");
        staticIpParams = params;
    }
    void SetPppoeParams(const PppoeParams& params) override {
        Record("SetPppoeParams");
        pppoeParams = params;
    }
    void SetTunnelParams(const TunnelParams& params) override {
        Record("SetTunnelParams");
        tunnelParams = params;
    }
    void SetWirelessParams(const WirelessParams& params) override {
        Record("SetWirelessParams");
        wirelessParams = params;
    }
    void SetExtraParams(const ExtraParams& params) override {
        Record("SetExtraParams");
        extraParams = params;
    }
    void SetWanStatus(const WanStatus& status) override {
        Record("SetWanStatus");
        wanStatus = status;
    }
    void GetMacInfo(MacInfo& info) override {
        Record("GetMacInfo");
        info.factoryMac = macInfo.factoryMac;
        info.defaultMac = macInfo.defaultMac;
        info.cloneMac = macInfo.cloneMac;
        info.applyMac = macInfo.applyMac;
    }
    void GetWanStatus(WanStatus& status) override {
        Record("GetWanStatus");
        status.connectionType = wanStatus.connectionType;
        status.wanIp = wanStatus.wanIp;
        status.wanMask = wanStatus.wanMask;
        status.wanGateway = wanStatus.wanGateway;
        status.wanMac = wanStatus.wanMac;
    }

private:
    int Answer(const std::string& operation, const std::string& address, int port, const std::string& user,
               const std::string& password) {
        Record(operation);
        std::lock_guard lock(mutex_);
        logins_.push_back(address + ":" + std::to_string(port) + " " + user + "/" + password);
        auto& results = scripted_[operation];
        if (results.empty()) {
            return 1;
        }
        const int result = results.front();
        results.pop_front();
        return result;
    }

    mutable std::mutex mutex_;
    std::map<std::string, std::deque<int>> scripted_;
    std::vector<std::string> log_;
    std::vector<std::string> logins_;
};
