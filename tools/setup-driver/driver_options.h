// The setup driver's command line, and how its values reach the settings
// records: through the same checks the wizard's pages run at Next, so the
// router receives exactly what the pages would have sent.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "settings_records.h"
#include "validation.h"

struct DriverOptions {
    int wanType = 0;  // 0: the type the router detects
    QString account;
    QString accountPassword;
    QString server;
    int tunnelAddressMode = kAddressModeDynamic;
    QString ip;
    QString mask;
    QString gateway;
    QString dns1;
    QString dns2;
    QString mac;   // empty: the address the router uses now
    QString ssid;  // empty: the language file's default name
    int channel = 0;
    int wirelessModeIndex = 1;
    int security = kSecurityDisabled;
    QString key;
    bool chinese = false;
    // The router's own login; without them setting.ini's.
    std::optional<QString> routerUser;
    std::optional<QString> routerPassword;
    bool saveAnyway = false;  // save even when the provider refuses the account
    // The router here is a simulated one on loopback, not the one the PC's
    // adapters are cabled to, so the adapters are left alone unless asked.
    bool resetAdapters = false;
    QString adapterBus;  // empty: the system bus
    // NetworkManager DeviceType numbers that reset handles: Ethernet (1); a
    // test namespace's veth pairs are 20.
    QList<unsigned> adapterTypes{1};
    bool checkOnly = false;  // stop once the options are checked
    bool joinCode = false;   // print the new network's QR code at the end
};

enum class ParseOutcome { Run, ShowedHelp, Failed };

// Reads and checks every option before anything talks to the router. Help
// goes to stdout; every problem found (not only the first) is appended to
// `problems` as "--option: value is not …", in the run's language.
ParseOutcome ParseDriverOptions(const QStringList& arguments, DriverOptions& options, QStringList& problems);

// The settings page of `wanType`: fills its record, or names the warning
// key of the first rule the values break. Dynamic IP has no page.
WarningKey ApplyConnectionSettings(const DriverOptions& options, int wanType, SettingsRecords& records);

// The MAC clone, wireless and security pages, in the wizard's order.
WarningKey ApplyLanSideSettings(const DriverOptions& options, const QString& defaultSsid,
                                SettingsRecords& records);

// The option a page's warning asks to change ("--ip" for an invalid IP
// address); empty for a rule no option controls.
QString OptionForWarning(const QString& warningKey);
