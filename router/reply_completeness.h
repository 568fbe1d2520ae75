// Decides when a raw reply already holds a whole HTTP response, so a reading
// exchange can stop at once instead of waiting for a keep-alive router to
// close. A reply without HTTP framing (the bare detection digit, no
// Content-Length, garbage) is never called complete: it ends at close.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class ReplyCompleteness {
public:
    explicit ReplyCompleteness(std::uint64_t bodyLimit);
    ~ReplyCompleteness();
    ReplyCompleteness(const ReplyCompleteness&) = delete;
    ReplyCompleteness& operator=(const ReplyCompleteness&) = delete;

    // Feeds the next received bytes, raw; true once a complete final response has arrived.
    bool Feed(std::string_view bytes);

    // Once complete: whether the response leaves the connection open
    // (HTTP/1.1 without "Connection: close", or HTTP/1.0 with keep-alive).
    // Only then is its framed end the end of what the router sends; a router
    // that closes may send more than it announced.
    bool KeepsConnectionOpen() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};
