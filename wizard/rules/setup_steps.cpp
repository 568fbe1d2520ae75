#include "setup_steps.h"

#include "language_keys.h"
#include "setup_tasks.h"
#include "wan_types.h"

LinkOutcome ReadLinkResult(int result) {
    if (result == 1) return LinkOutcome::Connected;
    return result == 0 ? LinkOutcome::LoginRefused : LinkOutcome::NoAnswer;
}

std::optional<int> ReadDetectionResult(int result) {
    // The detection's digits 1-3 are the wizard's own type numbers; 0, the
    // error result -1 and types the wizard does not handle (4 and up) are failures.
    if (result == kWanStaticIp || result == kWanDynamicIp || result == kWanPppoe) return result;
    return std::nullopt;
}

SaveOutcome ReadSaveResult(int result) {
    return result == 1 ? SaveOutcome::Confirmed : SaveOutcome::NotConfirmed;
}

namespace {

QStringView TypeNameKey(int wanType) {
    switch (wanType) {
        case kWanStaticIp:
            return lang::kStaticIp;
        case kWanDynamicIp:
            return lang::kDynamicIp;
        default:
            return lang::kPppoe;
    }
}

}  // namespace

SetupSteps::Link SetupSteps::RunLink() {
    const LinkOutcome outcome = ReadLinkResult(frontEnd_.RunTask(TASK_LINK));
    switch (outcome) {
        case LinkOutcome::Connected:
            return {outcome,
                    frontEnd_.Tell({StepMessageKind::Information, {}, lang::kConnectOk, {}, {}, {}})};
        case LinkOutcome::LoginRefused:
            // The router is there and answered: the cabling picture would send
            // the user to the wrong place. The login comes from the settings
            // file, so the message names the one that was read.
            frontEnd_.Tell({StepMessageKind::Warning,
                            lang::kWarningTitle,
                            lang::kLoginRefused,
                            {},
                            {},
                            frontEnd_.SettingsFile()});
            return {outcome, false};
        case LinkOutcome::NoAnswer:
            frontEnd_.ShowLinkError();
            return {outcome, false};
    }
    return {outcome, false};
}

std::optional<int> SetupSteps::RunDetection() {
    const std::optional<int> detected = ReadDetectionResult(frontEnd_.RunTask(TASK_AUTO));
    if (detected) {
        // The PPPoE message has always been spaced wider than the others.
        const QStringView separator = *detected == kWanPppoe ? QStringView(u"   ") : QStringView(u" ");
        frontEnd_.Tell({StepMessageKind::Information,
                        lang::kSuccess,
                        lang::kYourConnectionWay,
                        separator,
                        TypeNameKey(*detected),
                        {}});
    } else {
        frontEnd_.Tell({StepMessageKind::Warning,
                        lang::kAutoDetectionFailure,
                        lang::kAutoDetectionFailureDesc,
                        {},
                        {},
                        {}});
    }
    return detected;
}

bool SetupSteps::RunAccountCheck() {
    const bool accepted = frontEnd_.RunTask(TASK_CHECK) == 1;
    // A working account is good news: the information picture, not the warning.
    frontEnd_.Tell({accepted ? StepMessageKind::Information : StepMessageKind::Warning,
                    {},
                    accepted ? lang::kCheckAccountsCorrect : lang::kCheckAccountsInaccuracy,
                    {},
                    {},
                    {}});
    return accepted;
}

SaveOutcome SetupSteps::RunSave() {
    const SaveOutcome outcome = ReadSaveResult(frontEnd_.RunTask(TASK_SAVE));
    if (outcome == SaveOutcome::NotConfirmed) {
        // The result page that follows may show what the router held before:
        // say plainly that these settings were not confirmed.
        frontEnd_.Tell({StepMessageKind::Warning, lang::kWarningTitle, lang::kSaveNotConfirmed, {}, {}, {}});
    } else if (frontEnd_.Tell(
                   {StepMessageKind::Information, lang::kSaveOkTitle, lang::kSaveOk, {}, {}, {}})) {
        frontEnd_.RunTask(TASK_REBOOT);
    }
    return outcome;
}

PageStep SetupSteps::Next(int page, int wanType, bool pageAccepted) {
    bool passed = pageAccepted;
    if (page == kPageSetup4) {
        passed = RunLink().goOn;
    } else if (page == kPageSecurity && pageAccepted) {
        // The result page follows whatever the save gave.
        RunSave();
    }
    return NextPage(page, wanType, passed);
}
