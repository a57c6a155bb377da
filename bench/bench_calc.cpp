// Time to read the fields and build each report.
#include "calc/CheckupReport.h"
#include "calc/MergeSkillReport.h"
#include "calc/PetInputReader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

TPetInput CheckupInput() {
    const TPetReadResult result =
        ReadCheckupInput("30", "25", "100", "1000", "50", "40", pkAttendant);
    if (!result.IsAccepted())
        std::abort();
    return *result.Input();
}

TPetInput AttributeInput(const char* ll, const char* tp, const char* ys, const char* jg) {
    const TPetReadResult result = ReadAttributeInput(ll, tp, ys, jg);
    if (!result.IsAccepted())
        std::abort();
    return *result.Input();
}

void BM_ReadCheckupInput(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ReadCheckupInput("30", "25", "100", "1000", "50", "40", pkAttendant));
}
BENCHMARK(BM_ReadCheckupInput);

void BM_BuildCheckupReport(benchmark::State& state) {
    const TPetInput input = CheckupInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCheckupReport(input, "."));
}
BENCHMARK(BM_BuildCheckupReport);

void BM_BuildCheckupReportWithLocale(benchmark::State& state) {
    const TPetInput input = CheckupInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCheckupReport(input));
}
BENCHMARK(BM_BuildCheckupReportWithLocale);

void BM_BuildMergeSkillReportWorkedExample(benchmark::State& state) {
    const TPetInput input = AttributeInput("6", "6", "5", "3");
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMergeSkillReport(input));
}
BENCHMARK(BM_BuildMergeSkillReportWorkedExample);

// The longest report: all twelve skills.
void BM_BuildMergeSkillReportAllSkills(benchmark::State& state) {
    const TPetInput input = AttributeInput("9", "9", "9", "9");
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMergeSkillReport(input));
}
BENCHMARK(BM_BuildMergeSkillReportAllSkills);

} // namespace

BENCHMARK_MAIN();
