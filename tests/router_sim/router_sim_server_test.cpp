// The simulated router over real loopback sockets: what a client sees on the
// wire and what the router believes afterwards.
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <thread>

#include <boost/regex.hpp>

#include "loopback_client.h"
#include "router_sim_fixture.h"

namespace {

using namespace std::chrono_literals;
using loopback::contentOf;
using loopback::fetch;
using loopback::libraryRequest;
using loopback::postAndHangUp;
using routersim::Fault;
using routersim::Options;

// The router-control library's patterns, exactly as it applies them to the raw reply.
const char* const kCableDsl = R"re([\w\W]*cableDSL="([\w\W]{0,3})"[\w\W])re";
const char* const kWanIp = R"re([\w\W]*wanIP = "([\w\W]{0,15})";[\w\W]*)re";
const char* const kGateway = R"re([\w\W]*gateWay="([\w\W]{0,15})";[\w\W]*)re";
const char* const kMask = R"re([\w\W]*subMask="([\w\W]{0,15})";[\w\W]*)re";
const char* const kWanMac = R"re([\w\W]*wan_mac="([\w\W]{17})";[\w\W]*)re";
const char* const kConType = R"re([\w\W]*conTypeIdx="([\w\W]{0,3})";[\w\W]*)re";
const char* const kCloneMac = R"re([\w\W]*cln_MAC = "([\w\W]{17})"[\w\W]*)re";
const char* const kDefaultMac = R"re([\w\W]*def_MAC = "([\w\W]{17})"[\w\W]*)re";
const char* const kFactoryMac = R"re([\w\W]*fac_MAC = "([\w\W]{17})"[\w\W]*)re";

std::string capture(const std::string& reply, const char* pattern) {
    boost::smatch match;
    if (!boost::regex_search(reply, match, boost::regex(pattern, boost::regex::perl | boost::regex::icase))) {
        return "<no match>";
    }
    return match[1];
}

const char* const kPppoeBody =
    "GO=wizard.asp&WANT=3&WANIP=&WANMSK=&WANGW=&PUN=isp-user&PPW=isp-pass&DNS1=&DNS2=&l2tpIP=&l2tpPUN=&"
    "l2tpPPW="
    "&l2tpAdrMode=&l2tpWANIP=&l2tpWANMSK=&l2tpWANGW=&pptpIP=&pptpPUN=&pptpPPW=&pptpAdrMode=&pptpWANIP=&"
    "pptpWANMSK="
    "&pptpWANGW=&x1AdrMode=&x1_name=&x1_pwd=&rebootTag=";
const char* const kConnectBody = "CMD=WAN_CON&GO=system_status.asp&action=1";

Options fastOptions() {
    Options options;
    options.linkDelay = 60ms;
    options.restartTime = 300ms;
    options.dripInterval = 1ms;
    return options;
}

// Polls until `done` or two seconds pass; real-time steps in the router are tens of ms.
template <typename Condition>
bool eventually(Condition done) {
    for (auto deadline = std::chrono::steady_clock::now() + 2s;
         std::chrono::steady_clock::now() < deadline;) {
        if (done()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return done();
}

std::string headerValue(const std::string& reply, const std::string& name) {
    const std::size_t start = reply.find("\r\n" + name + ": ");
    if (start == std::string::npos) return {};
    const std::size_t value = start + name.size() + 4;
    return reply.substr(value, reply.find("\r\n", value) - value);
}

void expectFramed(const std::string& reply) {
    EXPECT_EQ(headerValue(reply, "Content-Length"), std::to_string(contentOf(reply).size()));
}

// --- authorisation -----------------------------------------------------------------

struct RefusedLogin {
    const char* name;
    std::string request;
};

class Unauthorized : public testing::TestWithParam<RefusedLogin> {};

TEST_P(Unauthorized, GetsTheExact401StatusLineAndChangesNothing) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    const std::string reply = fetch(router.port(), GetParam().request);
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 401 Unauthorized\r\n")) << reply;
    EXPECT_NE(reply.find("\r\nWWW-Authenticate: Basic realm="), std::string::npos);
    expectFramed(reply);
    EXPECT_EQ(router->state().wanType, routersim::kWanDynamic);
    EXPECT_TRUE(router->state().lastForms.empty());
}

std::vector<RefusedLogin> refusedLogins() {
    const std::string noHeader = "GET /main.html HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    return {{"NoCredentials", noHeader},
            {"WrongPassword", libraryRequest("/main.html", {}, "YWRtaW46d3Jvbmc=")},
            {"WrongUser", libraryRequest("/system_status.asp", {}, "cm9vdDprdm16dA==")},
            {"EmptyLogin", libraryRequest("/goform/WizardModeSel", {}, "Og==")},
            {"TrailingBlankInPassword", libraryRequest("/mac_clone.asp", {}, "YWRtaW46a3ZtenQg")},
            {"FormPost", libraryRequest("/goform/WizardHandle", kPppoeBody, "YWRtaW46d3Jvbmc=")}};
}

INSTANTIATE_TEST_SUITE_P(Logins, Unauthorized, testing::ValuesIn(refusedLogins()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RouterSimServer, AnswersOneFramedReplyPerConnectionAndClosesIt) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    for (const char* path : {"/main.html", "/system_status.asp", "/mac_clone.asp", "/nowhere.asp"}) {
        loopback::Socket socket(router.port());
        ASSERT_TRUE(socket.send(libraryRequest(path)));
        const auto received = socket.receive();
        EXPECT_TRUE(received.closed) << path;
        const bool known = std::string_view(path) != "/nowhere.asp";
        EXPECT_TRUE(received.bytes.starts_with(known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n"))
            << received.bytes;
        EXPECT_EQ(headerValue(received.bytes, "Connection"), "close");
        expectFramed(received.bytes);
    }
}

// Only a thread that entered a network namespace of its own may put the
// router on an address outside loopback, even when the option asks for it.
TEST(RouterSimServer, RefusesAnAddressOutsideLoopbackInTheNamespaceItStartedIn) {
    for (const bool inTestNamespace : {false, true}) {
        Options options = fastOptions();
        options.address = "10.78.0.1";
        options.port = 0;
        options.inTestNamespace = inTestNamespace;
        routersim::RouterSim router(options);
        EXPECT_FALSE(router.start()) << inTestNamespace;
    }
}

class Detection : public testing::TestWithParam<char> {};

TEST_P(Detection, AnswersTheBareCharacterAndCloses) {
    Options options = fastOptions();
    options.detectedMode = GetParam();
    ScopedRouterSim router(options);
    ASSERT_TRUE(router.ok());
    loopback::Socket socket(router.port());
    ASSERT_TRUE(socket.send(libraryRequest("/goform/WizardModeSel")));
    const auto received = socket.receive();
    EXPECT_EQ(received.bytes, std::string(1, GetParam()));
    EXPECT_TRUE(received.closed);
}

INSTANTIATE_TEST_SUITE_P(Modes, Detection, testing::Values('1', '3', '4', 'x'));

// --- pages and forms ---------------------------------------------------------------

TEST(RouterSimServer, PagesCarryTheValuesInTheShapesTheLibraryReads) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    const Options& options = router->options();

    const std::string macs = fetch(router.port(), libraryRequest("/mac_clone.asp"));
    EXPECT_EQ(capture(macs, kFactoryMac), options.factoryMac);
    EXPECT_EQ(capture(macs, kDefaultMac), options.factoryMac);
    EXPECT_EQ(capture(macs, kCloneMac), options.hostMac);

    std::string status = fetch(router.port(), libraryRequest("/system_status.asp"));
    EXPECT_EQ(capture(status, kCableDsl), "0");
    EXPECT_EQ(capture(status, kWanIp), "");
    EXPECT_EQ(capture(status, kConType), "2");
    EXPECT_EQ(capture(status, kWanMac), options.factoryMac);

    ASSERT_TRUE(postAndHangUp(router.port(), libraryRequest("/goform/WizardHandle", kPppoeBody)));
    ASSERT_TRUE(postAndHangUp(router.port(), libraryRequest("/goform/SysStatusHandle", kConnectBody)));
    ASSERT_TRUE(router->waitForRequests(4, 2s));
    EXPECT_EQ(capture(fetch(router.port(), libraryRequest("/system_status.asp")), kCableDsl), "1");

    ASSERT_TRUE(eventually([&] { return router->state().linkUp; }));
    status = fetch(router.port(), libraryRequest("/system_status.asp"));
    EXPECT_EQ(capture(status, kCableDsl), "2");
    EXPECT_EQ(capture(status, kConType), "3");
    EXPECT_TRUE(boost::regex_match(capture(status, kWanIp), boost::regex(R"(203\.0\.113\.\d{1,3})")))
        << capture(status, kWanIp);
    EXPECT_EQ(capture(status, kMask), "255.255.255.0");
    EXPECT_EQ(capture(status, kGateway), "203.0.113.1");
    EXPECT_TRUE(boost::regex_match(capture(status, kWanMac), boost::regex("([0-9A-F]{2}:){5}[0-9A-F]{2}")));
}

TEST(RouterSimServer, WrongIspAccountNeverBringsTheLinkUp) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    std::string body = kPppoeBody;
    body.replace(body.find("PPW=isp-pass"), 12, "PPW=isp-pasS");
    ASSERT_TRUE(postAndHangUp(router.port(), libraryRequest("/goform/WizardHandle", body)));
    ASSERT_TRUE(postAndHangUp(router.port(), libraryRequest("/goform/SysStatusHandle", kConnectBody)));
    ASSERT_TRUE(router->waitForRequests(2, 2s));
    std::this_thread::sleep_for(5 * fastOptions().linkDelay);
    const std::string status = fetch(router.port(), libraryRequest("/system_status.asp"));
    EXPECT_EQ(capture(status, kCableDsl), "1");
    EXPECT_EQ(capture(status, kWanIp), "");
    EXPECT_EQ(router->state().connectRequests, 1);
}

TEST(RouterSimServer, FormHandlersKeepWhatWasPosted) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    const std::string wireless =
        "enablewireless=1&enablewirelessEx=1&wirelessmode=9&bssid_num=1&ssid=Cafe%20Net&mssid_1=&"
        "broadcastssid=0"
        "&apisolated=0&mbssidapisolated=0&sz11gChannel=6&n_mode=0&n_bandwidth=1&n_gi=1&n_mcs=33&n_rdg=1&n_"
        "extcha=2"
        "&n_amsdu=0";
    const std::string security =
        "ssidIndex=0&security_mode=WPAPSK&security_shared_mode=WEP&wep_default_key=1&wep_key_1=&WEP1Select=1"
        "&wep_key_2=&WEP2Select=1&wep_key_3=&WEP3Select=1&wep_key_4=&WEP4Select=1&cipher=1&passphrase=a+b&c"
        "&keyRenewalInterval=3600&PreAuthentication=0&ieee8021x_wep=0&RadiusServerIP=&RadiusServerPort=1812"
        "&RadiusServerSecret=&RadiusServerSessionTimeout=0";
    const std::string pppoe = "GO=wizard.asp&WANT=3&PUN=a%26b&PPW=x%2by";
    for (const std::string& request :
         {libraryRequest("/goform/wirelessBasic", wireless), libraryRequest("/goform/APSecurity", security),
          libraryRequest("/goform/WizardHandle", pppoe)}) {
        ASSERT_TRUE(postAndHangUp(router.port(), request));
    }
    ASSERT_TRUE(router->waitForRequests(3, 2s));

