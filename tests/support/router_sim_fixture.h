// RAII wrapper that runs a simulated router on 127.0.0.1 and an ephemeral
// port for the length of a test:
//
//   ScopedRouterSim router(options);
//   ASSERT_TRUE(router.ok());
//   ... talk to 127.0.0.1:router.port() ...
//   router->waitForRequests(1, 2s); router->state() ...
#pragma once

#include <cstdint>
#include <utility>

#include "router_sim.h"

class ScopedRouterSim {
public:
    explicit ScopedRouterSim(routersim::Options options = {}) : router_(loopbackOnly(std::move(options))) {
        started_ = router_.start();
    }
    ~ScopedRouterSim() { router_.stop(); }
    ScopedRouterSim(const ScopedRouterSim&) = delete;
    ScopedRouterSim& operator=(const ScopedRouterSim&) = delete;

    bool ok() const { return started_; }
    uint16_t port() const { return router_.port(); }
    routersim::RouterSim* operator->() { return &router_; }
    const routersim::RouterSim* operator->() const { return &router_; }
    routersim::RouterSim& operator*() { return router_; }

private:
    static routersim::Options loopbackOnly(routersim::Options options) {
        options.address = "127.0.0.1";
        options.port = 0;
        return options;
    }

    routersim::RouterSim router_;
    bool started_ = false;
};
