// Reply bytes as the router's embedded web server writes them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace routersim {

struct ReplyFraming {
    bool keepAlive = false;  // "Connection: keep-alive" instead of "close"
    bool http10 = false;     // "HTTP/1.0" in the status line
};

// Status line, headers with Content-Length, then the body.
std::string formatReply(int status, std::string_view reason, std::string_view body,
                        const ReplyFraming& framing, std::string_view extraHeaders = {});

// The page grown to `size` bytes by a comment in front of its first script
// (or at its end when it has none), so values stay behind the padding.
std::string padPage(std::string page, std::size_t size);

// Non-HTTP binary bytes (zero bytes included, but not first).
std::string garbageBytes();

// Byte `index` of a reply that never ends: a status line and headers without
// any length, then a page that keeps growing.
char endlessReplyByte(std::size_t index);

}  // namespace routersim
