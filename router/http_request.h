// The request text the router's web server expects, byte for byte.
#pragma once

#include <string>
#include <string_view>

// Standard Base64 (RFC 4648 alphabet, "=" padding) of every byte of `input`.
std::string Base64Encode(std::string_view input);

// The complete request: the header block, then for a POST the body and CR LF.
std::string ComposeRequest(std::string_view address, std::string_view path, std::string_view user,
                           std::string_view password, std::string_view body, bool isPost);
