#include "setup_worker.h"

#include <QMetaObject>

#include <system_error>
#include <utility>

#include "language_keys.h"
#include "setup_tasks.h"

QStringView StageTextKey(int task) {
    switch (task) {
        case TASK_LINK:
            return lang::kPrgLink;
        case TASK_AUTO:
            return lang::kPrgAuto;
        case TASK_CHECK:
            return lang::kPrgCheck;
        case TASK_SAVE:
            return lang::kPrgSave;
        case TASK_REBOOT:
            return lang::kPrgReboot;
        case TASK_RESTORE:
            return lang::kPrgRestore;
        default:
            return {};
    }
}

SetupWorker::SetupWorker(int task, CDLLObject* object, SettingsRecords& records, PauseFunction pause,
                         QObject* parent)
    : QObject(parent), task_(task), object_(object), records_(records), pause_(std::move(pause)) {}

SetupWorker::~SetupWorker() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

void SetupWorker::SetCommandRunner(CAdapterReset::CommandRunner runner) {
    adapters_.emplace(std::move(runner));
}

void SetupWorker::SetAdapterReset(CAdapterReset adapters) {
    adapters_ = std::move(adapters);
}

bool SetupWorker::Start() {
    if (worker_.joinable() || IsDone()) {
        return false;
    }
    try {
        worker_ = std::thread(&SetupWorker::RunScript, this);
    } catch (const std::system_error&) {
        Complete(kWorkerNotStartedResult);
        return false;
    }
    return true;
}

void SetupWorker::RunScript() {
    CAdapterReset adapters = adapters_ ? *adapters_ : CAdapterReset();
    Complete(RunSetupScript(task_, object_, records_, pause_, adapters));
}

void SetupWorker::Complete(int taskResult) {
    result.store(taskResult);
    done.store(1);
    // A call posted to this object: it runs on the owner's thread, and is
    // dropped with the object if the owner is gone by then (the destructor
    // joins first, so the worker never posts to a dead object). The worker
    // touches nothing of this object's connections, which the owner's thread
    // may be changing meanwhile.
    QMetaObject::invokeMethod(this, "DeliverResult", Qt::QueuedConnection);
}

void SetupWorker::DeliverResult() {
    emit Finished(result.load());
}
