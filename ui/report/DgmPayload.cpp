#include "DgmPayload.h"

#include <cmath>

#include <QFontMetrics>
#include <QVector>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "Img.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "NumText.h"
#include "PathHelpers.h"
#include "ProjectResult.h"
#include "Strings.h"

using namespace kest;

CDgmPayload::CDgmPayload() : pImgWrist(std::make_unique<CImg>()), pImgWristGray(std::make_unique<CImg>()) {
    Reset();
    pImgWrist->Load(AppFolder() + QStringLiteral("Image/wrist.png"));
    pImgWristGray->Load(AppFolder() + QStringLiteral("Image/wrist_g.png"));
}

CDgmPayload::~CDgmPayload() = default;

void CDgmPayload::Reset() {
    for (int i = 0; i < 3; ++i) ClearValues(i);
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
        bHasData[i] = o.bHasData[i];
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
    bHasData[i] = true;
}

void CDgmPayload::ClearValues(int i) {
    if (i < 0 || i >= 3) return;
    dLimY[i] = dLimR[i] = dArcR[i] = dLoadR[i] = dRatioR[i] = dRatioY[i] = 0.0;
    nMassOver[i] = 0;
    bHasData[i] = false;
}

void CDgmPayload::SetMassOverload(int i, bool over) {
    if (i >= 0 && i < 3) nMassOver[i] = over ? 1 : 0;
}

void CDgmPayload::ShowResult(const CProjectResult& result) {
    for (int i = 0; i < 3; ++i) {
        ClearValues(i);
        const CRobotResult* r = result.Robot(i);
        if (r == nullptr || !r->analysed) continue;
        SetValues(i, r->payloadR, r->payloadZ, r->limitR, r->limitDist);
        SetMassOverload(i, r->verdict.massOverload);
    }
}

int CDgmPayload::RobotCount() const {
    if (pMngLegend == nullptr) return 0;
    return pMngLegend->Count() < 3 ? pMngLegend->Count() : 3;
}

QPoint CDgmPayload::ValueToPixel(double x, double y) const {
    return QPoint(ptOrigin.x() + Trunc(Trunc(x) * dScaleX), ptOrigin.y() - Trunc(Trunc(y) * dScaleY));
}

