// A socket that closes itself: the one owner of an open handle, so every way
// out of an exchange (early return, exception, the object's end) closes it.
#pragma once

#include "socket_platform.h"

#include <utility>

class OwnedSocket {
public:
    OwnedSocket() = default;
    explicit OwnedSocket(SocketHandle handle) : handle_(handle) {}
    ~OwnedSocket() { Close(); }
    OwnedSocket(OwnedSocket&& other) noexcept : handle_(std::exchange(other.handle_, kNoSocket)) {}
    OwnedSocket& operator=(OwnedSocket&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, kNoSocket);
        }
        return *this;
    }
    OwnedSocket(const OwnedSocket&) = delete;
    OwnedSocket& operator=(const OwnedSocket&) = delete;

    SocketHandle get() const { return handle_; }
    bool IsOpen() const { return handle_ != kNoSocket; }

    void Close() noexcept {
        if (handle_ != kNoSocket) CloseSocket(std::exchange(handle_, kNoSocket));
    }

private:
    SocketHandle handle_ = kNoSocket;
};
