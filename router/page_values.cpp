#include "page_values.h"

#include <boost/regex.hpp>

#include <array>
#include <deque>
#include <iterator>
#include <new>
#include <utility>

std::string ExtractFirstCapture(const std::string& text, const std::string& pattern) {
    try {
        const boost::regex expression(pattern, boost::regex::perl | boost::regex::icase);
        std::string remaining = text;
        std::deque<std::string> captures;
        boost::regex_split(std::back_inserter(captures), remaining, expression);
        if (captures.empty()) return {};
        // A bounded group may run past the value's closing quote to a later
        // one (an empty value then takes in the next script line): the value
        // ends at its first double quote.
        std::string& value = captures.front();
        if (const auto quote = value.find('"'); quote != std::string::npos) value.resize(quote);
        return std::move(value);
    } catch (const std::bad_alloc&) {
        // No memory is no answer, not an absent value: the operation fails whole.
        throw;
    } catch (const std::exception&) {
        // A bad pattern or a match too complex for Boost reads as "not found".
        return {};
    }
}

std::optional<std::string> ConnectionTypeForIndex(const std::string& index) {
    static const std::array<std::pair<const char*, const char*>, 6> kTypes{{
        {"1", "Static IP"},
        {"2", "Dynamic IP"},
        {"3", "PPPoE"},
        {"4", "L2TP"},
        {"5", "PPTP"},
        {"6", "802.1x"},
    }};
    for (const auto& [code, name] : kTypes)
        if (index == code) return std::string(name);
    return std::nullopt;
}

void ReadMacValues(const std::string& page, MacInfo& info) {
    info.cloneMac = ExtractFirstCapture(page, kCloneMacPattern);
    info.defaultMac = ExtractFirstCapture(page, kDefaultMacPattern);
    info.factoryMac = ExtractFirstCapture(page, kFactoryMacPattern);
    info.applyMac = info.defaultMac;
}

void ReadWanStatusValues(const std::string& page, WanStatus& status) {
    status.wanIp = ExtractFirstCapture(page, kWanIpPattern);
    status.wanGateway = ExtractFirstCapture(page, kGatewayPattern);
    status.wanMask = ExtractFirstCapture(page, kSubnetMaskPattern);
    status.wanMac = ExtractFirstCapture(page, kWanMacPattern);
    if (auto type = ConnectionTypeForIndex(ExtractFirstCapture(page, kConnectionTypePattern)))
        status.connectionType = std::move(*type);
}
