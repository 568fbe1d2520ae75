// The router's web administration without any socket: authorisation, the
// pages, the detection handler and the form handlers. Callers serialise calls.
#pragma once

#include <cstddef>
#include <string>

#include "router_model.h"
#include "router_sim.h"

namespace routersim {

struct SiteRequest {
    std::string method;         // "GET", "POST" ...
    std::string target;         // path, possibly with a query
    std::string authorization;  // the Authorization header value, empty when absent
    std::string body;
};

struct ReplyStyle {
    bool keepAlive = false;           // the keep-alive fault: replies keep the connection
    bool http10Unauthorized = false;  // every reply is "HTTP/1.0 401 Unauthorized"
    std::size_t pageSize = 0;         // pages padded to this many bytes (the huge fault); 0 leaves them
};

struct SiteReply {
    std::string bytes;
    bool framed = true;    // false: a bare answer with no status line, always followed by a close
    bool restart = false;  // the form asked the router to restart
};

class AdminSite {
public:
    explicit AdminSite(const Options& options);

    SiteReply handle(const SiteRequest& request, RouterModel& model, RouterModel::Clock::time_point now,
                     const ReplyStyle& style) const;

private:
    SiteReply page(const std::string& path, const RouterState& state, const ReplyStyle& style) const;
    SiteReply form(const std::string& path, const std::string& rawForm, RouterModel& model,
                   RouterModel::Clock::time_point now, const ReplyStyle& style) const;

    std::string expectedCredentials_;
    std::string lanAddress_;
    char detectedMode_;
};

}  // namespace routersim
