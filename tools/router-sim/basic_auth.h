// HTTP Basic authorisation as the router checks it.
#pragma once

#include <string>
#include <string_view>

namespace routersim {

// The Base64 token of "user:password" that an Authorization header must carry.
std::string basicCredentials(std::string_view user, std::string_view password);

// True when the header value is "Basic <token>" (scheme in any letter case).
bool authorises(std::string_view authorizationHeader, std::string_view expectedToken);

}  // namespace routersim
