// The setup driver's command line, and how its values reach the settings
// records: through the same checks the wizard's pages run at Next, so the
// router receives exactly what the pages would have sent.
#pragma once

#include <QString>
#include <QStringList>

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
};

enum class ParseOutcome { Run, ShowedHelp, Failed };

// Prints help or the error itself (to stdout or stderr).
ParseOutcome ParseDriverOptions(const QStringList& arguments, DriverOptions& options);

// The settings page of `wanType`: fills its record, or names the warning
// key of the first rule the values break. Dynamic IP has no page.
WarningKey ApplyConnectionSettings(const DriverOptions& options, int wanType, SettingsRecords& records);

// The MAC clone, wireless and security pages, in the wizard's order.
WarningKey ApplyLanSideSettings(const DriverOptions& options, const QString& defaultSsid,
                                SettingsRecords& records);
