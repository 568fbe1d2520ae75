#include "setup_tasks.h"

#include "wan_status_read.h"
#include "wan_types.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

using RouterOperation = int (CDLLObject::*)(std::string, int, std::string, std::string);

class ScriptContext {
public:
    ScriptContext(CDLLObject& object, SettingsRecords& records, const PauseFunction& pause)
        : object_(object), records_(records), pause_(pause) {}

    CDLLObject& object() { return object_; }
    SettingsRecords& records() { return records_; }
    void Pause(std::chrono::milliseconds length) { pause_(length); }

    // The login is read afresh for every call, as the pages may have changed it.
    int Call(RouterOperation operation) {
        const RouterInfo& login = records_.routerInfo;
        return (object_.*operation)(login.address, kRouterPort, login.user, login.password);
    }
    int CallRepeatingIfNegative(RouterOperation operation) {
        const int result = Call(operation);
        return result < 0 ? Call(operation) : result;
    }
    int CallRepeatingIfBelowOne(RouterOperation operation) {
        const int result = Call(operation);
        return result < 1 ? Call(operation) : result;
    }

private:
    CDLLObject& object_;
    SettingsRecords& records_;
    const PauseFunction& pause_;
};

// A router that gave no answer at all where setting.ini puts it may sit
// where the PC's wired lease says (a previous owner moved it, or another
// model); each address the lease names gets one login. A 401 is no reason
// to look: the router is there and only the login is wrong. The records
// keep the address found for every later call. The link result: found
// elsewhere, 1 when that was setting.ini's address after all (a later run,
// the router put back), `unanswered` when no login got through.
int LoginWhereTheLeaseNamesTheRouter(ScriptContext& script, CAdapterReset& adapters, int unanswered) {
    SettingsRecords& records = script.records();
    const std::string tried = records.routerInfo.address;
    for (const std::string& router : adapters.ReadWiredLinks().routers) {
        if (router == tried) {
            continue;
        }
        records.routerInfo.address = router;
        if (script.Call(&CDLLObject::CheckLogin) != 1) {
            continue;
        }
        if (records.configuredRouterAddress.empty()) {
            records.configuredRouterAddress = tried;
        } else if (records.configuredRouterAddress == router) {
            records.configuredRouterAddress.clear();
            return 1;
        }
        return kLinkFoundElsewhere;
    }
    records.routerInfo.address = tried;
    return unanswered;
}

// A profile switched by an earlier run of the link task keeps its first
// entry: that one holds the settings from before the wizard changed anything.
void RecordSwitchedProfiles(SettingsRecords& records, const SwitchedProfiles& switched) {
    for (const SwitchedProfile& profile : switched) {
        const bool known = std::any_of(records.switchedProfiles.cbegin(), records.switchedProfiles.cend(),
                                       [&profile](const SwitchedProfile& recorded) {
                                           return recorded.profilePath == profile.profilePath;
                                       });
        if (!known) {
            records.switchedProfiles.push_back(profile);
        }
    }
}

int RunLinkScript(ScriptContext& script, CAdapterReset& adapters) {
    // With no cable plugged in anywhere every login would only time out.
    if (adapters.ReadWiredLinks().NoCableAnywhere()) {
        return kLinkNoCable;
    }
    adapters.ResetAdaptersToDhcp();
    RecordSwitchedProfiles(script.records(), adapters.Switched());
    script.Pause(2000ms);
    int result = script.CallRepeatingIfBelowOne(&CDLLObject::CheckLogin);
    if (result < 0) {
        result = LoginWhereTheLeaseNamesTheRouter(script, adapters, result);
    }
    script.Pause(3500ms);
    if (result == 1 || result == kLinkFoundElsewhere) {
        script.CallRepeatingIfNegative(&CDLLObject::ReadMacInfo);
        script.object().GetMacInfo(script.records().macInfo);
    }
    return result;
}

int RunDetectScript(ScriptContext& script) {
    script.Pause(500ms);
    int result = script.Call(&CDLLObject::DetectWanMode);
    if (result < 0) {
        script.Pause(1000ms);
        result = script.Call(&CDLLObject::DetectWanMode);
    }
    return result;
}

