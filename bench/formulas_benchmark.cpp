#include <benchmark/benchmark.h>

#include "coil_formulas.h"
#include "format_result.h"
#include "number_text.h"
#include "wave_formulas.h"

namespace {

using namespace welvaro;

void BM_CalcWelang(benchmark::State& state) {
  double frequency = 7.1;
  for (auto _ : state) benchmark::DoNotOptimize(formulas::CalcWelang(frequency));
}
void BM_CalcFreq(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(formulas::CalcFreq(42.25));
}
void BM_CalcDipol(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(formulas::CalcDipol(7.1, 2));
}
void BM_CalcSpule(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(formulas::CalcSpule(5, 10, 20));
}
void BM_CalcResfreq(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(formulas::CalcResfreq(10, 100));
}
void BM_CalcLoopInduk(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(formulas::CalcLoopInduk(1000, 20));
}
void BM_TextToDouble(benchmark::State& state) {
  const RegionalNotation comma{",", ".", "-", "+"};
  for (auto _ : state) benchmark::DoNotOptimize(TextToDouble("1.234,5678", comma));
}
void BM_FormatResult(benchmark::State& state) {
  const RegionalNotation point;
  for (auto _ : state) benchmark::DoNotOptimize(FormatResult(42.2535211268, "0.00 m", point));
}

/// What the loop button computes: both texts read, the formula, the result written.
void BM_LoopCalculationWithText(benchmark::State& state) {
  const RegionalNotation comma{",", ".", "-", "+"};
  for (auto _ : state) {
    const double inductance =
        formulas::CalcLoopInduk(TextToDouble("1.000\r\n", comma), TextToDouble("20", comma));
    benchmark::DoNotOptimize(FormatResult(inductance, "0.000", comma));
  }
}

/// The costliest button, the coil's: three texts read, the formula, the result written.
void BM_CoilCalculationWithText(benchmark::State& state) {
  const RegionalNotation comma{",", ".", "-", "+"};
  for (auto _ : state) {
    const double inductance = formulas::CalcSpule(
        TextToDouble("5", comma), TextToDouble("10", comma), TextToInteger("20", comma));
    benchmark::DoNotOptimize(FormatResult(inductance, "0.000", comma));
  }
}

BENCHMARK(BM_CalcWelang);
BENCHMARK(BM_CalcFreq);
BENCHMARK(BM_CalcDipol);
BENCHMARK(BM_CalcSpule);
BENCHMARK(BM_CalcResfreq);
BENCHMARK(BM_CalcLoopInduk);
BENCHMARK(BM_TextToDouble);
BENCHMARK(BM_FormatResult);
BENCHMARK(BM_LoopCalculationWithText);
BENCHMARK(BM_CoilCalculationWithText);

}  // namespace

BENCHMARK_MAIN();
