// The report of a project with several load cases: the matrix page first,
// then pages 1 and 2 of every case, in real PDF files read back with the
// poppler tools and in pictures, analysed on the real engine.
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "Colors.h"
#include "DialogFixture.h"
#include "DlgBuilder.h"
#include "DlgReport.h"
#include "DrawMath.h"
#include "EngineBinding.h"
#include "KestDC.h"
#include "PathHelpers.h"
#include "PdfTools.h"
#include "ProjectResult.h"
#include "Report.h"
#include "ReportCaseMatrix.h"
#include "ReportCases.h"
#include "ReportOutput.h"
#include "Strings.h"

using namespace kest;

namespace {

using kesttest::PdfText;
using kesttest::Poppler;

int PdfPages(const QString& pdf) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

bool Coloured(const QColor& c) {
    return std::abs(c.red() - c.green()) > 2 || std::abs(c.green() - c.blue()) > 2;
}

CPrmLoadSub Prm(double mass, double lx, double ly, double lz, double ixx, double iyy, double izz) {
    CPrmLoadSub p;
    p.Set(mass, lx, ly, lz, ixx, iyy, izz);
    return p;
}

// A gripper cell of three robots with three load cases: empty, with a small
// part and with a heavy part; the heavy part fails on the smallest robot.
class ReportCases : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(engine.Load(AppFolder(), true), CEngineBinding::LOAD_OK);
        project.Company = QStringLiteral("한빛정밀 주식회사");
        project.Line = QStringLiteral("BIW-2 라인");
        for (const char* robot : {"TK80-2300", "TK120-2500", "TK165-2700"})
            project.Robots.Add(QString::fromLatin1(robot));
        project.Loads.tool = Prm(20.0, 0.05, 0.0, 0.15, 0.4, 0.5, 0.3);
        project.Loads.v = Prm(26.5, 0.200943, 0.0, 0.157358, 0.17, 3.854, 3.784);
        project.RenameCase(0, QStringLiteral("빈 그리퍼"));
        project.AddCase(QString());  // shown as "부하 조건 2"
        project.Loads.tool = Prm(45.0, 0.08, 0.0, 0.2, 1.1, 1.3, 0.9);
        project.AddCase(QStringLiteral("무거운 부품"));
        project.Loads.tool = Prm(113.5, 0.099383, 0.000749, 0.279841, 4.362, 6.54, 3.032);
        project.SelectCase(0);
        result = AnalyseProject(*engine.Engine(), project, true, false);
        ASSERT_EQ(result.cases.size(), 3);
    }
    // Case k alone, as a project of one unnamed case analysed on its own.
    CProject OneCase(int k) const {
        CProject one = project;
        one.Loads = project.CaseLoads(k);
        one.Cases = {CLoadCase{QString(), one.Loads}};
        one.CurrentCase = 0;
        return one;
    }
    CReportSource Source(const CProject* p, const CProjectResult* r) const {
        return CReportSource{p, r, QStringLiteral("1.0.0.1"), QString()};
    }
    // A page on a 150 dpi A4 sheet with the printer's margins at that resolution.
    static QImage Render(CReport& r, int page, bool grey = false) {
        QImage img(1240, 1754, QImage::Format_RGB32);
        img.fill(Qt::white);
        r.m_bGreyScale = grey ? 1 : 0;
        r.Init(img.width(), img.height(), kReportMarginL / 4, kReportMarginT / 4, kReportMarginR / 4,
               kReportMarginB / 4);
        QPainter p(&img);
        CKestDC dc(&p);
        r.Draw(dc, page, CReport::CHART_BOTH);
        return img;
    }
    QString Pdf(const CReportSource& source, const QString& name, int grey = 0) {
        const QString path = dir.filePath(name);
        QString error;
        EXPECT_EQ(WriteReportPdf(source, path, grey, CReport::CHART_BOTH, &error), 0) << error.toStdString();
        return path;
    }
    QTemporaryDir dir;
    CEngineBinding engine;
    CProject project;
    CProjectResult result;
};

