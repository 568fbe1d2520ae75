#include "form_bodies.h"
#include "http_request.h"

#include <gtest/gtest.h>

namespace {

// Requests exactly as the router's web server must receive them.
const std::string kUserAgent =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; .NET CLR "
    "1.1.4322)\r\n";

// GET /main.html for admin:kvmzt at 127.0.0.1.
const std::string kMainPageGet =
    "GET /main.html HTTP/1.1\r\n"
    "Accept: */*\r\n"
    "Accept-Language: zh-cn\r\n"
    "Accept-Encoding: gzip, deflate\r\n" +
    kUserAgent +
    "Host: 127.0.0.1\r\n"
    "Connection: Keep-Alive\r\n"
    "Authorization: Basic YWRtaW46a3ZtenQ=\r\n"
    "\r\n";

// The WAN connect post for admin:kvmzt at 127.0.0.1.
const std::string kConnectWanPost =
    "POST /goform/SysStatusHandle HTTP/1.1\r\n"
    "Accept: */*\r\n"
    "Accept-Language: zh-cn\r\n"
    "Content-Type: application/x-www-form-urlencoded\r\n"
    "Accept-Encoding: gzip, deflate\r\n" +
    kUserAgent +
    "Host: 127.0.0.1\r\n"
    "Connection: Keep-Alive\r\n"
    "Content-Length: 41 \r\n"
    "Authorization: Basic YWRtaW46a3ZtenQ=\r\n"
    "\r\n"
    "CMD=WAN_CON&GO=system_status.asp&action=1\r\n";

std::string AuthorizationLine(const std::string& request) {
    const auto start = request.find("Authorization: ");
    return start == std::string::npos ? "" : request.substr(start, request.find("\r\n", start) - start);
}

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

TEST(ComposeRequest, GetCarriesNoBodyHeadersAndEndsWithTheEmptyLine) {
    EXPECT_EQ(ComposeRequest("127.0.0.1", "/main.html", "admin", "kvmzt", "", false), kMainPageGet);
}

TEST(ComposeRequest, PostCountsTheBodyAndAppendsCrLfAfterIt) {
    EXPECT_EQ(ComposeRequest("127.0.0.1", "/goform/SysStatusHandle", "admin", "kvmzt", kConnectWanBody, true),
              kConnectWanPost);
}

TEST(ComposeRequest, InsertsPathBodyAndCredentialsUnescaped) {
    const std::string request = ComposeRequest("10.0.0.1", "/a b?c=%", "u", "p", "x=a&b c", true);
    EXPECT_NE(request.find("POST /a b?c=% HTTP/1.1\r\n"), std::string::npos);
    EXPECT_NE(request.find("Content-Length: 7 \r\n"), std::string::npos);
    EXPECT_TRUE(request.ends_with("\r\n\r\nx=a&b c\r\n"));
}

struct CredentialCase {
    const char* name;
    std::string user;
    std::string password;
    std::string encoded;
};

class BasicAuthorization : public testing::TestWithParam<CredentialCase> {};

TEST_P(BasicAuthorization, EncodesUserColonPasswordCompletely) {
    const auto& param = GetParam();
    EXPECT_EQ(AuthorizationLine(ComposeRequest("127.0.0.1", "/", param.user, param.password, "", false)),
              "Authorization: Basic " + param.encoded);
}

INSTANTIATE_TEST_SUITE_P(Credentials, BasicAuthorization,
                         testing::Values(CredentialCase{"Empty", "", "", "Og=="},
                                         CredentialCase{"UserOnly", "admin", "", "YWRtaW46"},
                                         CredentialCase{"Default", "admin", "kvmzt", "YWRtaW46a3ZtenQ="},
                                         // 123 joined bytes: past the 93 a fixed 128-byte encoder could hold.
                                         CredentialCase{"LongerThan93Bytes", "ab", Repeat("foobar", 20),
                                                        "YWI6" + Repeat("Zm9vYmFy", 20)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Base64Encode, MatchesRfc4648Vectors) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"\xff\xfe", "//4="},
        {std::string("a\0b", 3), "YQBi"},
    };
    for (const auto& [input, output] : vectors) EXPECT_EQ(Base64Encode(input), output) << input;
}

}  // namespace
