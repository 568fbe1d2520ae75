// A bare POSIX-socket client for loopback tests that need to see or send
// bytes exactly: no HTTP library between the test and the wire.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace loopback {

// The Basic token of the simulated router's default login admin:kvmzt.
inline constexpr std::string_view kAdminToken = "YWRtaW46a3ZtenQ=";

// Owns one TCP connection to 127.0.0.1.
class Socket {
public:
    explicit Socket(uint16_t port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0) return;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            connectError_ = errno;
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~Socket() { close(); }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    bool connected() const { return fd_ >= 0; }
    int connectError() const { return connectError_; }

    bool send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

    struct Received {
        std::string bytes;
        bool closed = false;  // the peer closed (orderly or by reset) rather than going quiet
        int error = 0;        // errno of a failed recv, e.g. ECONNRESET
    };

    // Reads until the peer closes, `limit` bytes arrived, or nothing came for `quiet`.
    Received receive(std::chrono::milliseconds quiet = std::chrono::seconds(5),
                     std::size_t limit = SIZE_MAX) {
        timeval timeout{};
        timeout.tv_sec = static_cast<time_t>(quiet.count() / 1000);
        timeout.tv_usec = static_cast<suseconds_t>((quiet.count() % 1000) * 1000);
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        Received received;
        char block[65536];
        while (received.bytes.size() < limit) {
            const ssize_t got = ::recv(fd_, block, sizeof block, 0);
            if (got > 0) {
                received.bytes.append(block, static_cast<std::size_t>(got));
                continue;
            }
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
            received.closed = true;
            received.error = got < 0 ? errno : 0;
            break;
        }
        return received;
    }

    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
    int connectError_ = 0;
};

// A request as the router-control library writes it: its header lines, a
// Content-Length followed by a blank, and a CR LF after the body that the
// length does not count.
inline std::string libraryRequest(std::string_view path, std::string_view body = {},
                                  std::string_view token = kAdminToken) {
    const bool post = !body.empty();
    std::string request = post ? "POST " : "GET ";
    request += std::string(path) + " HTTP/1.1\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n";
    if (post) request += "Content-Type: application/x-www-form-urlencoded\r\n";
    request +=
        "Accept-Encoding: gzip, deflate\r\n"
        "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; .NET CLR "
        "1.1.4322)\r\n"
        "Host: 127.0.0.1\r\nConnection: Keep-Alive\r\n";
    if (post) request += "Content-Length: " + std::to_string(body.size()) + " \r\n";
    request += "Authorization: Basic " + std::string(token) + "\r\n\r\n";
    if (post) request += std::string(body) + "\r\n";
    return request;
}

// One request, the whole reply (until the router closes or goes quiet).
inline std::string fetch(uint16_t port, std::string_view request,
                         std::chrono::milliseconds quiet = std::chrono::seconds(5)) {
    Socket socket(port);
    if (!socket.connected() || !socket.send(request)) return {};
    return socket.receive(quiet).bytes;
}

// Sends and hangs up at once without reading, as the library's form posts do.
inline bool postAndHangUp(uint16_t port, std::string_view request) {
    Socket socket(port);
    return socket.connected() && socket.send(request);
}

// The content after the header block, or empty when there is none.
inline std::string contentOf(const std::string& reply) {
    const std::size_t end = reply.find("\r\n\r\n");
    return end == std::string::npos ? std::string() : reply.substr(end + 4);
}

}  // namespace loopback
