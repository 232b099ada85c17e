// The engine's costs against a floor: one 15-digit to_chars plus one from_chars of a
// double, the least a decimal rounding can do. A professional rating rounds nine
// times, so nine pairs is its floor.

#include "engine/rating.h"
#include "engine/round.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>

namespace {

void BM_FormatParsePair(benchmark::State& state)
{
    double value = 12.9454;
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        const auto written =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
        double back = 0;
        std::from_chars(buffer.data(), written.ptr, back);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_FormatParsePair);

void roundAdv(benchmark::State& state, double value)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(engine::RoundAdv(value, 2));
    }
}
BENCHMARK_CAPTURE(roundAdv, BM_RoundAdvDown, 12.344);
BENCHMARK_CAPTURE(roundAdv, BM_RoundAdvUp, 12.945);
BENCHMARK_CAPTURE(roundAdv, BM_RoundAdvCarry, 9.996);

void BM_CalculateProfessional(benchmark::State& state)
{
    const engine::FieldTexts texts{"502", "343", "4643", "45", "6"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(engine::calculate(texts, engine::Formula::Professional, {}));
    }
}
BENCHMARK(BM_CalculateProfessional);

void BM_CalculateCollege(benchmark::State& state)
{
    const engine::FieldTexts texts{"502", "343", "4643", "45", "6"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(engine::calculate(texts, engine::Formula::College, {}));
    }
}
BENCHMARK(BM_CalculateCollege);

} // namespace

BENCHMARK_MAIN();
