// What the router stores and how its WAN link behaves, without any sockets.
// Time is passed in, so the link timing is a pure function of the calls.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "form_body.h"
#include "router_sim.h"

namespace routersim {

class RouterModel {
public:
    using Clock = std::chrono::steady_clock;

    explicit RouterModel(const Options& options);

    // "/goform/WizardHandle": new WAN settings drop the link; a router told to
    // connect before redials with them. A form without a known WANT is ignored.
    void applyWanSettings(const FormFields& form, Clock::time_point now);
    // "/goform/SysStatusHandle" CMD=WAN_CON.
    void requestConnect(Clock::time_point now);
    void applyWirelessBasic(const FormFields& form);
    void applySecurity(const FormFields& form);
    // "/goform/AdvSetMacClone"; true when the form asks for a restart (rebootTag=1).
    bool applyMacClone(const FormFields& form);

    void beginRestart();
    // Back from a restart: the cloned address takes effect and the WAN redials.
    void finishRestart(Clock::time_point now);

    void rememberForm(const std::string& path, const FormFields& form, const std::string& raw);
    RouterState snapshot(Clock::time_point now) const;

private:
    bool linkAcceptable() const;
    bool ispAccountMatches(const std::string& user, const std::string& password) const;
    void scheduleLink(Clock::time_point now);

    std::string ispUser_, ispPassword_;
    Clock::duration linkDelay_;
    RouterState stored_;                         // the derived link fields are filled in by snapshot()
    std::optional<Clock::time_point> linkUpAt_;  // empty: down and not coming up
};

}  // namespace routersim
