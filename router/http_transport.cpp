#include "http_transport.h"

#include "http_request.h"
#include "reply_completeness.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::size_t kReceiveBlock = 4096;

// Each block is kept only up to its first zero byte, as the router's
// original client did; the completeness check still sees the raw bytes.
// A reply ends at its framed end only when the router keeps the connection
// open; one that closes is read until the close, so bytes sent past an
// understated Content-Length are not lost.
std::string ReadReply(SocketHandle socket, const TransportLimits& limits) {
    std::string reply;
    ReplyCompleteness completeness(limits.replyCap);
    std::size_t received = 0;
    const auto deadline = std::chrono::steady_clock::now() + limits.exchangeDeadline;
    std::array<char, kReceiveBlock + 2> buffer;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        if (WaitReadable(socket, std::min(left, limits.receiveTimeout)) != WaitResult::Ready) break;
        buffer.fill('\0');
        const long count = ReceiveSome(socket, buffer.data(), kReceiveBlock);
        if (count <= 0) break;
        const std::size_t usable =
            std::min<std::size_t>(static_cast<std::size_t>(count), limits.replyCap - received);
        received += usable;
        reply.append(buffer.data(), strnlen(buffer.data(), usable));
        if (received >= limits.replyCap) break;
        if (completeness.Feed(std::string_view(buffer.data(), usable)) && completeness.KeepsConnectionOpen())
            break;
    }
    return reply;
}

}  // namespace

SocketHandle ConnectToRouter(const std::string& address, int port, std::chrono::milliseconds timeout) {
    std::uint32_t peer = 0;
    if (!ParseIpv4(address.c_str(), peer)) return kNoSocket;
    const SocketHandle socket = OpenStreamSocket();
    if (socket == kNoSocket) return kNoSocket;
    if (!ConnectWithin(socket, peer, port, timeout)) {
        CloseSocket(socket);
        return kNoSocket;
    }
    return socket;
}

long SendAll(const char* data, std::size_t length, SocketHandle socket) {
    std::size_t sent = 0;
    while (sent < length) {
        const long count = SendSome(socket, data + sent, length - sent);
        if (count <= 0) return -1;
        sent += static_cast<std::size_t>(count);
    }
    return static_cast<long>(length);
}

int HttpExchange(const std::string& address, int port, const std::string& user, const std::string& password,
                 const std::string& path, const std::string& body, std::string& reply, bool readReply,
                 SocketHandle& connection, const TransportLimits& limits) {
    const std::string request = ComposeRequest(address, path, user, password, body, !body.empty());

    if (connection != kNoSocket) {
        CloseSocket(connection);
        connection = kNoSocket;
        limits.pause(limits.reconnectPause);
    }
    connection = ConnectToRouter(address, port, limits.connectTimeout);
    if (connection == kNoSocket) return 0;

    if (SendAll(request.data(), request.size(), connection) != static_cast<long>(request.size())) return 0;
    SetReceiveTimeout(connection, limits.receiveTimeout);

    if (readReply) {
        std::string received = ReadReply(connection, limits);
        if (received.empty()) return 0;
        reply = std::move(received);
    }
    CloseSocket(connection);
    connection = kNoSocket;
    return 1;
}
