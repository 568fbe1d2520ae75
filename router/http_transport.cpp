#include "http_transport.h"

#include "http_request.h"
#include "reply_completeness.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::size_t kReceiveBlock = 4096;

// Why the reading stopped.
enum class ReadEnd { Framed, Closed, Silence, Deadline, Capped, Reset, Failed };

struct ReadResult {
    std::string text;
    ReadEnd end = ReadEnd::Closed;
};

ReadEnd ReceiveFailure() {
    return LastFailureWasReset() ? ReadEnd::Reset : ReadEnd::Failed;
}

// Each block is kept only up to its first zero byte, as the router's
// original client did; the completeness check still sees the raw bytes.
// A reply ends at its framed end only when the router keeps the connection
// open; one that closes is read until the close, so bytes sent past an
// understated Content-Length are not lost.
ReadResult ReadReply(SocketHandle socket, const TransportLimits& limits) {
    ReadResult result;
    ReplyCompleteness completeness(limits.replyCap);
    std::size_t received = 0;
    const auto deadline = std::chrono::steady_clock::now() + limits.exchangeDeadline;
    std::array<char, kReceiveBlock + 2> buffer;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.end = ReadEnd::Deadline;
            break;
        }
        const WaitResult waited = WaitReadable(socket, std::min(left, limits.receiveTimeout));
        if (waited != WaitResult::Ready) {
            result.end = waited == WaitResult::Failed    ? ReceiveFailure()
                         : left <= limits.receiveTimeout ? ReadEnd::Deadline
                                                         : ReadEnd::Silence;
            break;
        }
        buffer.fill('\0');
        const long count = ReceiveSome(socket, buffer.data(), kReceiveBlock);
        if (count <= 0) {
            result.end = count == 0 ? ReadEnd::Closed : ReceiveFailure();
            break;
        }
        const std::size_t usable =
            std::min<std::size_t>(static_cast<std::size_t>(count), limits.replyCap - received);
        received += usable;
        result.text.append(buffer.data(), strnlen(buffer.data(), usable));
        if (received >= limits.replyCap) {
            result.end = ReadEnd::Capped;
            break;
        }
        if (completeness.Feed(std::string_view(buffer.data(), usable)) &&
            completeness.KeepsConnectionOpen()) {
            result.end = ReadEnd::Framed;
            break;
        }
    }
    return result;
}

// What a reading exchange delivered: any usable text counts, however the
// reading ended; without it, the reason it ended is the failure.
ExchangeOutcome OutcomeOf(const ReadResult& read) {
    if (!read.text.empty())
        return read.end == ReadEnd::Capped ? ExchangeOutcome::ReplyTooLarge : ExchangeOutcome::Done;
    switch (read.end) {
        case ReadEnd::Silence:
        case ReadEnd::Deadline:
            return ExchangeOutcome::ReplyTimedOut;
        case ReadEnd::Reset:
            return ExchangeOutcome::Reset;
        case ReadEnd::Failed:
            return ExchangeOutcome::ReceiveFailed;
        case ReadEnd::Framed:
        case ReadEnd::Closed:
        case ReadEnd::Capped:
            break;
    }
    return ExchangeOutcome::NoReply;
}

ExchangeOutcome OutcomeOf(ConnectResult result) {
    switch (result) {
        case ConnectResult::Connected:
            return ExchangeOutcome::Done;
        case ConnectResult::Refused:
            return ExchangeOutcome::Refused;
        case ConnectResult::TimedOut:
            return ExchangeOutcome::ConnectTimedOut;
        case ConnectResult::Reset:
            return ExchangeOutcome::Reset;
        case ConnectResult::Failed:
            break;
    }
    return ExchangeOutcome::ConnectFailed;
}

}  // namespace

bool Delivered(ExchangeOutcome outcome) {
    return outcome == ExchangeOutcome::Done || outcome == ExchangeOutcome::ReplyTooLarge;
}

RouterConnection ConnectToRouter(const std::string& address, int port, std::chrono::milliseconds timeout) {
    RouterConnection connection;
    std::uint32_t peer = 0;
    if (!ParseIpv4(address.c_str(), peer)) {
        connection.outcome = ExchangeOutcome::BadAddress;
        return connection;
    }
    OwnedSocket socket(OpenStreamSocket());
    if (!socket.IsOpen()) {
        connection.outcome = ExchangeOutcome::NoSocket;
        return connection;
    }
    connection.outcome = OutcomeOf(ConnectWithin(socket.get(), peer, port, timeout));
    if (connection.outcome == ExchangeOutcome::Done) connection.socket = std::move(socket);
    return connection;
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

ExchangeOutcome HttpExchange(const std::string& address, int port, const std::string& user,
                             const std::string& password, const std::string& path, const std::string& body,
                             std::string& reply, bool readReply, OwnedSocket& connection,
                             const TransportLimits& limits) {
    const std::string request = ComposeRequest(address, path, user, password, body, !body.empty());

    if (connection.IsOpen()) {
        connection.Close();
        limits.pause(limits.reconnectPause);
    }
    RouterConnection opened = ConnectToRouter(address, port, limits.connectTimeout);
    if (opened.outcome != ExchangeOutcome::Done) return opened.outcome;
    connection = std::move(opened.socket);

    if (SendAll(request.data(), request.size(), connection.get()) != static_cast<long>(request.size()))
        return ExchangeOutcome::SendFailed;
    SetReceiveTimeout(connection.get(), limits.receiveTimeout);

    ExchangeOutcome outcome = ExchangeOutcome::Done;
    if (readReply) {
        ReadResult read = ReadReply(connection.get(), limits);
        outcome = OutcomeOf(read);
        if (!Delivered(outcome)) return outcome;
        reply = std::move(read.text);
    }
    connection.Close();
    return outcome;
}
