// The payload diagram and the bar charts: layout arithmetic against hand
// values, and what a user sees when they are drawn into a picture.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>

#include "Colors.h"
#include "DgmBarChart.h"
#include "DgmPayload.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MngLegend.h"

using namespace kest;

namespace {

const double kInf = std::numeric_limits<double>::infinity();

QImage Render(CDgmPayload& d, const QSize& size, bool grey = false, bool print = false) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    CKestDC dc(&p);
    d.Draw(dc, grey, print);
    return img;
}

QImage Render(CDgmBarChart& c, const QSize& size, int kind, bool grey = false) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    CKestDC dc(&p);
    c.Draw(dc, grey, false, kind);
    return img;
}

class Payload : public ::testing::Test {
protected:
    void SetUp() override { d.SetLegend(&legend); }
    void Robots(int n) {
        for (int i = 0; i < n; ++i) legend.Add(QStringLiteral("R%1").arg(i));
    }
    CMngLegend legend;
    CDgmPayload d;
};

TEST_F(Payload, SetValuesDerivesArcAndRatios) {
    d.SetValues(0, 50, 200, 100, 400);  // ignored: no robot yet
    EXPECT_EQ(d.dLimR[0], 0.0);
    Robots(2);
    d.SetValues(1, 30, 40, 100, 200);
    EXPECT_EQ(d.dLoadY, 30.0);
    EXPECT_EQ(d.dLoadR[1], 40.0);
    EXPECT_DOUBLE_EQ(d.dArcR[1], std::sqrt(200.0 * 200 - 100.0 * 100));
    EXPECT_DOUBLE_EQ(d.dRatioR[1], 50.0 / 200 * 100);  // hyp(30, 40) = 50
    EXPECT_DOUBLE_EQ(d.dRatioY[1], 30.0);
    d.SetValues(0, 30, 40, 300, 200);  // radius not above the limit: no straight part
    EXPECT_EQ(d.dArcR[0], 0.0);
    d.SetValues(0, 30, 40, 0, 0);  // limits forced to 0
    EXPECT_FALSE(std::isfinite(d.dRatioY[0]));
}

struct AxisCase {
    double loadY, loadR, limY, limR;
    double axisX, axisY;
    int stepX, stepY;
};

TEST_F(Payload, AxisEndsGrowOneStepBeyondTheData) {
    Robots(1);
    // 600 x 400: unit 25, plot 475 x 288 pixels, grid steps between 33 and 66 pixels.
    const AxisCase cases[] = {
        // No data: 400 by 400; 100 mm would be 118 px, so the steps halve to 50.
        {0, 0, 0, 0, 400, 400, 50, 50},
        // All data below one step (50 mm): the ends stay at 400.
        {20, 30, 25, 40, 400, 400, 50, 50},
        // Data beyond: 520 mm -> 550 with 50 mm steps, 180 mm -> 200 with 25 mm steps.
        {120, 250, 180, 520, 550, 200, 50, 25},
        // Far beyond: 100 mm steps are too dense and double to 400 and 200 mm.
        {1000, 3000, 1000, 3000, 3200, 1200, 400, 200},
    };
    for (const AxisCase& c : cases) {
        d.SetValues(0, c.loadY, c.loadR, c.limY, c.limR);
        d.Layout(QRect(0, 0, 600, 400));
        EXPECT_EQ(d.dAxisMaxX, c.axisX) << c.loadR << " " << c.limR;
        EXPECT_EQ(d.dAxisMaxY, c.axisY) << c.loadY << " " << c.limY;
        EXPECT_EQ(d.nStepX, c.stepX);
        EXPECT_EQ(d.nStepY, c.stepY);
        const int m = 600 / 18;
        EXPECT_GE(static_cast<int>(d.nStepX * d.dScaleX), m);
        EXPECT_LE(static_cast<int>(d.nStepX * d.dScaleX), 2 * m);
    }
}

