// The wizard's set-up path without windows: the same tasks on the same worker
// hand-over, in the order the pages start them, with the stage texts and the
// outcome printed instead of shown.
#pragma once

#include <QString>
#include <QStringView>

#include "driver_options.h"
#include "qelvane_app.h"

class HeadlessSetup {
public:
    HeadlessSetup(CQelvaneApp& app, const DriverOptions& options);

    // 0 when the router ends up reporting a WAN address, 1 otherwise.
    int Run();

private:
    int RunTask(int task);
    int ChooseWanType(int detectResult);
    bool ApplySettings(int wanType);
    void WaitForWanAddress();
    void PrintWanStatus();

    QString Text(QStringView key) const;
    void Print(const QString& line);

    CQelvaneApp& app_;
    const DriverOptions& options_;
};

// True for a dotted address inside 127.0.0.0/8, the only router this
// program may talk to.
bool IsLoopbackRouterAddress(const std::string& address);
