// The two pages of the analysis report, drawn into any drawing context: the
// preview of the report dialog, a printer page or a PDF page. Every length
// derives from the page size given to Init, so the same code draws the small
// preview and the full sheet.
//
// Page 1: general information, the four loads, a verdict box per robot, the
// coordinate-system picture, the payload diagram and one bar chart.
// Page 2: the inertia chart when both charts are asked for, and the load
// calculator's tables behind the four loads.
// A project with several load cases gets the matrix of its cases first and
// then pages 1 and 2 of every case, numbered through (ReportCases.h).
#pragma once

#include <QFont>
#include <QRect>

#include "DgmBarChart.h"
#include "DgmPayload.h"
#include "Img.h"
#include "KestLoadLibExport.h"
#include "MngLegend.h"
#include "Project.h"
#include "ProjectResult.h"
#include "ReportCaseMatrix.h"

namespace kest {
class CKestDC;
}

// What a report shows: a project, the results of its analysis, the program's
// version ("1.0.0.1") and the project's file (empty when never saved). The
// project and the results must outlive the reports drawn from them.
struct KESTLOADLIB_API CReportSource {
    const CProject* project = nullptr;
    const CProjectResult* result = nullptr;
    QString version;
    QString pathName;
};

class KESTLOADLIB_API CReport {
public:
    // Which bar charts the report holds.
    enum ChartOption { CHART_NONE = 0, CHART_MOMENT = 1, CHART_INERTIA = 2, CHART_BOTH = 3 };

    // The report shows the source's project and results (none: the frame only).
    explicit CReport(const CReportSource& source);
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;

    // Page size and margins in device units; 0.
    int Init(int pageWidth, int pageHeight, int left, int top, int right, int bottom);
    // Frames the printable area and draws page `page`, from 1 to PageCount()
    // (any other number: the frame only); 0.
    int Draw(kest::CKestDC& dc, int page, int chartOption);
    // The header of every page, numbered `page`, with the page's caption; the
    // y of the line under it.
    int DrawFrame(kest::CKestDC& dc, int page);
    // The pages of the report: 2, or with several load cases 1 + 2 per case.
    int PageCount() const;

    // Draws for a monochrome printer: black headings, grey pictures and charts.
    int m_bGreyScale = 0;
    int m_bInit = 0;
    int m_nPageW = 0, m_nPageH = 0;
    int m_nMarginL = 0, m_nMarginT = 0, m_nMarginR = 0, m_nMarginB = 0;
    QRect m_rcPrint;  // the framed area
    int m_nBaseH = 0;
    int m_nLineH = 0;
    int m_nIndent = 0;
    int m_nHeaderY = 0;
    int m_nChartOption = CHART_MOMENT;
    QFont m_fontNormal, m_fontHeading, m_fontSubHeading, m_fontTitle;
    CImg m_imgCrdSys, m_imgCrdSysGray;

    // Where the last Draw put its parts (empty when not drawn).
    QRect m_rcVerdict[3];
    QRect m_rcPayload;
    QRect m_rcCrdSys;    // the area the coordinate-system picture is fitted into
    QRect m_rcChart[2];  // page 1's chart, page 2's inertia chart
    QRect m_rcLoadTable;
    QRect m_rcComment;     // the comment's box on page 1
    QRect m_rcWarnings;    // the loads' warnings at the foot of page 1 (empty: none)
    int m_nRowsShown = 0;  // load-table rows drawn on page 2
    bool m_bOmitted = false;
    QString m_strPageCaption;    // the load case beside the page number (empty: none)
    CReportCaseMatrix m_matrix;  // the matrix page of several load cases

private:
    void DrawPage1(kest::CKestDC& dc);
    void DrawPage2(kest::CKestDC& dc);
    // The height the loads' warnings take at the foot of page 1 in the
    // page's width (0 without warnings; at most a sixth of the page).
    int WarningsHeight() const;
    QString WarningsText() const;
    // The chart of `kind` from the results, titled, in `rc`.
    void DrawChart(kest::CKestDC& dc, const QRect& rc, int kind);
    // One load-calculator list as a table from y; false when it had to stop
    // before its end (the rest of the report's tables is left out).
    bool DrawLoadTable(kest::CKestDC& dc, int kind, int& y);
    QColor HeadingColor() const;

    CReportSource m_source;
    // What the page being drawn shows: the source's, or one load case's view of it.
    const CProject* m_pProject = nullptr;
    const CProjectResult* m_pResult = nullptr;
    CProject m_caseProject;
    CProjectResult m_caseResult;
    int m_nPageNumber = 0;
    CMngLegend m_legend;       // the project's robots, for the diagram and the charts
    CDgmPayload m_dgmPayload;  // the payload diagram of the results
};
