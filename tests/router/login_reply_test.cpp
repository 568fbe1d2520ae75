#include "login_reply.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kPage = "\r\nContent-Type: text/html\r\n\r\n<html><body>Wireless Router</body></html>\n";

// Small embedded servers answer a refusal with whatever version and reason
// phrase they were built with.
TEST(LoginReply, StatusLine401RefusesWhateverTheVersionAndReason) {
    for (const char* statusLine :
         {"HTTP/1.1 401 Unauthorized", "HTTP/1.0 401 Unauthorized", "HTTP/1.1 401 Authorization Required",
          "HTTP/1.0 401", "HTTP/1.1 401 ", "HTTP/2 401 Unauthorized", "HTTP/1.0  401\tDenied"}) {
        EXPECT_TRUE(ReplyRefusesLogin(statusLine + kPage)) << statusLine;
        EXPECT_TRUE(ReplyRefusesLogin(std::string(statusLine) + "\n\n")) << statusLine;  // bare line feeds
        EXPECT_TRUE(ReplyRefusesLogin(statusLine)) << statusLine;                        // nothing after it
    }
}

TEST(LoginReply, OtherStatusesAccept) {
    for (const char* statusLine : {"HTTP/1.1 200 OK", "HTTP/1.0 200 OK", "HTTP/1.1 403 Forbidden",
                                   "HTTP/1.1 4010 Odd", "HTTP/1.1 302 401", "401 Unauthorized", "garbage"})
        EXPECT_FALSE(ReplyRefusesLogin(statusLine + kPage)) << statusLine;
    EXPECT_FALSE(ReplyRefusesLogin("3"));
    EXPECT_FALSE(
        ReplyRefusesLogin("HTTP/1.1 200 OK\r\n\r\nHTTP/1.0 401 Unauthorized"));  // in the page, not first
}

// The exact HTTP/1.1 line has always refused wherever it stands.
TEST(LoginReply, ExactUnauthorizedLineAnywhereStillRefuses) {
    EXPECT_TRUE(ReplyRefusesLogin("HTTP/1.1 200 OK\r\n\r\n<pre>HTTP/1.1 401 Unauthorized</pre>"));
    EXPECT_TRUE(ReplyRefusesLogin(std::string("\0junk HTTP/1.1 401 Unauthorized", 31)));
}

}  // namespace
