#include "login_reply.h"

#include "router_paths.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// "HTTP/<version> 401" followed by a blank, the line end or nothing.
bool StatusLineIs401(std::string_view reply) {
    constexpr std::string_view kHttpName = "HTTP/";
    if (!reply.starts_with(kHttpName)) return false;
    std::size_t at = kHttpName.size();
    while (at < reply.size() && !IsBlank(reply[at]) && reply[at] != '\r' && reply[at] != '\n') ++at;
    if (at == kHttpName.size() || at == reply.size() || !IsBlank(reply[at])) return false;
    while (at < reply.size() && IsBlank(reply[at])) ++at;
    const std::string_view rest = reply.substr(at);
    return rest.starts_with("401") &&
           (rest.size() == 3 || IsBlank(rest[3]) || rest[3] == '\r' || rest[3] == '\n');
}

}  // namespace

bool ReplyRefusesLogin(std::string_view reply) {
    return StatusLineIs401(reply) || reply.find(kUnauthorizedStatusLine) != std::string_view::npos;
}
