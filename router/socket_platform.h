// The few socket calls the transport needs, behind one narrow interface so the
// Winsock and POSIX differences stay in socket_platform.cpp.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <winsock2.h>
using SocketHandle = SOCKET;
inline constexpr SocketHandle kNoSocket = INVALID_SOCKET;
#else
using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;
#endif

// Starts the platform's socket layer once per object; a no-op on POSIX.
void StartSockets();

// IPv4 stream socket that is not inherited by child processes; kNoSocket on failure.
SocketHandle OpenStreamSocket();
void CloseSocket(SocketHandle socket);

// Parses dotted IPv4 text (no name look-up) into network byte order.
bool ParseIpv4(const char* text, std::uint32_t& networkOrderAddress);

// Reset: the peer took the connection and reset it before the connect was
// seen through (a router that hangs up at once).
enum class ConnectResult { Connected, Refused, TimedOut, Reset, Failed };

// Connects within `timeout`; a refused connection fails at once.
ConnectResult ConnectWithin(SocketHandle socket, std::uint32_t networkOrderAddress, int port,
                            std::chrono::milliseconds timeout);

bool SetReceiveTimeout(SocketHandle socket, std::chrono::milliseconds timeout);

enum class WaitResult { Ready, TimedOut, Failed };
WaitResult WaitReadable(SocketHandle socket, std::chrono::milliseconds timeout);

// One send call that never raises SIGPIPE; retries interrupted calls.
long SendSome(SocketHandle socket, const char* data, std::size_t length);
// One recv call; retries interrupted calls.
long ReceiveSome(SocketHandle socket, char* buffer, std::size_t length);

// Whether the socket call that just failed on this thread failed because the
// peer reset the connection.
bool LastFailureWasReset();
