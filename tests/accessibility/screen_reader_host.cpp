// The wizard window for the screen-reader walk: the real widgets in front of
// an in-process simulated router (detection answers "static IP"), the set-up's
// pauses shortened, and nothing in the program driving it. The walk reaches
// the window only through AT-SPI. When the window closes this prints what the
// router was given, one "key=value" a line, for the walk to check.
#include "test_environment.h"
#include "wizard_run.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    KeepTestsAwayFromTheMachine(QELVANE_TEST_BIN_DIR);
    QApplication qtApp(argc, argv);
    WizardRun run(1033, [](std::chrono::milliseconds length) { SleepFor(length / 50); });
    if (!run.Start(run.RouterOptions('1'))) {
        std::fprintf(stderr, "screen_reader_host: the router or the window could not be made\n");
        return 3;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    const int result = run.window().DoModal();
    const routersim::RouterState state = run.router().state();
    std::printf("window-result=%d\n", result);
    std::printf("wan-type=%d\n", state.wanType);
    std::printf("wan-ip=%s\n", state.staticIp.ip.c_str());
    std::printf("wan-mask=%s\n", state.staticIp.mask.c_str());
    std::printf("wan-gateway=%s\n", state.staticIp.gateway.c_str());
    std::printf("ssid=%s\n", state.wireless.ssid.c_str());
    std::printf("broadcast=%s\n", state.wireless.broadcastSsid.c_str());
    std::printf("security=%s\n", state.security.mode.c_str());
    std::printf("passphrase=%s\n", state.security.passphrase.c_str());
    return 0;
}
