// One complete check through the shipped engine library: select, four loads,
// calculate and every getter, as the analysis does per mechanism.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "EngineLib.h"
#include "Tarn_Kest.h"
#include "Utf16.h"

namespace {

struct Engine {
    CEngineLib lib;
    ITarn* t = nullptr;
    Engine() {
        std::string error;
        if (!lib.Open(KEST_APP_DIR, error) || (t = lib.CreateInstance()) == nullptr) std::abort();
        int rc;
        {
            CQuietStdout quiet(true);  // the decryption trace would mix with the table
            rc = t->Init(kest::Utf8ToUtf16(KEST_APP_DIR).c_str());
        }
        if (rc != 0) std::abort();
    }
    ~Engine() { lib.DeleteInstance(t); }
};

void BM_CompleteCheck(benchmark::State& state) {
    static Engine engine;
    ITarn* t = engine.t;
    LoadRec tool{35, 80, 20, 150, 0.5, 0.6, 0.3};
    const LoadRec v{15, 300, 0, 200, 0, 0.4, 0.4};
    const LoadRec h{10, 100, 0, 300, 0, 0.2, 0};
    const LoadRec s{30, 300, 200, 0, 0, 0, 0.5};
    AxisRatios a{}, b{}, c{};
    double sink = 0;
    for (auto _ : state) {
        tool.x += 1e-9;  // a different load every time
        t->SelectMech(u"TK50-2100");
        t->SetLoad(LOAD_TOOL, &tool);
        t->SetLoad(LOAD_S, &s);
        t->SetLoad(LOAD_H, &h);
        t->SetLoad(LOAD_V, &v);
        t->Calculate();
        sink += t->GetPayloadZ() + t->GetPayloadR() + t->GetLimitZ() + t->GetLimitR() + t->GetLimitDist() +
                t->GetMaxPayload();
        t->GetLoadRatios(&a);
        t->GetMomentRatios(&b);
        t->GetInertiaRatios(&c);
        sink += t->IsInEnvelope() + t->IsOverload() + t->IsLimitInvalid() + t->GetMassLevel() +
                t->GetMomentLevel() + t->GetInertiaLevel();
        benchmark::DoNotOptimize(sink);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(c);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompleteCheck);

}  // namespace

BENCHMARK_MAIN();
