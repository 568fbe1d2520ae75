#include "address_rules.h"

#include <cctype>
#include <cstdint>
#include <string>

#include <boost/asio/ip/address_v4.hpp>

#include "router_sim.h"

namespace routersim {
namespace {

std::optional<uint32_t> parseDotted(std::string_view text) {
    boost::system::error_code ec;
    const auto address = boost::asio::ip::make_address_v4(std::string(text), ec);
    if (ec) return std::nullopt;
    return address.to_uint();
}

bool isContiguousMask(uint32_t mask) {
    return mask != 0 && ((~mask + 1) & ~mask) == 0;
}

bool isHostOf(uint32_t address, uint32_t mask) {
    const uint32_t host = address & ~mask;
    return host != 0 && host != ~mask;
}

}  // namespace

bool isUsableStaticWan(std::string_view ip, std::string_view mask, std::string_view gateway) {
    const auto ipValue = parseDotted(ip);
    const auto maskValue = parseDotted(mask);
    const auto gatewayValue = parseDotted(gateway);
    if (!ipValue || !maskValue || !gatewayValue || !isContiguousMask(*maskValue)) return false;
    return isHostOf(*ipValue, *maskValue) && isHostOf(*gatewayValue, *maskValue) &&
           *ipValue != *gatewayValue && (*ipValue & *maskValue) == (*gatewayValue & *maskValue);
}

std::optional<std::string> normaliseMac(std::string_view text) {
    if (text.size() != 17) return std::nullopt;
    std::string mac(text);
    for (std::size_t i = 0; i < mac.size(); ++i) {
        const bool separator = i % 3 == 2;
        if (separator) {
            if (mac[i] != ':' && mac[i] != '-') return std::nullopt;
            mac[i] = ':';
        } else {
            if (!std::isxdigit(static_cast<unsigned char>(mac[i]))) return std::nullopt;
            mac[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(mac[i])));
        }
    }
    return mac;
}

bool isLoopbackAddress(std::string_view address) {
    const auto value = parseDotted(address);
    return value && (*value >> 24) == 127;
}

}  // namespace routersim
