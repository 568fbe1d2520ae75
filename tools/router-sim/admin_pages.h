// The HTML of the router's administration pages. The status and MAC pages
// carry their values as script variables, spelled and spaced exactly as the
// router-control library's patterns expect them.
#pragma once

#include <string>
#include <string_view>

#include "router_sim.h"

namespace routersim {

std::string mainPage(const RouterState& state);
std::string systemStatusPage(const RouterState& state, std::string_view lanAddress);
std::string macClonePage(const RouterState& state);

// What a form handler answers: a page that sends the browser on to `target`.
std::string redirectPage(std::string_view target);
std::string unauthorizedPage();
std::string notFoundPage(std::string_view path);
std::string badRequestPage();

}  // namespace routersim
