// Which models carry a load: `kestload --fit` runs the project's loads over
// every model of the mechanism table through FitProject, the same analysis as
// the window. Reports model checks per second (target: at least 100,000).
#include <benchmark/benchmark.h>

#include <cstdio>

#include "EngineBinding.h"
#include "EngineLib.h"
#include "ProjectCheck.h"
#include "ProjectFile.h"

static void BM_FitProject(benchmark::State& state) {
    CEngineBinding binding;
    {
        CQuietStdout quiet(true);
        if (binding.Load(QStringLiteral(KEST_APP_DIR)) != 0) {
            state.SkipWithError("the engine cannot be loaded");
            return;
        }
    }
    CProject project;
    if (ReadProjectFile(QStringLiteral(KEST_SOURCE_DIR "examples/palletising.kestload"), project) != 0) {
        state.SkipWithError("the example project cannot be read");
        return;
    }
    int64_t models = 0;
    for (auto _ : state) {
        const QVector<CRobotResult> results = FitProject(*binding.Engine(), project);
        benchmark::DoNotOptimize(results.data());
        models += results.size();
    }
    state.SetItemsProcessed(models);
}
BENCHMARK(BM_FitProject)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
