// The result page (index 12): what was set up and what the router reports
// for its WAN side, polled every two seconds from the moment the page is
// first shown or hidden until the router reports a WAN address, and read
// again on Refresh.
//
// A read runs on StatusRefresher's worker, so the window never freezes for
// the exchange and the wait after it. At most one read is in flight: a poll
// tick or a Refresh click while one runs is dropped, since the reading that
// arrives shortly is just as fresh. The reading is written into the
// application's wanStatus and shown on the GUI thread.
#pragma once

#include "pause_function.h"
#include "wizard_page.h"

#include <QTimer>

#include <memory>

class StatusRefresher;

inline constexpr int kResultPollPeriodMs = 2000;

class CResultDlg : public CWizardPage {
    Q_OBJECT

public:
    explicit CResultDlg(WizardHost& host, QWidget* parent = nullptr);
    // Waits for a running read (which is cut short after its router call).
    ~CResultDlg() override;

    // The eleven fields from the application's wanStatus.
    void FillResultFields();
    // Starts a read unless one is running or there is no control object.
    void RefreshResult();

    // Stops polling and waits for a running read, whose values are dropped:
    // for whoever is about to use the control object from another thread.
    void StopPolling();

    bool IsPolling() const { return pollTimer_.isActive(); }
    bool IsReading() const;

    // Tests shorten these; the program keeps kResultPollPeriodMs and the
    // refresher's own wait of kStatusReadPauseMs.
    void SetPollPeriod(int milliseconds) { pollPeriod_ = milliseconds; }
    void SetReadPause(PauseFunction pause);

protected:
    void StylePage() override;
    void AfterTranslation() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void StartRead(bool fromPollTimer);
    void OnReadFinished();
    void RestartPolling();
    void SetField(int id, const QString& text);

    std::unique_ptr<StatusRefresher> refresher_;
    QTimer pollTimer_;
    int pollPeriod_ = kResultPollPeriodMs;
    bool readFromPollTimer_ = false;
};
