#include "reply_completeness.h"

#include <boost/beast/core/error.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/asio/buffer.hpp>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

namespace {

namespace http = boost::beast::http;

// Only the framing matters here; the reply text itself is kept elsewhere.
struct DiscardedBody {
    struct value_type {};

    struct reader {
        template <bool isRequest, class Fields>
        reader(http::header<isRequest, Fields>&, value_type&) {}
        void init(const boost::optional<std::uint64_t>&, boost::beast::error_code& ec) { ec = {}; }
        template <class ConstBufferSequence>
        std::size_t put(const ConstBufferSequence& buffers, boost::beast::error_code& ec) {
            ec = {};
            return boost::asio::buffer_size(buffers);
        }
        void finish(boost::beast::error_code& ec) { ec = {}; }
    };
};

using ResponseParser = http::response_parser<DiscardedBody>;

enum class Phase { Parsing, Complete, Unframed };

}  // namespace

struct ReplyCompleteness::State {
    std::uint64_t bodyLimit;
    std::optional<ResponseParser> parser;
    std::string unparsed;
    Phase phase = Phase::Parsing;
    bool keepsConnectionOpen = false;

    void StartResponse() {
        parser.emplace();
        parser->eager(true);
        parser->body_limit(bodyLimit);
        parser->header_limit(static_cast<std::uint32_t>(
            std::min<std::uint64_t>(bodyLimit, std::numeric_limits<std::uint32_t>::max())));
    }

    void Parse() {
        while (phase == Phase::Parsing && !unparsed.empty()) {
            boost::beast::error_code ec;
            const std::size_t used = parser->put(boost::asio::buffer(unparsed), ec);
            unparsed.erase(0, used);
            if (ec == http::error::need_more) return;
            if (ec) {
                phase = Phase::Unframed;
            } else if (parser->is_done()) {
                const unsigned status = parser->get().result_int();
                // An interim 1xx answer is followed by the real one.
                if (http::to_status_class(status) == http::status_class::informational &&
                    status != static_cast<unsigned>(http::status::switching_protocols)) {
                    StartResponse();
                } else {
                    phase = Phase::Complete;
                    keepsConnectionOpen = parser->keep_alive();
                }
            } else if (used == 0) {
                return;
            }
        }
        if (phase != Phase::Parsing) unparsed.clear();
    }
};

ReplyCompleteness::ReplyCompleteness(std::uint64_t bodyLimit) : state_(new State{bodyLimit, {}, {}}) {
    state_->StartResponse();
}

ReplyCompleteness::~ReplyCompleteness() = default;

bool ReplyCompleteness::Feed(std::string_view bytes) {
    if (state_->phase == Phase::Parsing) {
        state_->unparsed.append(bytes);
        state_->Parse();
    }
    return state_->phase == Phase::Complete;
}

bool ReplyCompleteness::KeepsConnectionOpen() const {
    return state_->phase == Phase::Complete && state_->keepsConnectionOpen;
}
