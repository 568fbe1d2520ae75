#include "socket_platform.h"

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#endif

namespace {

// The largest count an int parameter of the platform's calls takes.
constexpr long long kLargestIntCount = 0x7fffffff;

int ClampToPollTimeout(std::chrono::milliseconds timeout) {
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, kLargestIntCount));
}

// Winsock's timeval has long fields, POSIX's time_t and suseconds_t.
timeval ToTimeval(std::chrono::milliseconds timeout) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    timeval value{};
    value.tv_sec = static_cast<decltype(value.tv_sec)>(seconds.count());
    value.tv_usec = static_cast<decltype(value.tv_usec)>(
        std::chrono::duration_cast<std::chrono::microseconds>(timeout - seconds).count());
    return value;
}

#ifdef _WIN32
int PollSocket(SocketHandle socket, short events, std::chrono::milliseconds timeout) {
    WSAPOLLFD entry{socket, events, 0};
    return WSAPoll(&entry, 1, ClampToPollTimeout(timeout));
}
#else
int PollSocket(SocketHandle socket, short events, std::chrono::milliseconds timeout) {
    pollfd entry{socket, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, ClampToPollTimeout(timeout));
        if (ready >= 0 || errno != EINTR) return ready;
    }
}
bool WasInterrupted() {
    return errno == EINTR;
}
#endif

}  // namespace

#ifdef _WIN32

constexpr BYTE kWinsockMajor = 2;
constexpr BYTE kWinsockMinor = 2;

void StartSockets() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(kWinsockMajor, kWinsockMinor), &data) == 0 &&
        (LOBYTE(data.wVersion) != kWinsockMajor || HIBYTE(data.wVersion) != kWinsockMinor))
        WSACleanup();
}

SocketHandle OpenStreamSocket() {
    return ::socket(AF_INET, SOCK_STREAM, 0);
}

void CloseSocket(SocketHandle socket) {
    ::closesocket(socket);
}

// inet_addr turns bad text into the broadcast address; inet_pton reports it.
bool ParseIpv4(const char* text, std::uint32_t& networkOrderAddress) {
    in_addr parsed{};
    if (::inet_pton(AF_INET, text, &parsed) != 1) return false;
    networkOrderAddress = parsed.s_addr;
    return true;
}

namespace {
bool SetNonBlocking(SocketHandle socket, bool enabled) {
    u_long mode = enabled ? 1 : 0;
    return ::ioctlsocket(socket, FIONBIO, &mode) == 0;
}

ConnectResult ConnectFailure(int error) {
    if (error == WSAECONNREFUSED) return ConnectResult::Refused;
    return error == WSAECONNRESET ? ConnectResult::Reset : ConnectResult::Failed;
}

// select rather than WSAPoll: older Windows never reports a refused
// non-blocking connect through WSAPoll, so it would wait out the whole time-out.
ConnectResult WaitConnected(SocketHandle socket, std::chrono::milliseconds timeout) {
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(socket, &writable);
    FD_SET(socket, &failed);
    timeval limit = ToTimeval(timeout);
    const int ready = ::select(0, nullptr, &writable, &failed, &limit);
    if (ready == 0) return ConnectResult::TimedOut;
    if (ready < 0) return ConnectResult::Failed;
    int error = 0;
    int size = sizeof error;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
        return ConnectResult::Failed;
    if (error != 0) return ConnectFailure(error);
    return FD_ISSET(socket, &failed) ? ConnectResult::Failed : ConnectResult::Connected;
}
}  // namespace

// Windows would keep trying for about twenty seconds; the wizard's user waits
// no longer for an absent router than on any other system.
ConnectResult ConnectWithin(SocketHandle socket, std::uint32_t networkOrderAddress, int port,
                            std::chrono::milliseconds timeout) {
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<u_short>(port));
    peer.sin_addr.s_addr = networkOrderAddress;
    if (!SetNonBlocking(socket, true)) return ConnectResult::Failed;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        const int error = ::WSAGetLastError();
        if (error != WSAEWOULDBLOCK) return ConnectFailure(error);
        const ConnectResult waited = WaitConnected(socket, timeout);
        if (waited != ConnectResult::Connected) return waited;
    }
    return SetNonBlocking(socket, false) ? ConnectResult::Connected : ConnectResult::Failed;
}

