// The wizard on a real desktop's window system: the real window in front of an
// in-process simulated router, walked to the Exit question (answered No) and
// through the link task's progress window. The screen is shot as the window
// system shows it (weston's screenshooter on Wayland, the root window on X11)
// with the wizard alone, with the question up, and with the progress window
// up; a shot that shows the skins' key colour anywhere fails the run. With
// --move the wizard is moved before the question, and the question must be
// centred on it (X11, where a client knows where its windows are).
//
// Prints one line per shot ("shot NAME PATH key-pixels=N") and, with --move,
// "box-offset=DX,DY" (the question's centre less the wizard's).
#include "message_box.h"
#include "page_flow.h"
#include "progress_dlg.h"
#include "test_environment.h"
#include "wizard_run.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace std::chrono_literals;

constexpr int kLanguageIdEnglishUs = 1033;
// Long enough for the window system to show what was last drawn.
constexpr qint64 kSettleMs = 600;
const QRgb kKeyYellow = qRgb(255, 255, 0);

bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

int KeyPixels(const QImage& shot) {
    const QImage pixels = shot.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        count += static_cast<int>(std::count_if(
            row, row + pixels.width(), [](QRgb pixel) { return (pixel | 0xFF000000u) == kKeyYellow; }));
    }
    return count;
}

// The whole screen as the window system shows it.
QImage ShootScreen() {
    if (!OnWayland()) {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen != nullptr ? screen->grabWindow(0).toImage() : QImage();
    }
    // A client cannot read the screen on Wayland: weston's own tool writes
    // the shot into the folder it runs in.
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0) {
        return {};
    }
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.constFirst()));
}

template <typename Window>
Window* ShownModal() {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    return window != nullptr && window->isVisible() ? window : nullptr;
}

// Where block's pixels stand on the screen, exactly; none when nowhere.
std::optional<QPoint> Find(const QImage& screen, const QImage& block) {
    const QImage pixels = screen.convertToFormat(QImage::Format_RGB32);
    const QImage wanted = block.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + wanted.height() <= pixels.height(); ++y) {
        for (int x = 0; x + wanted.width() <= pixels.width(); ++x) {
            bool same = true;
            for (int row = 0; same && row < wanted.height(); ++row) {
                const auto* left = reinterpret_cast<const QRgb*>(pixels.constScanLine(y + row)) + x;
                const auto* right = reinterpret_cast<const QRgb*>(wanted.constScanLine(row));
                same = std::equal(right, right + wanted.width(), left);
            }
            if (same) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// A piece of a window's face (as its own drawing gives it) that is worth
// looking for: not one flat colour.
std::optional<QImage> Landmark(const QImage& face, const QPoint& at) {
    constexpr int kSide = 24;
    const QImage block = face.copy(QRect(at, QSize(kSide, kSide))).convertToFormat(QImage::Format_RGB32);
    const QRgb first = block.pixel(0, 0);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (block.pixel(x, y) != first) {
                return block;
            }
        }
    }
    return std::nullopt;
}

// Where a window's top-left corner stands on the screen, found by a piece of
// its face; the face's own point of that piece.
struct Found {
    QPoint origin;
    QPoint piece;
};

std::optional<Found> Locate(const QImage& screen, QWidget& window, const QRect& hidden = QRect()) {
    const QImage face = window.grab().toImage();
    constexpr int kStep = 30;
    for (int y = kStep; y + 2 * kStep < face.height(); y += kStep) {
        for (int x = kStep; x + 2 * kStep < face.width(); x += kStep) {
            const auto landmark = Landmark(face, QPoint(x, y));
            if (!landmark) {
                continue;
            }
            if (const auto at = Find(screen, *landmark)) {
                const Found found{*at - QPoint(x, y), QPoint(x, y)};
                if (!hidden.intersects(QRect(*at, landmark->size()).adjusted(-20, -20, 20, 20))) {
                    return found;
                }
            }
        }
    }
    return std::nullopt;
}

class DesktopWalk {
public:
    DesktopWalk(WizardRun& run, QString shotDirectory)
        : run_(run), shotDirectory_(std::move(shotDirectory)) {}

    // A step that waits until ready() holds and the window system has had
    // time to show it, then shoots the screen.
    void ShootWhen(const QString& name, std::function<bool()> ready) {
        auto since = std::make_shared<QElapsedTimer>();
        run_.tour().Add(QStringLiteral("shot ") + name, [this, name, ready, since] {
            if (!ready()) {
                since->invalidate();
                return false;
            }
            if (!since->isValid()) {
                since->start();
            }
            if (since->elapsed() < kSettleMs) {
                return false;
            }
            Shoot(name);
            return true;
        });
    }