TEST_F(Payload, StepsHalveOnLargePlots) {
    d.Layout(QRect(0, 0, 180, 160));  // plot 130 x 115, m = 10: 100 mm = 32 px -> 50 mm
    EXPECT_EQ(d.nStepX, 50);
    EXPECT_EQ(d.nStepY, 50);
    d.Layout(QRect(0, 0, 1800, 160));  // plot 1750 wide, m = 100: 437 px -> 218 -> 109 px
    EXPECT_EQ(d.nStepX, 25);
    EXPECT_EQ(d.dAxisMaxX, 400.0);
}

TEST_F(Payload, LayoutRectanglesFromTheUnit) {
    Robots(3);
    d.Layout(QRect(0, 0, 480, 320));  // unit 20
    EXPECT_EQ(d.nUnit, 20);
    EXPECT_EQ(d.rcPlot, QRect(60, 30, 480 - 60 - 40, 320 - 30 - 60));
    EXPECT_EQ(d.ptOrigin, QPoint(60, 260));
    EXPECT_EQ(d.rcLegend, QRect(40, 310, 480 - 160 - 40, 60));
    EXPECT_EQ(d.rcEntry[0], QRect(50, 312, d.rcLegend.width() - 20, 17));
    EXPECT_EQ(d.rcEntry[2].top(), 312 + 2 * 19);
    EXPECT_EQ(d.ValueToPixel(99.9, 100),
              QPoint(60 + static_cast<int>(99 * d.dScaleX), 260 - static_cast<int>(100 * d.dScaleY)));
}

TEST_F(Payload, EnvelopeAndLoadInTheRobotsColour) {
    Robots(2);
    d.SetValues(0, 60, 250, 140, 350);
    d.SetValues(1, 60, 250, 100, 300);
    legend.SetCur(1);
    const QSize size(600, 480);
    d.rcBack = QRect(QPoint(0, 0), size);
    d.Layout(QRect(0, 0, 600, 400));
    const QImage img = Render(d, size);
    // Limit line of robot 0 half-way along its straight part, arc at 45 degrees.
    const QPoint line = d.ValueToPixel(d.dArcR[0] / 2, 140);
    EXPECT_EQ(img.pixelColor(line), LegendColor(0));
    const double a = std::atan2(100, d.dArcR[1]);
    const QPoint arc1 = d.ValueToPixel(300 * std::cos(a / 2), 300 * std::sin(a / 2));
    bool red = false;
    for (int dx = -2; dx <= 2 && !red; ++dx) {
        for (int dy = -2; dy <= 2 && !red; ++dy)
            red = img.pixelColor(arc1 + QPoint(dx, dy)) == LegendColor(1);
    }
    EXPECT_TRUE(red);
    // Screen background and the current robot's legend entry in blue.
    EXPECT_EQ(img.pixelColor(5, 5), CLR_VIEW_BACK);
    const QRect e = d.rcEntry[1];
    EXPECT_EQ(img.pixelColor(e.right() - 2, e.top() + 2), CLR_BLUE);
    EXPECT_NE(img.pixelColor(d.rcEntry[0].right() - 2, d.rcEntry[0].top() + 2), CLR_BLUE);
}

TEST_F(Payload, GreyScaleAndNonFiniteLimits) {
    Robots(2);
    d.SetValues(0, 60, 250, 140, 350);
    d.SetValues(1, 60, 250, kInf, kInf);  // zero tool mass on robot 1
    d.Layout(QRect(0, 0, 600, 400));
    EXPECT_EQ(d.dAxisMaxX, 400.0);  // the infinite limits do not scale the axes
    EXPECT_EQ(d.dAxisMaxY, 150.0);
    const QImage grey = Render(d, QSize(600, 480), true, true);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            const QColor c = grey.pixelColor(x, y);
            ASSERT_LE(std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue()), 30) << x << "," << y;
        }
    }
    // Robot 0's envelope is still drawn in grey-scale (black dashes).
    EXPECT_EQ(grey.pixelColor(d.ValueToPixel(d.dArcR[0] / 2, 140)), CLR_BLACK);
}

TEST_F(Payload, LegendHitTestSelectsTheRobot) {
    Robots(3);
    d.Layout(QRect(0, 0, 480, 320));
    EXPECT_EQ(d.HitTest(d.rcEntry[2].center()), 2);
    EXPECT_EQ(legend.GetCur(), 2);
    EXPECT_EQ(d.HitTest(QPoint(1, 1)), -1);
    EXPECT_EQ(legend.GetCur(), 2);
    legend.RemoveCur();
    EXPECT_EQ(d.HitTest(d.rcEntry[2].center()), -1);  // no third robot any more
}

