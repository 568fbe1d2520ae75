#include "form_bodies.h"
#include "http_request.h"
#include "http_transport.h"
#include "router_sim_fixture.h"
#include "router_test_support.h"
#include "scripted_peer.h"
#include "tarnwick_object.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

namespace {

using routersim::Fault;

routersim::Options WithFault(Fault fault) {
    routersim::Options options;
    options.fault = fault;
    return options;
}

using Outcome = ExchangeOutcome;

struct Exchange {
    Outcome result = Outcome::NoReply;
    std::string reply;
    OwnedSocket connection;
    double seconds = 0;
};

Exchange Fetch(int port, const TransportLimits& limits, const std::string& path = "/main.html",
               OwnedSocket connection = {}) {
    Exchange exchange;
    exchange.connection = std::move(connection);
    const auto start = std::chrono::steady_clock::now();
    exchange.result = HttpExchange("127.0.0.1", port, "admin", "kvmzt", path, "", exchange.reply, true,
                                   exchange.connection, limits);
    exchange.seconds = SecondsSince(start);
    return exchange;
}

// ---- The bytes on the wire ----

TEST(HttpExchangeWire, RouterReceivesGetAndPostByteForByte) {
    ScopedRouterSim router;
    ASSERT_TRUE(router.ok());
    OwnedSocket connection;
    std::string reply;
    ASSERT_EQ(
        HttpExchange("127.0.0.1", router.port(), "admin", "kvmzt", "/main.html", "", reply, true, connection),
        Outcome::Done);
    std::string unread = "untouched";
    ASSERT_EQ(HttpExchange("127.0.0.1", router.port(), "admin", "kvmzt", "/goform/SysStatusHandle",
                           kConnectWanBody, unread, false, connection),
              Outcome::Done);
    ASSERT_TRUE(router->waitForRequests(2, 2s));
    const auto requests = router->requests();
    // ComposeRequest's exact text is pinned by the socket-free suite.
    EXPECT_EQ(requests[0], ComposeRequest("127.0.0.1", "/main.html", "admin", "kvmzt", "", false));
    EXPECT_EQ(requests[1], ComposeRequest("127.0.0.1", "/goform/SysStatusHandle", "admin", "kvmzt",
                                          kConnectWanBody, true));
    EXPECT_EQ(unread, "untouched");
    EXPECT_FALSE(connection.IsOpen());
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 200 OK\r\n")) << reply.substr(0, 40);
}

TEST(HttpExchangeWire, EachBlockIsKeptOnlyUpToItsFirstZeroByte) {
    using Chunk = ScriptedPeer::Chunk;
    ScriptedPeer peer(ScriptedPeer::Replying(
        {Chunk{std::string("ab\0cd", 5)}, Chunk{std::string("ef\0gh", 5), 100ms}, Chunk{"ij", 100ms}}));
    ASSERT_TRUE(peer.ok());
    const Exchange exchange = Fetch(peer.port(), FastLimits().limits);
    EXPECT_EQ(exchange.result, Outcome::Done);
    EXPECT_EQ(exchange.reply, "abefij");
}

// ---- Failures and their recorded socket ----

TEST(HttpExchangeFailure, NoListenerIsRefusedWithNothingRecorded) {
    UnusedLoopbackPort nobody;
    ASSERT_NE(nobody.port(), 0);
    const Exchange exchange = Fetch(nobody.port(), TransportLimits{});
    EXPECT_EQ(exchange.result, Outcome::Refused);
    EXPECT_FALSE(exchange.connection.IsOpen());
}

TEST(HttpExchangeFailure, AddressThatIsNotDottedTextIsNotLookedUp) {
    OwnedSocket connection;
    std::string reply;
    EXPECT_EQ(HttpExchange("localhost", 80, "", "", "/", "", reply, true, connection), Outcome::BadAddress);
    EXPECT_FALSE(connection.IsOpen());
}

TEST(HttpExchangeFailure, SilentRouterLeavesTheSocketForTheNextExchangeToClose) {
    ScopedRouterSim router(WithFault(Fault::Silent));
    ASSERT_TRUE(router.ok());
    FastLimits fast;
    Exchange silent = Fetch(router.port(), fast.limits);
    EXPECT_EQ(silent.result, Outcome::ReplyTimedOut);
    ASSERT_TRUE(silent.connection.IsOpen());
    const SocketHandle handle = silent.connection.get();
    const auto leftOver = SocketInode(handle);
    ASSERT_TRUE(leftOver);
    EXPECT_TRUE(fast.pauses->empty());

    router->setFault(Fault::None);
    const Exchange next = Fetch(router.port(), fast.limits, "/main.html", std::move(silent.connection));
    EXPECT_EQ(next.result, Outcome::Done);
    EXPECT_FALSE(next.connection.IsOpen());
    EXPECT_NE(SocketInode(handle), leftOver);  // closed (or the number reused by another socket)
    EXPECT_EQ(*fast.pauses, std::vector<std::chrono::milliseconds>{100ms});
}

// The one test that waits for the shipped ten-second receive time-out.
TEST(HttpExchangeFailure, SilentRouterIsGivenUpAfterTenSeconds) {
    ScopedRouterSim router(WithFault(Fault::Silent));
    ASSERT_TRUE(router.ok());
    const Exchange exchange = Fetch(router.port(), TransportLimits{});
    EXPECT_EQ(exchange.result, Outcome::ReplyTimedOut);
    EXPECT_GE(exchange.seconds, 9.9);
    EXPECT_LT(exchange.seconds, 20.0);
}

TEST(HttpExchangeFailure, ResetByTheRouterIsNamedSo) {
    ScopedRouterSim router(WithFault(Fault::Reset));
    ASSERT_TRUE(router.ok());
    const Exchange exchange = Fetch(router.port(), FastLimits().limits);
    EXPECT_EQ(exchange.result, Outcome::Reset);
}

// A router that has already hung up when a long post goes out must not kill
// the process with SIGPIPE (the default action is left in place here).
TEST(HttpExchangeFailure, SendingToARouterThatHungUpIsAFailureNotASignal) {
    ASSERT_EQ(std::signal(SIGPIPE, SIG_DFL), SIG_DFL);
    ScriptedPeer peer(ScriptedPeer::HangingUpUnread(0ms));
    ASSERT_TRUE(peer.ok());
    const RouterConnection connection = ConnectToRouter("127.0.0.1", peer.port());
    ASSERT_EQ(connection.outcome, Outcome::Done);
    const SocketHandle socket = connection.socket.get();
    char byte;
    ASSERT_EQ(WaitReadable(socket, 2s), WaitResult::Ready);
    ASSERT_EQ(ReceiveSome(socket, &byte, 1), 0);  // the router's FIN
    const std::string body(64 * 1024 * 1024, 'x');
    EXPECT_EQ(SendAll(body.data(), body.size(), socket), -1);
}

// ---- Bounded reading ----

TEST(HttpExchangeBounds, KeepAliveRouterAnswersWithoutWaitingForClose) {
    ScopedRouterSim router(WithFault(Fault::KeepAlive));
    ASSERT_TRUE(router.ok());
    const Exchange exchange = Fetch(router.port(), TransportLimits{}, "/system_status.asp");
    EXPECT_EQ(exchange.result, Outcome::Done);
    EXPECT_NE(exchange.reply.find("cableDSL="), std::string::npos);
    EXPECT_TRUE(exchange.reply.ends_with("</html>\n")) << exchange.reply.substr(exchange.reply.size() - 20);
    EXPECT_LT(exchange.seconds, 5.0);  // far below the ten-second silence that would end it otherwise
}

TEST(HttpExchangeBounds, ChunkedKeepAliveReplyIsKeptRawAndEndsAtTheLastChunk) {
    const std::string reply =
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n6\r\n world\r\n0\r\n\r\n";
    ScriptedPeer peer(ScriptedPeer::Replying(
        {ScriptedPeer::Chunk{reply.substr(0, 50)}, ScriptedPeer::Chunk{reply.substr(50), 50ms}}, true));
    ASSERT_TRUE(peer.ok());
    TransportLimits limits;
    limits.receiveTimeout = 20s;
    const Exchange exchange = Fetch(peer.port(), limits);
    EXPECT_EQ(exchange.result, Outcome::Done);
    EXPECT_EQ(exchange.reply, reply);
    EXPECT_LT(exchange.seconds, 10.0);
}

TEST(HttpExchangeBounds, InterimAnswerDoesNotEndTheExchange) {
    const std::string reply = "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
    ScriptedPeer peer(ScriptedPeer::Replying(
        {ScriptedPeer::Chunk{reply.substr(0, 25)}, ScriptedPeer::Chunk{reply.substr(25), 100ms}}, true));
    ASSERT_TRUE(peer.ok());
    const Exchange exchange = Fetch(peer.port(), TransportLimits{});
    EXPECT_EQ(exchange.result, Outcome::Done);
    EXPECT_EQ(exchange.reply, reply);
}

// A router that says it closes the connection may send more than its
// Content-Length announced; all of it counts, up to the close.
TEST(HttpExchangeBounds, ReplyThatClosesIsReadUntilTheRouterCloses) {
    const std::string lateValue = "<script>var cableDSL=\"2\";</script>\n";
    for (const std::string head : {"HTTP/1.0 200 OK\r\n", "HTTP/1.1 200 OK\r\nConnection: close\r\n",
                                   "HTTP/1.1 200 OK\r\nconnection: Close\r\n"}) {
        SCOPED_TRACE(head);
        ScriptedPeer peer(
            ScriptedPeer::Replying({ScriptedPeer::Chunk{head + "Content-Length: 6\r\n\r\n<html>"},
                                    ScriptedPeer::Chunk{"\n" + lateValue, 50ms}}));
        ASSERT_TRUE(peer.ok());
        FastLimits fast;
        fast.limits.receiveTimeout = 5s;
        const Exchange exchange = Fetch(peer.port(), fast.limits, "/system_status.asp");
        EXPECT_EQ(exchange.result, Outcome::Done);
        EXPECT_TRUE(exchange.reply.ends_with(lateValue)) << exchange.reply;
        EXPECT_LT(exchange.seconds, 2.5);  // the close ends it, not the silence
        CTarnwickObject object;
        object.transportLimits = fast.limits;
        EXPECT_EQ(object.CheckWanLink("127.0.0.1", peer.port(), "admin", "kvmzt"), 1);
    }
}

// HTTP/1.0 with keep-alive keeps the connection like HTTP/1.1 does: the
// framed end is the end.
TEST(HttpExchangeBounds, Http10KeepAliveReplyEndsAtItsContentLength) {
    const std::string reply = "HTTP/1.0 200 OK\r\nConnection: Keep-Alive\r\nContent-Length: 2\r\n\r\nok";
    ScriptedPeer peer(ScriptedPeer::Replying({ScriptedPeer::Chunk{reply}}, true));
    ASSERT_TRUE(peer.ok());
    TransportLimits limits;
    limits.receiveTimeout = 20s;
    const Exchange exchange = Fetch(peer.port(), limits);
    EXPECT_EQ(exchange.result, Outcome::Done);
    EXPECT_EQ(exchange.reply, reply);
    EXPECT_LT(exchange.seconds, 10.0);
}

TEST(HttpExchangeBounds, HugePageIsCappedAndStillASuccess) {
    routersim::Options options = WithFault(Fault::Huge);
    options.hugeSize = 9 * 1024 * 1024;
    ScopedRouterSim router(options);
    ASSERT_TRUE(router.ok());
    const Exchange exchange = Fetch(router.port(), TransportLimits{}, "/system_status.asp");
    EXPECT_EQ(exchange.result, Outcome::ReplyTooLarge);
    EXPECT_TRUE(Delivered(exchange.result));
    EXPECT_EQ(exchange.reply.size(), TransportLimits{}.replyCap);
    EXPECT_FALSE(exchange.connection.IsOpen());
}

routersim::Options EndlessDrip(std::chrono::milliseconds interval) {
    routersim::Options options = WithFault(Fault::DripForever);
    options.dripInterval = interval;
    return options;
}

TEST(HttpExchangeBounds, EndlessDripIsCutAtTheDeadlineKeepingWhatArrived) {
    ScopedRouterSim router(EndlessDrip(5ms));
    ASSERT_TRUE(router.ok());
    FastLimits fast;
    fast.limits.exchangeDeadline = 500ms;
    const Exchange exchange = Fetch(router.port(), fast.limits);
    EXPECT_EQ(exchange.result, Outcome::Done);
    EXPECT_TRUE(exchange.reply.starts_with("HTTP/1.1 200")) << exchange.reply;
    EXPECT_LT(exchange.seconds, 3.0);
}

TEST(HttpExchangeBounds, EndlessDripIsCutAtTheSizeCap) {
    ScopedRouterSim router(EndlessDrip(1ms));
    ASSERT_TRUE(router.ok());
    FastLimits fast;
    fast.limits.replyCap = 64;
    const Exchange exchange = Fetch(router.port(), fast.limits);
    EXPECT_EQ(exchange.result, Outcome::ReplyTooLarge);
    EXPECT_EQ(exchange.reply.size(), 64u);
}

// A listener whose accept queue is full drops new connection attempts, as an
// address where nothing answers would: the connect must give up by itself.
TEST(ConnectToRouter, UnansweredConnectTimesOut) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    const int port = ntohs(address.sin_port);

    std::vector<OwnedSocket> fillers;
    Outcome last = Outcome::Done;
    for (int attempt = 0; attempt < 8 && last == Outcome::Done; ++attempt) {
        RouterConnection connection = ConnectToRouter("127.0.0.1", port, 300ms);
        last = connection.outcome;
        fillers.push_back(std::move(connection.socket));
    }
    EXPECT_EQ(last, Outcome::ConnectTimedOut) << "the accept queue never filled";
    ::close(listener);
}

}  // namespace
