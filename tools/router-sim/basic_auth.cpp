#include "basic_auth.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/archive/iterators/base64_from_binary.hpp>
#include <boost/archive/iterators/transform_width.hpp>

namespace routersim {

std::string basicCredentials(std::string_view user, std::string_view password) {
    using namespace boost::archive::iterators;
    using Base64 = base64_from_binary<transform_width<std::string::const_iterator, 6, 8>>;
    const std::string joined = std::string(user) + ":" + std::string(password);
    std::string token(Base64(joined.begin()), Base64(joined.end()));
    token.append((3 - joined.size() % 3) % 3, '=');
    return token;
}

bool authorises(std::string_view authorizationHeader, std::string_view expectedToken) {
    constexpr std::string_view scheme = "Basic ";
    if (!boost::algorithm::istarts_with(authorizationHeader, scheme)) return false;
    std::string_view token = authorizationHeader.substr(scheme.size());
    while (!token.empty() && token.front() == ' ') token.remove_prefix(1);
    return token == expectedToken;
}

}  // namespace routersim
