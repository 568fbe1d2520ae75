// What the adapter reset changed on this PC: one entry for each network
// profile it switched from fixed addresses to automatic addressing, with what
// the user needs to hear of it and what it takes to put it back. The link task
// adds them to the records; the user decides, when the wizard ends, whether
// each one stays switched.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>
#include <vector>

enum class ProfileRestoreResult {
    Restored,  // the fixed addresses are back and the profile was brought up again
    Refused,   // the system did not allow the change (a password not given, say)
    Failed,    // anything else: no NetworkManager, the profile gone, not brought up
};

struct ProfileRestoreOutcome {
    ProfileRestoreResult result = ProfileRestoreResult::Failed;
    QString reason;  // why not, as the log says it; empty when restored
};

struct SwitchedProfile {
    QString adapter;      // the interface, e.g. "eth0"
    QString profileName;  // the profile's id, e.g. "Wired connection 1"
    QString uuid;
    // NetworkManager's object paths of the profile and of the device it was up on.
    QString profilePath;
    QString devicePath;
    QStringList fixedAddresses;  // the addresses removed, e.g. "192.168.1.10/24"
    QString undoCommand;         // the nmcli commands that put it back by hand
    // The profile's "ipv4" setting as it was read before the change, with the
    // D-Bus types the daemon gave it: what a restore sends back.
    QVariantMap ipv4Before;

    // The user's side of it.
    bool told = false;
    enum class Choice { Undecided, Keep, Restore };
    Choice choice = Choice::Undecided;
    std::optional<ProfileRestoreOutcome> restore;  // set once a restore was tried
};

using SwitchedProfiles = std::vector<SwitchedProfile>;
