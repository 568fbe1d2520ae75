// Helpers shared by the suites that talk to a peer on loopback.
#pragma once

#include "http_transport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

using namespace std::chrono_literals;

// A loopback port bound but never listened on: connecting is refused at once,
// and no other program can take the port while the test runs.
class UnusedLoopbackPort {
public:
    UnusedLoopbackPort() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~UnusedLoopbackPort() { ::close(fd_); }
    UnusedLoopbackPort(const UnusedLoopbackPort&) = delete;
    UnusedLoopbackPort& operator=(const UnusedLoopbackPort&) = delete;
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// Identity of an open descriptor; descriptor numbers are reused, inodes of
// live sockets are not.
inline std::optional<ino_t> SocketInode(int fd) {
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) return std::nullopt;
    return info.st_ino;
}

// Short bounds so fault cases finish in a fraction of a second; pauses are
// recorded instead of slept.
struct FastLimits {
    std::shared_ptr<std::vector<std::chrono::milliseconds>> pauses =
        std::make_shared<std::vector<std::chrono::milliseconds>>();
    TransportLimits limits;

    FastLimits() {
        limits.connectTimeout = 2s;
        limits.receiveTimeout = 300ms;
        limits.exchangeDeadline = 3s;
        limits.pause = [pauses = pauses](std::chrono::milliseconds pause) { pauses->push_back(pause); };
    }
};

inline double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
