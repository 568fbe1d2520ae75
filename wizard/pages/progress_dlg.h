// The small modal window every set-up task runs behind: an animation and a
// one-line stage text while a SetupWorker runs the task's script, closing by
// itself when the worker reports. The starter reads `result` afterwards.
#pragma once

#include "adapter_reset.h"
#include "image_dialog.h"
#include "pause_function.h"

#include <QBasicTimer>
#include <QImage>
#include <QRegion>
#include <QSize>

#include <array>
#include <chrono>
#include <memory>
#include <utility>

class CQelvaneApp;
class SetupWorker;

inline constexpr int kProgressTemplateId = 135;
// The animation's period and the tick from which it stops and, once the task
// is done, ends the window if the close has not (about 29.7 minutes).
inline constexpr std::chrono::milliseconds kProgressTimerPeriod{500};
inline constexpr int kProgressSafetyTick = 3567;
inline constexpr int kProgressFrameCount = 5;

// The window's outline: a rectangle of size with rounded corners whose
// ellipses are cornerWidth x cornerHeight.
QRegion RoundRectRegion(const QSize& size, int cornerWidth, int cornerHeight);

class CProgressDlg : public CImageDialog {
    Q_OBJECT

public:
    CProgressDlg(int task, CQelvaneApp& app, PauseFunction pause = SleepFor, QWidget* parent = nullptr);
    // Waits for a worker that is still running: it uses the application's
    // records and control object until it ends.
    ~CProgressDlg() override;

    // Puts the task's stage text into the label (empty for an unknown task).
    void ShowStageText();

    // The worker's report: keeps its result, stops the animation and closes
    // the window. Only the first report counts. Always 0.
    int FinishTask(int taskResult);

    // Replaces the tools the link task's adapter reset runs; before Create.
    void SetCommandRunner(CAdapterReset::CommandRunner runner) { commandRunner_ = std::move(runner); }

    // True once the worker has ended its script (it may not have reported yet).
    bool IsDone() const;
    bool IsAnimating() const { return animationTimer_.isActive(); }
    // The frame on show, 1 to 5.
    int CurrentFrame() const { return currentFrame_; }

    const int task;
    // The task's result code; meaningful once the window has closed.
    int result = 0;
    // Animation ticks so far.
    int tick = 0;

protected:
    bool OnInitDialog() override;
    // One animation tick: the next frame, and the safety ending.
    virtual void OnTimer();
    // The close box, Alt+F4 and any other close request end the window only
    // once the task is over: the worker still uses what the starter reads.
    void OnOK() override;
    void OnCancel() override;

    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool TaskRunning() const;
    // False while the task runs; otherwise takes the worker's result if it
    // has not reported yet and stops the animation.
    bool EndsTask();
    void ShowFrame(int frame);

    CQelvaneApp& app_;
    const PauseFunction pause_;
    CAdapterReset::CommandRunner commandRunner_;
    std::array<QImage, kProgressFrameCount> frames_;
    int currentFrame_ = 1;
    QBasicTimer animationTimer_;
    std::unique_ptr<SetupWorker> worker_;
    bool reported_ = false;
};

// Runs task behind a progress window without parent and returns its result
// once the window has closed.
// commandRunner, when set, runs the adapter reset's tools instead of the
// system (tests must never reconfigure the PC they run on).
int RunTask(int task, CQelvaneApp& app, const PauseFunction& pause = SleepFor,
            const CAdapterReset::CommandRunner& commandRunner = {});
