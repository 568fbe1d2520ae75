// One HTTP exchange with the router: a fresh TCP connection per request,
// the request sent whole, the raw reply collected when the caller wants it.
#pragma once

#include "owned_socket.h"
#include "pause_function.h"
#include "socket_platform.h"

#include <chrono>
#include <cstddef>
#include <string>

// Times and sizes of an exchange. The defaults are the shipped values; tests
// shorten them (and the pause) to exercise the bounds quickly.
struct TransportLimits {
    std::chrono::milliseconds connectTimeout{10000};
    std::chrono::milliseconds receiveTimeout{10000};    // silence that ends a reading exchange
    std::chrono::milliseconds reconnectPause{100};      // after closing a left-over socket
    std::chrono::milliseconds exchangeDeadline{60000};  // whole reading exchange
    std::size_t replyCap = 8 * 1024 * 1024;
    PauseFunction pause = SleepFor;
};

// How an exchange ended. The transport names each failure; only the exported
// operations turn an outcome into the 1/0/-1 the wizard reads.
enum class ExchangeOutcome {
    Done,             // sent; when a reply was wanted, a non-empty one came back
    ReplyTooLarge,    // the reply reached the size cap: what came is kept and used
    BadAddress,       // not dotted IPv4 text (no name is ever looked up)
    NoSocket,         // the system gave no socket
    Refused,          // nothing listens at the address and port
    ConnectTimedOut,  // the connect was not answered in time
    ConnectFailed,    // any other connect failure (no route, network down)
    SendFailed,       // the request did not go out whole
    ReplyTimedOut,    // silence (or the exchange deadline) before any usable byte
    Reset,            // the router reset the connection before any usable byte
    ReceiveFailed,    // any other receive failure before any usable byte
    NoReply,          // the router closed without any usable byte
};

// Done, or a reply cut at the cap: the exchange delivered what it was for.
bool Delivered(ExchangeOutcome outcome);

struct RouterConnection {
    OwnedSocket socket;  // open only when the outcome is Done
    ExchangeOutcome outcome = ExchangeOutcome::NoSocket;
};
RouterConnection ConnectToRouter(const std::string& address, int port,
                                 std::chrono::milliseconds timeout = TransportLimits{}.connectTimeout);

// `length` when everything went out, else -1.
long SendAll(const char* data, std::size_t length, SocketHandle socket);

// One exchange; a reply is read, and stored into `reply`, only when
// `readReply` is set. A socket left open by a failed exchange stays in
// `connection` until the next exchange or the owner's end closes it.
ExchangeOutcome HttpExchange(const std::string& address, int port, const std::string& user,
                             const std::string& password, const std::string& path, const std::string& body,
                             std::string& reply, bool readReply, OwnedSocket& connection,
                             const TransportLimits& limits = {});
