// One accepted TCP connection: collects the raw bytes, parses requests with
// Beast's parser, and writes the answer the way the current fault mode asks
// (normally: one request, one reply, then close).
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

#include "router_sim.h"

namespace routersim {

using HttpRequest = boost::beast::http::request<boost::beast::http::string_body>;
class Connection;

// What a connection needs from the server. Called on the server's thread only.
class ConnectionHost {
public:
    struct Answer {
        std::string bytes;
        bool framed = true;  // false: a bare answer, the connection closes after it
        std::size_t recordIndex = 0;
    };

    // Handles a complete request that arrived on `from` and records `raw` as received.
    virtual Answer answer(const Connection& from, const HttpRequest& request, std::string raw,
                          Fault fault) = 0;
    // Records bytes that never made a valid request; returns the record's index.
    virtual std::size_t record(std::string raw) = 0;
    // Bytes that arrive after a request (a POST's trailing CR LF) belong to it.
    virtual void appendToRecord(std::size_t index, std::string_view bytes) = 0;
    virtual std::chrono::milliseconds dripInterval() const = 0;

protected:
    ~ConnectionHost() = default;
};

class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(boost::asio::ip::tcp::socket socket, ConnectionHost& host, Fault fault);

    void start();
    void close();  // drops the connection at once (stop, restart)

private:
    using Parser = boost::beast::http::request_parser<boost::beast::http::string_body>;

    void readMore();
    void onRead(const boost::system::error_code& error, std::size_t size);
    void parsePending();
    void onRequest();
    void rejectMalformed();
    void respond(const ConnectionHost::Answer& answer);
    void send(std::string bytes, bool keepOpen);
    void dripNext();
    void finish();
    void onPeerClosed();
    void newParser();
    void moveSeparatorsToLastRecord();

    boost::asio::ip::tcp::socket socket_;
    boost::asio::steady_timer timer_;
    ConnectionHost& host_;
    const Fault fault_;

    std::array<char, 4096> readBuffer_{};
    std::string pending_;  // received, not yet given to the parser
    std::string raw_;      // bytes of the request being parsed
    std::optional<Parser> parser_;
    std::optional<std::size_t> lastRecord_;

    std::string outgoing_;
    char dripByte_ = 0;
    std::size_t dripped_ = 0;
    bool answered_ = false;  // a request is handled; without keep-alive later bytes only go to its record
    bool replying_ = false;  // a reply is on its way out
    bool writing_ = false;
    bool peerClosed_ = false;
    bool finished_ = false;  // our reply is out; waiting for the peer's close
    bool closed_ = false;
};

}  // namespace routersim