int RunAccountCheckScript(ScriptContext& script) {
    constexpr int kLinkPolls = 4;
    script.Pause(500ms);
    script.object().SetRouterInfo(script.records().routerInfo);
    script.object().SetPppoeParams(script.records().pppoeParams);
    script.CallRepeatingIfNegative(&CDLLObject::ConnectWan);
    script.Pause(2000ms);
    script.CallRepeatingIfNegative(&CDLLObject::ApplyWanSettings);
    script.Pause(1000ms);
    int result = 0;
    for (int poll = 0; poll < kLinkPolls; ++poll) {
        result = script.Call(&CDLLObject::PollWanLink);
        if (result == 1) {
            break;
        }
        script.Pause(10000ms);
    }
    return result;
}

void HandOverWanTypeRecord(ScriptContext& script) {
    CDLLObject& object = script.object();
    const SettingsRecords& records = script.records();
    switch (records.routerInfo.wanType) {
        case kWanStaticIp:
            object.SetStaticIpParams(records.staticIpParams);
            break;
        case kWanPppoe:
            object.SetPppoeParams(records.pppoeParams);
            break;
        case kWanPptp:
        case kWanL2tp:
            object.SetTunnelParams(records.tunnelParams);
            break;
        default:  // dynamic IP needs no record
            break;
    }
}

int RunSaveScript(ScriptContext& script) {
    CDLLObject& object = script.object();
    SettingsRecords& records = script.records();
    object.SetRouterInfo(records.routerInfo);
    HandOverWanTypeRecord(script);
    object.SetMacInfo(records.macInfo);
    script.Pause(1000ms);
    object.SetWirelessParams(records.wirelessParams);
    object.SetSecurityParams(records.securityParams);
    script.CallRepeatingIfNegative(&CDLLObject::ApplyWanSettings);
    script.Pause(10000ms);
    const int result = script.CallRepeatingIfBelowOne(&CDLLObject::ApplyWireless);
    script.Pause(20000ms);
    ReadRouterWanStatus(object, records.routerInfo, records.wanStatus);
    return result;
}

void RunRestartScript(ScriptContext& script) {
    script.CallRepeatingIfNegative(&CDLLObject::ConnectWan);
    script.Pause(500ms);
    script.CallRepeatingIfNegative(&CDLLObject::ApplyMacClone);
    script.Pause(30000ms);
    ReadRouterWanStatus(script.object(), script.records().routerInfo, script.records().wanStatus);
}

// Only the profiles the user chose, and each at most once.
int RunRestoreScript(SettingsRecords& records, CAdapterReset& adapters) {
    SwitchedProfiles chosen;
    std::vector<SwitchedProfile*> entries;
    for (SwitchedProfile& profile : records.switchedProfiles) {
        if (profile.choice == SwitchedProfile::Choice::Restore && !profile.restore) {
            chosen.push_back(profile);
            entries.push_back(&profile);
        }
    }
    if (chosen.empty()) {
        return 0;
    }
    const std::vector<ProfileRestoreOutcome> outcomes = adapters.RestoreProfiles(chosen);
    int restored = 0;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        entries[k]->restore = k < outcomes.size() ? outcomes[k] : ProfileRestoreOutcome{};
        restored += entries[k]->restore->result == ProfileRestoreResult::Restored ? 1 : 0;
    }
    return restored;
}

}  // namespace

int RunSetupScript(int task, CDLLObject* object, SettingsRecords& records, const PauseFunction& pause,
                   CAdapterReset& adapters) {
    if (task == TASK_RESTORE) {
        return RunRestoreScript(records, adapters);
    }
    if (object == nullptr) {
        return kNoControlObjectResult;
    }
    ScriptContext script(*object, records, pause);
    switch (task) {
        case TASK_LINK:
            return RunLinkScript(script, adapters);
        case TASK_AUTO:
            return RunDetectScript(script);
        case TASK_CHECK:
            return RunAccountCheckScript(script);
        case TASK_SAVE:
            return RunSaveScript(script);
        case TASK_REBOOT:
            RunRestartScript(script);
            return 0;  // nobody reads it
        default:
            return 0;
    }
}
