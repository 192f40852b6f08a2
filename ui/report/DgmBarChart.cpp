#include "DgmBarChart.h"

#include <algorithm>
#include <cmath>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "NumText.h"
#include "ProjectResult.h"

using namespace kest;

CDgmBarChart::CDgmBarChart() { Reset(); }

void CDgmBarChart::Reset() {
    for (int i = 0; i < 3; ++i) ClearValues(i);
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
    bHasData[i] = true;
}

void CDgmBarChart::ClearValues(int i) {
    if (i < 0 || i >= 3) return;
    for (double& v : dRatio[i]) v = 0.0;
    bHasData[i] = false;
}

void CDgmBarChart::ShowResult(const CProjectResult& result, int kind) {
    for (int i = 0; i < 3; ++i) {
        ClearValues(i);
        const CRobotResult* r = result.Robot(i);
        if (r == nullptr || !r->analysed) continue;
        // The chart takes R1, R2/B, V, H, S; the ratios are in axis order S, H, V, R2, B, R1.
        const double* v = kind == KIND_INERTIA ? r->inertia.v : r->moment.v;
        SetValues(i, v[5], v[3], v[2], v[1], v[0]);
    }
}

int CDgmBarChart::RobotCount() const {
    if (pMngLegend == nullptr) return 0;
    return pMngLegend->Count() < 3 ? pMngLegend->Count() : 3;
}

QPoint CDgmBarChart::ValueToPixel(double x, double y) const {
    return QPoint(ptOrigin.x() + Trunc(Trunc(x) * dScaleX), ptOrigin.y() - Trunc(Trunc(y) * dScaleY));
}

int CDgmBarChart::Zone(double v, int kind) {
    const double t = kind == KIND_INERTIA ? 130.0 : 110.0;
    if (!std::isfinite(v)) return 2;
    if (v < 100.00001) return 0;
    if (v < t + 0.00001) return 1;
    return 2;
}

void CDgmBarChart::Layout(const QRect& A) {
    const int u = A.height() / 16;
    nUnit = u;
    rcArea = A;
    rcPlot = Shrink(A, 3 * u, Trunc(1.5 * u), u, Trunc(7.2 * u));
    ptOrigin = QPoint(rcPlot.left(), Bottom(rcPlot));
    nStepY = 20;
    dAxisMaxY = 25.0;
    const int m = A.width() / 18;
    // Ratios that are not finite do not scale the axis.
    double vmax = 0.0;
    for (int i = 0; i < RobotCount(); ++i) {
        if (!bHasData[i]) continue;
        for (double v : dRatio[i]) {
            if (std::isfinite(v) && v > vmax) vmax = v;
        }
    }
    dScaleX = rcPlot.width() / 6.0;
    dScaleY = rcPlot.height() / dAxisMaxY;
    for (int pass = 0; pass < 20; ++pass) {
        if (vmax > 25.0) dAxisMaxY = (Trunc(vmax) / nStepY + 1) * nStepY;
        dScaleX = rcPlot.width() / 6.0;
        dScaleY = rcPlot.height() / dAxisMaxY;
        const int p = Trunc(nStepY * dScaleY);
        if (p < m) {
            nStepY *= 2;
        } else if (p > 2 * m && nStepY > 1) {
            nStepY /= 2;
        } else {
            break;
        }
    }
    rcTable =
        LTRB(A.left() + u / 2, Bottom(rcPlot) + Trunc(1.2 * u), Right(A) - u / 2, Bottom(A) - Trunc(1.5 * u));
    layTable.Reset();
    layTable.SetRect(rcTable);
    layTable.AddCol(0.3);
    for (int k = 0; k < 6; ++k) layTable.AddCol((1 - 0.3) / 6);
    layTable.AddRow(0.2);
    for (int r = 0; r < 3; ++r) layTable.AddRow((1 - 0.2) / 3);
    for (int i = 0; i < 3; ++i) rcEntry[i] = layTable.Cell(0, i + 1);
}

int CDgmBarChart::HitTest(const QPoint& pt) {
    return pMngLegend ? pMngLegend->SelectAt(rcEntry, RobotCount(), pt) : -1;
}

