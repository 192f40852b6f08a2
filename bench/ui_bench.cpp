// One analysis of three robots in the main window, with the redraw of the three
// result pages and of the window's own drawing (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "PathHelpers.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "Templates.h"

namespace {

void BM_AnalyseAndRedraw(benchmark::State& state) {
    const bool redraw = state.range(0) != 0;
    CDlgMain dlg;
    dlg.show();
    auto* list = kest::DlgItem<QListWidget>(dlg.Client(), kest::IDC_LB_MECH);
    for (const char* name : {"TK20-1700", "TK12-1450", "TK6-1400"}) {
        list->setCurrentItem(list->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0));
        dlg.OnBnClickedAddLeg();
    }
    dlg.OnBnClickedDefault();
    for (auto _ : state) {
        dlg.DoAnalyse();
        if (!redraw) continue;
        const QImage a = dlg.m_pPgPayload->Render();
        const QImage b = dlg.m_pPgMomentChart->Render();
        const QImage c = dlg.m_pPgInertiaChart->Render();
        const QImage d = dlg.RenderClient();
        benchmark::DoNotOptimize(a.constBits());
        benchmark::DoNotOptimize(b.constBits());
        benchmark::DoNotOptimize(c.constBits());
        benchmark::DoNotOptimize(d.constBits());
    }
}
// Argument 1: with the redraw; 0: the analysis alone (headroom, warnings, the
// pages' data).
BENCHMARK(BM_AnalyseAndRedraw)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KestLoad"));
    SetAppFolderOverride(QStringLiteral(KEST_APP_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
