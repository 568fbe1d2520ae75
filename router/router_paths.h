// The router's pages and form handlers.
#pragma once

inline constexpr const char* kMainPage = "/main.html";
inline constexpr const char* kSystemStatusPage = "/system_status.asp";
inline constexpr const char* kMacClonePage = "/mac_clone.asp";
inline constexpr const char* kWizardModeSelForm = "/goform/WizardModeSel";
inline constexpr const char* kSysStatusHandleForm = "/goform/SysStatusHandle";
inline constexpr const char* kWizardHandleForm = "/goform/WizardHandle";
inline constexpr const char* kWirelessBasicForm = "/goform/wirelessBasic";
inline constexpr const char* kApSecurityForm = "/goform/APSecurity";
inline constexpr const char* kAdvSetMacCloneForm = "/goform/AdvSetMacClone";

// The reply to this status line means the credentials were refused.
inline constexpr const char* kUnauthorizedStatusLine = "HTTP/1.1 401 Unauthorized";
