// Whether the router's answer to the login check refuses the credentials.
#pragma once

#include <string_view>

// True when the reply's status line is a 401 (any HTTP version, any reason
// phrase, or none), or when the exact "HTTP/1.1 401 Unauthorized" line
// appears anywhere in it; any other reply accepts the login.
bool ReplyRefusesLogin(std::string_view reply);
