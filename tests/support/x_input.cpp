#include "x_input.h"

#include <sys/prctl.h>

#include <csignal>

#include "test_environment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kServerStartMs = 10000;
constexpr int kXdotoolMs = 30000;

QString unavailable;

// Starts Xvfb on a display it finds free itself (test programs run side by
// side, each with its own server) and listening on the local socket only.
std::unique_ptr<QProcess> StartServer(QString& display) {
    const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (server.isEmpty()) {
        unavailable = QStringLiteral("Xvfb is not installed (scripts/deps installs it)");
        return nullptr;
    }
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The server dies with the test program: one that crashed would
    // otherwise leave it holding ctest's output pipe until the time-out.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // The display number arrives on standard output once clients can connect.
    process->start(server, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp")});
    QElapsedTimer clock;
    clock.start();
    while (process->state() != QProcess::NotRunning && !process->canReadLine() &&
           clock.elapsed() < kServerStartMs) {
        process->waitForReadyRead(100);
    }
    bool isNumber = false;
    const int number = process->canReadLine() ? process->readLine().trimmed().toInt(&isNumber) : -1;
    if (process->state() != QProcess::Running || !isNumber) {
        unavailable = QStringLiteral("Xvfb did not start");
        process->kill();
        process->waitForFinished();
        return nullptr;
    }
    display = QStringLiteral(":%1").arg(number);
    return process;
}

class XServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            unavailable = QStringLiteral("xdotool is not installed (scripts/deps installs it)");
        } else {
            QString display;
            server_ = StartServer(display);
            if (server_ != nullptr) {
                SetEnvironment("DISPLAY", display.toLocal8Bit().constData(), true);
                SetEnvironment("QT_QPA_PLATFORM", "xcb", true);
            }
        }
        // Without a server the program still gets an application, so its
        // tests can report why they skip.
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        if (server_ != nullptr) {
            server_->terminate();
            if (!server_->waitForFinished(5000)) {
                server_->kill();
                server_->waitForFinished();
            }
        }
    }

private:
    int argc_ = 1;
    char name_[13] = "x_input_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kXServer =
    ::testing::AddGlobalTestEnvironment(new XServerEnvironment);

}  // namespace

QString XInputUnavailable() {
    return unavailable;
}

bool Xdotool(const QStringList& args) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral("xdotool"), args);
    if (!tool.waitForStarted()) {
        return false;
    }
    const bool finished =
        QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, kXdotoolMs);
    // Let the last events reach the widgets.
    QTest::qWait(100);
    return finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

bool XClick(QPoint global) {
    return Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                    QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
}

bool XType(const QString& text) {
    return Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

bool XKeys(const QStringList& keys) {
    return Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
                   keys);
}