    const routersim::RouterState state = router->state();
    EXPECT_EQ(state.wireless.ssid, "Cafe Net");
    EXPECT_EQ(state.wireless.channel, "6");
    EXPECT_EQ(state.wireless.extensionChannel, "2");
    EXPECT_EQ(state.wireless.broadcastSsid, "0");
    EXPECT_EQ(state.wireless.mode, "9");
    EXPECT_EQ(state.security.mode, "WPAPSK");
    EXPECT_EQ(state.security.cipher, "1");
    EXPECT_EQ(state.security.passphrase, "a+b");  // the unescaped '&' ends the value, as on the real router
    EXPECT_EQ(state.security.keyRenewalInterval, "3600");
    EXPECT_EQ(state.wanType, routersim::kWanPppoe);
    EXPECT_EQ(state.pppoe.user, "a&b");
    EXPECT_EQ(state.pppoe.password, "x+y");
    EXPECT_EQ(state.lastForms.at("/goform/APSecurity").at("RadiusServerPort"), "1812");
    EXPECT_EQ(state.lastRawForms.at("/goform/WizardHandle"), pppoe);
}

TEST(RouterSimServer, RecordsEveryRequestByteForByteWithTheTrailingCrLf) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    const std::string get = libraryRequest("/main.html");
    const std::string post = libraryRequest("/goform/SysStatusHandle", kConnectBody);
    fetch(router.port(), get);
    ASSERT_TRUE(postAndHangUp(router.port(), post));
    ASSERT_TRUE(router->waitForRequests(2, 2s));
    EXPECT_TRUE(eventually([&] { return router->requests().size() == 2 && router->requests()[1] == post; }));
    EXPECT_EQ(router->requests()[0], get);

    // The CR LF after the body may come in a segment of its own.
    loopback::Socket socket(router.port());
    ASSERT_TRUE(socket.send(post.substr(0, post.size() - 2)));
    ASSERT_TRUE(router->waitForRequests(3, 2s));
    std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(socket.send("\r\n"));
    socket.receive();
    EXPECT_TRUE(eventually([&] { return router->requests().back() == post; }));
    EXPECT_EQ(router->state().connectRequests, 2);
}

