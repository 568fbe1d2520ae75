// The wizard's figures through its real widgets:
//  - from exec to the welcome page drawn (goal 0.5 s),
//  - the peak resident memory of a whole PPPoE run (goal 80 MB),
//  - the longest stall of the GUI thread while the result page refreshes
//    against a slow router (goal 50 ms).
// The whole run and the refreshes talk to a simulated router on 127.0.0.1:80,
// so run this inside a private network namespace (scripts/bench does).
#include "language_choice.h"
#include "main_window.h"
#include "page_flow.h"
#include "qelvane_app.h"
#include "router_sim.h"
#include "tour_scenarios.h"
#include "wizard_tour.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <memory>

namespace {

QString BinDirectory() {
    return QStringLiteral(QELVANE_BENCH_BIN_DIR "/");
}

// A router on the wizard's own port, accepting the build's setting.ini login.
std::unique_ptr<routersim::RouterSim> StartRouter(const CQelvaneApp& app, routersim::Fault fault) {
    routersim::Options options;
    options.port = 80;
    options.user = app.routerInfo.user;
    options.password = app.routerInfo.password;
    options.ispUser = "bench-user";
    options.ispPassword = "bench-pass";
    options.linkDelay = std::chrono::milliseconds(50);
    options.restartTime = std::chrono::milliseconds(200);
    options.fault = fault;
    options.dripInterval = std::chrono::milliseconds(2);
    auto router = std::make_unique<routersim::RouterSim>(options);
    if (!router->start()) {
        return nullptr;
    }
    return router;
}

void BM_ExecToWelcomePageDrawn(benchmark::State& state) {
    for (auto _ : state) {
        QProcess probe;
        QElapsedTimer clock;
        clock.start();
        probe.start(QStringLiteral(QELVANE_PROBE_PATH), {QStringLiteral(QELVANE_BENCH_BIN_DIR)});
        if (!probe.waitForReadyRead(10000) || !probe.readAll().startsWith("drawn")) {
            state.SkipWithError("the probe did not draw its first page");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        probe.waitForFinished(5000);
    }
}
BENCHMARK(BM_ExecToWelcomePageDrawn)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void BM_WholeRunPeakMemory(benchmark::State& state) {
    for (auto _ : state) {
        CQelvaneApp app(BinDirectory());
        app.ChooseLanguage(1033);
        app.ReadLoginSettings();
        auto router = StartRouter(app, routersim::Fault::None);
        if (router == nullptr || app.BindLibrary() != LibraryLoadResult::Loaded) {
            state.SkipWithError("no router on 127.0.0.1:80 (run through scripts/bench) or no library");
            break;
        }
        {
            CQelvaneDlg window(app);
            window.SetPauseFunction([](std::chrono::milliseconds length) { SleepFor(length / 50); });
            WizardTour tour(window);
            AddPppoeTour(tour, {QStringLiteral("bench-user"), QStringLiteral("bench-pass"),
                                QStringLiteral("BenchKey2024"), false});
            tour.ClickNext();
            tour.Start(5);
            if (window.DoModal() != kFinishedResult || tour.Failed()) {
                state.SkipWithError(qPrintable(u"the run did not finish: "_qs + tour.Failure()));
            }
        }
        app.ReleaseLibrary();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_WholeRunPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ResultRefreshLongestStall(benchmark::State& state) {
    double longest = 0;
    for (auto _ : state) {
        CQelvaneApp app(BinDirectory());
        app.ChooseLanguage(1033);
        app.ReadLoginSettings();
        // Every reply trickles in byte by byte: each read takes a while.
        auto router = StartRouter(app, routersim::Fault::Drip);
        if (router == nullptr || app.BindLibrary() != LibraryLoadResult::Loaded) {
            state.SkipWithError("no router on 127.0.0.1:80 (run through scripts/bench) or no library");
            break;
        }
        {
            CQelvaneDlg window(app);
            window.Create();
            window.show();
            window.ShowPage(kPageResult);
            QElapsedTimer sinceTick;
            sinceTick.start();
            QTimer ticker;
            QObject::connect(&ticker, &QTimer::timeout, [&] {
                longest = std::max(longest, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
                sinceTick.restart();
            });
            ticker.start(1);
            QEventLoop loop;
            QTimer::singleShot(8000, &loop, &QEventLoop::quit);
            loop.exec();
            window.hide();
        }
        app.ReleaseLibrary();
    }
    state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_ResultRefreshLongestStall)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("GSETTINGS_BACKEND", "memory");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
