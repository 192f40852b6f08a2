// The report: both pages drawn into pictures and into real PDF files (read
// back with the poppler tools), the report dialog, and printing from the window.
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "CliRun.h"
#include "Colors.h"
#include "DgmPayload.h"
#include "DialogFixture.h"
#include "DlgReport.h"
#include "DlgReportPreview.h"
#include "DrawMath.h"
#include "EngineBinding.h"
#include "KestDC.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "PdfTools.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "ProjectFile.h"
#include "ProjectResult.h"
#include "Report.h"
#include "ReportOutput.h"
#include "Strings.h"

using namespace kest;
using kesttest::Messages;

namespace {

using kesttest::PdfText;
using kesttest::Poppler;

// Pages as pdftoppm renders them.
int RenderedPages(const QString& pdf) {
    const QString prefix = pdf + QStringLiteral(".page");
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), pdf, prefix});
    return static_cast<int>(
        QDir(QFileInfo(pdf).path()).entryList({QFileInfo(prefix).fileName() + "*.png"}).size());
}

int CountIf(const QImage& img, const QRect& area, const std::function<bool(const QColor&)>& pred) {
    int n = 0;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) n += pred(img.pixelColor(x, y));
    }
    return n;
}
int CountInk(const QImage& img, const QRect& area) {
    return CountIf(img, area, [](const QColor& c) { return c != QColor(Qt::white); });
}
bool Coloured(const QColor& c) {
    return std::abs(c.red() - c.green()) > 2 || std::abs(c.green() - c.blue()) > 2;
}