void CDgmPayload::Layout(const QRect& A) {
    rcArea = A;
    nUnit = A.height() / 16;
    const int u = nUnit;
    // Above the plot stands the LR1 title over the top tick label: in a low
    // diagram whose text is held at the dialog's size the space grows for it.
    const int f = A.height() / 25;
    const int tickPx = std::max({6, nMinTextPx, GdiFont(QStringLiteral("Arial"), f, 400).pixelSize()});
    const int titlePx = std::max(
        {6, nMinTextPx, GdiFont(QStringLiteral("Arial"), Trunc(1.3 * f), 400).pixelSize(), tickPx * 13 / 10});
    // The title's baseline stands on the tick label's top; its capitals reach
    // their height above the baseline.
    const QFontMetrics title(GdiFont(QStringLiteral("Arial"), titlePx, 400));
    const int titleNeed = QFontMetrics(GdiFont(QStringLiteral("Arial"), tickPx, 400)).height() - 4 + u / 8 +
                          title.descent() + title.capHeight() + 2;
    rcPlot = Shrink(A, 3 * u, std::max(Trunc(1.5 * u), titleNeed), 2 * u, 3 * u);
    ptOrigin = QPoint(rcPlot.left(), Bottom(rcPlot));
    nStepX = nStepY = 100;
    dAxisMaxX = dAxisMaxY = 400.0;
    const int m = A.width() / 18;

    // Data extent; allowable values that are not finite do not scale the axes.
    double maxR = 0.0, maxY = 0.0;
    const int n = RobotCount();
    bool any = false;
    for (int i = 0; i < n; ++i) {
        if (!bHasData[i]) continue;
        any = true;
        if (std::isfinite(dLimR[i]) && dLimR[i] > maxR) maxR = dLimR[i];
        if (std::isfinite(dLoadR[i]) && dLoadR[i] > maxR) maxR = dLoadR[i];
        if (std::isfinite(dLimY[i]) && dLimY[i] > maxY) maxY = dLimY[i];
    }
    if (any && std::isfinite(dLoadY) && dLoadY > maxY) maxY = dLoadY;

    // The load point is inside the axes even where no limit is (a tool of
    // mass 0 has no finite limits, and its point may lie beyond 400 mm).
    double loadR = 0.0;
    for (int i = 0; i < n; ++i) {
        if (bHasData[i] && std::isfinite(dLoadR[i]) && dLoadR[i] > loadR) loadR = dLoadR[i];
    }
    const double loadY = any && std::isfinite(dLoadY) ? dLoadY : 0.0;

    // The x labels stand side by side: a step is at least the widest label
    // and a gap wide, so that the numbers never run together.
    QFont tickText = GdiFont(QStringLiteral("Arial"), A.height() / 25, 400);
    if (tickText.pixelSize() < nMinTextPx) tickText.setPixelSize(nMinTextPx);
    const QFontMetrics tickFont(tickText);
    const auto minStepX = [&] {
        const int label = tickFont.horizontalAdvance(QString::number(Trunc(dAxisMaxX)));
        return std::max(m, label + std::max(label / 2, u / 2));
    };

    const double plotW = rcPlot.width();
    const double plotH = rcPlot.height();
    dScaleX = plotW / dAxisMaxX;
    dScaleY = plotH / dAxisMaxY;
    for (int pass = 0; pass < 20; ++pass) {
        if (nStepX < maxR && nStepY < maxY) {
            // The axis ends one step beyond the data.
            dAxisMaxX = (Trunc(maxR) / nStepX + 1) * nStepX;
            dAxisMaxY = (Trunc(maxY) / nStepY + 1) * nStepY;
        }
        if (loadR >= dAxisMaxX) dAxisMaxX = (Trunc(loadR) / nStepX + 1) * nStepX;
        if (loadY >= dAxisMaxY) dAxisMaxY = (Trunc(loadY) / nStepY + 1) * nStepY;
        dScaleX = plotW / dAxisMaxX;
        dScaleY = plotH / dAxisMaxY;
        const int px = Trunc(nStepX * dScaleX);
        const int py = Trunc(nStepY * dScaleY);
        const int mx = minStepX();
        if (px < mx) nStepX *= 2;
        if (py < m) nStepY *= 2;
        // A step never falls below one millimetre.
        if (px > 2 * mx && nStepX > 1) nStepX /= 2;
        if (py > 2 * m && nStepY > 1) nStepY /= 2;
    }
    // The last pass may have changed a step: the axes still end on a grid line.
    const auto onStep = [](double end, int step) { return std::ceil(end / step - 1e-9) * step; };
    dAxisMaxX = onStep(dAxisMaxX, nStepX);
    dAxisMaxY = onStep(dAxisMaxY, nStepY);
    dScaleX = plotW / dAxisMaxX;
    dScaleY = plotH / dAxisMaxY;

    const int top = Bottom(A) - u / 2;
    rcLegend = LTRB(A.left() + 2 * u, top, Right(A) - 8 * u, top + 3 * u);
    const int h = u / 2;
    const int g = u / 8;
    const int entryW = rcLegend.width() - 2 * h;
    const int e = (rcLegend.height() - g) / 3 - g;
    for (int i = 0; i < 3; ++i) {
        rcEntry[i] = QRect(rcLegend.left() + h, rcLegend.top() + g + i * (e + g), entryW, e);
    }
}

int CDgmPayload::HitTest(const QPoint& pt) {
    return pMngLegend ? pMngLegend->SelectAt(rcEntry, RobotCount(), pt) : -1;
}

namespace {

QString RatioText(double v) {
    if (!std::isfinite(v)) return QStringLiteral("infinite");
    return QString::fromStdString(kest::FormatC("%.1f", v)) + QLatin1Char('%');
}

}  // namespace

