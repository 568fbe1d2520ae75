#include "setup_steps.h"

#include <vector>

#include "format_string.h"
#include "language_keys.h"
#include "setup_tasks.h"
#include "text_codec.h"
#include "wan_types.h"

QString FormatStepText(const QString& text, const StepMessage& message) {
    if (message.arguments.isEmpty()) {
        return text;
    }
    const std::vector<FormatArgument> arguments(message.arguments.cbegin(), message.arguments.cend());
    return FormatStringFromList(text, arguments);
}

RouterAddresses RouterAddressesOf(const SettingsRecords& records) {
    const std::string& configured = records.configuredRouterAddress.empty() ? records.routerInfo.address
                                                                            : records.configuredRouterAddress;
    return {ToWide(records.routerInfo.address), ToWide(configured)};
}

LinkOutcome ReadLinkResult(int result) {
    switch (result) {
        case 1:
            return LinkOutcome::Connected;
        case kLinkFoundElsewhere:
            return LinkOutcome::FoundElsewhere;
        case 0:
            return LinkOutcome::LoginRefused;
        case kLinkNoCable:
            return LinkOutcome::NoCable;
        default:
            return LinkOutcome::NoAnswer;
    }
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
        case LinkOutcome::FoundElsewhere: {
            // Said once, in place of "Connect OK": every later step talks to
            // the address found, which is not the one setting.ini gives.
            const RouterAddresses router = frontEnd_.Router();
            return {outcome, frontEnd_.Tell({StepMessageKind::Information,
                                             {},
                                             lang::kRouterFound,
                                             {},
                                             {},
                                             {router.inUse, router.configured}})};
        }
        case LinkOutcome::LoginRefused:
            // The router is there and answered: the cabling picture would send
            // the user to the wrong place. The login comes from the settings
            // file, so the message names the one that was read.
            frontEnd_.Tell({StepMessageKind::Warning,
                            lang::kWarningTitle,
                            lang::kLoginRefused,
                            {},
                            {},
                            {frontEnd_.SettingsFile()}});
            return {outcome, false};
        case LinkOutcome::NoAnswer:
            frontEnd_.ShowLinkError();
            return {outcome, false};
        case LinkOutcome::NoCable:
            // Known before any login: no picture of cabling in general, but
            // the one thing to do.
            frontEnd_.Tell({StepMessageKind::Warning, lang::kWarningTitle, lang::kNoCable, {}, {}, {}});
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
