#include "http_reply.h"

#include <cstdint>

namespace routersim {

std::string formatReply(int status, std::string_view reason, std::string_view body,
                        const ReplyFraming& framing, std::string_view extraHeaders) {
    std::string reply = framing.http10 ? "HTTP/1.0 " : "HTTP/1.1 ";
    reply += std::to_string(status);
    reply += ' ';
    reply += reason;
    reply +=
        "\r\nServer: httpd\r\nPragma: no-cache\r\nCache-Control: no-cache\r\nContent-Type: text/html\r\n";
    reply += extraHeaders;
    reply += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    reply += framing.keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    reply += body;
    return reply;
}

std::string padPage(std::string page, std::size_t size) {
    if (page.size() >= size) return page;
    std::size_t position = page.find("<script");
    if (position == std::string::npos) position = page.size();
    const std::size_t missing = size - page.size();
    constexpr std::string_view open = "<!--", close = "-->\n";
    std::string padding;
    if (missing < open.size() + close.size()) {
        padding.assign(missing, ' ');
    } else {
        constexpr std::string_view filler =
            "padding padding padding padding padding padding padding padding\n";
        padding.reserve(missing);
        padding += open;
        const std::size_t inner = missing - open.size() - close.size();
        while (padding.size() - open.size() + filler.size() <= inner) padding += filler;
        padding.append(inner - (padding.size() - open.size()), '.');
        padding += close;
    }
    page.insert(position, padding);
    return page;
}

std::string garbageBytes() {
    std::string bytes(512, '\0');
    uint32_t seed = 0x2545F491u;
    for (char& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;  // a fixed sequence, so failures repeat
        byte = static_cast<char>(seed >> 24);
    }
    bytes[0] = '\xA7';  // not a digit, not zero: it must not pass for a detection answer
    return bytes;
}

char endlessReplyByte(std::size_t index) {
    constexpr std::string_view head =
        "HTTP/1.1 200 OK\r\nServer: httpd\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
        "<html><head><title>Loading</title></head><body>\n";
    constexpr std::string_view filler = "<p>still loading</p>\n";
    if (index < head.size()) return head[index];
    return filler[(index - head.size()) % filler.size()];
}

}  // namespace routersim
