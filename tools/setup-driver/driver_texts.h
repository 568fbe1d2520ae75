// What the headless driver itself says, in English and Simplified Chinese.
// The wizard's language files hold the texts of its windows (with their
// buttons); a run without windows needs its own sentences, and the Chinese
// run must not fall back to English for them.
#pragma once

#include <QString>

enum class DriverText {
    // the run
    RouterLine,    // %1 address, %2 port, %3 user, %4 library, %5 language file
    Connected,     // %1 factory MAC, %2 current MAC
    LoginRefused,  // %1 address, %2 user
    NoAnswer,      // %1 address
    RouterFound,   // %1 address found, %2 setting.ini's
    NoCable,
    NoWanType,
    ChosenSettings,  // %1 connection type, %2 SSID, %3 WAN MAC
    ChosenSecurity,  // %1 security mode, %2 key
    NoSecurity,
    TypeOverridden,  // %1 type given with --type, %2 type the router detected
    AdaptersLeftAlone,
    AdaptersReset,  // %1 the bus
    SystemBus,
    AccountRefusedStop,
    AccountRefusedGoOn,
    Saved,
    SaveUnconfirmed,
    Waiting,
    WanAddress,  // %1 address
    JoinCode,    // %1 SSID
    NoWanAddress,
    CauseAccountRefused,
    CauseNoLinkDetected,
    CauseSaveUnconfirmed,
    CauseNoStatusAnswer,
    CauseNoProviderAddress,     // %1 connection type the router reports, %2 seconds waited
    CauseGatewayOutsideSubnet,  // %1 gateway, %2 address, %3 mask
    Seconds,                    // %1 seconds with one decimal
    PageProblem,                // %1 the option to change, %2 the wizard's warning text
    // the command line
    UnknownOption,       // %1 option
    MissingValue,        // %1 option
    UnexpectedArgument,  // %1 argument
    NotOneOf,            // %1 option, %2 value, %3 the choices
    NotAnAddress,        // %1 option, %2 value
    NotAMask,
    NotAChannel,
    NotDeviceTypes,
    NotAMac,
    NotAnSsid,
    NotAWepKey,
    NotAWpaKey,
    KeyWithoutSecurity,  // %1 value
    Needs,               // %1 option and value, %2 the options it needs
    NotLoopback,         // %1 where the address came from, %2 address
    HelpHint,            // %1 the command the user typed
};

// The command the user typed to reach the driver ("scripts/demo --headless"
// when the demo runs it), for hints that tell them what to type next.
QString DriverCommandName();

QString DriverString(DriverText text, bool chinese);