bool SetReceiveTimeout(SocketHandle socket, std::chrono::milliseconds timeout) {
    const DWORD value = static_cast<DWORD>(timeout.count());
    return ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&value),
                        sizeof value) == 0;
}

long SendSome(SocketHandle socket, const char* data, std::size_t length) {
    return ::send(socket, data, static_cast<int>(std::min<std::size_t>(length, kLargestIntCount)), 0);
}

long ReceiveSome(SocketHandle socket, char* buffer, std::size_t length) {
    return ::recv(socket, buffer, static_cast<int>(std::min<std::size_t>(length, kLargestIntCount)), 0);
}

bool LastFailureWasReset() {
    return ::WSAGetLastError() == WSAECONNRESET;
}

#else

void StartSockets() {}

SocketHandle OpenStreamSocket() {
    return ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

void CloseSocket(SocketHandle socket) {
    ::close(socket);
}

// inet_aton accepts what inet_addr accepts but reports bad text instead of
// turning it into the broadcast address.
bool ParseIpv4(const char* text, std::uint32_t& networkOrderAddress) {
    in_addr parsed{};
    if (::inet_aton(text, &parsed) == 0) return false;
    networkOrderAddress = parsed.s_addr;
    return true;
}

namespace {
bool SetNonBlocking(SocketHandle socket, bool enabled) {
    const int flags = ::fcntl(socket, F_GETFL);
    if (flags < 0) return false;
    return ::fcntl(socket, F_SETFL, enabled ? flags | O_NONBLOCK : flags & ~O_NONBLOCK) == 0;
}

ConnectResult ConnectFailure(int error) {
    if (error == ECONNREFUSED) return ConnectResult::Refused;
    return error == ECONNRESET ? ConnectResult::Reset : ConnectResult::Failed;
}
}  // namespace

// The OS would keep trying for about two minutes; the wizard's user should
// not wait that long for a router that is not there.
ConnectResult ConnectWithin(SocketHandle socket, std::uint32_t networkOrderAddress, int port,
                            std::chrono::milliseconds timeout) {
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<std::uint16_t>(port));
    peer.sin_addr.s_addr = networkOrderAddress;
    if (!SetNonBlocking(socket, true)) return ConnectResult::Failed;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0) {
        if (errno != EINPROGRESS && errno != EINTR) return ConnectFailure(errno);
        const int ready = PollSocket(socket, POLLOUT, timeout);
        if (ready == 0) return ConnectResult::TimedOut;
        if (ready < 0) return ConnectResult::Failed;
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) != 0) return ConnectResult::Failed;
        if (error != 0) return ConnectFailure(error);
    }
    return SetNonBlocking(socket, false) ? ConnectResult::Connected : ConnectResult::Failed;
}

bool SetReceiveTimeout(SocketHandle socket, std::chrono::milliseconds timeout) {
    const timeval value = ToTimeval(timeout);
    return ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &value, sizeof value) == 0;
}

long SendSome(SocketHandle socket, const char* data, std::size_t length) {
    for (;;) {
        const ssize_t sent = ::send(socket, data, length, MSG_NOSIGNAL);
        if (sent >= 0 || !WasInterrupted()) return static_cast<long>(sent);
    }
}

long ReceiveSome(SocketHandle socket, char* buffer, std::size_t length) {
    for (;;) {
        const ssize_t received = ::recv(socket, buffer, length, 0);
        if (received >= 0 || !WasInterrupted()) return static_cast<long>(received);
    }
}

bool LastFailureWasReset() {
    return errno == ECONNRESET;
}

#endif

WaitResult WaitReadable(SocketHandle socket, std::chrono::milliseconds timeout) {
    const int ready = PollSocket(socket, POLLIN, timeout);
    if (ready > 0) return WaitResult::Ready;
    return ready == 0 ? WaitResult::TimedOut : WaitResult::Failed;
}
