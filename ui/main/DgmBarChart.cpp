#include "DgmBarChart.h"

CDgmBarChart::CDgmBarChart() { Reset(); }

void CDgmBarChart::Reset() {
    for (auto& robot : dRatio) {
        for (double& v : robot) v = 0.0;
    }
    dAxisMaxX = 6.0;
    dAxisMaxY = 25.0;
    nStepY = 20;
    pMngLegend = nullptr;
    layTable.Reset();
}

void CDgmBarChart::SetValues(int i, double r1, double r2b, double v, double h, double s) {
    if (i < 0 || i >= 3) return;
    dRatio[i][0] = s;
    dRatio[i][1] = h;
    dRatio[i][2] = v;
    dRatio[i][3] = r2b;
    dRatio[i][4] = r2b;
    dRatio[i][5] = r1;
}
