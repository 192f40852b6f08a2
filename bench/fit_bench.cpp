// Which models carry a load: `kestload --fit` runs the project's loads over
// every model of the mechanism table through FitProject, the same analysis as
// the window, with each model's headroom searched. Reports model checks per
// second (target: at least 10,000). And the window's analysis of a project's
// three robots with their headroom (target: under 5 ms).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "EngineBinding.h"
#include "EngineLib.h"
#include "ProjectCheck.h"
#include "ProjectFile.h"
#include "ProjectResult.h"

namespace {

// The engine and the palletising example (three robots); false with the
// benchmark skipped when either is missing.
bool Prepare(benchmark::State& state, CEngineBinding& binding, CProject& project) {
    {
        CQuietStdout quiet(true);
        if (binding.Load(QStringLiteral(KEST_APP_DIR)) != 0) {
            state.SkipWithError("the engine cannot be loaded");
            return false;
        }
    }
    if (ReadProjectFile(QStringLiteral(KEST_SOURCE_DIR "examples/palletising.kestload"), project) != 0) {
        state.SkipWithError("the example project cannot be read");
        return false;
    }
    return true;
}

}  // namespace

static void BM_FitProject(benchmark::State& state) {
    CEngineBinding binding;
    CProject project;
    if (!Prepare(state, binding, project)) return;
    int64_t models = 0;
    for (auto _ : state) {
        const QVector<CRobotResult> results = FitProject(*binding.Engine(), project);
        benchmark::DoNotOptimize(results.data());
        models += results.size();
    }
    state.SetItemsProcessed(models);
}
BENCHMARK(BM_FitProject)->Unit(benchmark::kMicrosecond);

static void BM_AnalyseThreeRobots(benchmark::State& state) {
    CEngineBinding binding;
    CProject project;
    if (!Prepare(state, binding, project)) return;
    for (auto _ : state) {
        const CProjectResult result = AnalyseProject(*binding.Engine(), project, true, false);
        benchmark::DoNotOptimize(result.robots.data());
    }
}
BENCHMARK(BM_AnalyseThreeRobots)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
