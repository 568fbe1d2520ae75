#include "connection.h"

#include <utility>

#include <boost/asio/buffer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/http/error.hpp>

#include "admin_pages.h"
#include "http_reply.h"

namespace routersim {
namespace {

// A client that never closes after our reply is dropped after this long.
constexpr std::chrono::seconds kLingerLimit{2};
constexpr std::size_t kBodyLimit = 1 << 20;

}  // namespace

Connection::Connection(boost::asio::ip::tcp::socket socket, ConnectionHost& host, Fault fault)
    : socket_(std::move(socket)), timer_(socket_.get_executor()), host_(host), fault_(fault) {
    newParser();
}

void Connection::newParser() {
    parser_.emplace();
    parser_->eager(true);
    parser_->body_limit(kBodyLimit);
}

void Connection::start() {
    if (fault_ == Fault::Reset) {
        // Linger 0 turns the close into a RST.
        boost::system::error_code ignored;
        socket_.set_option(boost::asio::socket_base::linger(true, 0), ignored);
        close();
        return;
    }
    readMore();
}

void Connection::close() {
    if (closed_) return;
    closed_ = true;
    timer_.cancel();
    boost::system::error_code ignored;
    socket_.close(ignored);
}

// The only place that reads: one read is outstanding for the whole life of
// the connection, so bytes are recorded whatever else is going on.
void Connection::readMore() {
    if (closed_) return;
    socket_.async_read_some(boost::asio::buffer(readBuffer_),
                            [self = shared_from_this()](const boost::system::error_code& error,
                                                        std::size_t size) { self->onRead(error, size); });
}

void Connection::onRead(const boost::system::error_code& error, std::size_t size) {
    if (closed_) return;
    if (error) {
        onPeerClosed();
        return;
    }
    const std::string_view bytes(readBuffer_.data(), size);
    if (answered_ && fault_ != Fault::KeepAlive) {
        // One request per connection: whatever follows (a POST's CR LF) is part of it.
        host_.appendToRecord(*lastRecord_, bytes);
    } else {
        pending_.append(bytes);
        parsePending();
    }
    readMore();
}

void Connection::moveSeparatorsToLastRecord() {
    if (!lastRecord_ || !raw_.empty()) return;
    std::size_t count = pending_.find_first_not_of("\r\n");
    if (count == std::string::npos) count = pending_.size();
    if (count == 0) return;
    host_.appendToRecord(*lastRecord_, std::string_view(pending_).substr(0, count));
    pending_.erase(0, count);
}

void Connection::parsePending() {
    while (!closed_ && !replying_ && !(answered_ && fault_ != Fault::KeepAlive)) {
        // Between kept-alive requests: the CR LF after a POST body belongs to that POST.
        moveSeparatorsToLastRecord();
        if (pending_.empty()) return;
        boost::system::error_code error;
        const std::size_t used = parser_->put(boost::asio::buffer(pending_), error);
        raw_.append(pending_, 0, used);
        pending_.erase(0, used);
        if (error == boost::beast::http::error::need_more) return;
        if (error) {
            rejectMalformed();
            return;
        }
        if (!parser_->is_done()) return;
        onRequest();
    }
}

void Connection::onRequest() {
    HttpRequest request = parser_->release();
    newParser();
    answered_ = true;
    if (fault_ != Fault::KeepAlive) {
        raw_ += pending_;
        pending_.clear();
    }
    ConnectionHost::Answer answer = host_.answer(*this, request, std::exchange(raw_, {}), fault_);
    lastRecord_ = answer.recordIndex;
    respond(answer);
}

void Connection::rejectMalformed() {
    raw_ += std::exchange(pending_, {});
    answered_ = true;
    lastRecord_ = host_.record(std::exchange(raw_, {}));
    respond({formatReply(400, "Bad Request", badRequestPage(), {}), false, *lastRecord_});
}

void Connection::respond(const ConnectionHost::Answer& answer) {
    switch (fault_) {
        case Fault::Silent:
            return;  // never answers; reading goes on until the peer leaves or the router stops
        case Fault::Garbage:
            send(garbageBytes(), false);
            return;
        case Fault::Drip:
        case Fault::DripForever:
            replying_ = true;
            outgoing_ = fault_ == Fault::Drip ? answer.bytes : std::string();
            dripped_ = 0;
            dripNext();
            return;
        case Fault::KeepAlive:
            send(answer.bytes, answer.framed);
            return;
        default:
            send(answer.bytes, false);
            return;
    }
}

void Connection::send(std::string bytes, bool keepOpen) {
    replying_ = true;
    writing_ = true;
    outgoing_ = std::move(bytes);
    boost::asio::async_write(
        socket_, boost::asio::buffer(outgoing_),
        [self = shared_from_this(), keepOpen](const boost::system::error_code& error, std::size_t) {
            self->writing_ = false;
            if (self->closed_) return;
            if (error) {  // the poster hung up without reading: nothing to report
                self->close();
                return;
            }
            if (keepOpen && !self->peerClosed_) {
                self->replying_ = false;
                self->parsePending();
            } else {
                self->finish();
            }
        });
}

void Connection::dripNext() {
    if (closed_) return;
    const bool endless = fault_ == Fault::DripForever;
    if (!endless && dripped_ >= outgoing_.size()) {
        finish();
        return;
    }
    dripByte_ = endless ? endlessReplyByte(dripped_) : outgoing_[dripped_];
    writing_ = true;
    boost::asio::async_write(
        socket_, boost::asio::buffer(&dripByte_, 1),
        [self = shared_from_this()](const boost::system::error_code& error, std::size_t) {
            self->writing_ = false;
            if (self->closed_) return;
            if (error) {
                self->close();
                return;
            }
            ++self->dripped_;
            self->timer_.expires_after(self->host_.dripInterval());
            self->timer_.async_wait([self](const boost::system::error_code& waitError) {
                if (!waitError) self->dripNext();
            });
        });
}

void Connection::finish() {
    if (closed_) return;
    finished_ = true;
    if (peerClosed_) {
        close();
        return;
    }
    // Half-close and wait for the peer to close first: closing with its late
    // bytes unread would reset the connection and could destroy our reply.
    boost::system::error_code ignored;
    socket_.shutdown(boost::asio::socket_base::shutdown_send, ignored);
    timer_.expires_after(kLingerLimit);
    timer_.async_wait([self = shared_from_this()](const boost::system::error_code& error) {
        if (!error) self->close();
    });
}

void Connection::onPeerClosed() {
    peerClosed_ = true;
    moveSeparatorsToLastRecord();
    if (!raw_.empty() || !pending_.empty()) {
        // A request cut short is still something the router received.
        lastRecord_ = host_.record(std::exchange(raw_, {}) + std::exchange(pending_, {}));
    }
    // A reply on its way out is finished first; finish() then closes.
    if (replying_ && !finished_) return;
    close();
}

}  // namespace routersim