TEST(RouterSimServer, RestartRefusesConnectionsThenComesBackWithTheClonedMac) {
    ScopedRouterSim router(fastOptions());
    ASSERT_TRUE(router.ok());
    const uint16_t port = router.port();
    ASSERT_TRUE(
        postAndHangUp(port, libraryRequest("/goform/AdvSetMacClone",
                                           "GO=mac_clone.asp&rebootTag=1&cloneEn=1&WMAC=00:00:5e:00:53:3c")));
    ASSERT_TRUE(router->waitForRequests(1, 2s));

    loopback::Socket duringRestart(port);
    EXPECT_FALSE(duringRestart.connected());
    EXPECT_EQ(duringRestart.connectError(), ECONNREFUSED);
    EXPECT_TRUE(router->state().restarting);
    EXPECT_EQ(router->state().restartCount, 1);

    ASSERT_TRUE(eventually([&] { return loopback::Socket(port).connected(); }));
    EXPECT_EQ(router.port(), port);
    EXPECT_EQ(capture(fetch(port, libraryRequest("/mac_clone.asp")), kDefaultMac), "00:00:5E:00:53:3C");
    const std::string status = fetch(port, libraryRequest("/system_status.asp"));
    EXPECT_EQ(capture(status, kWanMac), "00:00:5E:00:53:3C");
    EXPECT_TRUE(eventually([&] { return router->state().linkUp; }));  // dynamic WAN redials after boot
}

