#include "router_sim.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#ifdef __linux__
#include <sys/stat.h>
#endif

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>

#include "admin_site.h"
#include "connection.h"
#include "router_model.h"

namespace routersim {

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {

#ifdef __linux__
std::optional<std::pair<dev_t, ino_t>> networkNamespace(const char* path) {
    struct stat status = {};
    if (::stat(path, &status) != 0) return std::nullopt;
    return std::pair(status.st_dev, status.st_ino);
}

// Taken when the program starts, before any thread can have moved.
const auto startNamespace = networkNamespace("/proc/self/ns/net");
#endif

// The calling thread has entered a network namespace other than the one the
// program started in: one a test made for itself.
bool inEnteredNetworkNamespace() {
#ifdef __linux__
    const auto current = networkNamespace("/proc/thread-self/ns/net");
    return current && startNamespace && *current != *startNamespace;
#else
    return false;
#endif
}

}  // namespace

// Everything runs on one io thread; the mutex guards what the public methods
// read from other threads (model, records).
class RouterSim::Server final : public ConnectionHost {
public:
    explicit Server(Options options)
        : options_(std::move(options)), model_(options_), site_(options_), fault_(options_.fault) {}

    ~Server() { stop(); }

    bool start() {
        if (thread_.joinable()) return true;
        if (!isLoopbackAddress(options_.address) &&
            !(options_.inTestNamespace && inEnteredNetworkNamespace())) {
            return false;
        }
        boost::system::error_code error;
        endpoint_ = tcp::endpoint(asio::ip::make_address_v4(options_.address, error), options_.port);
        if (error || !openListener()) return false;
        io_.restart();
        work_.emplace(io_.get_executor());
        thread_ = std::thread([this] { io_.run(); });
        return true;
    }

    void stop() {
        if (!thread_.joinable()) return;
        // The io thread closes everything itself (no socket is touched from two
        // threads), then stops at once: no open connection can hold it up.
        asio::post(io_, [this] {
            closeEverything();
            io_.stop();
        });
        thread_.join();
        work_.reset();
    }

    uint16_t port() const { return port_.load(); }

    std::vector<std::string> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

    RouterState state() const {
        std::lock_guard lock(mutex_);
        return model_.snapshot(RouterModel::Clock::now());
    }

    bool waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
        std::unique_lock lock(mutex_);
        return requestsChanged_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
    }

    void setFault(Fault fault) { fault_.store(fault); }
    const Options& options() const { return options_; }

    Answer answer(const Connection& from, const HttpRequest& request, std::string raw, Fault fault) override {
        SiteRequest siteRequest{std::string(request.method_string()), std::string(request.target()),
                                std::string(request[boost::beast::http::field::authorization]),
                                request.body()};
        ReplyStyle style;
        style.keepAlive = fault == Fault::KeepAlive;
        style.http10Unauthorized = fault == Fault::Http10Unauthorized;
        style.pageSize = fault == Fault::Huge ? options_.hugeSize : 0;

        std::unique_lock lock(mutex_);
        SiteReply reply = site_.handle(siteRequest, model_, RouterModel::Clock::now(), style);
        // The listener goes before the request is on record: whoever waits for
        // the record must find the router already gone.
        if (reply.restart) beginRestart(from);
        requests_.push_back(std::move(raw));
        const std::size_t index = requests_.size() - 1;
        lock.unlock();
        requestsChanged_.notify_all();
        return {std::move(reply.bytes), reply.framed, index};
    }

    std::size_t record(std::string raw) override {
        std::unique_lock lock(mutex_);
        requests_.push_back(std::move(raw));
        const std::size_t index = requests_.size() - 1;
        lock.unlock();
        requestsChanged_.notify_all();
        return index;
    }

    void appendToRecord(std::size_t index, std::string_view bytes) override {
        std::lock_guard lock(mutex_);
        requests_.at(index).append(bytes);
    }

    std::chrono::milliseconds dripInterval() const override { return options_.dripInterval; }

private:
    bool openListener() {
        boost::system::error_code error;
        acceptor_.open(endpoint_.protocol(), error);
        if (!error) acceptor_.set_option(tcp::acceptor::reuse_address(true), error);
        if (!error) acceptor_.bind(endpoint_, error);
        if (!error) acceptor_.listen(asio::socket_base::max_listen_connections, error);
        if (error) {
            boost::system::error_code ignored;
            acceptor_.close(ignored);
            return false;
        }
        const uint16_t bound = acceptor_.local_endpoint(error).port();
        endpoint_.port(bound);  // a restart listens again on the very same port
        port_.store(bound);
        acceptNext();
        return true;
    }