void CDgmBarChart::Draw(CKestDC& dc, bool grey, bool print, int kind) {
    static const char* const kAxes[6] = {"S", "H", "V", "R2", "B", "R1"};
    dc.SaveDC();
    const double T = kind == KIND_INERTIA ? 130.0 : 110.0;
    const int u = nUnit;
    const CKestPen thin = CKestPen::Solid(1, CLR_BLACK);
    const CKestPen thick = CKestPen::Solid(3, CLR_BLACK);
    dc.SetBkMode(TRANSPARENT);
    const int f0 = rcArea.height() / 27;
    // On screen no text is smaller than the dialog's font.
    const int smallest = print ? 1 : nMinTextPx;
    const auto font = [smallest](int height) {
        QFont font = GdiFont(QStringLiteral("Arial"), height, 400);
        if (font.pixelSize() < smallest) font.setPixelSize(smallest);
        return font;
    };
    const QFont F0 = font(f0);
    const QFont F1 = font(Trunc(1.3 * f0));
    const int n = RobotCount();
    const int cur = pMngLegend ? pMngLegend->GetCur() : -1;
    auto rectOf = [this](double x0, double y0, double x1, double y1) {
        const QPoint a = ValueToPixel(x0, y0);
        const QPoint b = ValueToPixel(x1, y1);
        return LTRB(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                    std::max(a.y(), b.y()));
    };
    auto line = [&dc, this](double x0, double y0, double x1, double y1) {
        const QPoint a = ValueToPixel(x0, y0);
        const QPoint b = ValueToPixel(x1, y1);
        dc.MoveTo(a.x(), a.y());
        dc.LineTo(b.x(), b.y());
    };
    auto robotBrush = [grey](int i) {
        if (!grey) return CKestBrush::SolidColor(LegendColor(i));
        if (i == 0) return CKestBrush::SolidColor(CLR_DARK);
        if (i == 1) return CKestBrush::Hatched(HS_BDIAGONAL, CLR_BLACK);
        return CKestBrush::SolidColor(CLR_WHITE);
    };

    if (!print) dc.FillSolidRect(rcArea, CLR_VIEW_BACK);
    // Zone bands behind the bars.
    if (T < dAxisMaxY) dc.FillSolidRect(rectOf(0, dAxisMaxY, 6, T), grey ? CLR_GRAY : CLR_PINK);
    if (dAxisMaxY > 100) {
        dc.FillSolidRect(rectOf(0, std::min(T, dAxisMaxY), 6, 100), grey ? CLR_LIGHTGRAY : CLR_LIGHTYELLOW);
    }
    dc.SelectPen(thick);
    line(0, 0, 6, 0);
    line(0, 0, 0, dAxisMaxY);

    dc.SelectPen(thin);
    dc.SelectFont(F0);
    dc.SetTextColor(CLR_BLACK);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (int k = 1; k <= 6; ++k) {
        line(k, 0, k, dAxisMaxY);
        const QPoint p = ValueToPixel(k, 0);
        dc.TextOut(p.x() - Trunc(dScaleX / 2), p.y() + u / 5, QString::fromLatin1(kAxes[k - 1]));
    }
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    for (int y = 0; y < dAxisMaxY;) {
        y += nStepY;
        line(0, y, 6, y);
        const QPoint p = ValueToPixel(0, y);
        dc.TextOut(p.x() - u / 5, p.y() + 4, QString::number(y));
    }
    dc.TextOut(ptOrigin.x() - u / 5, ptOrigin.y() + 4, QStringLiteral("0"));
    dc.SelectFont(F1);
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    {
        const QPoint p = ValueToPixel(0, dAxisMaxY / 2);
        dc.TextOut(p.x() - Trunc(2.4 * u), p.y(), QStringLiteral("[%]"));
    }

    // Bars: each group's slot is shrunk by a fifth of a group on both sides and
    // shared by the robots.
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(CLR_WHITE);
    for (int i = 0; i < n; ++i) {
        if (!bHasData[i]) continue;
        for (int k = 0; k < 6; ++k) {
            const double v =
                std::isfinite(dRatio[i][k]) ? dRatio[i][k] : dAxisMaxY;  // not finite: to the top
            const QPoint top = ValueToPixel(k, v);
            const int shrink = Trunc(0.2 * dScaleX);
            const int slotL = top.x() + shrink;
            const int slotR = top.x() + Trunc(dScaleX) - shrink;
            const int w = (slotR - slotL) / n;
            const QRect bar = LTRB(slotL + i * w, std::min(top.y(), ptOrigin.y()), slotL + i * w + w,
                                   std::max(top.y(), ptOrigin.y()));
            if (grey) dc.FillSolidRect(bar, CLR_WHITE);
            dc.SelectBrush(robotBrush(i));
            dc.Rectangle(bar);
        }
    }

    // Table of the values.
    layTable.ClearCut();
    dc.SelectFont(F0);
    const QRect head = layTable.Cell(0, 0);
    dc.FillSolidRect(LTRB(head.left(), head.top(), layTable.right, Bottom(head)), CLR_LIGHTGRAY);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(CLR_BLACK);
    for (int k = 0; k < 6; ++k) {
        dc.DrawText(QString::fromLatin1(kAxes[k]), layTable.Cell(k + 1, 0),
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (int i = 0; i < 3 && i < n; ++i) {
        const QRect cell = layTable.Cell(0, i + 1);
        rcEntry[i] = cell;
        const int sw = Trunc(0.5 * u);
        const int sh = Trunc(0.7 * u);
        const QRect swatch(cell.left() + u / 4, cell.top() + (cell.height() - sh) / 2, sw, sh);
        dc.SelectPen(thin);
        dc.SelectBrush(robotBrush(i));
        dc.Rectangle(swatch);
        const QRect text =
            Shrink(LTRB(Right(swatch), cell.top(), Right(cell), Bottom(cell)), u / 6, u / 6, u / 6, u / 6);
        if (!print && i == cur) {
            dc.FillSolidRect(text, CLR_BLUE);
            dc.SetTextColor(CLR_WHITE);
        } else {
            dc.SetTextColor(CLR_BLACK);
        }
        dc.DrawText(QStringLiteral(" ") + pMngLegend->Name(i), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        dc.SetTextColor(CLR_BLACK);
        for (int k = 0; k < 6 && bHasData[i]; ++k) {
            const QRect vc = layTable.Cell(k + 1, i + 1);
            const double v = dRatio[i][k];
            const int zone = Zone(v, kind);
            if (!grey) {
                dc.FillSolidRect(vc, zone == 0 ? CLR_LIGHTGREEN : zone == 1 ? CLR_LIGHTYELLOW : CLR_PINK);
            } else if (zone == 2) {
                dc.FillSolidRect(vc, CLR_GRAY);
            }
            const QString t =
                std::isfinite(v) ? QString::fromStdString(FormatC("%.2f", v)) : QStringLiteral("infinite");
            const QRect tr = Shrink(vc, 0, 0, 3, 0);
            dc.DrawText(layTable.FitText(dc, t, tr), tr, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
    }
    dc.SelectPen(CKestPen::Solid(1, CLR_DARK));
    layTable.DrawGrid(dc);
    dc.RestoreDC();
}