void CDgmPayload::Draw(CKestDC& dc, bool grey, bool print) {
    dc.SaveDC();
    const int u = nUnit;
    const int w = std::max(1, rcArea.height() / 300);
    const CKestPen thin = CKestPen::Solid(w, CLR_BLACK);
    const CKestPen thick = CKestPen::Solid(3 * w, CLR_BLACK);
    dc.SetBkMode(TRANSPARENT);
    const int f = rcArea.height() / 25;
    // On screen no text is smaller than the dialog's font.
    const int smallest = print ? 6 : std::max(6, nMinTextPx);
    const auto font = [smallest](int height, int weight) {
        QFont font = GdiFont(QStringLiteral("Arial"), height, weight);
        if (font.pixelSize() < smallest) font.setPixelSize(smallest);
        return font;
    };
    const QFont F0 = font(f, 400);
    const QFont F1 = font(Trunc(1.3 * f), 400);
    const QFont F2 = font(Trunc(1.3 * f), 700);
    // The axis titles' "L" stays larger than its subscript.
    QFont FL = F1;
    FL.setPixelSize(std::max(F1.pixelSize(), F0.pixelSize() * 13 / 10));
    const int n = RobotCount();
    const int cur = pMngLegend ? pMngLegend->GetCur() : -1;

    // Background and the wrist, its flange centre on the origin.
    if (!print) {
        dc.FillSolidRect(rcBack, CLR_VIEW_BACK);
        if (pImgWrist->bLoaded) {
            const QSize s = pImgWrist->szImg;
            pImgWrist->DrawOwnSize(dc, QRect(ptOrigin.x() - Trunc(0.54 * s.width()),
                                             ptOrigin.y() - s.height() / 2, s.width(), s.height()));
        }
    } else {
        const QPoint end = ValueToPixel(dAxisMaxX, -dAxisMaxY / 4);
        QRect r = LTRB(ptOrigin.x(), ptOrigin.y(), end.x(), end.y());
        r.translate(-Trunc(1.11 * r.height()), -r.height() / 2);
        (grey ? pImgWristGray : pImgWrist)->Draw(dc, r, true);
    }

    // Axes and grid.
    auto line = [&dc, this](double x0, double y0, double x1, double y1) {
        const QPoint a = ValueToPixel(x0, y0);
        const QPoint b = ValueToPixel(x1, y1);
        dc.MoveTo(a.x(), a.y());
        dc.LineTo(b.x(), b.y());
    };
    dc.SelectPen(thick);
    line(0, 0, dAxisMaxX, 0);
    line(0, 0, 0, dAxisMaxY);
    dc.SelectPen(thin);
    dc.SelectFont(F0);
    dc.SetTextColor(CLR_BLACK);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (int x = 0; x < dAxisMaxX;) {
        x += nStepX;
        line(x, 0, x, dAxisMaxY);
        const QPoint p = ValueToPixel(x, 0);
        dc.TextOut(p.x(), p.y() + u / 5, QString::number(x));
    }
    dc.TextOut(ptOrigin.x(), ptOrigin.y() + u / 5, QStringLiteral("0"));
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    for (int y = 0; y < dAxisMaxY;) {
        y += nStepY;
        line(0, y, dAxisMaxX, y);
        const QPoint p = ValueToPixel(0, y);
        dc.TextOut(p.x() - u / 5, p.y() + 4, QString::number(y));
    }

    // Axis titles: L with the axis as subscript, then the unit.
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    {
        const QPoint p = ValueToPixel(0.44 * dAxisMaxX, 0) + QPoint(0, Trunc(1.8 * u));
        dc.SelectFont(FL);
        const int lw = dc.GetTextExtent(QStringLiteral("L")).width();
        dc.TextOut(p.x(), p.y(), QStringLiteral("L"));
        dc.SelectFont(F0);
        const int sw = dc.GetTextExtent(QStringLiteral("R2B")).width();
        dc.TextOut(p.x() + lw, p.y(), QStringLiteral("R2B"));
        dc.TextOut(p.x() + lw + sw + lw, p.y(), QStringLiteral("[mm]"));
    }
    {
        // Above the axis's end, over the column of tick labels, so that it
        // never meets a tick label.
        dc.SelectFont(F0);
        int tickW = 0;
        for (int y = 0; y < dAxisMaxY;) {
            y += nStepY;
            tickW = std::max(tickW, dc.GetTextExtent(QString::number(y)).width());
        }
        const QPoint top = ValueToPixel(0, dAxisMaxY);
        const int x = std::max(rcArea.left(), ptOrigin.x() - u / 5 - tickW);
        const int y = top.y() + 4 - dc.GetTextExtent(QStringLiteral("0")).height() - u / 8;
        dc.SelectFont(FL);
        const int lw = dc.GetTextExtent(QStringLiteral("L")).width();
        dc.TextOut(x, y, QStringLiteral("L"));
        dc.SelectFont(F0);
        const int sw = dc.GetTextExtent(QStringLiteral("R1")).width();
        dc.TextOut(x + lw, y, QStringLiteral("R1"));
        dc.TextOut(x + lw + sw + lw, y, QStringLiteral("[mm]"));
        rcTitleY = LTRB(x, y - dc.GetTextExtent(QStringLiteral("L")).height(),
                        x + lw + sw + lw + dc.GetTextExtent(QStringLiteral("[mm]")).width(), y);
    }

    // Envelopes, then the labels over them, then the load stars; the current
    // robot last so that it lies on top.
    // In grey-scale the robots differ by dash pattern: the line keeps the
    // colour line's width and its dashes grow with it, so that the patterns
    // stay apart on a printer page too (one-pixel dashes there look solid).
    auto robotPen = [grey](int i, int width, const QColor& c) {
        if (!grey) return CKestPen::Solid(width, c);
        std::vector<int> dashes = LegendDash(i);
        for (int& d : dashes) d *= 2 * width;
        return CKestPen::User(width, CLR_BLACK, dashes);
    };
    auto drawRobot = [&](int i) {
        if (!bHasData[i]) return;
        const bool finite = std::isfinite(dLimY[i]) && std::isfinite(dLimR[i]) && std::isfinite(dArcR[i]);
        if (finite) {
            dc.SelectPen(robotPen(i, 3 * w, LegendColor(i)));
            line(0, dLimY[i], dArcR[i], dLimY[i]);
            const double a = std::atan2(dLimY[i], dArcR[i]);
            QVector<QPoint> arc;
            arc << ValueToPixel(dLimR[i], 0);
            for (int k = 1; k <= 10; ++k) {
                arc << ValueToPixel(dLimR[i] * std::cos(k * a / 10), dLimR[i] * std::sin(k * a / 10));
            }
            dc.Polyline(arc);
        }
    };
    // The stars come after the labels, so that a label never hides a load point.
    auto drawStar = [&](int i) {
        if (!bHasData[i]) return;
        const QColor c = LegendColor(i);
        dc.SelectPen(robotPen(i, 2 * w, QColor(c.red() / 2, c.green() / 2, c.blue() / 2)));
        const QPoint p = ValueToPixel(dLoadR[i], dLoadY);
        const int len = u / 3;
        for (int k = 1; k <= 8; ++k) {
            const double angle = k * 6.283184 / 8;
            dc.MoveTo(p.x(), p.y());
            dc.LineTo(p.x() + Trunc(len * std::cos(angle)), p.y() + Trunc(len * std::sin(angle)));
        }
    };
    for (int i = 0; i < n; ++i) {
        if (i != cur) drawRobot(i);
    }
    if (cur >= 0 && cur < n) drawRobot(cur);

    // Utilisation texts next to each robot's own load point, drawn over the
    // curves on a white background so that no line strikes through them; a
    // label that would overlap one placed before moves away from its point
    // (up when it stands above the point, down when below) until it is clear,
    // and every label stays inside the diagram.
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(CLR_WHITE);
    QVector<QRect> placed;
    for (QRect& r : rcLabel) r = QRect();
    for (int i = 0; i < n; ++i) {
        if (!bHasData[i]) continue;
        dc.SelectFont(print ? F0 : (i == cur ? F2 : F1));
        dc.SetTextColor(grey ? CLR_BLACK : LegendColor(i));
        const QString label =
            grey ? QStringLiteral("%1) y:%2, r:%3")
                       .arg(i + 1)
                       .arg(RatioText(dRatioY[i]), RatioText(dRatioR[i]))
                 : QStringLiteral("y:%1, r:%2").arg(RatioText(dRatioY[i]), RatioText(dRatioR[i]));
        const QSize ext = dc.GetTextExtent(label);
        const QPoint q = ValueToPixel(dLoadR[i], dLoadY);
        const bool leftOfPoint = q.x() >= rcArea.left() + rcArea.width() / 2;
        const bool abovePoint = q.y() > rcArea.top() + rcArea.height() / 2;
        QRect rc(leftOfPoint ? q.x() - u / 2 - ext.width() : q.x() + u / 2,
                 abovePoint ? q.y() - u / 2 - ext.height() : q.y() + u / 2, ext.width(), ext.height());
        const int gap = std::max(1, ext.height() / 8);
        for (int guard = 0; guard < 3 * 3; ++guard) {
            const auto hit = std::find_if(placed.begin(), placed.end(), [&](const QRect& o) {
                return o.adjusted(0, -gap, 0, gap).intersects(rc);
            });
            if (hit == placed.end()) break;
            rc.moveTop(abovePoint ? hit->top() - gap - rc.height() : Bottom(*hit) + gap);
        }
        rc.moveLeft(
            std::clamp(rc.left(), rcArea.left(), std::max(rcArea.left(), Right(rcArea) - rc.width())));
        rc.moveTop(std::clamp(rc.top(), rcArea.top(), std::max(rcArea.top(), Bottom(rcArea) - rc.height())));
        placed.append(rc);
        rcLabel[i] = rc;
        dc.DrawText(label, rc, (leftOfPoint ? DT_RIGHT : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }
    dc.SetBkMode(TRANSPARENT);

    for (int i = 0; i < n; ++i) {
        if (i != cur) drawStar(i);
    }
    if (cur >= 0 && cur < n) drawStar(cur);

    // Legend box. The names stay whole: a box too narrow for them (a small
    // diagram on a report page) gets a smaller font.
    const auto legendName = [&](int i) {
        return grey ? QStringLiteral("%1) %2").arg(i + 1).arg(pMngLegend->Name(i)) : pMngLegend->Name(i);
    };
    const auto textLeft = [](const QRect& e) {
        const int a = Trunc(0.2 * e.height());
        return e.left() + a / 2 + 8 * a + 2 * a;
    };
    QFont legendFont = F1;
    for (int i = 0; i < n; ++i) {
        while (legendFont.pixelSize() > smallest &&
               QFontMetrics(legendFont).horizontalAdvance(legendName(i)) >
                   Right(rcEntry[i]) - textLeft(rcEntry[i])) {
            legendFont.setPixelSize(legendFont.pixelSize() - 1);
        }
    }
    dc.SelectFont(legendFont);
    dc.FrameRect(rcLegend, CLR_DARK);
    for (int i = 0; i < n; ++i) {
        const QRect& e = rcEntry[i];
        const QString name = legendName(i);
        dc.SelectPen(robotPen(i, 3 * w, LegendColor(i)));
        const int a = Trunc(0.2 * e.height());
        const int y = e.top() + e.height() / 2;
        const int x0 = e.left() + a / 2;
        dc.MoveTo(x0, y);
        dc.LineTo(x0 + 8 * a, y);
        const QRect text = LTRB(textLeft(e), e.top(), Right(e), Bottom(e));
        if (!print && i == cur) {
            dc.FillSolidRect(text, CLR_BLUE);
            dc.SetTextColor(CLR_WHITE);
        } else {
            dc.SetTextColor(CLR_BLACK);
        }
        dc.DrawText(name, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }

    // What the labels' two percentages are, beside the legend box.
    const QString key[2] = {LoadKestString(IDS_PAYLOAD_KEY_Y), LoadKestString(IDS_PAYLOAD_KEY_R)};
    const QRect keyArea = LTRB(Right(rcLegend) + u / 2, rcLegend.top(), Right(rcArea), Bottom(rcLegend));
    QFont keyFont = F0;
    while (keyFont.pixelSize() > smallest &&
           std::max(QFontMetrics(keyFont).horizontalAdvance(key[0]),
                    QFontMetrics(keyFont).horizontalAdvance(key[1])) > keyArea.width()) {
        keyFont.setPixelSize(keyFont.pixelSize() - 1);
    }
    dc.SelectFont(keyFont);
    dc.SetTextColor(CLR_BLACK);
    const int keyH = keyArea.height() / 3;
    for (int k = 0; k < 2; ++k) {
        dc.DrawText(key[k], QRect(keyArea.left(), keyArea.top() + k * keyH, keyArea.width(), keyH),
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.RestoreDC();
}
