// A loopback listener that answers every connection with the same scripted
// bytes, for transport cases the simulated router has no mode for (zero bytes
// inside blocks, chunked keep-alive replies, exact pauses).
#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class ScriptedPeer {
public:
    struct Chunk {
        std::string bytes;
        std::chrono::milliseconds pauseBefore{0};
    };
    struct Script {
        std::vector<Chunk> reply;
        bool closeAfterReply = true;  // false: keep the connection open until the client leaves
        // Set: read nothing, hang up this long after accepting (the client may be mid-send).
        std::optional<std::chrono::milliseconds> hangUpUnreadAfter;
    };

    explicit ScriptedPeer(Script script);
    // Answers every request with `reply`, then closes or keeps the connection open.
    static Script Replying(std::vector<Chunk> reply, bool keepOpen = false) {
        Script script;
        script.reply = std::move(reply);
        script.closeAfterReply = !keepOpen;
        return script;
    }
    static Script HangingUpUnread(std::chrono::milliseconds after) {
        Script script;
        script.hangUpUnreadAfter = after;
        return script;
    }
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    bool ok() const { return listener_ >= 0; }
    int port() const { return port_; }

private:
    void Serve();
    void Answer(int client);
    bool PauseUnlessStopping(std::chrono::milliseconds pause);

    Script script_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};
