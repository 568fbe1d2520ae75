// The router's checks of addresses it is given: static WAN addresses, MAC
// addresses for cloning, and the loopback rule of the simulator itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace routersim {

// A host address with a contiguous non-zero mask and a gateway on the same
// subnet; neither may be the subnet's network or broadcast address.
bool isUsableStaticWan(std::string_view ip, std::string_view mask, std::string_view gateway);

// "xx:xx:xx:xx:xx:xx" (or with '-') in upper case with colons; nothing when malformed.
std::optional<std::string> normaliseMac(std::string_view text);

}  // namespace routersim
