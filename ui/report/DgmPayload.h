// The payload diagram of up to three robots: the tool's centre of gravity
// against each robot's allowable region (R1 limit line and R2/B arc). Knows
// nothing of windows: it lays itself out in a rectangle and draws into any
// drawing context.
#pragma once

#include <QPoint>
#include <QRect>
#include <memory>

#include "KestLoadLibExport.h"

class CImg;
class CMngLegend;
struct CProjectResult;
namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CDgmPayload {
public:
    CDgmPayload();
    ~CDgmPayload();
    CDgmPayload(const CDgmPayload&) = delete;
    CDgmPayload& operator=(const CDgmPayload&) = delete;
    // Copies the data (values, layout and legend), not the pictures' objects.
    void CopyDataFrom(const CDgmPayload& other);

    void Reset();
    void SetLegend(CMngLegend* legend) { pMngLegend = legend; }
    // Robot i: y = radial offset from the flange axis, r = distance along it from
    // the B axis, allowable y and allowable radius; all in mm.
    void SetValues(int i, double y, double r, double limY, double limR);
    // Robot i has no result (not analysed, or not in the mechanism data): its
    // envelope, load point and label are not drawn; its legend entry stays.
    void ClearValues(int i);
    // Mass level 3 of robot i (set by the analysis).
    void SetMassOverload(int i, bool over);
    // Every robot's values from the result set: those without a result are cleared.
    void ShowResult(const CProjectResult& result);

    // Lays the diagram out in A: plot, axis ends and steps, legend box.
    void Layout(const QRect& A);
    // grey: grey-scale (dash patterns, grey picture); print: no background,
    // printer picture placement and fonts.
    void Draw(kest::CKestDC& dc, bool grey, bool print);
    // The robot whose legend entry holds the point becomes the current one;
    // its index, or -1.
    int HitTest(const QPoint& pt);
    // Pixel of a value in mm (both truncated to whole millimetres first).
    QPoint ValueToPixel(double x, double y) const;
    // Number of robots drawn (the legend's entries, at most 3).
    int RobotCount() const;

    QRect rcLegend, rcBack, rcPlot, rcArea;
    std::unique_ptr<CImg> pImgWrist, pImgWristGray;
    QPoint ptOrigin;
    double dScaleX = 1.0, dScaleY = 1.0;
    double dAxisMaxX = 400.0, dAxisMaxY = 400.0;
    int nStepX = 100, nStepY = 100;
    int nUnit = 0;
    CMngLegend* pMngLegend = nullptr;
    QRect rcEntry[3];
    double dLimY[3] = {}, dLimR[3] = {}, dArcR[3] = {}, dLoadR[3] = {};
    double dLoadY = 0.0;
    double dRatioR[3] = {}, dRatioY[3] = {};
    int nMassOver[3] = {};
    bool bHasData[3] = {};
    QRect rcLabel[3];    // where the last Draw put each robot's utilisation text
    QRect rcTitleY;      // where the last Draw put the vertical axis's title
    int nMinTextPx = 0;  // on screen no text is smaller (the dialog font); not copied
};
