#include "convert/numbers.h"

#include <benchmark/benchmark.h>

using namespace talvero;

namespace {

void BM_Standardpaar_1Mio(benchmark::State& state) {
    for (auto _ : state) {
        long double x = 0.000123456789L;
        for (int i = 0; i < 1000000; ++i) {
            benchmark::DoNotOptimize(Standardpaar(x));
            x *= 1.0000371L;
        }
    }
}
BENCHMARK(BM_Standardpaar_1Mio)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