    void acceptNext() {
        acceptor_.async_accept([this](const boost::system::error_code& error, tcp::socket socket) {
            if (error == asio::error::operation_aborted || !acceptor_.is_open()) return;
            if (!error) {
                auto connection = std::make_shared<Connection>(std::move(socket), *this, fault_.load());
                std::erase_if(connections_, [](const auto& weak) { return weak.expired(); });
                connections_.push_back(connection);
                connection->start();
            }
            acceptNext();
        });
    }

    void closeConnections(const Connection* spared = nullptr) {
        for (const auto& weak : connections_) {
            const auto connection = weak.lock();
            if (connection && connection.get() != spared) connection->close();
        }
    }

    // Called with the mutex held, on the io thread. The connection that asked
    // still gets its reply; every other one goes down with the reboot.
    void beginRestart(const Connection& requester) {
        model_.beginRestart();
        boost::system::error_code ignored;
        acceptor_.close(ignored);
        closeConnections(&requester);
        restartTimer_.expires_after(options_.restartTime);
        restartTimer_.async_wait([this](const boost::system::error_code& error) {
            if (!error) finishRestart();
        });
    }

    void finishRestart() {
        if (!openListener()) {
            // The port is busy for a moment (another process, a lingering socket): try again.
            restartTimer_.expires_after(std::chrono::milliseconds(50));
            restartTimer_.async_wait([this](const boost::system::error_code& error) {
                if (!error) finishRestart();
            });
            return;
        }
        std::lock_guard lock(mutex_);
        model_.finishRestart(RouterModel::Clock::now());
    }

    void closeEverything() {
        restartTimer_.cancel();
        boost::system::error_code ignored;
        acceptor_.close(ignored);
        closeConnections();
    }

    const Options options_;
    mutable std::mutex mutex_;
    mutable std::condition_variable requestsChanged_;
    RouterModel model_;
    const AdminSite site_;
    std::vector<std::string> requests_;
    std::atomic<Fault> fault_;
    std::atomic<uint16_t> port_{0};

    // Declared after what the connections call into, so pending handlers
    // (and the connections they own) are destroyed first.
    asio::io_context io_;
    std::optional<asio::executor_work_guard<asio::io_context::executor_type>> work_;
    tcp::acceptor acceptor_{io_};
    asio::steady_timer restartTimer_{io_};
    tcp::endpoint endpoint_;
    std::vector<std::weak_ptr<Connection>> connections_;
    std::thread thread_;
};

RouterSim::RouterSim(Options options) : server_(std::make_unique<Server>(std::move(options))) {}
RouterSim::~RouterSim() = default;

bool RouterSim::start() {
    return server_->start();
}
void RouterSim::stop() {
    server_->stop();
}
uint16_t RouterSim::port() const {
    return server_->port();
}
std::vector<std::string> RouterSim::requests() const {
    return server_->requests();
}
RouterState RouterSim::state() const {
    return server_->state();
}
bool RouterSim::waitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
    return server_->waitForRequests(count, timeout);
}
void RouterSim::setFault(Fault fault) {
    server_->setFault(fault);
}
const Options& RouterSim::options() const {
    return server_->options();
}

namespace {

constexpr std::pair<std::string_view, Fault> kFaultNames[] = {{"none", Fault::None},
                                                              {"silent", Fault::Silent},
                                                              {"reset", Fault::Reset},
                                                              {"drip", Fault::Drip},
                                                              {"drip-forever", Fault::DripForever},
                                                              {"keep-alive", Fault::KeepAlive},
                                                              {"huge", Fault::Huge},
                                                              {"garbage", Fault::Garbage},
                                                              {"http10-401", Fault::Http10Unauthorized}};

}  // namespace

bool parseFault(std::string_view name, Fault& out) {
    for (const auto& [text, fault] : kFaultNames) {
        if (text == name) {
            out = fault;
            return true;
        }
    }
    return false;
}

std::string_view faultName(Fault fault) {
    for (const auto& [text, value] : kFaultNames) {
        if (value == fault) return text;
    }
    return "none";
}

}  // namespace routersim
