// One reading exchange (ReadWanStatus) against the simulated router in its
// keep-alive mode on loopback: the reply must end at its Content-Length, not
// at the ten-second silence. Goal: median under 50 ms.
#include "router_sim.h"
#include "tarnwick_object.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_ReadWanStatusKeepAlive(benchmark::State& state) {
    routersim::Options options;
    options.address = "127.0.0.1";
    options.port = 0;
    options.fault = routersim::Fault::KeepAlive;
    routersim::RouterSim router(options);
    if (!router.start()) {
        state.SkipWithError("the simulated router could not listen on 127.0.0.1");
        return;
    }
    CTarnwickObject object;
    for (auto _ : state) {
        if (object.ReadWanStatus("127.0.0.1", router.port(), "admin", "kvmzt") != 1) {
            state.SkipWithError("no reply");
            break;
        }
        benchmark::DoNotOptimize(object.wanStatus.connectionType);
    }
    router.stop();
}

BENCHMARK(BM_ReadWanStatusKeepAlive)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