TEST_F(Payload, LabelsAndTitlesStayReadable) {
    // Robot 1's limit line runs through robot 0's label: the label's white
    // background hides it there, and the line goes on beside it.
    Robots(2);
    const QSize size(600, 480);
    d.rcBack = QRect(QPoint(0, 0), size);
    QImage img;
    QRect label;
    int lineY = -1;
    for (int limY = 40; limY < 140 && lineY < 0; ++limY) {
        d.SetValues(0, 100, 300, 140, 380);
        d.SetValues(1, 100, 300, limY, 380);
        d.Layout(QRect(0, 0, 600, 400));
        img = Render(d, size);
        label = d.rcLabel[0];
        const int y = d.ValueToPixel(0, limY).y();
        if (label.top() + 2 <= y && y <= label.bottom() - 2) lineY = y;
    }
    ASSERT_GE(lineY, 0);
    ASSERT_LT(d.ptOrigin.x(), label.left() - 3);
    EXPECT_EQ(img.pixelColor(label.left() - 3, lineY), LegendColor(1));
    int struck = 0;
    for (int x = label.left(); x <= label.right(); ++x) struck += img.pixelColor(x, lineY) == LegendColor(1);
    EXPECT_EQ(struck, 0);

    // The vertical title never meets a tick label.
    const QFont f0 = GdiFont(QStringLiteral("Arial"), 400 / 25, 400);
    const QFontMetrics fm(f0);
    for (int y = d.nStepY; y <= d.dAxisMaxY; y += d.nStepY) {
        const QPoint p = d.ValueToPixel(0, y);
        const QString t = QString::number(y);
        const QRect tick(p.x() - d.nUnit / 5 - fm.horizontalAdvance(t), p.y() + 4 - fm.ascent(),
                         fm.horizontalAdvance(t), fm.height());
        EXPECT_FALSE(tick.intersects(d.rcTitleY)) << y;
    }
    EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(d.rcTitleY));

    // A load point far beyond its (infinite) limits lies inside the plot, and
    // so does its label.
    legend.Clear();
    Robots(1);
    d.SetValues(0, 0, 650, kInf, kInf);
    d.Layout(QRect(0, 0, 600, 400));
    EXPECT_GT(d.dAxisMaxX, 650.0);
    const QPoint q = d.ValueToPixel(650, 0);
    EXPECT_TRUE(q.x() >= d.rcPlot.left() && q.x() <= d.rcPlot.right() + 1 && q.y() == Bottom(d.rcPlot));
    img = Render(d, size);
    EXPECT_TRUE(d.rcArea.contains(d.rcLabel[0])) << d.rcLabel[0].left() << "," << d.rcLabel[0].top();

    // On a report page the numbers of the x axis stand apart: each label's
    // rectangle ends before the next one begins.
    for (const QSize area : {QSize(2100, 2000), QSize(640, 600), QSize(300, 290)}) {
        d.SetValues(0, 700, 1900, 900, 2100);
        d.Layout(QRect(QPoint(0, 0), area));
        const QFontMetrics tickFm(GdiFont(QStringLiteral("Arial"), area.height() / 25, 400));
        int lastRight = -1000000;
        for (int x = 0; x <= d.dAxisMaxX; x += d.nStepX) {
            const QString t = QString::number(x);
            const int w = tickFm.horizontalAdvance(t);
            const int left = d.ValueToPixel(x, 0).x() - w / 2;
            EXPECT_GT(left, lastRight) << area.width() << ": " << x;
            lastRight = left + w;
        }
        EXPECT_EQ(std::fmod(d.dAxisMaxX, d.nStepX), 0.0) << area.width();
        EXPECT_GT(d.dAxisMaxX, 1900.0);
    }

    // On screen a small diagram keeps its text at the dialog font's size, and
    // its x labels still stand apart at that size.
    d.nMinTextPx = 16;
    d.SetValues(0, 700, 1900, 900, 2100);
    d.Layout(QRect(0, 0, 300, 240));  // its own text would be 240 / 25 = 9 pixels high
    Render(d, QSize(300, 300));
    QFont dialog(QStringLiteral("Arial"));
    dialog.setPixelSize(16);
    const QFontMetrics dialogFm(dialog);
    EXPECT_GE(d.rcLabel[0].height(), dialogFm.height());
    int lastRight = -1000000;
    for (int x = 0; x <= d.dAxisMaxX; x += d.nStepX) {
        const int w = dialogFm.horizontalAdvance(QString::number(x));
        const int left = d.ValueToPixel(x, 0).x() - w / 2;
        EXPECT_GT(left, lastRight) << x;
        lastRight = left + w;
    }
    // A printed copy keeps the page's own proportions.
    CDgmPayload printed;
    printed.CopyDataFrom(d);
    EXPECT_EQ(printed.nMinTextPx, 0);
}

