// Micro-benchmarks of the computations, typical and with huge pasted inputs.
//   build/bench/core_bench

#include <string>

#include <benchmark/benchmark.h>

#include "core/text/figures.h"
#include "core/calculations/casecontrols.h"
#include "core/calculations/compare.h"
#include "core/calculations/composite.h"
#include "core/calculations/conversion.h"
#include "core/calculations/lowscores.h"
#include "core/calculations/predict.h"
#include "core/reading/numbers.h"
#include "core/calculations/profile.h"
#include "core/calculations/scoreanalysis.h"

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

// One Go of the small-sample window: the two roots of the non-central t are its cost.
void CaseAgainstControls(benchmark::State& state)
{
    const core::CaseInputs in{"100", "15", std::to_string(state.range(0)), "70", "95"};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CompareCaseToControls(in));
}
BENCHMARK(CaseAgainstControls)->Arg(20)->Arg(1000000)->Unit(benchmark::kMillisecond);

void CompareTwoScores(benchmark::State& state)
{
    const core::CompareInputs in{"", "100", "15", "112", "0.94", "", "", "100", "15", "91", "0.9", "", "0.6", "95"};
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CompareScores(in));
}
BENCHMARK(CompareTwoScores)->Unit(benchmark::kMicrosecond);

// A battery of the most measures, each with a reliability, and its picture.
void ProfileOfTheMostMeasures(benchmark::State& state)
{
    std::string rows;
    for (int i = 0; i < 200; ++i)
        rows += "Measure " + std::to_string(i) + "\t10\t3\t" + std::to_string(4 + i % 13) + "\t0.9\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(core::ProfileScores({rows, "95"}));
}
BENCHMARK(ProfileOfTheMostMeasures)->Unit(benchmark::kMillisecond);

}  // namespace

// How many low scores healthy people have on a battery of 20 measures
// correlating 0.4: the exact path (quadrature), and the matrix path (a
// million Monte Carlo draws). Targets: 5 ms and 0.5 s.
core::LowScoresInputs LowScores20(bool matrix)
{
    core::LowScoresInputs in;
    for (int i = 0; i < 20; ++i) {
        in.txtRows += "T" + std::to_string(i) + "\t100\t15\t" + (i < 3 ? "74" : "100") + "\n";
        for (int j = 0; matrix && j <= i; ++j)
            in.txtCorrelations += j == i ? "1\n" : "0.4\t";
    }
    in.txtCorrelation = "0.4";
    return in;
}

void LowScoresExact20(benchmark::State& state)
{
    const core::LowScoresInputs in = LowScores20(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CountLowScores(in));
}
BENCHMARK(LowScoresExact20)->Unit(benchmark::kMillisecond);

void LowScoresMatrix20(benchmark::State& state)
{
    const core::LowScoresInputs in = LowScores20(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CountLowScores(in));
}
BENCHMARK(LowScoresMatrix20)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same among people of an ability of 85 that correlates 0.6 with the
// measures: exact, and drawn on the conditional matrix. Targets as above.
void LowScoresAbilityExact20(benchmark::State& state)
{
    core::LowScoresInputs in = LowScores20(false);
    in.txtAbility = "85";
    in.txtAbilityCorrelation = "0.6";
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CountLowScores(in));
}
BENCHMARK(LowScoresAbilityExact20)->Unit(benchmark::kMillisecond);

void LowScoresAbilityMatrix20(benchmark::State& state)
{
    core::LowScoresInputs in = LowScores20(true);
    in.txtAbility = "85";
    in.txtAbilityCorrelation = "0.6";
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CountLowScores(in));
}
BENCHMARK(LowScoresAbilityMatrix20)->Unit(benchmark::kMillisecond)->Iterations(3);

// A composite of 50 measures with their correlation matrix (the matrix read,
// checked positive definite, summed). Target: under 1 ms.
void Composite50WithAMatrix(benchmark::State& state)
{
    core::CompositeInputs in;
    for (int i = 0; i < 50; ++i) {
        in.txtRows += "T" + std::to_string(i) + "\t10\t3\t" + std::to_string(5 + i % 7) + "\t0.9\n";
        for (int j = 0; j <= i; ++j)
            in.txtCorrelations += j == i ? "1\n" : "0.5\t";
    }
    in.txtLevel = "95";
    for (auto _ : state)
        benchmark::DoNotOptimize(core::CompositeScore(in));
}
BENCHMARK(Composite50WithAMatrix)->Unit(benchmark::kMillisecond);

// One Go of the predicted score from a sample's statistics, the test and its limits included.
void PredictFromASample(benchmark::State& state)
{
    core::PredictInputs in;
    in.txtScore = "70", in.txtLevel = "95", in.txtValue1 = "85", in.txtPredictorMean = "100", in.txtPredictorSD = "15";
    in.txtScoreMean = "100", in.txtScoreSD = "15", in.txtCorrelation = "0.7", in.txtN = "50";
    for (auto _ : state)
        benchmark::DoNotOptimize(core::PredictScore(in));
}
BENCHMARK(PredictFromASample)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
