// Moment or inertia bar chart of up to three robots over the six axes, with
// colour zones for normal load, high load and overload, and a table of the
// percentages. Window-independent, like the payload diagram.
#pragma once

#include <QPoint>
#include <QRect>

#include "KestLoadLibExport.h"
#include "TblLayout.h"

class CMngLegend;
struct CProjectResult;
namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CDgmBarChart {
public:
    enum Kind { KIND_MOMENT = 0, KIND_INERTIA = 1 };

    CDgmBarChart();
    void Reset();
    void SetLegend(CMngLegend* legend) { pMngLegend = legend; }
    // Robot i: ratios in percent of R1, R2/B, V, H, S; R2/B fills groups R2 and B.
    void SetValues(int i, double r1, double r2b, double v, double h, double s);
    // Robot i has no result: no bars, and its table row stays empty.
    void ClearValues(int i);
    // Every robot's moment (KIND_MOMENT) or inertia ratios from the result
    // set: those without a result are cleared.
    void ShowResult(const CProjectResult& result, int kind);

    void Layout(const QRect& A);
    void Draw(kest::CKestDC& dc, bool grey, bool print, int kind);
    // The robot whose row label holds the point becomes the current one; its
    // index, or -1.
    int HitTest(const QPoint& pt);
    // Pixel of (group position x, percent y), both truncated to integers first.
    QPoint ValueToPixel(double x, double y) const;
    int RobotCount() const;

    // Zone of a table value: 0 normal, 1 high load, 2 overload (threshold 110 %
    // for moments, 130 % for inertias). A value that is not finite is overload.
    static int Zone(double value, int kind);

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
    bool bHasData[3] = {};
    int nMinTextPx = 0;  // on screen no text is smaller (the dialog font)
};
