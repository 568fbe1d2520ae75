// Walks the real wizard window like a user: clicks, typing, answers to the
// message boxes, waits for the set-up tasks, and screenshots along the way.
// Every step runs from the event loop, so it keeps working inside the modal
// loops of progress windows and message boxes. Used by the demo and by the
// whole-run tests.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class CQelvaneDlg;
class QWidget;

class WizardTour : public QObject {
    Q_OBJECT

public:
    // True when the step is done; false to be asked again on the next tick.
    using Step = std::function<bool()>;

    explicit WizardTour(CQelvaneDlg& window, QObject* parent = nullptr);

    // Screenshots go here as NN-name.png; none are taken when empty.
    void SetShotDirectory(const QString& directory) { shotDirectory_ = directory; }
    // How long one step may wait before the tour gives up (real pauses make
    // the save step last about a minute).
    void SetStepTimeout(int milliseconds) { stepTimeoutMs_ = milliseconds; }
    // What the tour did, as a person watching the screen would say it: the
    // page shown (its title and step number), the button pressed, the text
    // typed, the message answered.
    void SetLog(std::function<void(const QString&)> log) { log_ = std::move(log); }

    void Add(const QString& description, Step step);

    // Steps a user takes. Page and control ids are those of the templates.
    void ClickNext();
    void ClickBack();
    void ClickExit();
    void Click(int page, int controlId);
    void Type(int page, int controlId, const QString& text);
    void SetAddress(int page, int controlId, const QString& dotted);
    void Select(int page, int controlId, int index);
    // Keyboard only: presses Tab until the control (or a part of it) has the
    // focus, then key on it; in the window that is active (a message box's
    // OK takes Enter the same way).
    void TabTo(int page, int controlId);
    void PressKey(Qt::Key key);
    // Waits until page shows and no modal window is open, then screenshots it.
    void ExpectPage(int page, const QString& shotName = QString());
    // Waits for a message box, screenshots it, then presses the button with
    // controlId (1 OK, 6 Yes, 7 No). checkText, when given, must appear in
    // the box's message.
    void AnswerMessageBox(int controlId, const QString& shotName = QString(),
                          const QString& checkText = QString());
    // Accepts every message box that comes before page shows (OK, or Yes to a
    // question): the ones a run may or may not give, such as a network
    // profile of the PC switched to automatic addressing, and whether to keep
    // it. The first is screenshotted.
    void AcceptMessagesUntilPage(int page, const QString& shotName = QString());
    // The same until the wizard's window has closed.
    void AcceptMessagesUntilClosed(const QString& shotName = QString());
    // The same by keyboard: key goes to whatever has the focus in the box.
    void AnswerMessageBoxWithKey(Qt::Key key, const QString& shotName = QString());
    // Waits for the link-error window, screenshots it and presses Retry.
    void AnswerLinkError(const QString& shotName = QString());
    // Waits until the control shows some text (while no window is modal),
    // then screenshots the main window.
    void WaitForText(int page, int controlId, const QString& shotName = QString());
    // The text a field or label shows now; empty for other controls.
    QString TextOf(int page, int controlId) const;
    // Screenshots the progress window once it is up (it closes by itself).
    void ShootProgress(const QString& shotName);
    // Puts the mouse over the control and screenshots the window with it
    // hovered.
    void Hover(int page, int controlId, const QString& shotName);
    // Opens the About box of the window menu, screenshots it and closes it.
    void ShootAbout(const QString& shotName);

    void Start(int pollMs = 20);
    bool IsFinished() const { return finished_; }
    bool Failed() const { return !failure_.isEmpty(); }
    QString Failure() const { return failure_; }
    QStringList Shots() const { return shots_; }

signals:
    void Finished(bool ok);

private slots:
    void Tick();

private:
    struct Entry {
        QString description;
        Step step;
    };
    void AcceptMessagesUntil(const QString& description, std::function<bool()> done, const QString& shotName);
    QWidget* Control(int page, int controlId) const;
    // A message box, progress or link-error window is up over the wizard.
    bool OtherWindowIsModal() const;
    void Shoot(QWidget* window, const QString& name);
    void Fail(const QString& why);
    // Said once the step that calls it is done.
    void Narrate(const QString& line) { narration_ << line; }
    QString PageName(int page) const;
    static QString ButtonName(const QWidget* button);

    CQelvaneDlg& window_;
    std::deque<Entry> steps_;
    QTimer timer_;
    QElapsedTimer stepClock_;
    bool stepStarted_ = false;
    bool inTick_ = false;
    bool finished_ = false;
    int stepTimeoutMs_ = 180000;
    int shotNumber_ = 0;
    int lastPageNarrated_ = -1;
    QImage lastShot_;
    QString shotDirectory_;
    QString failure_;
    QStringList shots_;
    std::function<void(const QString&)> log_;
    QStringList narration_;
};
