// The result page (index 12): what was set up and what the router reports
// for its WAN side, polled every two seconds from the moment the page is
// first shown or hidden until the router reports a WAN address, and read
// again on Refresh.
//
// A read runs on StatusRefresher's worker, so the window never freezes for
// the exchange and the wait after it. At most one read is in flight. A read
// lasts about as long as the poll period, so most ticks fall during one: such
// a tick is kept and starts the next read the moment the running one ends
// (dropping it would halve the polling rate). A Refresh click during a read
// is dropped, since the reading that arrives shortly is just as fresh. The
// reading is written into the application's wanStatus and shown on the GUI
// thread; while a read runs the wait cursor shows wherever the pointer is.
#pragma once

#include "no_address_causes.h"
#include "pause_function.h"
#include "wizard_page.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <memory>

class StatusRefresher;

inline constexpr std::chrono::milliseconds kResultPollPeriod{2000};
// How long the page polls without a WAN address before it says what it
// knows of the likely cause, instead of polling in silence.
inline constexpr std::chrono::milliseconds kNoAddressCauseDelay = std::chrono::minutes(3);

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

    // Tests shorten these; the program keeps kResultPollPeriod and the
    // refresher's own wait of kStatusReadPauseMs.
    void SetPollPeriod(std::chrono::milliseconds period) { pollPeriod_ = period; }
    void SetReadPause(PauseFunction pause);
    void SetNoAddressCauseDelay(std::chrono::milliseconds delay) { causeDelay_ = delay; }

    // The summary of what was set, with the join code, as a PDF at path
    // (what "Save summary..." writes once a file is chosen).
    bool SaveSummaryTo(const QString& path);

protected:
    void StylePage() override;
    void AfterTranslation() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OnPollTick();
    // The join code and the summary button, for a save the router confirmed.
    void ShowJoinCode();
    void OnSaveSummary();
    void StartRead(bool fromPollTimer);
    void OnReadFinished();
    void RestartPolling();
    void SetField(int id, const QString& text);
    // A row's caption and value on one baseline; 0 for every row.
    void AlignRowBaselines(int fieldId);
    void ShowWaitCursor(bool show);
    // The status note names the likely causes once the address is overdue,
    // and reads as before once an address comes.
    void UpdateStatusNote();
    NoAddressFindings CurrentFindings();

    std::unique_ptr<StatusRefresher> refresher_;
    // A child of the page, so that tests can reach it and drive its ticks.
    QTimer pollTimer_{this};
    std::chrono::milliseconds pollPeriod_ = kResultPollPeriod;
    bool readFromPollTimer_ = false;
    bool tickDuringRead_ = false;
    bool waitCursorShown_ = false;     // the application override this page set
    QElapsedTimer waitingForAddress_;  // since the page was first shown
    std::chrono::milliseconds causeDelay_ = kNoAddressCauseDelay;
    bool statusAnswered_ = false;  // a read brought back any status at all
    bool causesShown_ = false;
};
