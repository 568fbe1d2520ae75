#include "wizard_tour.h"

#include "ip_address_ctrl.h"
#include "link_error_dlg.h"
#include "main_window.h"
#include "message_box.h"
#include "page_flow.h"
#include "qelvane_app.h"
#include "progress_dlg.h"
#include "validation.h"
#include "wizard_page.h"
#include "window_snapshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

// Runs action from the event loop rather than inside the current step, so a
// click that opens a modal window does not block the tour.
void Later(std::function<void()> action) {
    QTimer::singleShot(0, qApp, std::move(action));
}

// The language key of each page's title, in page order.
constexpr const char16_t* kPageTitleKeys[kPageCount] = {
    u"welcome",        u"Setup1 Title",   u"Setup2 Title",    u"Setup3 Title", u"Setup4 Title",
    u"Setup5 Title",   u"PPPoE Title",    u"Static IP Title", u"PPTP Title",   u"Mac clone Title",
    u"Wireless Title", u"Security Title", u"Result Title"};

// A message's first line, short enough for a log line.
QString Gist(const QString& text) {
    QString line = text.section(u'\n', 0, 0).simplified();
    return line.size() > 70 ? line.left(69) + QChar(0x2026) : line;
}

template <typename Window>
Window* ActiveModal() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

}  // namespace

WizardTour::WizardTour(CQelvaneDlg& window, QObject* parent) : QObject(parent), window_(window) {
    connect(&timer_, &QTimer::timeout, this, &WizardTour::Tick);
}

bool WizardTour::OtherWindowIsModal() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != &window_;
}

void WizardTour::Add(const QString& description, Step step) {
    steps_.push_back({description, std::move(step)});
}

QString WizardTour::PageName(int page) const {
    if (page < 0 || page >= kPageCount) {
        return QStringLiteral("page %1").arg(page);
    }
    QString name = Gist(window_.App().languageTable.Lookup(QString::fromUtf16(kPageTitleKeys[page])));
    if (const QString step = TextOf(page, kIdStepNumber).trimmed(); !step.isEmpty()) {
        name = QStringLiteral("step %1: %2").arg(step, name);
    }
    return name;
}

QString WizardTour::ButtonName(const QWidget* button) {
    const auto* pressable = qobject_cast<const QAbstractButton*>(button);
    QString name = pressable != nullptr ? pressable->text() : QString();
    if (name.trimmed().isEmpty()) name = button != nullptr ? button->accessibleName() : QString();
    return Gist(name.remove(u'&'));
}

QWidget* WizardTour::Control(int page, int controlId) const {
    if (page < 0) {
        return window_.GetDlgItem(controlId);
    }
    CWizardPage* shown = window_.Page(page);
    return shown == nullptr ? nullptr : shown->GetDlgItem(controlId);
}

void WizardTour::ClickNext() {
    Click(-1, CQelvaneDlg::kIdNext);
}

void WizardTour::ClickBack() {
    Click(-1, CQelvaneDlg::kIdBack);
}

void WizardTour::ClickExit() {
    Click(-1, CQelvaneDlg::kIdExit);
}

void WizardTour::Click(int page, int controlId) {
    Add(QStringLiteral("click %1 on page %2").arg(controlId).arg(page), [this, page, controlId] {
        auto* button = qobject_cast<QAbstractButton*>(Control(page, controlId));
        if (button == nullptr || !button->isVisible() || !button->isEnabled() || OtherWindowIsModal()) {
            return false;
        }
        Narrate(QStringLiteral("press \"%1\"").arg(ButtonName(button)));
        QPointer<QAbstractButton> target(button);
        Later([target] {
            if (target) {
                QTest::mouseClick(target, Qt::LeftButton);
            }
        });
        return true;
    });
}

