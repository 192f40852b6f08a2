// What the main window draws itself (result box, input table, mechanism
// picture) and the clicks on the result pages that choose a robot.
#include <QFile>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "Colors.h"
#include "DialogFixture.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "LoadWarningsLine.h"
#include "PathHelpers.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "Strings.h"
#include "TblLayout.h"

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

namespace {

QImage DrawResultBox(CDlgMain& dlg, int grey, int print) {
    const QRect r(0, 0, 320, 72);
    QImage img(r.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    CKestDC dc(&p);
    dlg.DrawResult(0, dc, r, grey, print);
    return img;
}

// Pixels of text drawn in `c` on white, with its anti-aliased edges.
int CountTinted(const QImage& img, const QRect& area, const QColor& c) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p == CLR_WHITE) continue;
            // On the line from white to c.
            const double t = (255.0 - p.red()) / std::max(1, 255 - c.red());
            const double tg = (255.0 - p.green()) / std::max(1, 255 - c.green());
            const double tb = (255.0 - p.blue()) / std::max(1, 255 - c.blue());
            n += std::abs(t - tg) < 0.15 && std::abs(t - tb) < 0.15 && t > 0.3;
        }
    }
    return n;
}

int CountColour(const QImage& img, const QRect& area, const QColor& c) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) n += img.pixelColor(x, y) == c;
    }
    return n;
}

