// Values read out of the script text of the router's status pages.
#pragma once

#include "dll_object.h"

#include <optional>
#include <string>

// The patterns as the router's pages need them. Each starts with a greedy
// [\w\W]* so the value at the key's last occurrence wins.
inline constexpr const char* kCableDslPattern = R"re([\w\W]*cableDSL="([\w\W]{0,3})"[\w\W])re";
inline constexpr const char* kCloneMacPattern = R"re([\w\W]*cln_MAC = "([\w\W]{17})"[\w\W]*)re";
inline constexpr const char* kDefaultMacPattern = R"re([\w\W]*def_MAC = "([\w\W]{17})"[\w\W]*)re";
inline constexpr const char* kFactoryMacPattern = R"re([\w\W]*fac_MAC = "([\w\W]{17})"[\w\W]*)re";
inline constexpr const char* kWanIpPattern = R"re([\w\W]*wanIP = "([\w\W]{0,15})";[\w\W]*)re";
inline constexpr const char* kGatewayPattern = R"re([\w\W]*gateWay="([\w\W]{0,15})";[\w\W]*)re";
inline constexpr const char* kSubnetMaskPattern = R"re([\w\W]*subMask="([\w\W]{0,15})";[\w\W]*)re";
inline constexpr const char* kWanMacPattern = R"re([\w\W]*wan_mac="([\w\W]{17})";[\w\W]*)re";
inline constexpr const char* kConnectionTypePattern = R"re([\w\W]*conTypeIdx="([\w\W]{0,3})";[\w\W]*)re";

// The first capture group of the first match of `pattern` (Perl syntax,
// case-insensitive) in `text`, as boost::regex_split yields it, cut at its
// first double quote; empty when there is no match or the pattern cannot be
// used.
std::string ExtractFirstCapture(const std::string& text, const std::string& pattern);

// "Static IP" ... "802.1x" for the router's index text "1" ... "6".
std::optional<std::string> ConnectionTypeForIndex(const std::string& index);

// Fill the records from a raw page; absent keys store empty texts, an
// unknown connection index keeps the previous connectionType.
void ReadMacValues(const std::string& page, MacInfo& info);
void ReadWanStatusValues(const std::string& page, WanStatus& status);