void WizardTour::TabTo(int page, int controlId) {
    Add(QStringLiteral("Tab to %1 on page %2").arg(controlId).arg(page), [this, page, controlId] {
        QWidget* target = Control(page, controlId);
        if (target == nullptr || !target->isVisible() || OtherWindowIsModal()) {
            return false;
        }
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            // Some platforms (offscreen) give the window no focus back after a
            // modal one closes; a window manager would.
            window_.activateWindow();
            return false;
        }
        if (focus == target || target->isAncestorOf(focus)) {
            return true;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
        return false;
    });
}

void WizardTour::PressKey(Qt::Key key) {
    Add(QStringLiteral("key %1").arg(QKeySequence(key).toString()), [this, key] {
        QPointer<QWidget> focus(QApplication::focusWidget());
        if (focus == nullptr) {
            return false;
        }
        Narrate(QStringLiteral("key %1").arg(QKeySequence(key).toString()));
        Later([focus, key] {
            if (focus) {
                QTest::keyClick(focus, key);
            }
        });
        return true;
    });
}

void WizardTour::Type(int page, int controlId, const QString& text) {
    Add(QStringLiteral("type into %1 on page %2").arg(controlId).arg(page), [this, page, controlId, text] {
        auto* edit = qobject_cast<QLineEdit*>(Control(page, controlId));
        if (edit == nullptr || !edit->isVisible()) {
            return false;
        }
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        Narrate(QStringLiteral("type \"%1\"")
                    .arg(edit->echoMode() == QLineEdit::Normal ? text : QString(text.size(), QChar(0x2022))));
        return true;
    });
}

void WizardTour::SetAddress(int page, int controlId, const QString& dotted) {
    Add(QStringLiteral("address %1 into %2").arg(dotted).arg(controlId), [this, page, controlId, dotted] {
        auto* field = qobject_cast<CIpAddressCtrl*>(Control(page, controlId));
        if (field == nullptr || !field->isVisible()) {
            return false;
        }
        field->SetAddress(ParseRouterLanAddress(dotted.toStdString()));
        Narrate(QStringLiteral("enter the address %1").arg(dotted));
        return true;
    });
}

void WizardTour::Select(int page, int controlId, int index) {
    Add(QStringLiteral("select %1 in %2").arg(index).arg(controlId), [this, page, controlId, index] {
        auto* list = qobject_cast<QComboBox*>(Control(page, controlId));
        if (list == nullptr || !list->isVisible()) {
            return false;
        }
        list->setCurrentIndex(index);
        Narrate(QStringLiteral("choose \"%1\"").arg(list->currentText()));
        return true;
    });
}

void WizardTour::Hover(int page, int controlId, const QString& shotName) {
    Add(QStringLiteral("hover %1 on page %2").arg(controlId).arg(page), [this, page, controlId, shotName] {
        QWidget* target = Control(page, controlId);
        if (target == nullptr || !target->isVisible() || OtherWindowIsModal()) {
            return false;
        }
        // The real pointer where the display has one, and the event anyway.
        QCursor::setPos(target->mapToGlobal(target->rect().center()));
        QTest::mouseMove(target, target->rect().center());
        return true;
    });
    // A tick later, once the hover look is painted.
    Add(QStringLiteral("hovered"), [this, shotName] {
        Shoot(&window_, shotName);
        QCursor::setPos(window_.mapToGlobal(QPoint(2, window_.height() - 2)));
        return true;
    });
}

void WizardTour::ShootAbout(const QString& shotName) {
    Add(QStringLiteral("About box"), [this] {
        if (OtherWindowIsModal()) {
            return false;
        }
        Later([this] { window_.ShowAbout(); });
        return true;
    });
    Add(QStringLiteral("About box shown"), [this, shotName] {
        auto* about = ActiveModal<CDialogBase>();
        if (about == nullptr || about == &window_ || !about->isVisible()) {
            return false;
        }
        Shoot(about, shotName);
        QPointer<CDialogBase> target(about);
        Later([target] {
            if (target) {
                target->EndDialog(1);
            }
        });
        return true;
    });
}

