#include "reply_completeness.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

struct FramingCase {
    const char* name;
    std::string reply;
    bool complete;
};

// Whole reply at once, or one byte per block: the answer must be the same,
// and it must only turn true with the reply's last byte.
class ReplyFraming : public testing::TestWithParam<FramingCase> {};

TEST_P(ReplyFraming, WholeReply) {
    ReplyCompleteness completeness(1 << 20);
    EXPECT_EQ(completeness.Feed(GetParam().reply), GetParam().complete);
}

TEST_P(ReplyFraming, ByteByByteCompletesOnlyAtTheLastByte) {
    ReplyCompleteness completeness(1 << 20);
    const std::string& reply = GetParam().reply;
    for (std::size_t i = 0; i + 1 < reply.size(); ++i)
        ASSERT_FALSE(completeness.Feed(reply.substr(i, 1))) << "early at byte " << i;
    EXPECT_EQ(completeness.Feed(reply.substr(reply.size() - 1)), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyFraming,
    testing::Values(
        FramingCase{"ContentLength", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", true},
        FramingCase{"ContentLengthShort", "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nhello", false},
        FramingCase{"ContentLengthZeroBytes",
                    std::string("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\na\0b", 41), true},
        FramingCase{"Chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                    true},
        FramingCase{"ChunkedWithoutLastChunk",
                    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n", false},
        FramingCase{"NoContent", "HTTP/1.1 204 No Content\r\n\r\n", true},
        FramingCase{"NotModified", "HTTP/1.1 304 Not Modified\r\nContent-Length: 99\r\n\r\n", true},
        FramingCase{"Unauthorized", "HTTP/1.1 401 Unauthorized\r\nContent-Length: 0\r\n\r\n", true},
        FramingCase{"InterimThenFinal",
                    "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", true},
        FramingCase{"InterimOnly", "HTTP/1.1 100 Continue\r\n\r\n", false},
        FramingCase{"BodyUntilClose", "HTTP/1.0 200 OK\r\n\r\nsome page", false},
        FramingCase{"BareDigit", "3", false},
        FramingCase{"Garbage", "\x01\x02 not http at all\r\n\r\n", false},
        FramingCase{"BodyOverLimit", "HTTP/1.1 200 OK\r\nContent-Length: 99999999\r\n\r\nx", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Only a router that keeps the connection open has said all at the framed end.
TEST(ReplyFraming, KeepsConnectionOpenOnlyWhenTheReplySaysSo) {
    const std::pair<std::string, bool> cases[] = {
        {"HTTP/1.1 200 OK\r\n", true},
        {"HTTP/1.1 200 OK\r\nConnection: keep-alive\r\n", true},
        {"HTTP/1.1 200 OK\r\nConnection: close\r\n", false},
        {"HTTP/1.1 200 OK\r\nCONNECTION: Close\r\n", false},
        {"HTTP/1.1 401 Unauthorized\r\nConnection: keep-alive, close\r\n", false},
        {"HTTP/1.0 200 OK\r\n", false},
        {"HTTP/1.0 401 Unauthorized\r\n", false},
        {"HTTP/1.0 200 OK\r\nConnection: Keep-Alive\r\n", true},
    };
    for (const auto& [head, keepsOpen] : cases) {
        ReplyCompleteness completeness(1024);
        EXPECT_FALSE(completeness.KeepsConnectionOpen()) << head;  // nothing known yet
        ASSERT_TRUE(completeness.Feed(head + "Content-Length: 2\r\n\r\nok")) << head;
        EXPECT_EQ(completeness.KeepsConnectionOpen(), keepsOpen) << head;
    }
}

TEST(ReplyFraming, StaysCompleteWhateverFollows) {
    ReplyCompleteness completeness(1024);
    ASSERT_TRUE(completeness.Feed("HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx"));
    EXPECT_TRUE(completeness.Feed("trailing noise"));
}

}  // namespace