class BarChart : public ::testing::Test {
protected:
    void SetUp() override { c.SetLegend(&legend); }
    void Robots(int n) {
        for (int i = 0; i < n; ++i) legend.Add(QStringLiteral("R%1").arg(i));
    }
    CMngLegend legend;
    CDgmBarChart c;
    const QSize size{480, 400};
};

TEST_F(BarChart, ZonesOfTableValues) {
    EXPECT_EQ(CDgmBarChart::Zone(100.0, 0), 0);
    EXPECT_EQ(CDgmBarChart::Zone(100.5, 0), 1);
    EXPECT_EQ(CDgmBarChart::Zone(110.0, 0), 1);
    EXPECT_EQ(CDgmBarChart::Zone(110.5, 0), 2);
    EXPECT_EQ(CDgmBarChart::Zone(130.0, 1), 1);
    EXPECT_EQ(CDgmBarChart::Zone(130.5, 1), 2);
    EXPECT_EQ(CDgmBarChart::Zone(kInf, 0), 2);
}

TEST_F(BarChart, AxisAndBandsFor105Percent) {
    Robots(1);
    c.SetValues(0, 105, 40, 30, 20, 10);
    // 400 x 1000: plot 152 x 461 pixels, m = 22: 20 % steps are 76 px and halve to 10 %.
    const QSize tall(400, 1000);
    c.Layout(QRect(QPoint(0, 0), tall));
    EXPECT_EQ(c.nStepY, 10);
    EXPECT_EQ(c.dAxisMaxY, 110.0);  // the next multiple of the step above 105
    const QImage img = Render(c, tall, 0);
    const int x = c.ptOrigin.x() + static_cast<int>(c.dScaleX / 2);  // group S, whose bar is 10 %
    EXPECT_EQ(img.pixelColor(x, c.ValueToPixel(0, 105).y()), CLR_LIGHTYELLOW);
    EXPECT_EQ(img.pixelColor(x, c.ValueToPixel(0, 110).y() + 1), CLR_LIGHTYELLOW);  // up to the top
    for (int y = c.rcPlot.top(); y < c.ptOrigin.y(); ++y) ASSERT_NE(img.pixelColor(x, y), CLR_PINK) << y;
    EXPECT_EQ(img.pixelColor(x, c.ValueToPixel(0, 95).y()), CLR_VIEW_BACK);
}

TEST_F(BarChart, SmallRatiosKeepTheAxisAt25WithoutBands) {
    Robots(2);
    c.SetValues(0, 25, 10, 5, 3, 1);
    c.SetValues(1, 12, 24, 20, 0, 0);
    c.Layout(QRect(QPoint(0, 0), size));
    EXPECT_EQ(c.dAxisMaxY, 25.0);
    const QImage img = Render(c, size, 0);
    const int x = c.ptOrigin.x() + static_cast<int>(c.dScaleX / 2);
    for (int y = c.ValueToPixel(0, 24).y(); y > c.rcPlot.top(); --y) {
        const QColor px = img.pixelColor(x, y);
        ASSERT_TRUE(px == CLR_VIEW_BACK || px == CLR_BLACK) << y;
    }
}

