// ExtractFirstCapture over a 1 MiB status page, key absent and key present.
// Goal: under 20 ms each.
#include "page_values.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string MegabytePage(bool withKey) {
    std::string page = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html><script>\n";
    while (page.size() < (1u << 20)) page += "var note = \"filler text\"; // <td>value</td> subMask wanIP\n";
    if (withKey) page.insert(page.size() / 2, "var wanIP = \"203.0.113.5\";\n");
    return page;
}

void BM_ExtractFirstCapture(benchmark::State& state) {
    const bool withKey = state.range(0) != 0;
    const std::string page = MegabytePage(withKey);
    for (auto _ : state) {
        std::string value = ExtractFirstCapture(page, kWanIpPattern);
        if (value != (withKey ? "203.0.113.5" : "")) {
            state.SkipWithError("wrong value");
            break;
        }
        benchmark::DoNotOptimize(value);
    }
    state.SetLabel(withKey ? "key present" : "key absent");
}

BENCHMARK(BM_ExtractFirstCapture)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