    // With a box up: clicks the wizard where the box does not cover it (a
    // real click, through the window system), and after it the box must
    // still show, whole, where it was.
    void ClickWizardBesideTheBox(CQelvaneDlg& wizard) {
        auto boxAt = std::make_shared<QPoint>();
        run_.tour().Add(QStringLiteral("click the wizard beside the box"), [this, &wizard, boxAt] {
            auto* box = ShownModal<CDlgMessageBox>();
            const auto boxFound = box != nullptr ? Locate(lastShot_, *box) : std::nullopt;
            const QRect boxRect = boxFound ? QRect(boxFound->origin, box->size()) : QRect();
            const auto wizardFound = boxFound ? Locate(lastShot_, wizard, boxRect) : std::nullopt;
            if (!wizardFound) {
                std::printf("click: the box or the wizard was not found on the screen\n");
                failed_ = true;
                return true;
            }
            *boxAt = boxFound->origin;
            const QPoint click = wizardFound->origin + wizardFound->piece + QPoint(12, 12);
            std::printf("click: wizard at %d,%d, box at %d,%d, clicking %d,%d\n", wizardFound->origin.x(),
                        wizardFound->origin.y(), boxAt->x(), boxAt->y(), click.x(), click.y());
            std::fflush(stdout);
            QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("mousemove"), QString::number(click.x()),
                               QString::number(click.y()), QStringLiteral("click"), QStringLiteral("1")});
            return true;
        });
        ShootWhen(QStringLiteral("after-click"), [] { return true; });
        run_.tour().Add(QStringLiteral("the box is still above"), [this, boxAt] {
            auto* box = ShownModal<CDlgMessageBox>();
            const auto boxFound = box != nullptr ? Locate(lastShot_, *box) : std::nullopt;
            const bool above = boxFound && boxFound->origin == *boxAt;
            std::printf("box-above-after-click=%s\n", above ? "yes" : "no");
            failed_ = failed_ || !above;
            return true;
        });
    }

    bool failed() const { return failed_; }

private:
    void Shoot(const QString& name) {
        const QImage shot = ShootScreen();
        lastShot_ = shot;
        const QString path =
            QStringLiteral("%1/%2-%3.png").arg(shotDirectory_, OnWayland() ? "wayland" : "x11", name);
        const int keyPixels = shot.isNull() ? -1 : KeyPixels(shot);
        if (shot.isNull() || !shot.save(path, "PNG") || keyPixels != 0) {
            failed_ = true;
        }
        std::printf("shot %s %s key-pixels=%d\n", qPrintable(name), qPrintable(path), keyPixels);
        std::fflush(stdout);
    }

    WizardRun& run_;
    QString shotDirectory_;
    QImage lastShot_;
    bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    KeepTestsAwayFromTheMachine(QELVANE_TEST_BIN_DIR);
    QApplication qtApp(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption shots(QStringLiteral("shots"), QStringLiteral("Folder for the shots."),
                                   QStringLiteral("DIR"));
    const QCommandLineOption chinese(QStringLiteral("chinese"), QStringLiteral("Simplified Chinese texts."));
    const QCommandLineOption move(QStringLiteral("move"), QStringLiteral("Move the wizard by DX,DY first."),
                                  QStringLiteral("DX,DY"));
    const QCommandLineOption clickWizard(
        QStringLiteral("click-wizard"),
        QStringLiteral(
            "With the Exit question up, click the wizard beside it (xdotool; a compositor with a seat)."));
    parser.addOptions({shots, chinese, move, clickWizard});
    parser.process(qtApp);
    const QString shotDirectory = parser.value(shots);
    if (shotDirectory.isEmpty() || !QDir().mkpath(shotDirectory)) {
        std::fprintf(stderr, "desktop_host: --shots DIR is needed\n");
        return 2;
    }

    // The link task's pauses keep their length (up to a second and a half),
    // so that its progress window stays up long enough to be shot.
    WizardRun run(parser.isSet(chinese) ? kLanguageIdSimpChinese : kLanguageIdEnglishUs,
                  [](std::chrono::milliseconds length) {
                      SleepFor(std::min<std::chrono::milliseconds>(length, 1500ms));
                  });
    if (!run.Start(run.RouterOptions('1'))) {
        std::fprintf(stderr, "desktop_host: the router or the window could not be made\n");
        return 3;
    }
    WizardTour& tour = run.tour();
    DesktopWalk walk(run, shotDirectory);
    CQelvaneDlg& wizard = run.window();

    tour.ExpectPage(kPageWelcome);
    walk.ShootWhen(QStringLiteral("wizard"), [] { return true; });
    if (parser.isSet(move)) {
        const QStringList by = parser.value(move).split(QLatin1Char(','));
        const QPoint offset(by.value(0).toInt(), by.value(1).toInt());
        tour.Add(QStringLiteral("move the wizard"), [&wizard, offset] {
            wizard.move(wizard.pos() + offset);
            return true;
        });
    }
    tour.ClickExit();
    walk.ShootWhen(QStringLiteral("exit-question"), [] { return ShownModal<CDlgMessageBox>() != nullptr; });
    if (parser.isSet(move)) {
        tour.Add(QStringLiteral("where the question is"), [&wizard] {
            const QPoint offset =
                ShownModal<CDlgMessageBox>()->frameGeometry().center() - wizard.frameGeometry().center();
            std::printf("box-offset=%d,%d\n", offset.x(), offset.y());
            return true;
        });
    }
    if (parser.isSet(clickWizard)) {
        walk.ClickWizardBesideTheBox(wizard);
    }
    tour.AnswerMessageBox(CDlgMessageBox::kIdNo);
    for (int page : {kPageWelcome, kPageSetup1, kPageSetup2, kPageSetup3, kPageSetup4}) {
        tour.ExpectPage(page);
        tour.ClickNext();
    }
    walk.ShootWhen(QStringLiteral("progress"), [] { return ShownModal<CProgressDlg>() != nullptr; });
    tour.AnswerMessageBox(CDlgMessageBox::kIdOk);
    tour.ExpectPage(kPageWanType);
    tour.Add(QStringLiteral("close the wizard"), [&wizard] {
        wizard.done(0);
        return true;
    });

    const int result = run.Run();
    if (tour.Failed()) {
        std::fprintf(stderr, "desktop_host: %s\n", qPrintable(tour.Failure()));
        return 1;
    }
    std::printf("window-result=%d\n", result);
    return walk.failed() ? 1 : 0;
}