TEST_F(BarChart, BarsShareTheMiddleOfTheirSlot) {
    for (int n : {1, 3}) {
        CMngLegend l;
        for (int i = 0; i < n; ++i) l.Add(QStringLiteral("R%1").arg(i));
        CDgmBarChart chart;
        chart.SetLegend(&l);
        for (int i = 0; i < n; ++i) chart.SetValues(i, 50, 50, 50, 50, 50);
        chart.Layout(QRect(QPoint(0, 0), size));
        const QImage img = Render(chart, size, 0);
        const int y = chart.ValueToPixel(0, 25).y();
        const int slot = static_cast<int>(chart.dScaleX);
        const int left = chart.ptOrigin.x() + slot;  // group H
        int first = -1, last = -1;
        for (int x = left; x < left + slot; ++x) {
            if (img.pixelColor(x, y) == LegendColor(0)) {
                if (first < 0) first = x;
                last = x;
            }
        }
        const int shrink = static_cast<int>(0.2 * chart.dScaleX);
        const int w = (slot - 2 * shrink) / n;
        EXPECT_NEAR(first, left + shrink, 1) << n;
        EXPECT_NEAR(last - first + 1, w, 2) << n;
        EXPECT_NEAR(static_cast<double>(w * n) / slot, 0.6, 0.05) << n;
    }
}

TEST_F(BarChart, TableCellsColouredByZoneAndHitTest) {
    Robots(3);
    c.SetValues(0, 100.0, 100.5, 110.0, 110.5, 0);
    c.SetValues(1, 130.0, 130.5, 0, 0, 0);
    c.SetValues(2, kInf, 20, 20, 20, 20);
    c.Layout(QRect(QPoint(0, 0), size));
    EXPECT_LT(c.dAxisMaxY, 200.0);  // the infinite value does not scale the axis
    const QImage img = Render(c, size, 0);
    auto cell = [&](int k, int row) {
        return img.pixelColor(c.layTable.Cell(k, row).topLeft() + QPoint(2, 2));
    };
    // Robot 0 on the moment chart: groups S, H, V, R2, B, R1 = 0, 110.5, 110.0, 100.5, 100.5, 100.0.
    EXPECT_EQ(cell(6, 1), CLR_LIGHTGREEN);   // 100.0
    EXPECT_EQ(cell(4, 1), CLR_LIGHTYELLOW);  // 100.5
    EXPECT_EQ(cell(3, 1), CLR_LIGHTYELLOW);  // 110.0
    EXPECT_EQ(cell(2, 1), CLR_PINK);         // 110.5
    EXPECT_EQ(cell(6, 3), CLR_PINK);         // infinite
    // Its bar stands to the top of the axis.
    const int slotL = c.ptOrigin.x() + static_cast<int>(5 * c.dScaleX) + static_cast<int>(0.2 * c.dScaleX);
    const int slotR = c.ptOrigin.x() + static_cast<int>(5 * c.dScaleX) + static_cast<int>(c.dScaleX) -
                      static_cast<int>(0.2 * c.dScaleX);
    const int w = (slotR - slotL) / 3;
    EXPECT_EQ(img.pixelColor(slotL + 2 * w + w / 2, c.ValueToPixel(0, c.dAxisMaxY).y() + 3), LegendColor(2));
    const QImage inertia = Render(c, size, 1);
    EXPECT_EQ(inertia.pixelColor(c.layTable.Cell(6, 2).topLeft() + QPoint(2, 2)), CLR_LIGHTYELLOW);  // 130.0
    EXPECT_EQ(inertia.pixelColor(c.layTable.Cell(4, 2).topLeft() + QPoint(2, 2)), CLR_PINK);         // 130.5
    const QImage grey = Render(c, size, 1, true);
    EXPECT_EQ(grey.pixelColor(c.layTable.Cell(6, 2).topLeft() + QPoint(2, 2)), CLR_VIEW_BACK);  // not filled
    EXPECT_EQ(grey.pixelColor(c.layTable.Cell(4, 2).topLeft() + QPoint(2, 2)), CLR_GRAY);

    EXPECT_EQ(c.HitTest(c.layTable.Cell(0, 2).center()), 1);
    EXPECT_EQ(legend.GetCur(), 1);
    EXPECT_EQ(c.HitTest(c.layTable.Cell(1, 2).center()), -1);
}

}  // namespace