// A spot-welding cell: three robots that fail, pass with high load and pass,
// with loads and load-calculator lists.
class Report : public kesttest::MainDialog {
protected:
    void SetUp() override {
        MainDialog::SetUp();
        const QStringList info =
            QStringLiteral(
                "한빛정밀 주식회사|차체 조립 2공장|스폿 용접|BIW-2 라인|R-14|박서연|서보 "
                "스폿건 적용 검토")
                .split(QLatin1Char('|'));
        QString* fields[] = {&dlg->m_strCompany, &dlg->m_strProject,  &dlg->m_strApplication,
                             &dlg->m_strLine,    &dlg->m_strRobotNum, &dlg->m_strEngineer,
                             &dlg->m_strComment};
        for (int i = 0; i < 7; ++i) *fields[i] = info[i];
        for (const char* robot : {"TK80-2300", "TK120-2500", "TK165-2700"})
            AddRobot(QString::fromLatin1(robot));
        TypeLoad(0, {"113.5", "99.383", "0.749", "279.841", "4.362", "6.54", "3.032"});
        TypeLoad(1, {"26.5", "200.943", "0", "157.358", "0.17", "3.854", "3.784"});
        TypeLoad(3, {"57.5", "-310.87", "137.217", "206.957", "5.326", "2.872", "3.534"});
        dlg->m_dlgLoadCalc.m_arrLoad[0] = {Load("서보 스폿건 본체", 74.0, 0.165, 0.355, 2.45),
                                           Load("전극 팁 & 쉥크", 1.6, 0.31, 0.42, 0.0)};
        dlg->m_dlgLoadCalc.m_arrLoad[1] = {Load("밸브 박스", 9.5, -0.25, 0.18, 0.04)};
        ASSERT_EQ(dlg->DoAnalyse(), 0);
        ASSERT_EQ(dlg->m_nVerdict[0], 4);  // fails
        ASSERT_EQ(dlg->m_nVerdict[1], 2);  // high load
        ASSERT_EQ(dlg->m_nVerdict[2], 1);  // passes
    }
    static CLoad Load(const char* name, double mass, double lx, double lz, double ixx) {
        CLoad l;
        l.Name = QString::fromUtf8(name);
        l.prm.Set(mass, lx, 0.0, lz, ixx, 0.0, 0.0);
        return l;
    }
    // A page on a 150 dpi A4 sheet, with the printer margins at that resolution.
    QImage Render(CReport& r, int page, int option) {
        QImage img(1240, 1754, QImage::Format_RGB32);
        img.fill(Qt::white);
        r.Init(img.width(), img.height(), kReportMarginL / 4, kReportMarginT / 4, kReportMarginR / 4,
               kReportMarginB / 4);
        QPainter p(&img);
        CKestDC dc(&p);
        r.Draw(dc, page, option);
        return img;
    }
    QString WritePdf(const QString& name, int grey, int option) {
        const QString path = dir.filePath(name);
        QString error;
        EXPECT_EQ(WriteReportPdf(dlg->ReportSource(), path, grey, option, &error), 0) << error.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

// The report needs no window: the project read from its file and analysed on
// an engine binding of its own draws both pages exactly as the window's
// report does, and on the older data it names that data.
TEST_F(Report, DrawnFromTheProjectAndItsResultsWithoutAWindow) {
    const QString path = dir.filePath(QStringLiteral("cell.kestload"));
    ASSERT_EQ(dlg->SavePrj(path), CDlgMain::SAVE_OK);
    CProject project;
    ASSERT_EQ(ReadProjectFile(path, project), PRJ_OK);
    for (const bool old : {false, true}) {
        CEngineBinding engine;
        ASSERT_EQ(engine.Load(AppFolder(), !old), CEngineBinding::LOAD_OK);
        const CProjectResult result = AnalyseProject(*engine.Engine(), project, true, old);
        ASSERT_EQ(result.robots.size(), 3);
        CReport fromData(CReportSource{&project, &result, dlg->ProdVersionText(), path});
        if (!old) {
            EXPECT_EQ(result.robots[0].verdict.code, 4);
            CReport fromWindow(dlg->ReportSource());
            for (int page : {1, 2}) {
                EXPECT_EQ(Render(fromData, page, CReport::CHART_BOTH),
                          Render(fromWindow, page, CReport::CHART_BOTH))
                    << "page " << page;
            }
            continue;
        }
        const QString pdf = dir.filePath(QStringLiteral("old.pdf"));
        ASSERT_EQ(WriteReportPdf(CReportSource{&project, &result, dlg->ProdVersionText(), path}, pdf, 0,
                                 CReport::CHART_MOMENT),
                  0);
        // "V40.24.14 and earlier" (or its Korean), never the current generation's name.
        EXPECT_TRUE(PdfText(pdf, 1).contains(QStringLiteral("V40.24.14")));
        // The command line's report says so as well.
        const QString cliPdf = dir.filePath(QStringLiteral("cli-old.pdf"));
        kesttest::Kestload({QStringLiteral("--check"), QStringLiteral("--old-data"), path,
                            QStringLiteral("--report"), cliPdf});
        EXPECT_TRUE(PdfText(cliPdf, 1).contains(QStringLiteral("V40.24.14")));
        EXPECT_FALSE(PdfText(cliPdf, 1).contains(QStringLiteral("V40.24.15")));
    }
}

// Page 1 gives each verdict its headroom line and, when the loads look wrong,
// lists the warnings at its foot, below the diagram and the chart; without
// warnings the foot stays as it was.
TEST_F(Report, PageOneShowsHeadroomAndListsLoadWarnings) {
    CReport plain(dlg->ReportSource());
    Render(plain, 1, CReport::CHART_MOMENT);
    EXPECT_TRUE(plain.m_rcWarnings.isEmpty());
    const QRect payload = plain.m_rcPayload;

    TypeLoad(0, {"20", "0", "0", "150", "0", "0", "0"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    ASSERT_EQ(dlg->Result().warnings.size(), 1);
    CReport warned(dlg->ReportSource());
    const QImage page = Render(warned, 1, CReport::CHART_MOMENT);
    const QRect foot = warned.m_rcWarnings;
    ASSERT_FALSE(foot.isEmpty());
    EXPECT_GT(CountInk(page, foot), 200);
    EXPECT_LT(warned.m_rcPayload.height(), payload.height());
    EXPECT_LT(Bottom(warned.m_rcPayload), foot.top());
    EXPECT_LT(Bottom(warned.m_rcChart[0]), foot.top());
    EXPECT_TRUE(warned.m_rcPrint.contains(foot));

    const QString text = PdfText(WritePdf(QStringLiteral("warned.pdf"), 0, CReport::CHART_MOMENT), 1);
    EXPECT_TRUE(text.contains(LoadKestString(IDS_LOAD_WARNINGS_REPORT))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("20 kg")));
    EXPECT_EQ(text.count(QStringLiteral("무게중심 ≤")), 3) << text.toStdString();
}

TEST_F(Report, PdfPagesHoldTheProjectInItsFormatsAndTheChosenCharts) {
    const QString pdf = WritePdf(QStringLiteral("report.pdf"), 0, CReport::CHART_BOTH);
    EXPECT_EQ(RenderedPages(pdf), 2);
    EXPECT_TRUE(Poppler(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("(A4)")));
    // Text stays text, in fonts that travel with the file.
    const QStringList fonts =
        Poppler(QStringLiteral("pdffonts"), {pdf}).trimmed().split(QLatin1Char('\n')).mid(2);
    EXPECT_GE(fonts.size(), 2);
    for (const QString& f : fonts) {
        EXPECT_EQ(f.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(4), "yes") << f.toStdString();
    }

    unsigned v[4];
    dlg->GetProdVer(v);
    const QString one = PdfText(pdf, 1);
    EXPECT_TRUE(one.contains(QStringLiteral("KestLoad %1.%2.%3").arg(v[0]).arg(v[1]).arg(v[2])));
    for (const QString& s :
         QStringLiteral(
             "분석보고서|page 1|일반정보|회사명 : 한빛정밀 주식회사|프로젝트 : 차체 조립 2공장|응용분야 : "
             "스폿 용접|라인 : BIW-2 라인|로봇 # : R-14|엔지니어 : 박서연|서보 스폿건 적용 검토|툴 파라미터|"
             "부가중량 파라미터|중량 : 113.50 kg|Lx : 99.38 mm|Lz : 279.84 mm|Ixx : 4.3620 kg·m²|Izz : "
             "3.0320 kg·m²|Lx : -310.87 mm|결과 :|기구 데이터: V40.24.15 이상, 버전 24|TK120-2500|좌표계|"
             "Payload diagram")
             .split(QLatin1Char('|'))) {
        EXPECT_TRUE(one.contains(s)) << s.toStdString();
    }
    EXPECT_TRUE(one.contains(LoadKestString(IDS_NOTICE).left(12)));
    const QString two = PdfText(pdf, 2);
    for (const QString& s :
         QStringLiteral("page 2|상세 부하 테이블|Mass[kg]|Izz[kg·m²]|서보 스폿건 본체|74.000|"
                        "165.000|355.000|2.4500|전극 팁 & 쉥크|-250.000|0.0400")
             .split(QLatin1Char('|'))) {
        EXPECT_TRUE(two.contains(s)) << s.toStdString();
    }
    EXPECT_FALSE(two.contains(LoadKestString(IDS_REST_OMITTED)));

    // Chart options: the title and a value of each chart where it belongs.
    const QString moment = QString::asprintf("%.2f", dlg->m_pPgMomentChart->Chart().dRatio[0][3]);
    const QString inertia = QString::asprintf("%.2f", dlg->m_pPgInertiaChart->Chart().dRatio[0][3]);
    const struct {
        int option;
        bool momentOnOne, inertiaOnOne, inertiaOnTwo;
    } cases[] = {
        {0, false, false, false}, {1, true, false, false}, {2, false, true, false}, {3, true, false, true}};
    for (const auto& c : cases) {
        const QString file = WritePdf(QStringLiteral("option%1.pdf").arg(c.option), 0, c.option);
        const QString p1 = PdfText(file, 1);
        const QString p2 = PdfText(file, 2);
        EXPECT_EQ(p1.contains("Moment bar chart (Moment>Inertia)") && p1.contains(moment), c.momentOnOne)
            << c.option;
        EXPECT_EQ(p1.contains("Inertia bar chart (Inertia>Moment)") && p1.contains(inertia), c.inertiaOnOne)
            << c.option;
        EXPECT_EQ(p2.contains("Inertia bar chart (Inertia>Moment)") && p2.contains(inertia), c.inertiaOnTwo)
            << c.option;
        EXPECT_FALSE(p2.contains("Moment bar chart")) << c.option;
    }
    // Without a chart its place on page 1 stays blank; page 2 starts with the tables.
    CReport r(dlg->ReportSource());
    Render(r, 1, CReport::CHART_MOMENT);
    const QRect chart = r.m_rcChart[0];
    EXPECT_EQ(CountInk(Render(r, 1, CReport::CHART_NONE), chart), 0);
    Render(r, 2, CReport::CHART_BOTH);
    const int tablesTop = r.m_rcLoadTable.top();
    Render(r, 2, CReport::CHART_MOMENT);
    EXPECT_LT(r.m_rcLoadTable.top(), tablesTop - r.m_rcPrint.height() / 4);
}

TEST_F(Report, EmptyPartsListsCommentBoxAndGreyNumbers) {
    // The V list has parts, the tool's, H's and S's are empty: one line each.
    dlg->m_dlgLoadCalc.m_arrLoad[0].clear();
    dlg->m_strComment = QString(400, QLatin1Char('W'));
    dlg->m_pMngLegend->SetCur(0);
    const QString pdf = WritePdf(QStringLiteral("direct.pdf"), 1, CReport::CHART_NONE);
    const QString two = PdfText(pdf, 2);
    const QString direct = LoadKestString(IDS_LOAD_ENTERED_DIRECTLY);
    EXPECT_EQ(two.count(direct.left(20)), 3) << two.toStdString();
    EXPECT_TRUE(two.contains(QStringLiteral("밸브 박스")));
    EXPECT_EQ(two.count(QStringLiteral("Mass[kg]")), 1) << "one table header, for V only";
    // Grey scale numbers the robots from 1, in the legend and beside the load points.
    const QString one = PdfText(pdf, 1);
    for (const char* s : {"1) TK80-2300", "2) TK120-2500", "3) TK165-2700", "1) y:", "3) y:"})
        EXPECT_TRUE(one.contains(QString::fromLatin1(s))) << s;
    EXPECT_FALSE(one.contains(QStringLiteral("0) TK80-2300")));

    // The comment box reaches the middle line, and its text stays left of it.
    CReport r(dlg->ReportSource());
    dlg->m_strComment = QStringLiteral("I ").repeated(300);
    const QImage page = Render(r, 1, CReport::CHART_NONE);
    const int mid = r.m_rcPrint.left() + r.m_rcPrint.width() / 2;
    EXPECT_EQ(Right(r.m_rcComment), mid);
    EXPECT_EQ(r.m_rcComment.height(), 7 * r.m_nLineH);
    const QRect rightOfMid(mid + 2, r.m_rcComment.top(), r.m_nIndent, r.m_rcComment.height());
    EXPECT_EQ(CountInk(page, rightOfMid), 0);
    // The loads' third column (Lz, Izz in kg·m²) stays left of the middle line.
    const int loadsTop = Bottom(r.m_rcComment) + r.m_nLineH + 2;  // below the line under the comment
    EXPECT_EQ(CountInk(page, QRect(mid + 2, loadsTop, r.m_nIndent / 2,
                                   r.m_rcPayload.top() - 3 * r.m_nLineH - loadsTop)),
              0);
}

TEST_F(Report, VerdictBoxesAndGreyScale) {
    CReport r(dlg->ReportSource());
    const QImage colour = Render(r, 1, CReport::CHART_BOTH);
    const QColor bands[3] = {CLR_RED, CLR_YELLOW, CLR_GREEN};
    const auto band = [&r](const QImage& img, int i) {
        return img.pixelColor(Right(r.m_rcVerdict[i]) - 3, r.m_rcVerdict[i].top() + 3);
    };
    for (int i = 0; i < 3; ++i) {
        ASSERT_GT(r.m_rcVerdict[i].left(), r.m_rcPrint.center().x()) << "right column " << i;
        EXPECT_EQ(band(colour, i), bands[i]) << i;
    }
    const QRect boxes = r.m_rcVerdict[0].united(r.m_rcVerdict[2]);
    // Colour: deep-blue headings, the colour picture.
    const QRect heading(r.m_nMarginL, r.m_nHeaderY, r.m_rcPrint.width() / 4, 2 * r.m_nLineH);
    EXPECT_GT(CountIf(colour, heading, [](const QColor& c) { return c == CLR_DEEPBLUE; }), 20);
    EXPECT_GT(CountIf(colour, r.m_rcCrdSys, [](const QColor& c) { return c.hsvSaturation() > 80; }), 50);
    // Grey scale: white bands, black headings, the grey picture, no colour on either page.
    r.m_bGreyScale = 1;
    const QImage grey = Render(r, 1, CReport::CHART_BOTH);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(band(grey, i), CLR_WHITE) << i;
    EXPECT_GT(CountIf(grey, heading, [](const QColor& c) { return c == CLR_BLACK; }), 20);
    EXPECT_GT(CountInk(grey, r.m_rcCrdSys), 2000);
    EXPECT_EQ(CountIf(grey, grey.rect(), Coloured), 0);
    EXPECT_EQ(CountIf(Render(r, 2, CReport::CHART_BOTH), grey.rect(), Coloured), 0);
    // A robot unknown to the mechanism data has no result: a grey band.
    r.m_bGreyScale = 0;
    dlg->m_pMngLegend->RemoveCur();
    dlg->m_pMngLegend->Add(QStringLiteral("TX-UNKNOWN"));
    dlg->DoAnalyse();
    EXPECT_EQ(band(Render(r, 1, CReport::CHART_BOTH), 2), CLR_LIGHTGRAY);
    // No robot: no box at all, but the mechanism data loaded is still named.
    while (dlg->m_pMngLegend->Count() > 0) dlg->m_pMngLegend->RemoveCur();
    dlg->DoAnalyse();
    EXPECT_EQ(CountInk(Render(r, 1, CReport::CHART_BOTH), boxes), 0);
    EXPECT_FALSE(dlg->Result().mechData.isEmpty());
    EXPECT_EQ(dlg->Result().mechData, dlg->MechDataText());
    // A window started on the older data names that data.
    CDlgMain old;
    old.StartWithMechData(false);
    old.show();
    EXPECT_TRUE(old.MechDataText().contains(LoadKestString(IDS_GEN_OLD))) << old.MechDataText().toStdString();
    old.OnFileExit();
}

TEST_F(Report, GreyEnvelopesStayDashedOnAPrinterPage) {
    // The payload diagram at its size on a 600 dpi page: robot 0's limit line
    // solid, robot 1's half on, robot 2's two thirds on, with dashes of at
    // least half a millimetre on lines as wide as the colour ones.
    CDgmPayload d;
    d.CopyDataFrom(dlg->m_pPgPayload->Diagram());
    // The load point at the origin keeps the labels below the limit lines.
    d.dLoadY = 0.0;
    for (double& r : d.dLoadR) r = 0.0;
    const QRect area(0, 0, 2050, 1930);
    d.rcBack = area;
    d.Layout(area);
    QImage img(area.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    CKestDC dc(&p);
    d.Draw(dc, true, true);
    const auto black = [](const QColor& c) { return c.value() < 60; };
    const double expected[3] = {1.0, 0.5, 2.0 / 3.0};
    for (int i = 0; i < 3; ++i) {
        const QPoint a = d.ValueToPixel(0, d.dLimY[i]) + QPoint(10, 0);
        const QPoint b = d.ValueToPixel(d.dArcR[i], d.dLimY[i]) - QPoint(10, 0);
        ASSERT_GT(b.x() - a.x(), 200) << i;
        // The utilisation labels lie over the lines on their white ground: the
        // line is measured beside them.
        const auto underLabel = [&d](int x, int y) {
            for (const QRect& l : d.rcLabel)
                if (l.adjusted(-2, 0, 2, 0).contains(x, y)) return true;
            return false;
        };
        int on = 0, dashes = 0, length = 0;
        for (int x = a.x(); x < b.x(); ++x) {
            if (underLabel(x, a.y()) || underLabel(x - 1, a.y())) continue;
            ++length;
            on += black(img.pixelColor(x, a.y()));
            dashes += black(img.pixelColor(x, a.y())) && !black(img.pixelColor(x - 1, a.y()));
        }
        ASSERT_GT(length, 200) << i;
        EXPECT_NEAR(static_cast<double>(on) / length, expected[i], 0.12) << i;
        EXPECT_GE(on / std::max(1, dashes), i > 0 ? 12 : 200) << i;
        int x = a.x();
        while (x < b.x() && !black(img.pixelColor(x, a.y()))) ++x;
        EXPECT_GE(CountIf(img, QRect(x + 4, a.y() - 30, 1, 61), black), 3 * (area.height() / 300) - 2) << i;
    }
}

TEST_F(Report, TextsStayInTheirCellsAndTablesOnThePage) {
    CReport r(dlg->ReportSource());
    const QImage one = Render(r, 1, CReport::CHART_BOTH);
    const QImage two = Render(r, 2, CReport::CHART_NONE);
    dlg->m_strCompany = QStringLiteral("회사명이 아주 긴 회사 ").repeated(20);
    dlg->m_dlgLoadCalc.m_arrLoad[0][0].Name = QStringLiteral("Extremely long part name ").repeated(10);
    dlg->m_dlgLoadCalc.m_arrLoad[0][0].prm.Lx = 123456789.0;
    const auto same = [](const QImage& a, const QImage& b, const QRect& area) {
        return a.copy(area) == b.copy(area);
    };
    // The long company name ends before the middle line; the right column is as before.
    const int mid = r.m_rcPrint.left() + r.m_rcPrint.width() / 2;
    const int quarter = r.m_rcPrint.height() / 4;
    const QImage longOne = Render(r, 1, CReport::CHART_BOTH);
    EXPECT_TRUE(same(one, longOne, LTRB(mid - r.m_nIndent + 1, r.m_nHeaderY + 1, r.m_nPageW, quarter)));
    EXPECT_FALSE(same(one, longOne, LTRB(0, r.m_nHeaderY + 1, mid, quarter)));
    // Row 1 of the tool table: the name and the huge Lx each stay in their cell.
    const QImage longTwo = Render(r, 2, CReport::CHART_NONE);
    const int W = r.m_rcPrint.width();
    const int nameRight = r.m_rcLoadTable.left() + Trunc(0.04 * W) + Trunc(0.15 * W);
    const int lxLeft = nameRight + Trunc(0.09 * W);
    const int lxRight = lxLeft + Trunc(0.09 * W);
    const int row = r.m_rcLoadTable.top() + r.m_nLineH;
    EXPECT_TRUE(same(two, longTwo, LTRB(nameRight, row, lxLeft + 1, row + r.m_nLineH)));
    EXPECT_TRUE(same(two, longTwo, LTRB(lxRight, row, Right(r.m_rcLoadTable), row + r.m_nLineH)));
    EXPECT_FALSE(same(two, longTwo, LTRB(lxLeft + 1, row + 1, lxRight, row + r.m_nLineH)));

    // A list too long for the page is cut off; nothing of the later kinds follows.
    CLoadArray many;
    for (int i = 1; i <= 200; ++i)
        many << Load(QStringLiteral("Part %1").arg(i).toUtf8().constData(), i, 0, 0, 0);
    dlg->m_dlgLoadCalc.m_arrLoad[0] = many;
    dlg->m_dlgLoadCalc.m_arrLoad[1][0].Name = QStringLiteral("Later kind");
    const QString text = PdfText(WritePdf(QStringLiteral("long.pdf"), 0, CReport::CHART_MOMENT), 2);
    EXPECT_TRUE(text.contains(QStringLiteral("나머지는 생략...")));
    EXPECT_TRUE(text.contains(QStringLiteral("Part 30")));
    EXPECT_FALSE(text.contains(QStringLiteral("Part 200")));
    EXPECT_FALSE(text.contains(QStringLiteral("Later kind")));
    EXPECT_FALSE(text.contains(QStringLiteral("부가중량 파라미터")));
    const int limit = Bottom(r.m_rcPrint) - 3 * r.m_nLineH;
    const QImage cut = Render(r, 2, CReport::CHART_MOMENT);
    const int capacity = r.m_nRowsShown;
    EXPECT_TRUE(r.m_bOmitted);
    EXPECT_GT(Bottom(r.m_rcLoadTable), limit - 2 * r.m_nLineH) << "the page is used";
    EXPECT_LE(Bottom(r.m_rcLoadTable), limit);
    Render(r, 2, CReport::CHART_BOTH);
    EXPECT_LT(r.m_nRowsShown, capacity) << "fewer rows below the inertia chart";
    // A list that just fits is complete; the next kind, with no room left, is
    // left out without drawing past the frame.
    dlg->m_dlgLoadCalc.m_arrLoad[0] = many.mid(0, capacity);
    const QImage full = Render(r, 2, CReport::CHART_MOMENT);
    EXPECT_EQ(r.m_nRowsShown, capacity);
    EXPECT_TRUE(r.m_bOmitted);
    const QRect below = LTRB(0, Bottom(r.m_rcPrint) + 1, full.width(), full.height());
    EXPECT_EQ(CountInk(full, below) + CountInk(cut, below), 0);
}

TEST(ReportPrinterList, EntriesAndNames) {
    int selected = -1;
    EXPECT_EQ(CDlgReport::PrinterEntries({}, QString(), &selected), QStringList{"PDF"});
    EXPECT_EQ(selected, 0) << "without printers the PDF entry is chosen";
    const QStringList printers = {"Lab(2)", "Office(A4)", "HP"};
    const QStringList entries = CDlgReport::PrinterEntries(printers, "Office(A4)", &selected);
    EXPECT_EQ(entries, (QStringList{"Lab(2)", "Office(A4) (default)", "HP", "PDF"}));
    EXPECT_EQ(selected, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(CDlgReport::PrinterNameOfEntry(entries[i]), printers[i]) << i;
    // Only the whole mark comes off.
    EXPECT_EQ(CDlgReport::PrinterNameOfEntry("Lab(default)"), "Lab(default)");
    EXPECT_EQ(CDlgReport::PrinterNameOfEntry("A (default) (default)"), "A (default)");
    CDlgReport::PrinterEntries(printers, "Gone", &selected);
    EXPECT_EQ(selected, 0) << "no default among them: the first printer";
}

class ReportDialog : public Report {
protected:
    void Open(int showInertia) {
        report = std::make_unique<CDlgReport>(dlg->ReportSource());
        report->m_bShowInertia = showInertia;
        report->show();
    }
    QCheckBox* Box(int id) const { return DlgItem<QCheckBox>(report.get(), id); }
    QComboBox* Combo(int id) const { return DlgItem<QComboBox>(report.get(), id); }
    void ChooseEntry(int i) {
        Combo(IDC_RPT_PRINTER)->setCurrentIndex(i < 0 ? Combo(IDC_RPT_PRINTER)->count() + i : i);
    }
    void Print() { DlgItem<QPushButton>(report.get(), IDC_RPT_PRINT)->click(); }
    void TearDown() override {
        report.reset();
        Report::TearDown();
    }
    // The dialog stores its choices: the next test starts without them.
    const kesttest::SettingsGuard keepSettings;
    std::unique_ptr<CDlgReport> report;
};

TEST_F(ReportDialog, DefaultsChartBoxesAndPreview) {
    Open(0);
    int selected = -1;
    const QStringList entries = CDlgReport::PrinterEntries(QPrinterInfo::availablePrinterNames(),
                                                           QPrinterInfo::defaultPrinterName(), &selected);
    ASSERT_EQ(Combo(IDC_RPT_PRINTER)->count(), entries.size());
    for (int i = 0; i < entries.size(); ++i) EXPECT_EQ(Combo(IDC_RPT_PRINTER)->itemText(i), entries[i]);
    EXPECT_EQ(Combo(IDC_RPT_PRINTER)->currentIndex(), selected);
    EXPECT_TRUE(Box(IDC_RPT_GREY)->isChecked());
    EXPECT_TRUE(Box(IDC_RPT_MOMENT)->isChecked());
    EXPECT_FALSE(Box(IDC_RPT_INERTIA)->isChecked()) << "the window hides the inertia chart";
    EXPECT_EQ(Combo(IDC_RPT_PAGE)->currentText(), QStringLiteral("1"));
    Open(1);
    EXPECT_TRUE(Box(IDC_RPT_INERTIA)->isChecked());
    EXPECT_EQ(report->m_nChartOption, CReport::CHART_BOTH);
    const struct {
        int clicked, option;
    } clicks[] = {{IDC_RPT_INERTIA, CReport::CHART_MOMENT},
                  {IDC_RPT_MOMENT, CReport::CHART_NONE},
                  {IDC_RPT_INERTIA, CReport::CHART_INERTIA},
                  {IDC_RPT_MOMENT, CReport::CHART_BOTH}};
    for (const auto& c : clicks) {
        Box(c.clicked)->click();
        EXPECT_EQ(report->m_nChartOption, c.option) << c.clicked;
    }
    // The preview keeps the paper's proportions; page 2 shows the inertia
    // chart only with both boxes checked; the grey box takes the colours away.
    const QRect page = report->PreviewPageRect();
    EXPECT_TRUE(report->m_rcPreview.contains(page));
    EXPECT_NEAR(static_cast<double>(page.width()) / page.height(), 210.0 / 297.0, 0.02);
    Combo(IDC_RPT_PAGE)->setCurrentIndex(1);
    EXPECT_GT(CountInk(report->RenderPreview(), report->m_rptPreview.m_rcChart[1]), 200);
    Box(IDC_RPT_MOMENT)->click();
    report->RenderPreview();
    EXPECT_TRUE(report->m_rptPreview.m_rcChart[1].isEmpty());
    Combo(IDC_RPT_PAGE)->setCurrentIndex(0);
    EXPECT_EQ(CountIf(report->RenderPreview(), QRect(QPoint(), page.size()), Coloured), 0);
    Box(IDC_RPT_GREY)->click();
    const QImage preview = report->RenderPreview();
    EXPECT_GT(CountIf(preview, QRect(QPoint(), page.size()), Coloured), 100);
    EXPECT_EQ(report->grab().toImage().pixelColor(page.center()),
              preview.pixelColor(page.center() - page.topLeft()));
}

TEST_F(ReportDialog, RemembersItsChoicesAndEnlargesThePreview) {
    Open(1);
    Box(IDC_RPT_GREY)->click();    // colour
    Box(IDC_RPT_MOMENT)->click();  // inertia only
    ASSERT_EQ(report->m_nChartOption, CReport::CHART_INERTIA);
    report.reset();
    Open(0);  // the window's inertia setting no longer decides
    EXPECT_FALSE(Box(IDC_RPT_GREY)->isChecked());
    EXPECT_FALSE(Box(IDC_RPT_MOMENT)->isChecked());
    EXPECT_TRUE(Box(IDC_RPT_INERTIA)->isChecked());
    EXPECT_EQ(report->m_nChartOption, CReport::CHART_INERTIA);
    EXPECT_GT(CountIf(report->RenderPreview(), report->RenderPreview().rect(), Coloured), 100);
    // A stored value out of range is not taken.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "KestLoad", "KestLoad")
        .setValue("Report/Charts", 7);
    report.reset();
    Open(0);
    EXPECT_TRUE(Box(IDC_RPT_GREY)->isChecked());
    EXPECT_EQ(report->m_nChartOption, CReport::CHART_MOMENT);

    // A click on the preview opens the page in a large window of its own,
    // which grows with its window.
    Combo(IDC_RPT_PAGE)->setCurrentIndex(1);
    const QRect small = report->PreviewPageRect();
    QTest::mouseClick(report.get(), Qt::LeftButton, {}, small.center());
    auto* big = report->findChild<CDlgReportPreview*>();
    ASSERT_NE(big, nullptr);
    EXPECT_TRUE(big->isVisible());
    // Nearly as tall as the screen, the page filling its height.
    const QRect screen = big->screen()->availableGeometry();
    EXPECT_GE(big->height(), std::min(600, screen.height() * 9 / 10));
    EXPECT_GE(big->PageRect().height(), big->height() - 20);
    EXPECT_NEAR(static_cast<double>(big->PageRect().width()) / big->PageRect().height(),
                static_cast<double>(small.width()) / small.height(), 0.02);
    const QImage page = big->RenderPage();
    EXPECT_EQ(page.size(), big->PageRect().size());
    EXPECT_GT(CountInk(page, page.rect()), 1000);
    const int before = big->PageRect().height();
    big->resize(big->size() * 3 / 2);
    EXPECT_GE(big->PageRect().height(), before * 3 / 2 - 20);
    EXPECT_GT(big->PageRect().height(), 2 * small.height());
    // A click beside the page opens nothing more.
    QTest::mouseClick(report.get(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(report->findChildren<CDlgReportPreview*>().size(), 1);
}

TEST_F(ReportDialog, PrintsToPdfOrSaysWhyNot) {
    dlg->SetPathName(dir.filePath(QStringLiteral("cell.r14.kestload")));
    Open(1);
    ChooseEntry(-1);
    ASSERT_TRUE(report->IsPdfChosen());
    // Cancelling the file name prints nothing and keeps the dialog.
    Print();
    EXPECT_EQ(Messages().offeredNames, QStringList{dir.filePath(QStringLiteral("cell.r14.pdf"))});
    EXPECT_TRUE(report->isVisible());
    // An older PDF that may not be replaced, and a missing folder: a message
    // with the reason, the dialog stays, the old file is untouched.
    const QString locked = dir.filePath(QStringLiteral("locked.pdf"));
    QFile f(locked);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("older report") == 12);
    f.close();
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0444), 0);
    for (const QString& target : {locked, dir.filePath(QStringLiteral("no/such/r.pdf"))}) {
        Messages().Reset();
        Messages().chosenFiles.push_back(target);
        Print();
        ASSERT_EQ(Messages().shown.size(), 1u) << target.toStdString();
        const QStringList lines = Messages().shown[0].text.split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.value(0), LoadKestString(IDS_PRINT_FAILED) + QStringLiteral(" :"));
        EXPECT_EQ(lines.value(1), target);
        EXPECT_GT(lines.value(2).size(), 3) << "the reason";
        EXPECT_TRUE(report->isVisible());
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("older report"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"locked.pdf"})
        << "no temporary file is left behind";
    // A printer removed since the list was filled.
    Messages().Reset();
    Combo(IDC_RPT_PRINTER)->insertItem(0, QStringLiteral("Removed-Printer"));
    ChooseEntry(0);
    Print();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.contains(QStringLiteral("Removed-Printer\r\n") +
                                                  LoadKestString(IDS_PRINTER_NOT_FOUND)));
    EXPECT_TRUE(report->isVisible());
    // A PDF that can be written: both pages, and the dialog closes with OK.
    Messages().Reset();
    ChooseEntry(-1);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    Messages().chosenFiles.push_back(pdf);
    Print();
    // A message says where the file went.
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, LoadKestString(IDS_PDF_WRITTEN) + QStringLiteral("\r\n") + pdf);
    EXPECT_EQ(report->result(), QDialog::Accepted);
    EXPECT_FALSE(report->isVisible());
    EXPECT_EQ(RenderedPages(pdf), 2);
    // Without a project file the offered name is "Noname.pdf".
    dlg->SetPathName(QString());
    Messages().Reset();
    Open(1);
    ChooseEntry(-1);
    Print();
    EXPECT_EQ(Messages().offeredNames, QStringList{"Noname.pdf"});
}

TEST_F(ReportDialog, PrintCommandReportsTheLoadsNowInTheWindow) {
    QAction* print = dlg->CommandAction(ID_FILE_PRINT);
    ASSERT_TRUE(print != nullptr && print->isEnabled());
    // A heavier tool typed but not analysed: the command analyses it.
    TypeLoad(0, {"400", "99.383", "0.749", "279.841", "4.362", "6.54", "3.032"});
    SetDlgItemText(dlg->Client(), IDC_COMPANY, QStringLiteral("ACME"));
    dlg->m_bShowInertia = 0;
    const QString pdf = dir.filePath(QStringLiteral("menu.pdf"));
    bool opened = false;
    const auto answer = [&](bool printIt) {
        QTimer::singleShot(0, [&, printIt] {
            auto* r = qobject_cast<CDlgReport*>(QApplication::activeModalWidget());
            if (r == nullptr) return;
            opened = true;
            EXPECT_FALSE(DlgItem<QCheckBox>(r, IDC_RPT_INERTIA)->isChecked());
            auto* printers = DlgItem<QComboBox>(r, IDC_RPT_PRINTER);
            printers->setCurrentIndex(printers->count() - 1);
            Messages().chosenFiles.push_back(pdf);
            if (printIt) DlgItem<QPushButton>(r, IDC_RPT_PRINT)->click();
            if (r->isVisible()) r->reject();
        });
    };
    answer(true);
    print->trigger();
    ASSERT_TRUE(opened);
    EXPECT_NE(dlg->m_nVerdict[2], 1) << "the 400 kg tool was analysed";
    const QString one = PdfText(pdf, 1);
    EXPECT_TRUE(one.contains(QStringLiteral("중량 : 400.00 kg")));
    EXPECT_TRUE(one.contains(QStringLiteral("회사명 : ACME")));
    EXPECT_FALSE(PdfText(pdf, 2).contains(QStringLiteral("Inertia bar chart")));
    // A field that is not a number stops the command before the dialog.
    Messages().Reset();
    TypeLoad(0, {"heavy", "0", "0", "0", "0", "0", "0"});
    opened = false;
    answer(false);
    print->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.contains(QStringLiteral("숫자를 입력하십시오.")));
}

}  // namespace
