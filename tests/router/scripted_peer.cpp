#include "scripted_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr int kPollStep = 20;  // ms between looks at the stop flag

// Consumes one request: the header block, then Content-Length bytes and the CR LF after them.
void ConsumeRequest(int client, const std::atomic<bool>& stopping) {
    std::string request;
    std::size_t wanted = std::string::npos;
    char buffer[4096];
    while (!stopping && request.size() < wanted) {
        pollfd entry{client, POLLIN, 0};
        if (::poll(&entry, 1, kPollStep) <= 0) continue;
        const ssize_t count = ::recv(client, buffer, sizeof buffer, 0);
        if (count <= 0) break;
        request.append(buffer, static_cast<std::size_t>(count));
        const auto headerEnd = request.find("\r\n\r\n");
        if (wanted == std::string::npos && headerEnd != std::string::npos) {
            const auto length = request.find("Content-Length: ");
            wanted = headerEnd + 4;
            if (length != std::string::npos && length < headerEnd)
                wanted += std::strtoul(request.c_str() + length + 16, nullptr, 10) + 2;
        }
    }
}

}  // namespace

ScriptedPeer::ScriptedPeer(Script script) : script_(std::move(script)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener_ >= 0) ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

ScriptedPeer::~ScriptedPeer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ >= 0) ::close(listener_);
}

bool ScriptedPeer::PauseUnlessStopping(std::chrono::milliseconds pause) {
    const auto end = std::chrono::steady_clock::now() + pause;
    while (!stopping_ && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !stopping_;
}

void ScriptedPeer::Serve() {
    while (!stopping_) {
        pollfd entry{listener_, POLLIN, 0};
        if (::poll(&entry, 1, kPollStep) <= 0) continue;
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        Answer(client);
        ::close(client);
    }
}

void ScriptedPeer::Answer(int client) {
    if (script_.hangUpUnreadAfter) {
        PauseUnlessStopping(*script_.hangUpUnreadAfter);
        return;
    }
    ConsumeRequest(client, stopping_);
    for (const Chunk& chunk : script_.reply) {
        if (!PauseUnlessStopping(chunk.pauseBefore)) return;
        if (::send(client, chunk.bytes.data(), chunk.bytes.size(), MSG_NOSIGNAL) < 0) return;
    }
    if (script_.closeAfterReply) return;
    // Keep-alive: hold the connection until the client closes it.
    char byte;
    while (!stopping_) {
        pollfd entry{client, POLLIN, 0};
        if (::poll(&entry, 1, kPollStep) > 0 && ::recv(client, &byte, 1, 0) <= 0) return;
    }
}
