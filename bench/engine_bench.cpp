// One complete check through the shipped engine library: select, four loads,
// calculate and every getter, as the analysis does per mechanism.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "Tarn_Kest.h"
#include "Utf16.h"

namespace {

struct Engine {
    void* handle = nullptr;
    PFN_Tarn_DeleteInstance remove = nullptr;
    ITarn* t = nullptr;
    Engine() {
        handle = dlopen(KEST_APP_DIR "libTarn_Kest.so", RTLD_NOW | RTLD_LOCAL);
        if (!handle) std::abort();
        auto create = reinterpret_cast<PFN_Tarn_CreateInstance>(dlsym(handle, TARN_CREATE_INSTANCE_NAME));
        remove = reinterpret_cast<PFN_Tarn_DeleteInstance>(dlsym(handle, TARN_DELETE_INSTANCE_NAME));
        t = create();
        // The decryption trace would mix with the benchmark's table.
        std::fflush(stdout);
        const int saved = dup(STDOUT_FILENO);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        const int rc = t->Init(kest::Utf8ToUtf16(KEST_APP_DIR).c_str());
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(devNull);
        close(saved);
        if (rc != 0) std::abort();
    }
    ~Engine() {
        remove(t);
        dlclose(handle);
    }
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
