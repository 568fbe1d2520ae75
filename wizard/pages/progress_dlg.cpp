#include "progress_dlg.h"

#include "dialog_template.h"
#include "format_string.h"
#include "hw_static.h"
#include "language_keys.h"
#include "qelvane_app.h"
#include "setup_worker.h"
#include "skin_images.h"
#include "skin_path.h"

#include <QMetaObject>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QTimerEvent>

namespace {

constexpr int kIdStageText = 1173;
constexpr int kCornerSize = 15;
// The deep blue of the frames' top bar.
const QColor kEdgeColour(0x1F, 0x5F, 0xA8);

constexpr ControlTemplate kProgressControls[] = {
    {kIdStageText, ControlKind::Static, lang::kProgressCaptions[0], 62, 8, 178, 36},
};

constexpr DialogTemplate kProgressTemplate{kProgressTemplateId, 302, 80, false, kProgressControls};

}  // namespace

QRegion RoundRectRegion(const QSize& size, int cornerWidth, int cornerHeight) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, size.width(), size.height()), cornerWidth / 2.0, cornerHeight / 2.0);
    return QRegion(outline.toFillPolygon().toPolygon());
}

CProgressDlg::CProgressDlg(int task, CQelvaneApp& app, PauseFunction pause, QWidget* parent)
    : CImageDialog(kProgressTemplateId, parent), task(task), app_(app), pause_(std::move(pause)) {
    RegisterDialogTemplate(kProgressTemplate);
    // The window has no buttons: neither key may end it.
    SetDiscardEnterEscape(true);
}

CProgressDlg::~CProgressDlg() {
    // Joins the worker while this window is still whole; its queued report
    // is dropped with it.
    worker_.reset();
}

bool CProgressDlg::IsDone() const {
    return worker_ != nullptr && worker_->IsDone();
}

bool CProgressDlg::OnInitDialog() {
    CImageDialog::OnInitDialog();
    SetKeepRegion(true);
    SetTransparentStatics(true);
    for (int frame = 1; frame <= kProgressFrameCount; ++frame) {
        frames_[frame - 1] =
            LoadSkinImage(SkinFilePath(app_.ProgramDir(), FormatString(u"progress%d.png", frame)));
    }
    ShowFrame(1);
    const QImage& first = frames_[0];
    if (!first.isNull()) {
        const QSize size = ImageDialogClientSize(first.size());
        setFixedSize(size);
        setMask(RoundRectRegion(size, kCornerSize, kCornerSize));
        SetRoundedFace(kCornerSize);
    }

    if (worker_ == nullptr) {
        worker_ = std::make_unique<SetupWorker>(task, app_.controlObject, app_, pause_);
        if (commandRunner_) {
            worker_->SetCommandRunner(commandRunner_);
        }
        connect(worker_.get(), &SetupWorker::Finished, this, &CProgressDlg::FinishTask);
        if (!worker_->Start()) {
            // Its report (kWorkerNotStartedResult) is on the way and closes
            // the window; nothing to animate until then.
            return true;
        }
    }
    ShowStageText();
    animationTimer_.start(static_cast<int>(kProgressTimerPeriod.count()), this);
    return true;
}

void CProgressDlg::ShowStageText() {
    auto* label = Item<CHwStatic>(kIdStageText);
    if (label == nullptr) {
        return;
    }
    label->SetTextFont(9, app_.GetSkinFontName(), false, true, false, 0);
    const QStringView key = StageTextKey(task);
    const QString text = key.isEmpty() ? QString() : app_.languageTable.Lookup(key.toString());
    label->setText(text);
    // The window has no caption bar; the title still names it to a screen reader.
    setWindowTitle(text);
}

int CProgressDlg::FinishTask(int taskResult) {
    if (reported_) {
        return 0;
    }
    reported_ = true;
    result = taskResult;
    animationTimer_.stop();
    // A report that arrives before the window is shown closes it from
    // showEvent instead.
    if (isVisible()) {
        close();
    }
    return 0;
}

void CProgressDlg::OnTimer() {
    ++tick;
    if (tick < kProgressSafetyTick) {
        ShowFrame((tick % kProgressFrameCount) + 1);
        return;
    }
    // Ends the window when the task is over but its close has not.
    if (!EndsTask()) {
        return;
    }
    if (result != 0) {
        OnOK();
    } else {
        OnCancel();
    }
}

bool CProgressDlg::TaskRunning() const {
    return worker_ != nullptr && !reported_ && !worker_->IsDone();
}

bool CProgressDlg::EndsTask() {
    if (TaskRunning()) {
        return false;
    }
    if (!reported_ && worker_ != nullptr) {
        result = worker_->Result();
    }
    animationTimer_.stop();
    return true;
}

void CProgressDlg::OnOK() {
    if (EndsTask()) {
        CImageDialog::OnOK();
    }
}

void CProgressDlg::OnCancel() {
    if (EndsTask()) {
        CImageDialog::OnCancel();
    }
}

void CProgressDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == animationTimer_.timerId()) {
        OnTimer();
        return;
    }
    CImageDialog::timerEvent(event);
}

void CProgressDlg::showEvent(QShowEvent* event) {
    CImageDialog::showEvent(event);
    if (reported_) {
        // Queued: the modal loop that is about to start must see it.
        QMetaObject::invokeMethod(
            this, [this] { close(); }, Qt::QueuedConnection);
    }
}

void CProgressDlg::paintEvent(QPaintEvent* event) {
    CImageDialog::paintEvent(event);
    QPainter painter(this);
    PaintRoundedWindowEdge(painter, size(), kCornerSize, kEdgeColour);
}

void CProgressDlg::ShowFrame(int frame) {
    currentFrame_ = frame;
    SetBackgroundImage(&frames_[frame - 1]);
}

int RunTask(int task, CQelvaneApp& app, const PauseFunction& pause,
            const CAdapterReset::CommandRunner& commandRunner) {
    CProgressDlg dialog(task, app, pause);
    dialog.SetCommandRunner(commandRunner);
    if (!dialog.Create()) {
        return kWorkerNotStartedResult;
    }
    dialog.DoModal();
    return dialog.result;
}
