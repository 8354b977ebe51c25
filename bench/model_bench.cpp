// How the ID table behaves as projects grow: adding IDs and finding them by name
// is what every reader does for each token it meets.
#include "model/project.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void FillIDs(int32_t lCount) {
    ClearProject();
    for (int32_t l = 1; l <= lCount; ++l) {
        AddID("%IDC_CONTROL" + std::to_string(l), std::to_string(1000 + l), 8);
    }
}

void BM_AddIDs(benchmark::State& tState) {
    for (auto _ : tState) {
        FillIDs(static_cast<int32_t>(tState.range(0)));
    }
    tState.SetComplexityN(tState.range(0));
}
BENCHMARK(BM_AddIDs)->RangeMultiplier(4)->Range(256, 16384)->Complexity();

void BM_FindIDByName(benchmark::State& tState) {
    const int32_t lCount = static_cast<int32_t>(tState.range(0));
    FillIDs(lCount);
    int32_t l = 0;
    for (auto _ : tState) {
        l = l % lCount + 1;
        benchmark::DoNotOptimize(FindIDByName("%idc_control" + std::to_string(l)));
    }
    tState.SetComplexityN(tState.range(0));
}
BENCHMARK(BM_FindIDByName)->RangeMultiplier(4)->Range(256, 16384)->Complexity();

} // namespace
