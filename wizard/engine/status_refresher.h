// Reads the router's WAN status for the result page on a worker thread of its
// own, so the window stays responsive through the exchange and the wait that
// follows it. The worker gets copies of everything it needs, never touches a
// window or the application's records, and hands its reading back to the
// thread that owns this object (the GUI thread) by a queued call.
#pragma once

#include <QObject>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "dll_object.h"
#include "pause_function.h"
#include "wan_status_read.h"

inline constexpr int kStatusReadPauseMs = static_cast<int>(kWanStatusSettle.count());

class StatusRefresher : public QObject {
    Q_OBJECT

public:
    explicit StatusRefresher(QObject* parent = nullptr);
    // Stops a running read after the router call in progress and waits for
    // it: the worker uses the control object, which the program frees once
    // the windows are gone.
    ~StatusRefresher() override;

    StatusRefresher(const StatusRefresher&) = delete;
    StatusRefresher& operator=(const StatusRefresher&) = delete;

    // How the worker waits between the read and the fetch (tests shorten it).
    // Unset, the wait is kStatusReadPauseMs and ends early when the read is
    // cancelled. Takes effect from the next Start.
    void SetPause(PauseFunction pause);

    // Starts one read: ReadWanStatus with the login (once more when it gives
    // less than 1), the pause, then GetWanStatus. False when a read is still
    // running, object is null or no thread could be made; nothing is
    // delivered then. object must stay valid until Finished or Cancel.
    bool Start(CDLLObject* object, const RouterInfo& login);

    bool IsRunning() const { return worker_.joinable(); }

    // Ends a running read as soon as its router call returns and waits for
    // it; its values are dropped and Finished does not follow.
    void Cancel();

    // The values GetWanStatus handed back (the five WAN fields), valid from
    // Finished until the next Start.
    const WanStatus& Reading() const { return reading_; }

signals:
    // On the owner's thread, after the worker has ended.
    void Finished();

private slots:
    void DeliverReading(int generation);

private:
    void Run(CDLLObject* object, RouterInfo login, PauseFunction pause, int generation);
    void WaitUnlessCancelled(int milliseconds);
    bool IsCancelled();
    void JoinWorker();

    PauseFunction pause_;
    int generation_ = 0;  // tells a late delivery of a cancelled read from the current one
    WanStatus reading_;   // the worker's until it is joined
    std::mutex mutex_;
    std::condition_variable wake_;
    bool cancelled_ = false;  // guarded by mutex_
    std::thread worker_;
};