void WizardTour::ExpectPage(int page, const QString& shotName) {
    Add(QStringLiteral("page %1").arg(page), [this, page, shotName] {
        CWizardPage* shown = window_.Page(page);
        if (window_.CurrentPage() != page || shown == nullptr || !shown->isVisible() ||
            OtherWindowIsModal()) {
            return false;
        }
        if (page != lastPageNarrated_) {
            lastPageNarrated_ = page;
            Narrate(QStringLiteral("page \"%1\"").arg(PageName(page)));
        }
        Shoot(&window_, shotName);
        return true;
    });
}

void WizardTour::AnswerMessageBox(int controlId, const QString& shotName, const QString& checkText) {
    Add(QStringLiteral("message box, answer %1").arg(controlId), [this, controlId, shotName, checkText] {
        auto* box = ActiveModal<CDlgMessageBox>();
        if (box == nullptr || !box->isVisible()) {
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(box->GetDlgItem(controlId));
        if (button == nullptr || !button->isVisible()) {
            Fail(QStringLiteral("the message box has no button %1").arg(controlId));
            return true;
        }
        if (!checkText.isEmpty()) {
            if (!box->Message().contains(checkText)) {
                Fail(
                    QStringLiteral("the message box says \"%1\", not \"%2\"").arg(box->Message(), checkText));
                return true;
            }
        }
        Narrate(QStringLiteral("message \"%1\": press \"%2\"").arg(Gist(box->Message()), ButtonName(button)));
        Shoot(box, shotName);
        QPointer<QAbstractButton> target(button);
        Later([target] {
            if (target) {
                QTest::mouseClick(target, Qt::LeftButton);
            }
        });
        return true;
    });
}

void WizardTour::AcceptMessagesUntilPage(int page, const QString& shotName) {
    AcceptMessagesUntil(
        QStringLiteral("messages before page %1").arg(page),
        [this, page] { return window_.CurrentPage() == page && !OtherWindowIsModal(); }, shotName);
}

void WizardTour::AcceptMessagesUntilClosed(const QString& shotName) {
    AcceptMessagesUntil(
        QStringLiteral("messages until the window closes"), [this] { return !window_.isVisible(); },
        shotName);
}

void WizardTour::AcceptMessagesUntil(const QString& description, std::function<bool()> done,
                                     const QString& shotName) {
    auto answered = std::make_shared<QPointer<CDlgMessageBox>>();
    Add(description, [this, done, shotName, answered] {
        auto* box = ActiveModal<CDlgMessageBox>();
        if (box == nullptr || !box->isVisible()) {
            return done();
        }
        QAbstractButton* accept = nullptr;
        for (int id : {CDlgMessageBox::kIdOk, CDlgMessageBox::kIdYes}) {
            auto* button = qobject_cast<QAbstractButton*>(box->GetDlgItem(id));
            if (accept == nullptr && button != nullptr && button->isVisible()) {
                accept = button;
            }
        }
        if (box == *answered || accept == nullptr) {
            return false;  // pressed already, on its way out
        }
        Narrate(QStringLiteral("message \"%1\": press \"%2\"").arg(Gist(box->Message()), ButtonName(accept)));
        Shoot(box, answered->isNull() ? shotName : QString());
        *answered = box;
        QPointer<QAbstractButton> target(accept);
        Later([target] {
            if (target) {
                QTest::mouseClick(target, Qt::LeftButton);
            }
        });
        return false;
    });
}

void WizardTour::AnswerMessageBoxWithKey(Qt::Key key, const QString& shotName) {
    Add(QStringLiteral("message box, key %1").arg(QKeySequence(key).toString()), [this, key, shotName] {
        auto* box = ActiveModal<CDlgMessageBox>();
        QWidget* focus = QApplication::focusWidget();
        if (box == nullptr || !box->isVisible() || focus == nullptr || !box->isAncestorOf(focus)) {
            return false;
        }
        Narrate(QStringLiteral("message box: key %1").arg(QKeySequence(key).toString()));
        Shoot(box, shotName);
        QPointer<QWidget> target(focus);
        Later([target, key] {
            if (target) {
                QTest::keyClick(target, key);
            }
        });
        return true;
    });
}

void WizardTour::AnswerLinkError(const QString& shotName) {
    Add(QStringLiteral("link-error window"), [this, shotName] {
        auto* window = ActiveModal<CLookInfo>();
        if (window == nullptr || !window->isVisible()) {
            return false;
        }
        Narrate(QStringLiteral("the router cannot be reached: press \"%1\"")
                    .arg(ButtonName(window->GetDlgItem(CLookInfo::kIdRetry))));
        Shoot(window, shotName);
        QPointer<QAbstractButton> retry(
            qobject_cast<QAbstractButton*>(window->GetDlgItem(CLookInfo::kIdRetry)));
        Later([retry] {
            if (retry) {
                QTest::mouseClick(retry, Qt::LeftButton);
            }
        });
        return true;
    });
}

QString WizardTour::TextOf(int page, int controlId) const {
    QWidget* control = Control(page, controlId);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return {};
}

void WizardTour::WaitForText(int page, int controlId, const QString& shotName) {
    Add(QStringLiteral("text in %1 on page %2").arg(controlId).arg(page), [this, page, controlId, shotName] {
        const QString text = TextOf(page, controlId).trimmed();
        if (OtherWindowIsModal() || text.isEmpty()) {
            return false;
        }
        Narrate(QStringLiteral("\"%1\" shows %2").arg(PageName(page), text));
        Shoot(&window_, shotName);
        return true;
    });
}

void WizardTour::ShootProgress(const QString& shotName) {
    Add(QStringLiteral("progress window"), [this, shotName] {
        auto* window = ActiveModal<CProgressDlg>();
        if (window == nullptr || !window->isVisible()) {
            return false;
        }
        Narrate(QStringLiteral("progress window"));
        Shoot(window, shotName);
        return true;
    });
}

void WizardTour::Shoot(QWidget* window, const QString& name) {
    if (shotDirectory_.isEmpty() || name.isEmpty()) {
        return;
    }
    // A window that shows the same as the shot before it (the result page that
    // already had its address) is not shot twice.
    const QImage shot = SnapshotWindow(window);
    if (shot == lastShot_) {
        return;
    }
    lastShot_ = shot;
    QDir().mkpath(shotDirectory_);
    const QString path = QStringLiteral("%1/%2-%3.png")
                             .arg(shotDirectory_)
                             .arg(++shotNumber_, 2, 10, QLatin1Char('0'))
                             .arg(name);
    if (shot.save(path, "PNG")) {
        shots_.append(path);
    }
}

void WizardTour::Fail(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    // Say what stood in the way: the window that was up, and its text.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != &window_) {
        failure_ +=
            QStringLiteral(" (a %1 is open").arg(QString::fromLatin1(modal->metaObject()->className()));
        if (const auto* box = qobject_cast<CDlgMessageBox*>(modal)) {
            failure_ += QStringLiteral(": \"%1\"").arg(box->Message());
        }
        failure_ += u')';
    } else {
        failure_ += QStringLiteral(" (page %1 shown)").arg(window_.CurrentPage());
    }
}

void WizardTour::Start(int pollMs) {
    timer_.start(pollMs);
}

void WizardTour::Tick() {
    if (inTick_ || finished_) {
        return;
    }
    inTick_ = true;
    while (!steps_.empty() && failure_.isEmpty()) {
        Entry& step = steps_.front();
        if (!stepStarted_) {
            stepStarted_ = true;
            stepClock_.start();
        }
        const bool done = step.step();
        if (log_) {
            for (const QString& line : std::as_const(narration_)) log_(line);
        }
        narration_.clear();
        if (!done) {
            if (stepClock_.elapsed() > stepTimeoutMs_) {
                Fail(QStringLiteral("gave up waiting: %1").arg(step.description));
            }
            break;
        }
        steps_.pop_front();
        stepStarted_ = false;
    }
    if (steps_.empty() || !failure_.isEmpty()) {
        finished_ = true;
        timer_.stop();
        emit Finished(failure_.isEmpty());
    }
    inTick_ = false;
}
