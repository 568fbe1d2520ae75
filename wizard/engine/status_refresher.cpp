#include "status_refresher.h"

#include <QMetaObject>

#include <chrono>
#include <system_error>
#include <utility>

#include "settings_records.h"
#include "wan_status_read.h"

StatusRefresher::StatusRefresher(QObject* parent) : QObject(parent) {}

StatusRefresher::~StatusRefresher() {
    Cancel();
}

void StatusRefresher::SetPause(PauseFunction pause) {
    pause_ = std::move(pause);
}

bool StatusRefresher::Start(CDLLObject* object, const RouterInfo& login) {
    if (object == nullptr || worker_.joinable()) {
        return false;
    }
    reading_ = WanStatus{};
    ++generation_;
    try {
        worker_ = std::thread(&StatusRefresher::Run, this, object, login, pause_, generation_);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void StatusRefresher::Cancel() {
    if (!worker_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    wake_.notify_all();
    JoinWorker();
}

void StatusRefresher::Run(CDLLObject* object, RouterInfo login, PauseFunction pause, int generation) {
    const auto settle = [this, &pause] {
        if (pause) {
            pause(std::chrono::milliseconds(kStatusReadPauseMs));
        } else {
            WaitUnlessCancelled(kStatusReadPauseMs);
        }
    };
    if (!ReadRouterWanStatus(*object, login, reading_, settle, [this] { return IsCancelled(); }).completed) {
        return;
    }
    // Posted to this object, so it runs on the owner's thread; a delivery
    // still queued when this object goes is dropped with it, and one that
    // outlived a Cancel carries an old generation.
    QMetaObject::invokeMethod(this, "DeliverReading", Qt::QueuedConnection, Q_ARG(int, generation));
}

void StatusRefresher::WaitUnlessCancelled(int milliseconds) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return cancelled_; });
}

bool StatusRefresher::IsCancelled() {
    const std::lock_guard lock(mutex_);
    return cancelled_;
}

void StatusRefresher::JoinWorker() {
    worker_.join();
    const std::lock_guard lock(mutex_);
    cancelled_ = false;
}

void StatusRefresher::DeliverReading(int generation) {
    if (generation != generation_ || !worker_.joinable()) {
        return;
    }
    // The worker's last step was posting this call, so the join is immediate,
    // and after it the reading is ours.
    JoinWorker();
    emit Finished();
}