// The matrix page shows every case's verdict of every robot as a project of
// that case alone gives it, with the governing limit and the headroom, and
// each robot's worst case; each case's two pages show its own loads and are
// those of the one-case project below their header.
TEST_F(ReportCases, MatrixPageThenTwoPagesPerCase) {
    CProjectResult single[3];
    for (int k = 0; k < 3; ++k) {
        single[k] = AnalyseProject(*engine.Engine(), OneCase(k), true, false);
        ASSERT_EQ(single[k].robots.size(), 3);
    }
    ASSERT_EQ(single[2].robots[0].verdict.code, 4) << "the heavy part fails on the smallest robot";
    for (int k = 0; k < 2; ++k) EXPECT_LE(single[k].robots[0].verdict.code, 2) << k;
    for (int k = 0; k < 3; ++k) EXPECT_LE(single[k].robots[2].verdict.code, 2) << k;

    CReport report(Source(&project, &result));
    EXPECT_EQ(report.PageCount(), 7);
    const QString pdf = Pdf(Source(&project, &result), QStringLiteral("cases.pdf"));
    EXPECT_EQ(PdfPages(pdf), 7);

    // The matrix: cells on the verdicts' colours, the texts of the one-case analyses.
    const QImage matrix = Render(report, 1);
    const CReportCaseMatrix& m = report.m_matrix;
    ASSERT_EQ(m.m_rcCells.size(), 3);
    EXPECT_TRUE(report.m_rcPrint.contains(m.m_rcMatrix));
    const QString text = PdfText(pdf, 1);
    EXPECT_TRUE(text.contains(LoadKestString(IDS_RPT_CASES_TITLE)));
    EXPECT_TRUE(text.contains(QStringLiteral("page 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("회사명 : 한빛정밀 주식회사")));
    for (const QString& name :
         {QStringLiteral("빈 그리퍼"), QStringLiteral("부하 조건 2"), QStringLiteral("무거운 부품")})
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            const CRobotResult& one = single[k].robots[i];
            const QRect cell = m.m_rcCells[i][k];
            ASSERT_FALSE(cell.isEmpty()) << i << k;
            EXPECT_EQ(matrix.pixelColor(cell.left() + 3, cell.top() + 3),
                      CReportCaseMatrix::CellColor(one.verdict.code, false))
                << i << " " << k;
            EXPECT_EQ(CReportCaseMatrix::CellLines(result.cases[k].robots[i]),
                      CReportCaseMatrix::CellLines(one));
            EXPECT_TRUE(text.contains(one.governing.Text())) << one.governing.Text().toStdString();
        }
        // The cells of a row lie side by side, the project's verdict last.
        EXPECT_LT(Right(m.m_rcCells[i][1]), Right(m.m_rcCells[i][2]));
        EXPECT_EQ(m.m_rcProject[i].left(), Right(m.m_rcCells[i][2]));
    }
    // Robot 0 fails only with the heavy part: its project verdict is that case's.
    EXPECT_EQ(matrix.pixelColor(m.m_rcProject[0].left() + 3, m.m_rcProject[0].top() + 3), CLR_RED);
    EXPECT_TRUE(text.contains(LoadKestString(IDS_RPT_WORST_CASE).arg(QStringLiteral("무거운 부품"))));
    EXPECT_TRUE(text.contains(HeadroomText(single[2].robots[0].headroom)));
    // Grey scale: the same cells in grey tones, failing darker than passing.
    const QImage grey = Render(report, 1, true);
    int coloured = 0;
    for (int y = 0; y < grey.height(); y += 2)
        for (int x = 0; x < grey.width(); x += 2) coloured += Coloured(grey.pixelColor(x, y));
    EXPECT_EQ(coloured, 0);
    const auto value = [&](const QRect& r) { return grey.pixelColor(r.left() + 3, r.top() + 3).value(); };
    EXPECT_LT(value(m.m_rcCells[0][2]), value(m.m_rcCells[2][0]));

    // Each case's pages: numbered through, headed with the case's name, its own loads.
    const char* const masses[3] = {"중량 : 20.00 kg", "중량 : 45.00 kg", "중량 : 113.50 kg"};
    const QString names[3] = {QStringLiteral("빈 그리퍼"), QStringLiteral("부하 조건 2"),
                              QStringLiteral("무거운 부품")};
    for (int k = 0; k < 3; ++k) {
        const QString one = PdfText(pdf, 2 + 2 * k);
        const QString two = PdfText(pdf, 3 + 2 * k);
        EXPECT_TRUE(one.contains(QStringLiteral("page %1").arg(2 + 2 * k))) << k;
        EXPECT_TRUE(two.contains(QStringLiteral("page %1").arg(3 + 2 * k))) << k;
        EXPECT_TRUE(one.contains(names[k])) << k;
        EXPECT_TRUE(two.contains(names[k])) << k;
        EXPECT_TRUE(two.contains(LoadKestString(IDS_LOAD_TABLE))) << k;
        for (int j = 0; j < 3; ++j) EXPECT_EQ(one.contains(QString::fromUtf8(masses[j])), j == k) << k << j;
        // Below the header the page is the one-case project's, its verdicts included.
        const CProject alone = OneCase(k);
        CReport single1(Source(&alone, &single[k]));
        for (const int sheet : {1, 2}) {
            const QImage own = Render(report, 2 * k + 1 + sheet);
            EXPECT_EQ(report.m_strPageCaption, names[k]);
            const QImage ref = Render(single1, sheet);
            const QRect body = LTRB(0, report.m_nHeaderY + 1, own.width(), own.height());
            EXPECT_TRUE(own.copy(body) == ref.copy(body)) << "case " << k << " page " << sheet;
            EXPECT_FALSE(own == ref) << "the header names the case";
        }
    }
}

// A project of one case keeps its two pages (the dialog lists "1" and "2");
// with several cases the dialog lists every page and previews any of them.
TEST_F(ReportCases, OneCaseKeepsTwoPagesAndTheDialogListsEveryPage) {
    const CProject alone = OneCase(1);
    const CProjectResult aloneResult = AnalyseProject(*engine.Engine(), alone, true, false);
    CReport plain(Source(&alone, &aloneResult));
    EXPECT_EQ(plain.PageCount(), 2);
    EXPECT_EQ(ReportPageNames(&alone), (QStringList{"1", "2"}));
    EXPECT_EQ(ReportPageNames(nullptr), (QStringList{"1", "2"}));
    const QString pdf = Pdf(Source(&alone, &aloneResult), QStringLiteral("one.pdf"));
    EXPECT_EQ(PdfPages(pdf), 2);
    EXPECT_FALSE(PdfText(pdf, 1).contains(LoadKestString(IDS_LOAD_CASE_N).arg(1)));
    // A page past the last draws the frame only.
    const QImage past = Render(plain, 3);
    EXPECT_TRUE(plain.m_strPageCaption.isEmpty());
    EXPECT_EQ(plain.m_matrix.m_rcCells.size(), 0);
    EXPECT_FALSE(past == Render(plain, 1));
    EXPECT_EQ(ReportPageAt(&project, 8).sheet, CReportPage::NONE);

    // The most cases a project holds: the matrix shrinks to stay on its page,
    // a long name stays out of the page number's way.
    CProject full = project;
    while (full.AddCase(QStringLiteral("Part %1").arg(full.CaseCount() + 1))) {
    }
    ASSERT_EQ(full.CaseCount(), kMaxLoadCases);
    full.RenameCase(5, QStringLiteral("A very long load case name ").repeated(6));
    const CProjectResult fullResult = AnalyseProject(*engine.Engine(), full, true, false);
    CReport many(Source(&full, &fullResult));
    EXPECT_EQ(many.PageCount(), 1 + 2 * kMaxLoadCases);
    Render(many, 1);
    EXPECT_TRUE(many.m_rcPrint.contains(many.m_matrix.m_rcMatrix));
    EXPECT_TRUE(many.m_rcPrint.contains(many.m_matrix.m_rcNote));
    EXPECT_TRUE(many.m_matrix.m_rcCells[2][kMaxLoadCases - 1].isValid());
    EXPECT_EQ(many.m_matrix.m_rcCells[0][3].top(), many.m_matrix.m_rcCells[0][0].top())
        << "four side by side";
    EXPECT_GT(many.m_matrix.m_rcCells[0][4].top(), many.m_matrix.m_rcCells[2][3].top()) << "then below";
    const QImage header = Render(many, 2 + 2 * 5);
    CProject shortName = full;
    shortName.RenameCase(5, QStringLiteral("X"));
    CReport few(Source(&shortName, &fullResult));
    const QImage shortHeader = Render(few, 2 + 2 * 5);
    // The report's name, left of the caption, and the page number, right of it.
    const int nameRight =
        many.m_nPageW / 2 + QFontMetrics(many.m_fontNormal).horizontalAdvance(LoadKestString(IDS_REPORT)) + 2;
    const QRect pageNumber = LTRB(Right(many.m_rcPrint) - many.m_rcPrint.width() / 12, many.m_nMarginT,
                                  Right(many.m_rcPrint), many.m_nHeaderY);
    for (const QRect& clear : {LTRB(0, many.m_nMarginT, nameRight, many.m_nHeaderY), pageNumber})
        EXPECT_TRUE(header.copy(clear) == shortHeader.copy(clear)) << "the caption stays between them";
    EXPECT_FALSE(header == shortHeader);

    const kesttest::SettingsGuard keepSettings;
    CDlgReport dlg(Source(&project, &result));
    dlg.show();
    auto* pages = DlgItem<QComboBox>(&dlg, IDC_RPT_PAGE);
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 7);
    EXPECT_EQ(pages->itemText(0), QStringLiteral("1: ") + LoadKestString(IDS_RPT_CASES_TITLE));
    EXPECT_EQ(pages->itemText(3), QStringLiteral("4: 부하 조건 2 (1/2)"));
    EXPECT_EQ(pages->itemText(6), QStringLiteral("7: 무거운 부품 (2/2)"));
    pages->setCurrentIndex(3);
    dlg.RenderPreview();
    EXPECT_EQ(dlg.m_rptPreview.m_strPageCaption, QStringLiteral("부하 조건 2"));
    EXPECT_FALSE(dlg.m_rptPreview.m_rcVerdict[0].isEmpty());
    pages->setCurrentIndex(0);
    dlg.RenderPreview();
    EXPECT_EQ(dlg.m_rptPreview.m_matrix.m_rcCells.size(), 3);
    EXPECT_TRUE(dlg.m_rptPreview.m_rcVerdict[0].isEmpty()) << "no verdict boxes on the matrix page";
}

}  // namespace
