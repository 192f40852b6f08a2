#include "DgmPayload.h"

#include <cmath>

#include "Img.h"
#include "MngLegend.h"
#include "PathHelpers.h"

CDgmPayload::CDgmPayload() : pImgWrist(std::make_unique<CImg>()), pImgWristGray(std::make_unique<CImg>()) {
    Reset();
    pImgWrist->Load(AppFolder() + QStringLiteral("Image/wrist.png"));
    pImgWristGray->Load(AppFolder() + QStringLiteral("Image/wrist_g.png"));
}

CDgmPayload::~CDgmPayload() = default;

void CDgmPayload::Reset() {
    for (int i = 0; i < 3; ++i) {
        dLimY[i] = dLimR[i] = dArcR[i] = dLoadR[i] = dRatioR[i] = dRatioY[i] = 0.0;
        nMassOver[i] = 0;
    }
    dLoadY = 0.0;
    dAxisMaxX = dAxisMaxY = 400.0;
    nStepX = nStepY = 100;
    pMngLegend = nullptr;
}

void CDgmPayload::CopyDataFrom(const CDgmPayload& o) {
    rcLegend = o.rcLegend;
    rcBack = o.rcBack;
    rcPlot = o.rcPlot;
    rcArea = o.rcArea;
    ptOrigin = o.ptOrigin;
    dScaleX = o.dScaleX;
    dScaleY = o.dScaleY;
    dAxisMaxX = o.dAxisMaxX;
    dAxisMaxY = o.dAxisMaxY;
    nStepX = o.nStepX;
    nStepY = o.nStepY;
    nUnit = o.nUnit;
    pMngLegend = o.pMngLegend;
    for (int i = 0; i < 3; ++i) {
        rcEntry[i] = o.rcEntry[i];
        dLimY[i] = o.dLimY[i];
        dLimR[i] = o.dLimR[i];
        dArcR[i] = o.dArcR[i];
        dLoadR[i] = o.dLoadR[i];
        dRatioR[i] = o.dRatioR[i];
        dRatioY[i] = o.dRatioY[i];
        nMassOver[i] = o.nMassOver[i];
    }
    dLoadY = o.dLoadY;
}

void CDgmPayload::SetValues(int i, double y, double r, double limY, double limR) {
    if (pMngLegend == nullptr || i < 0 || i >= 3 || i >= pMngLegend->Count()) return;
    dLoadY = y;
    dLoadR[i] = r;
    dLimY[i] = limY;
    dLimR[i] = limR;
    dArcR[i] = limR * limR > limY * limY ? std::sqrt(limR * limR - limY * limY) : 0.0;
    dRatioR[i] = std::sqrt(y * y + r * r) / limR * 100;
    dRatioY[i] = y / limY * 100;
}

void CDgmPayload::SetMassOverload(int i, bool over) {
    if (i >= 0 && i < 3) nMassOver[i] = over ? 1 : 0;
}