// --- fault modes (several tests end with connections still open: stop must not hang) ---

class RouterSimFaults : public testing::Test {
protected:
    // Starts a router in `fault` mode; returns its port.
    uint16_t startIn(Fault fault, Options options = fastOptions()) {
        options.fault = fault;
        router_.emplace(options);
        EXPECT_TRUE(router_->ok());
        return router_->port();
    }

    // A router in `fault` mode and a connection to it that has sent a request for `path`.
    loopback::Socket& requestIn(Fault fault, const char* path, Options options = fastOptions()) {
        socket_.emplace(startIn(fault, options));
        EXPECT_TRUE(socket_->send(libraryRequest(path)));
        return *socket_;
    }

    routersim::RouterSim& router() { return **router_; }

    std::optional<ScopedRouterSim> router_;
    std::optional<loopback::Socket> socket_;
};

TEST_F(RouterSimFaults, SilentReadsButNeverAnswers) {
    loopback::Socket& socket = requestIn(Fault::Silent, "/main.html");
    ASSERT_TRUE(router().waitForRequests(1, 2s));
    const auto received = socket.receive(150ms);
    EXPECT_EQ(received.bytes, "");
    EXPECT_FALSE(received.closed);
}

TEST_F(RouterSimFaults, ResetDropsTheConnectionWithARst) {
    loopback::Socket socket(startIn(Fault::Reset));
    ASSERT_TRUE(socket.connected());
    const auto received = socket.receive();
    EXPECT_EQ(received.bytes, "");
    EXPECT_EQ(received.error, ECONNRESET);
}

