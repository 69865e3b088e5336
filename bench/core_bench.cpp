// Micro-benchmarks of the computations, typical and with huge pasted inputs.
//   build/bench/core_bench

#include <string>

#include <benchmark/benchmark.h>

#include "core/conversion.h"
#include "core/numbers.h"
#include "core/scoreanalysis.h"

namespace {

const std::string kMegabyteOfDigits = "12.5" + std::string((1 << 20) - 4, '7');
const std::string kMegabyteOfBlanks = std::string((1 << 20) - 2, ' ') + "65";

void LenientParseTypical(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::LenientParse("93.319"));
}
BENCHMARK(LenientParseTypical);

void LenientParseMegabyte(benchmark::State& state)
{
    const std::string& text = state.range(0) ? kMegabyteOfBlanks : kMegabyteOfDigits;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::LenientParse(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(LenientParseMegabyte)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void NumberTextTypical(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::NumberText(core::RoundTwoPlaces(93.31927987311419)));
}
BENCHMARK(NumberTextTypical);

void AnalyzeScoresEveryBox(benchmark::State& state)
{
    const core::ScoreInputs in{"50", "10", "65", "2", "90"};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::AnalyzeScores(in));
}
BENCHMARK(AnalyzeScoresEveryBox)->Unit(benchmark::kMicrosecond);

void AnalyzeScoresMegabyteInEveryBox(benchmark::State& state)
{
    const core::ScoreInputs in{kMegabyteOfDigits, kMegabyteOfBlanks, kMegabyteOfBlanks, kMegabyteOfDigits,
                               kMegabyteOfBlanks};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::AnalyzeScores(in));
}
BENCHMARK(AnalyzeScoresMegabyteInEveryBox)->Unit(benchmark::kMillisecond);

void ConvertBothWays(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::ConvertDeviationConfidence("95", ""));
        benchmark::DoNotOptimize(core::ConvertDeviationConfidence("", "1.96"));
    }
}
BENCHMARK(ConvertBothWays)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