// Compares an input-table cell of the rendered window with the cell drawn
// afresh holding `text` as the table draws it; the count of dark pixels.
int ExpectCellShows(const QImage& client, const QRect& cell, const QString& text) {
    QImage expected = client.copy();
    {
        QPainter p(&expected);
        CKestDC dc(&p);
        dc.FillSolidRect(cell.adjusted(1, 1, -1, -1), CLR_WHITE);
        dc.SelectFont(GdiFont(QStringLiteral("Arial"), 14, 400));
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(text, cell.adjusted(0, 0, -3, 0), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    int dark = 0;
    for (int y = cell.top() + 1; y < cell.bottom(); ++y) {
        for (int x = cell.left() + 1; x < cell.right(); ++x) {
            EXPECT_EQ(client.pixelColor(x, y), expected.pixelColor(x, y)) << x << "," << y;
            if (client.pixelColor(x, y) != expected.pixelColor(x, y)) return dark;
            dark += client.pixelColor(x, y).lightness() < 128;
        }
    }
    return dark;
}

TEST_F(MainDialog, VerdictBandColours) {
    const QImage empty = DrawResultBox(*dlg, 0, 0);  // no robot: only the frame
    EXPECT_EQ(empty.pixelColor(0, 0), CLR_STEEL);
    EXPECT_EQ(empty.pixelColor(160, 36), CLR_WHITE);
    AddRobot(QStringLiteral("TK50-2100"));
    const QPoint band(315, 12);  // right end of the verdict band, clear of its text
    const struct {
        int code;
        QColor colour;
    } cases[] = {{1, CLR_GREEN}, {2, CLR_YELLOW}, {3, CLR_RED}, {4, CLR_RED}, {0, CLR_LIGHTGRAY}};
    for (const auto& c : cases) {
        dlg->m_nVerdict[0] = c.code;
        dlg->m_strVerdict[0] = QStringLiteral("불합격 (지원되지 않음)");
        const QImage img = DrawResultBox(*dlg, 0, 0);
        EXPECT_EQ(img.pixelColor(band), c.colour) << c.code;
        const int white = CountColour(img, QRect(100, 1, 200, 20), CLR_WHITE);
        if (c.colour == CLR_RED)
            EXPECT_GT(white, 20) << "white text on red";
        else
            EXPECT_EQ(white, 0) << c.code;
    }
    dlg->m_nVerdict[0] = 3;
    const QImage grey = DrawResultBox(*dlg, 1, 1);
    EXPECT_EQ(grey.pixelColor(band), CLR_WHITE);
    EXPECT_EQ(grey.pixelColor(0, 0), CLR_BLACK);  // print frame
    EXPECT_EQ(grey.pixelColor(5, 12), CLR_DARK);  // the name band stays dark
}

TEST_F(MainDialog, InputTableShowsTheEditTextAsTyped) {
    TypeLoad(0, {"12", "2,5a", "0", "0", "0", "0", "0"});
    const QImage client = dlg->RenderClient();
    const QRect cell = dlg->m_layInTable.Cell(2, 1);  // Lx of the tool
    const int dark = ExpectCellShows(client, cell, QStringLiteral("2,5a"));
    EXPECT_GT(dark, 20);  // the text is there
    // Header row and label column in light grey, the rest white.
    EXPECT_EQ(client.pixelColor(dlg->m_layInTable.Cell(0, 0).topLeft() + QPoint(2, 2)), CLR_LIGHTGRAY);
    EXPECT_EQ(client.pixelColor(dlg->m_layInTable.Cell(0, 3).topLeft() + QPoint(2, 2)), CLR_LIGHTGRAY);
    EXPECT_EQ(client.pixelColor(dlg->m_layInTable.Cell(4, 3).topLeft() + QPoint(2, 2)), CLR_WHITE);
}

TEST_F(MainDialog, MechanismPictureOrNoImage) {
    const QRect box = dlg->m_rcImgMech.adjusted(4, 4, -4, -4);
    list->setCurrentRow(0);
    QImage img = dlg->RenderClient();
    EXPECT_EQ(CountColour(img, box, CLR_GRAY), 0);
    EXPECT_GT(CountColour(img, box, QColor(222, 230, 240)), 50);  // the arm's body colour
    EXPECT_GT(CountTinted(img, box, CLR_BLUE), 20);               // the name under it

    dlg->OnSelLegend(QStringLiteral("NOT-A-MECHANISM"));
    img = dlg->RenderClient();
    EXPECT_GT(CountTinted(img, box, CLR_GRAY), 40);  // "NO IMAGE"

    // A mechanism whose picture file is missing.
    QTemporaryDir dir;
    for (const char* f : {"libTarn_Kest.so", "KestMechData.bin", "KestMechData_old.bin"}) {
        QFile::copy(kesttest::BuildAppFolder() + QLatin1String(f), dir.filePath(QLatin1String(f)));
    }
    SetAppFolderOverride(dir.path());
    dlg->OnSelLegend(QStringLiteral("TK50-2100"));
    img = dlg->RenderClient();
    SetAppFolderOverride(kesttest::BuildAppFolder());
    EXPECT_GT(CountTinted(img, box, CLR_GRAY), 40);
    EXPECT_GT(CountTinted(img, box, CLR_BLUE), 20);
}

TEST_F(MainDialog, ClickingALegendEntryChoosesTheRobotEverywhere) {
    AddRobot(QStringLiteral("TK50-2100"));
    AddRobot(QStringLiteral("TK20-1700"));
    AddRobot(QStringLiteral("TK12-1450"));
    list->setCurrentRow(3);
    CPgPayload* payload = dlg->m_pPgPayload;
    QTest::mouseClick(payload, Qt::LeftButton, {}, payload->Diagram().rcEntry[1].center());
    EXPECT_EQ(dlg->m_pMngLegend->GetCur(), 1);
    EXPECT_EQ(dlg->m_strSelMech, QStringLiteral("TK20-1700"));
    EXPECT_EQ(list->currentRow(), -1);
    QTest::mouseClick(payload, Qt::LeftButton, {}, QPoint(3, 3));  // outside: nothing changes
    EXPECT_EQ(dlg->m_pMngLegend->GetCur(), 1);

    dlg->m_tabResult->setCurrentIndex(1);
    CPgBarChart* moment = dlg->m_pPgMomentChart;
    ASSERT_TRUE(moment->isVisible());
    moment->Render();  // the row labels are placed by drawing
    QTest::mouseClick(moment, Qt::LeftButton, {}, moment->Chart().layTable.Cell(0, 3).center());
    EXPECT_EQ(dlg->m_pMngLegend->GetCur(), 2);
    EXPECT_EQ(dlg->m_strSelMech, QStringLiteral("TK12-1450"));
    // The result box now shows that robot.
    const QImage box = DrawResultBox(*dlg, 0, 0);
    (void)box;
    EXPECT_EQ(dlg->m_pMngLegend->Name(-1), QStringLiteral("TK12-1450"));
}

TEST_F(MainDialog, WithoutRobotsTheDiagramsShowEmptyAxes) {
    const QImage payload = dlg->m_pPgPayload->Render();
    const CDgmPayload& d = dlg->m_pPgPayload->Diagram();
    EXPECT_EQ(d.dAxisMaxX, 400.0);
    EXPECT_EQ(d.dAxisMaxY, 400.0);
    EXPECT_EQ(payload.pixelColor(d.ptOrigin + QPoint(d.rcPlot.width() / 2, 0)), CLR_BLACK);  // the axis
    EXPECT_EQ(payload.pixelColor(d.rcLegend.topLeft()), CLR_DARK);  // empty legend frame
    const QImage chart = dlg->m_pPgMomentChart->Render();
    EXPECT_EQ(dlg->m_pPgMomentChart->Chart().dAxisMaxY, 25.0);
    EXPECT_EQ(chart.pixelColor(dlg->m_pPgMomentChart->Chart().layTable.Cell(3, 0).topLeft() + QPoint(2, 2)),
              CLR_LIGHTGRAY);
}

// A number too wide for its cell gives up decimals first, rounded as written
// (half away from zero); "###" only when its whole part does not fit. The
// full text stays for the tool tip.
TEST(TblLayout, FitTextDropsDecimalsBeforeHashes) {
    QImage img(10, 10, QImage::Format_RGB32);
    QPainter p(&img);
    CKestDC dc(&p);
    dc.SelectFont(GdiFont(QStringLiteral("Arial"), 14, 400));
    auto width = [&](const char* t) { return dc.GetTextExtent(QString::fromLatin1(t)).width(); };
    const struct {
        const char* text;
        const char* fits;  // the widest text the cell is made for
        const char* shown;
    } cases[] = {
        {"123.178", "123.178", "123.178"},
        {"123.178", "123.18", "123.18"},
        {"123.178", "123.2", "123.2"},
        {"123.178", "123", "123"},
        {"123.178", "12", "###"},
        {"0.125", "0.13", "0.13"},
        {"-12.3456789012345", "-12.35", "-12.35"},
        {"99.996", "100.0", "100.0"},
        {"99.996", "100", "100"},
        {"-0.0004", "0.000", "0.000"},
        {"-0.0004", "-0.000", "0.000"},
        {"1e300", "1e30", "###"},
        {"abc.def", "abc", "###"},
        {"12,5", "12", "###"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in a cell for " + c.fits);
        CTblLayout lay;
        const QRect cell(100, 0, width(c.fits), 20);
        EXPECT_EQ(lay.FitText(dc, QString::fromLatin1(c.text), cell), QString::fromLatin1(c.shown));
        const bool whole = std::string(c.text) == c.shown;
        EXPECT_EQ(lay.CutTextAt(cell.center()), whole ? QString() : QString::fromLatin1(c.text));
    }
}

// A value that does not fit its cell shows fewer decimals or "###", with the
// full text kept for the tool tip: "-12.3456" must never read as ".2.3456".
TEST_F(MainDialog, ValuesThatDoNotFitShowHashes) {
    TypeLoad(0, {"12", "-12.3456789012345", "-120", "123456789012", "0", "0", "0"});
    const QImage client = dlg->RenderClient();
    const QRect lx = dlg->m_layInTable.Cell(2, 1);
    EXPECT_EQ(dlg->m_layInTable.CutTextAt(lx.center()), QStringLiteral("-12.3456789012345"));
    EXPECT_EQ(dlg->m_layInTable.CutTextAt(dlg->m_layInTable.Cell(3, 1).center()), QString());  // -120 fits
    // The cell shows the value rounded to what fits, a whole number is "###".
    const int dark = ExpectCellShows(client, lx, QStringLiteral("-12.35"));
    EXPECT_GT(dark, 10);
    const QRect lz = dlg->m_layInTable.Cell(4, 1);
    ExpectCellShows(client, lz, QStringLiteral("###"));
    EXPECT_EQ(dlg->m_layInTable.CutTextAt(lz.center()), QStringLiteral("123456789012"));
    // Once it fits again the tool tip is gone.
    TypeLoad(0, {"12", "-12.3", "-120", "0", "0", "0", "0"});
    dlg->RenderClient();
    EXPECT_EQ(dlg->m_layInTable.CutTextAt(lx.center()), QString());

    // The bar-chart table does the same.
    AddRobot(QStringLiteral("TK50-2100"));
    CDgmBarChart& chart = dlg->m_pPgMomentChart->Chart();
    chart.SetValues(0, 123456789.25, 50, 50, 50, 0);
    dlg->m_pPgMomentChart->Render();
    EXPECT_EQ(chart.layTable.CutTextAt(chart.layTable.Cell(6, 1).center()), QStringLiteral("123456789.25"));
    EXPECT_EQ(chart.layTable.CutTextAt(chart.layTable.Cell(3, 1).center()), QString());
}

TEST_F(MainDialog, VerdictDetailStaysInsideItsFrame) {
    AddRobot(QStringLiteral("TK50-2100"));
    ASSERT_EQ(dlg->m_strDetail[0].count(QStringLiteral("\r\n")), 4);
    const QImage client = dlg->RenderClient();
    const QRect& R = dlg->m_rcResult;
    // The bottom frame line and the two rows above it hold nothing but frame and background.
    for (int x = R.left() + 2; x < R.right() - 1; ++x) {
        EXPECT_EQ(client.pixelColor(x, R.bottom()), CLR_STEEL) << x;
        EXPECT_EQ(client.pixelColor(x, R.bottom() - 1), CLR_WHITE) << x;
    }
    // The longest lines, the English level words with their notes and a large
    // reduction with no centre of gravity that passes, end before the right
    // edge in both languages (the font gives up a pixel or two rather than cut them).
    const kesttest::SettingsGuard guard;
    TypeLoad(0, {"1500", "0", "0", "100", "10", "10", "10"});
    for (const Lang lang : {Lang::Korean, Lang::English}) {
        SetCurrentLanguage(lang);
        ASSERT_EQ(dlg->DoAnalyse(), 0);
        ASSERT_TRUE(dlg->m_strDetail[0].contains(QStringLiteral("\u22121445.0 kg")));
        EXPECT_GE(dlg->m_nDetailFontPx, std::max(6, dlg->Client()->font().pixelSize() - 3));
        const QImage box = dlg->RenderClient();
        // Text that ran on would be cut at the detail's right margin (half the
        // band's font height inside the frame) and darken the columns before
        // it.
        const int margin = Trunc(0.71 * Trunc(0.35 * R.height())) / 2;
        for (int y = R.top() + R.height() / 2; y < R.bottom(); ++y) {
            for (int x = R.right() - margin - 4; x < R.right(); ++x)
                EXPECT_EQ(box.pixelColor(x, y), CLR_WHITE) << x << "," << y;
        }
    }
}

// The yellow line under the load table follows the analysed loads: the count
// and the first warning, all of them in its tool tip and in a message on a
// click; hidden once the loads look right and whenever the results are cleared.
TEST_F(MainDialog, LoadWarningsLineFollowsTheAnalysedLoads) {
    AddRobot(QStringLiteral("TK50-2100"));
    CLoadWarningsLine* line = dlg->m_pLoadWarnings;
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isHidden());  // the rated load looks right
    TypeLoad(0, {"20", "0", "0", "100", "0", "0", "0"});
    TypeLoad(1, {"5", "0", "0", "100", "0.5", "0.1", "0.1"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    ASSERT_FALSE(line->isHidden());
    const QVector<CLoadWarning> w = line->Warnings();
    ASSERT_EQ(w.size(), 2);
    EXPECT_EQ(w[0].code + w[1].code, QStringLiteral("inertia-missinginertia-not-physical"));
    EXPECT_EQ(dlg->m_nVerdict[0], 1);  // a warning is no verdict
    EXPECT_TRUE(line->text().startsWith(LoadKestString(IDS_LOAD_WARNINGS_LINE).arg(2).left(8)));
    EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(line->text()), line->width());
    EXPECT_TRUE(line->toolTip().contains(w[0].text.toHtmlEscaped()) &&
                line->toolTip().contains(w[1].text.toHtmlEscaped()));
    Messages().Reset();
    QTest::mouseClick(line, Qt::LeftButton);
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, line->ListText());

    dlg->ClearResults();
    EXPECT_TRUE(line->isHidden());
    TypeLoad(0, {"20", "0", "0", "100", "0.1", "0.1", "0.1"});
    TypeLoad(1, {"0", "0", "0", "0", "0", "0", "0"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    EXPECT_TRUE(line->isHidden());
    EXPECT_TRUE(line->Warnings().isEmpty());
}

TEST_F(MainDialog, PayloadLabelsOfSeveralRobotsDoNotOverlap) {
    AddRobot(QStringLiteral("TK50-2100"));
    AddRobot(QStringLiteral("TK20-1700"));
    AddRobot(QStringLiteral("TK120-2500"));
    TypeLoad(0, {"18", "30", "-120", "250", "0.9", "0.9", "0.6"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    for (const bool grey : {false, true}) {
        CDgmPayload& d = dlg->m_pPgPayload->Diagram();
        QImage img(dlg->m_pPgPayload->size(), QImage::Format_RGB32);
        QPainter p(&img);
        CKestDC dc(&p);
        d.Draw(dc, grey, false);
        for (int i = 0; i < 3; ++i) {
            ASSERT_FALSE(d.rcLabel[i].isEmpty()) << i;
            // Next to its own load point: within a few label heights of it.
            const QPoint q = d.ValueToPixel(d.dLoadR[i], d.dLoadY);
            EXPECT_LT(std::abs(d.rcLabel[i].center().y() - q.y()), 4 * d.rcLabel[i].height()) << i;
            for (int j = 0; j < i; ++j) EXPECT_FALSE(d.rcLabel[i].intersects(d.rcLabel[j])) << i << j;
        }
    }
}

}  // namespace

TEST_F(MainDialog, WindowGrowsAndItsResultSideTakesTheRoom) {
    AddRobot(QStringLiteral("TK50-2100"));
    QWidget* client = dlg->Client();
    const QSize smallest = client->size();
    EXPECT_EQ(client->minimumSize(), smallest);
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_LT(dlg->minimumSize().width(), dlg->maximumSize().width());
    // At the smallest size the verdict's detail text is no smaller than the
    // dialog's font, and its lines fit in the box.
    dlg->RenderClient();
    const int dialogPx = client->font().pixelSize();
    EXPECT_GE(dlg->m_nDetailFontPx, dialogPx);
    const QRect company = GetDlgItem(client, IDC_COMPANY)->geometry();
    const QRect loadTab = GetDlgItem(client, IDC_TAB_ADDLOAD)->geometry();
    const QRect page = dlg->m_pPgPayload->geometry();
    const QRect plot = dlg->m_pPgPayload->Diagram().rcPlot;
    const QRect result = dlg->m_rcResult;
    const int detailPx = dlg->m_nDetailFontPx;
    const int mechGap = smallest.width() - Right(GetDlgItem(client, IDC_LB_MECH)->geometry());

    dlg->resize(dlg->size() + QSize(600, 400));
    QCoreApplication::processEvents();
    ASSERT_EQ(client->size(), smallest + QSize(600, 400));
    // The load side keeps its place; the pages, their drawings and the verdict box grow.
    EXPECT_EQ(GetDlgItem(client, IDC_COMPANY)->geometry(), company);
    EXPECT_EQ(GetDlgItem(client, IDC_TAB_ADDLOAD)->geometry(), loadTab);
    EXPECT_EQ(dlg->m_pPgPayload->width(), page.width() + 600);
    EXPECT_GT(dlg->m_pPgPayload->height(), page.height() + 250);
    EXPECT_EQ(dlg->m_pPgMomentChart->geometry(), dlg->m_pPgPayload->geometry());
    EXPECT_GT(dlg->m_pPgPayload->Diagram().rcPlot.width(), plot.width() + 500);
    EXPECT_GT(dlg->m_pPgPayload->Diagram().rcPlot.height(), plot.height() + 150);
    EXPECT_GT(dlg->m_rcResult.width(), result.width() + 500);
    EXPECT_GT(dlg->m_rcResult.height(), result.height());
    // The mechanism list and picture keep their distance from the right edge.
    EXPECT_EQ(client->width() - Right(GetDlgItem(client, IDC_LB_MECH)->geometry()), mechGap);
    EXPECT_EQ(client->width() - Right(dlg->m_rcImgMech), mechGap);
    EXPECT_LE(Bottom(dlg->m_rcResult), client->height());
    const QImage grown = dlg->RenderClient();
    EXPECT_EQ(grown.size(), client->size());
    EXPECT_GT(dlg->m_nDetailFontPx, detailPx);
    // The verdict band fills the grown box's top right.
    const QColor band = grown.pixelColor(Right(dlg->m_rcResult) - 4, dlg->m_rcResult.top() + 4);
    EXPECT_EQ(band, CLR_GREEN) << band.name().toStdString();

    // Back to the smallest size: the template's layout again, and no smaller.
    dlg->resize(100, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(client->size(), smallest);
    EXPECT_EQ(dlg->m_pPgPayload->geometry(), page);
    EXPECT_EQ(dlg->m_rcResult, result);
}

TEST_F(MainDialog, LoadPointOfAToolWithoutMassLiesInsideTheDiagram) {
    AddRobot(QStringLiteral("TK50-2100"));
    TypeLoad(0, {"0", "0", "0", "700", "0", "0", "0"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    CDgmPayload& d = dlg->m_pPgPayload->Diagram();
    ASSERT_TRUE(d.bHasData[0]);
    dlg->m_pPgPayload->Render();
    const QPoint q = d.ValueToPixel(d.dLoadR[0], d.dLoadY);
    EXPECT_GE(q.x(), d.rcPlot.left());
    EXPECT_LE(q.x(), Right(d.rcPlot));
    EXPECT_GE(q.y(), d.rcPlot.top());
    EXPECT_LE(q.y(), Bottom(d.rcPlot));
    EXPECT_TRUE(d.rcArea.contains(d.rcLabel[0])) << d.rcLabel[0].x() << "," << d.rcLabel[0].y();
}
