#include "adapter_reset.h"

#include <string_view>
#include <utility>

#include "console_command.h"
#ifndef _WIN32
#include "network_manager_links.h"
#endif

namespace {

constexpr std::string_view kAdapterHeader = "Ethernet adapter";
// A header line is "Ethernet adapter <name>:"; only this much of it is read.
constexpr std::string::size_type kHeaderBlockLength = 50;
constexpr std::string::size_type kNameStart = kAdapterHeader.size() + 1;

std::string NetshDhcpCommand(std::string_view setting, const std::string& adapterName) {
    std::string line = "netsh -c interface ip set ";
    line += setting;
    line += " name = \"";
    line += adapterName;
    line += "\" source=dhcp";
    return line;
}

}  // namespace

CAdapterReset::CAdapterReset()
    : runner_([](const std::string& commandLine) { return RunConsoleCommand(commandLine, SleepFor); }) {
#ifndef _WIN32
    networkManagerReset_ = [] { return ResetWiredProfilesToDhcp().changed; };
    networkManagerRestore_ = [](const SwitchedProfiles& profiles) {
        return RestoreSwitchedProfiles(profiles);
    };
    wiredLinks_ = [] { return ::ReadWiredLinks(); };
#endif
}

CAdapterReset::CAdapterReset(CommandRunner runner) : runner_(std::move(runner)) {}

CAdapterReset CAdapterReset::LeaveAlone() {
    CAdapterReset reset{CommandRunner()};
    reset.networkManagerReset_ = [] { return SwitchedProfiles(); };
    return reset;
}

#ifndef _WIN32
CAdapterReset CAdapterReset::ThroughNetworkManager(NetworkManagerResetOptions options) {
    CAdapterReset reset{CommandRunner()};
    reset.networkManagerReset_ = [options] { return ResetWiredProfilesToDhcp(options).changed; };
    reset.networkManagerRestore_ = [options](const SwitchedProfiles& profiles) {
        return RestoreSwitchedProfiles(profiles, options);
    };
    reset.wiredLinks_ = [options = std::move(options)] { return ::ReadWiredLinks(options); };
    return reset;
}
#endif

WiredLinks CAdapterReset::ReadWiredLinks() const {
    return wiredLinks_ ? wiredLinks_() : WiredLinks{};
}

std::string CAdapterReset::RunCommand(std::string commandLine) const {
    return runner_(commandLine);
}

bool CAdapterReset::FindEthernetAdapters(const std::string& output) {
    adapterNames.clear();
    std::string_view rest = output;
    int count = 0;
    for (;;) {
        const auto header = rest.find(kAdapterHeader);
        // A header at position 0 or 1 of what is left ends the search: the
        // tool puts a line break before every real header.
        if (header == std::string_view::npos || header <= 1) {
            break;
        }
        const std::string_view block = rest.substr(header, kHeaderBlockLength);
        rest.remove_prefix(header + block.size());

        const auto colon = block.find(':');
        std::string_view name;
        if (colon != std::string_view::npos && colon >= kNameStart) {
            name = block.substr(kNameStart, colon - kNameStart);
        } else if (block.size() > kNameStart) {
            name = block.substr(kNameStart);
        }
        // A header cut off right after its words names no adapter.
        if (name.empty()) {
            continue;
        }
        adapterNames[count++] = std::string(name);
    }
    return count != 0;
}

int CAdapterReset::ResetAdaptersToDhcp() {
    switched_.clear();
    if (networkManagerReset_) {
        switched_ = networkManagerReset_();
        return 0;
    }
    const std::string output = RunCommand("ipconfig.exe");
    if (output.empty() || !FindEthernetAdapters(output)) {
        return 0;
    }
    for (const auto& [number, name] : adapterNames) {
        RunCommand(NetshDhcpCommand("address", name));
        RunCommand(NetshDhcpCommand("dns", name));
    }
    return 0;
}

std::vector<ProfileRestoreOutcome> CAdapterReset::RestoreProfiles(const SwitchedProfiles& profiles) const {
    if (networkManagerRestore_) {
        return networkManagerRestore_(profiles);
    }
    return std::vector<ProfileRestoreOutcome>(
        profiles.size(),
        {ProfileRestoreResult::Failed, QStringLiteral("not switched through NetworkManager")});
}
