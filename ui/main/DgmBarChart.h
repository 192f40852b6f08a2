// Moment or inertia bar chart of up to three robots over the six axes, with
// colour zones for normal load, high load and overload, and a table of the
// percentages. Window-independent, like the payload diagram.
#pragma once

#include <QPoint>
#include <QRect>

#include "KestLoadLibExport.h"
#include "TblLayout.h"

class CMngLegend;

class KESTLOADLIB_API CDgmBarChart {
public:
    enum Kind { KIND_MOMENT = 0, KIND_INERTIA = 1 };

    CDgmBarChart();
    void Reset();
    void SetLegend(CMngLegend* legend) { pMngLegend = legend; }
    // Robot i: ratios in percent of R1, R2/B, V, H, S; R2/B fills groups R2 and B.
    void SetValues(int i, double r1, double r2b, double v, double h, double s);

    QRect rcTable, rcPlot, rcArea;
    QPoint ptOrigin;
    double dScaleX = 1.0, dScaleY = 1.0;
    double dAxisMaxX = 6.0, dAxisMaxY = 25.0;
    int nStepY = 20;
    int nUnit = 0;
    CMngLegend* pMngLegend = nullptr;
    CTblLayout layTable;
    QRect rcEntry[3];
    double dRatio[3][6] = {};
};
