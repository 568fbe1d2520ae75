#include "profile_changes.h"

#include "language_keys.h"
#include "setup_tasks.h"

#include <optional>

namespace {

// The profile, its adapter, then the fixed addresses where the text names them.
StepMessage About(StepMessageKind kind, QStringView textKey, const SwitchedProfile& profile,
                  const std::optional<QString>& addresses = std::nullopt) {
    StepMessage message{kind, {}, textKey, {}, {}, {profile.profileName, profile.adapter}};
    if (addresses) {
        message.arguments << *addresses;
    }
    return message;
}

QString Addresses(const SwitchedProfile& profile) {
    return profile.fixedAddresses.join(QStringLiteral(", "));
}

}  // namespace

void ProfileChanges::TellSwitched() {
    for (SwitchedProfile& profile : profiles_) {
        if (!profile.told) {
            profile.told = true;
            frontEnd_.Tell(
                About(StepMessageKind::Information, lang::kProfileSwitched, profile, Addresses(profile)));
        }
    }
}

void ProfileChanges::SettleAtEnd() {
    bool restoring = false;
    for (SwitchedProfile& profile : profiles_) {
        if (profile.choice != SwitchedProfile::Choice::Undecided) {
            continue;
        }
        const Answer answer = frontEnd_.Ask(
            About(StepMessageKind::Information, lang::kKeepProfileSwitch, profile, Addresses(profile)));
        profile.choice =
            answer == Answer::No ? SwitchedProfile::Choice::Restore : SwitchedProfile::Choice::Keep;
        restoring = restoring || profile.choice == SwitchedProfile::Choice::Restore;
    }
    if (!restoring) {
        return;
    }
    frontEnd_.RunTask(TASK_RESTORE);
    for (const SwitchedProfile& profile : profiles_) {
        if (profile.choice != SwitchedProfile::Choice::Restore) {
            continue;
        }
        // A task that never ran leaves no outcome: the profile is as switched.
        const ProfileRestoreResult result =
            profile.restore ? profile.restore->result : ProfileRestoreResult::Failed;
        if (result == ProfileRestoreResult::Restored) {
            frontEnd_.Tell(
                About(StepMessageKind::Information, lang::kProfileRestored, profile, Addresses(profile)));
            continue;
        }
        frontEnd_.Tell(About(StepMessageKind::Warning,
                             result == ProfileRestoreResult::Refused ? lang::kProfileRestoreRefused
                                                                     : lang::kProfileRestoreFailed,
                             profile));
        // In a box of its own, where the command has the room.
        frontEnd_.Tell({StepMessageKind::Information,
                        lang::kUndoCommandTitle,
                        lang::kUndoCommand,
                        {},
                        {},
                        {profile.undoCommand}});
    }
}
