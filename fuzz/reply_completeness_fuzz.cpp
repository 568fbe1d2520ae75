// The reply framing. The read loop asks ReplyCompleteness after every
// receive: how the network cuts the router's bytes into receives must never
// change the verdict or whether the connection stays open, and once a reply is
// complete it stays complete. The login check's verdict on a reply: any 401
// status line refuses, a 200 page is refused only when it holds the exact
// 401 line somewhere.
//
// Input: one character (odd: a small reply cap; it also seeds the cuts and
// the HTTP minor version), then the reply.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "login_reply.h"
#include "reply_completeness.h"
#include "router_paths.h"
#include "text_input.h"

namespace {

void CheckCompleteness(const std::string& reply, std::uint64_t replyCap, std::minstd_rand& cuts) {
    ReplyCompleteness whole(replyCap);
    const bool wholeVerdict = whole.Feed(reply);
    FuzzCheck(wholeVerdict || !whole.KeepsConnectionOpen(), "only a complete reply keeps the connection");

    ReplyCompleteness pieces(replyCap);
    bool complete = false;
    for (std::string_view rest = reply; !rest.empty();) {
        const std::size_t length = std::min<std::size_t>(1 + cuts() % 48, rest.size());
        const bool now = pieces.Feed(rest.substr(0, length));
        FuzzCheck(!complete || now, "a complete reply stays complete");
        complete = now;
        rest.remove_prefix(length);
    }
    FuzzCheck(complete == wholeVerdict, "the verdict does not depend on how the bytes arrive");
    FuzzCheck(pieces.KeepsConnectionOpen() == whole.KeepsConnectionOpen(),
              "keep-alive does not depend on how the bytes arrive");
}

void CheckLoginVerdict(const std::string& text, char minorVersion) {
    const std::string version = std::string("HTTP/1.") + minorVersion;
    FuzzCheck(ReplyRefusesLogin(version + " 401 " + text), "a 401 status line refuses");
    FuzzCheck(ReplyRefusesLogin(text + std::string(kUnauthorizedStatusLine) + text),
              "the exact 401 line refuses");
    const bool holdsExactLine = text.find(kUnauthorizedStatusLine) != std::string::npos;
    FuzzCheck(ReplyRefusesLogin(version + " 200 OK\r\n" + text) == holdsExactLine,
              "a 200 page accepts unless it holds the exact 401 line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextInput input(data, size);
    const unsigned char parameter = input.Byte();
    // The read loop never feeds more than its cap; small caps reach the
    // limit paths, the large one is the shipped cap.
    const std::uint64_t replyCap = parameter % 2 ? parameter * 2u : std::uint64_t{8} << 20;
    std::minstd_rand cuts(parameter + 1u);
    const std::string text = input.Rest();

    CheckCompleteness(text.substr(0, replyCap), replyCap, cuts);
    CheckLoginVerdict(text, static_cast<char>('0' + parameter % 2));
    return 0;
}