TEST_F(RouterSimFaults, DripSendsTheNormalReplyOneByteAtATime) {
    Options options = fastOptions();
    options.dripInterval = 2ms;
    const uint16_t port = startIn(Fault::None, options);
    const std::string request = libraryRequest("/nowhere.asp");
    const std::string normal = fetch(port, request);

    router().setFault(Fault::Drip);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetch(port, request), normal);
    EXPECT_GE(std::chrono::steady_clock::now() - start, (normal.size() - 1) * options.dripInterval);
}

TEST_F(RouterSimFaults, DripForeverNeverFinishes) {
    Options options = fastOptions();
    options.dripInterval = 2ms;
    loopback::Socket& socket = requestIn(Fault::DripForever, "/main.html", options);
    const auto received = socket.receive(1s, 300);
    EXPECT_TRUE(received.bytes.starts_with("HTTP/1.1 200 OK\r\n"));
    EXPECT_EQ(headerValue(received.bytes, "Content-Length"), "");
    EXPECT_FALSE(received.closed);
    EXPECT_FALSE(socket.receive(1s, 10).closed);
}

TEST_F(RouterSimFaults, KeepAliveServesSeveralRequestsOnOneConnection) {
    const std::string get = libraryRequest("/main.html");
    const std::string post = libraryRequest("/goform/SysStatusHandle", kConnectBody);
    loopback::Socket socket(startIn(Fault::KeepAlive));
    for (const std::string* request : {&get, &post, &get}) {
        ASSERT_TRUE(socket.send(*request));
        const auto received = socket.receive(150ms);
        EXPECT_FALSE(received.closed);
        EXPECT_TRUE(received.bytes.starts_with("HTTP/1.1 200 OK\r\n")) << received.bytes;
        EXPECT_EQ(headerValue(received.bytes, "Connection"), "keep-alive");
        expectFramed(received.bytes);
    }
    // The CR LF after the POST body goes with the POST, not with the next GET.
    EXPECT_EQ(router().requests(), (std::vector<std::string>{get, post, get}));
    EXPECT_EQ(router().state().connectRequests, 1);
}

TEST_F(RouterSimFaults, HugePagePadsBeforeTheScriptValues) {
    Options options = fastOptions();
    options.hugeSize = 1 << 20;
    const std::string reply = fetch(startIn(Fault::Huge, options), libraryRequest("/system_status.asp"));
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 200 OK\r\n"));
    const std::string content = contentOf(reply);
    EXPECT_EQ(content.size(), options.hugeSize);
    expectFramed(reply);
    EXPECT_LT(content.find("<!--"), content.find("cableDSL"));
    EXPECT_EQ(content.find('\0'), std::string::npos);
    EXPECT_EQ(capture(reply, kWanMac), options.factoryMac);
}

TEST_F(RouterSimFaults, GarbageIsNoHttpAndNoDetectionDigit) {
    const auto received = requestIn(Fault::Garbage, "/goform/WizardModeSel").receive();
    EXPECT_TRUE(received.closed);
    ASSERT_FALSE(received.bytes.empty());
    EXPECT_FALSE(received.bytes.starts_with("HTTP"));
    EXPECT_FALSE(received.bytes[0] >= '0' && received.bytes[0] <= '9');
}

TEST_F(RouterSimFaults, Http10UnauthorizedRefusesEvenTheRightLogin) {
    const uint16_t port = startIn(Fault::None);
    router().setFault(Fault::Http10Unauthorized);
    EXPECT_TRUE(fetch(port, libraryRequest("/main.html")).starts_with("HTTP/1.0 401 Unauthorized\r\n"));
    ASSERT_TRUE(postAndHangUp(port, libraryRequest("/goform/WizardHandle", kPppoeBody)));
    ASSERT_TRUE(router().waitForRequests(2, 2s));
    EXPECT_EQ(router().state().wanType, routersim::kWanDynamic);

    router().setFault(Fault::None);
    EXPECT_TRUE(fetch(port, libraryRequest("/main.html")).starts_with("HTTP/1.1 200 OK\r\n"));
}

}  // namespace
