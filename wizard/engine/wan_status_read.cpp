#include "wan_status_read.h"

WanStatusRead ReadRouterWanStatus(CDLLObject& object, const RouterInfo& login, WanStatus& status,
                                  const std::function<void()>& settle,
                                  const std::function<bool()>& cancelled) {
    const auto stop = [&cancelled] { return cancelled && cancelled(); };
    WanStatusRead read;
    read.answered = object.ReadWanStatus(login.address, kRouterPort, login.user, login.password) >= 1;
    if (!read.answered && !stop()) {
        read.answered = object.ReadWanStatus(login.address, kRouterPort, login.user, login.password) >= 1;
    }
    if (stop()) {
        return read;
    }
    if (settle) {
        settle();
        if (stop()) {
            return read;
        }
    }
    object.GetWanStatus(status);
    read.completed = true;
    return read;
}
