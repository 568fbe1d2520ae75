// What each set-up step does with the router, for both front ends (the
// window and the headless driver): the task a page's Next or button runs,
// what its result means, which message follows and which page comes next.
// A front end runs the tasks and shows (or prints) the messages it is handed;
// it never reads a task's result itself.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

#include "page_flow.h"
#include "settings_records.h"

enum class StepMessageKind { Information, Warning };

// A message by language keys; the front end looks them up.
struct StepMessage {
    StepMessageKind kind = StepMessageKind::Information;
    QStringView titleKey;  // null: no title (the empty key is a key)
    QStringView textKey;
    // The detection's message ends in the type's name, after a separator.
    QStringView separator;
    QStringView nameKey;
    // Formatted into the text's "%s"s in order (the settings file a refused
    // login came from; the router's address found and setting.ini's).
    QStringList arguments;
};

// The text a front end looked up for the message, its arguments in place.
QString FormatStepText(const QString& text, const StepMessage& message);

// Where the router answered the link task, and where setting.ini put it:
// the same unless the link task found it at the address the lease named.
struct RouterAddresses {
    QString inUse;
    QString configured;
};
RouterAddresses RouterAddressesOf(const SettingsRecords& records);

class SetupFrontEnd {
public:
    virtual ~SetupFrontEnd() = default;
    // Runs one task code to its end and gives its result.
    virtual int RunTask(int task) = 0;
    // Shows or prints the message; true when the user went on (OK).
    virtual bool Tell(const StepMessage& message) = 0;
    // A router that does not answer at all: the cabling picture.
    virtual void ShowLinkError() = 0;
    // Where the router's login was read from.
    virtual QString SettingsFile() const = 0;
    virtual RouterAddresses Router() const = 0;
};

enum class LinkOutcome { Connected, FoundElsewhere, LoginRefused, NoAnswer, NoCable };
enum class SaveOutcome { Confirmed, NotConfirmed };

// The link task's result 1 is a login, 0 a refused one (both logins got a
// 401: the router is there), kLinkFoundElsewhere a login where the lease
// named the router, kLinkNoCable no cable plugged in, anything else no answer.
LinkOutcome ReadLinkResult(int result);
// The detection's result names a type the wizard handles (1-3), or none.
std::optional<int> ReadDetectionResult(int result);
// Only a save the router confirmed (1) counts: -1 means it was never sent.
SaveOutcome ReadSaveResult(int result);

class SetupSteps {
public:
    explicit SetupSteps(SetupFrontEnd& frontEnd) : frontEnd_(frontEnd) {}

    // Next on `page` whose check gave `pageAccepted` (true for pages without
    // one): runs the page's task, tells its outcome, and says which page follows.
    PageStep Next(int page, int wanType, bool pageAccepted);

    struct Link {
        LinkOutcome outcome;
        bool goOn;  // connected, and the user acknowledged it
    };
    // Page 4's Next: adapters to DHCP, login, MAC read.
    Link RunLink();
    // The connection-type page's auto-detection: the type found, if any.
    std::optional<int> RunDetection();
    // The PPPoE page's Check Accounts: true when the provider took the account.
    bool RunAccountCheck();
    // The security page's Next: save everything; a confirmed save, once
    // acknowledged, is followed by the restart.
    SaveOutcome RunSave();

private:
    SetupFrontEnd& frontEnd_;
};
