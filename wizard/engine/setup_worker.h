// Runs one set-up task on a worker thread of its own and hands the result back
// to the thread that owns this object (the progress window's, the GUI thread)
// by a queued signal. The window only starts it, animates while it runs and
// closes on Finished; the worker never touches a window.
#pragma once

#include <QObject>
#include <QStringView>

#include <atomic>
#include <optional>
#include <thread>

#include "adapter_reset.h"
#include "dll_object.h"
#include "pause_function.h"
#include "settings_records.h"

// The language key of a task's stage text; empty for an unknown task, which
// the window then shows without a lookup.
QStringView StageTextKey(int task);

// Result delivered when no worker thread could be created.
inline constexpr int kWorkerNotStartedResult = -1;

class SetupWorker : public QObject {
    Q_OBJECT

public:
    // `object` and `records` must outlive this object; the owner must not
    // touch them between Start() and Finished.
    SetupWorker(int task, CDLLObject* object, SettingsRecords& records, PauseFunction pause = SleepFor,
                QObject* parent = nullptr);
    // Waits for a running script: it uses the records and this object.
    ~SetupWorker() override;

    SetupWorker(const SetupWorker&) = delete;
    SetupWorker& operator=(const SetupWorker&) = delete;

    // Replaces the tools the adapter reset runs (tests record them instead).
    void SetCommandRunner(CAdapterReset::CommandRunner runner);
    // Replaces the whole adapter reset of the link task (the headless driver
    // leaves the PC's adapters alone unless asked).
    void SetAdapterReset(CAdapterReset adapters);

    // Starts the script once. False when it was started before or no thread
    // could be created; in the latter case Finished still arrives, with
    // kWorkerNotStartedResult, so a waiting window always closes.
    bool Start();

    int task() const { return task_; }
    bool IsDone() const { return done.load() != 0; }
    // Meaningful once done; see RunSetupScript for the values per task.
    int Result() const { return result.load(); }

signals:
    // Emitted on this object's thread after the worker has ended its script.
    void Finished(int result);

private slots:
    void DeliverResult();

private:
    void RunScript();
    void Complete(int taskResult);

    const int task_;
    CDLLObject* const object_;
    SettingsRecords& records_;
    const PauseFunction pause_;
    // Empty: the real reset, made on the worker thread.
    std::optional<CAdapterReset> adapters_;
    std::atomic<int> done{0};
    std::atomic<int> result{0};
    std::thread worker_;
};
