// Switches the PC's Ethernet adapters to automatic addressing before the
// wizard first talks to the router. On Windows the system's own "ipconfig.exe"
// and "netsh" do it; elsewhere NetworkManager does (network_manager_reset.h).
#pragma once

#include <functional>
#include <map>
#include <string>

#include "switched_profile.h"
#include "wired_links.h"

#ifndef _WIN32
#include "network_manager_reset.h"
#endif

class CAdapterReset {
public:
    // Runs one command line and returns its merged output ("" when it
    // could not be started). Tests pass their own to record the lines.
    using CommandRunner = std::function<std::string(const std::string& commandLine)>;

    // Resets the adapters for real: on Windows through the tools, pausing
    // after each block of their output; elsewhere through NetworkManager on
    // the system bus.
    CAdapterReset();
    // Goes the tools' way whatever the platform, with `runner` standing in
    // for them (tests; a silent runner leaves the host's adapters alone).
    explicit CAdapterReset(CommandRunner runner);

    // A reset that changes nothing and makes no call at all: for runs whose
    // router is not the one the PC's adapters are cabled to.
    static CAdapterReset LeaveAlone();
#ifndef _WIN32
    // Through NetworkManager with the caller's options (another bus, say).
    static CAdapterReset ThroughNetworkManager(NetworkManagerResetOptions options);
#endif

    std::string RunCommand(std::string commandLine) const;
    // Fills adapterNames from an "ipconfig.exe" output; true when one was found.
    bool FindEthernetAdapters(const std::string& output);
    // The whole reset. Always 0: a failed reset is not the caller's concern.
    int ResetAdaptersToDhcp();
    // The profiles the last reset changed (through NetworkManager; the
    // tools' way keeps no record of what it changes).
    const SwitchedProfiles& Switched() const {
        return switched_;
    }
    // Puts profiles a reset switched back as they were, the way the reset
    // went; one outcome per profile. The tools' way, and a reset that leaves
    // the adapters alone, put nothing back.
    std::vector<ProfileRestoreOutcome> RestoreProfiles(const SwitchedProfiles& profiles) const;

    // What the wired adapters say of cable and lease, where the system tells
    // (through NetworkManager, read-only); empty where it does not, or for a
    // reset that leaves the adapters alone.
    WiredLinks ReadWiredLinks() const;
    using WiredLinkReader = std::function<WiredLinks()>;
    // Replaces that read (tests; the headless driver narrows what it may use).
    void SetWiredLinkReader(WiredLinkReader reader) {
        wiredLinks_ = std::move(reader);
    }

    // Adapter number in the order found -> name as ipconfig writes it.
    std::map<int, std::string> adapterNames;

private:
    CommandRunner runner_;
    // Set where the reset goes through NetworkManager instead of the tools.
    std::function<SwitchedProfiles()> networkManagerReset_;
    std::function<std::vector<ProfileRestoreOutcome>(const SwitchedProfiles&)> networkManagerRestore_;
    SwitchedProfiles switched_;
    WiredLinkReader wiredLinks_;
};
