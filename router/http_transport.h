// One HTTP exchange with the router: a fresh TCP connection per request,
// the request sent whole, the raw reply collected when the caller wants it.
#pragma once

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

// Connected socket, or kNoSocket.
SocketHandle ConnectToRouter(const std::string& address, int port,
                             std::chrono::milliseconds timeout = TransportLimits{}.connectTimeout);

// `length` when everything went out, else -1.
long SendAll(const char* data, std::size_t length, SocketHandle socket);

// 1 when the request went out (and, if `readReply`, a non-empty reply came
// back, stored into `reply`), else 0. A socket left open by a failed exchange
// stays in `connection` until the next exchange or the object's end closes it.
int HttpExchange(const std::string& address, int port, const std::string& user, const std::string& password,
                 const std::string& path, const std::string& body, std::string& reply, bool readReply,
                 SocketHandle& connection, const TransportLimits& limits = {});
