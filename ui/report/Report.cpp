#include "Report.h"

#include <QFontMetrics>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "NumText.h"
#include "PathHelpers.h"
#include "ReportCases.h"
#include "Strings.h"
#include "VerdictBox.h"

using namespace kest;

namespace {

const char* const kLoadLetters[4] = {"T", "V", "H", "S"};

QString Format(const char* format, double v) { return QString::fromStdString(FormatC(format, v)); }

// One line of text in rc. A text wider than rc is drawn in a smaller font
// (down to 60 %), and what still does not fit ends in "…": on paper a value
// must never run into the next column or lose digits unnoticed.
void DrawLine(CKestDC& dc, const QFont& font, const QString& text, const QRect& rc, unsigned align) {
    QFont f = font;
    int width = QFontMetrics(f).horizontalAdvance(text);
    const int smallest = std::max(1, font.pixelSize() * 6 / 10);
    while (width > rc.width() && f.pixelSize() > smallest) {
        f.setPixelSize(std::max(smallest, f.pixelSize() - std::max(1, f.pixelSize() / 20)));
        width = QFontMetrics(f).horizontalAdvance(text);
    }
    const QString shown =
        width > rc.width() ? QFontMetrics(f).elidedText(text, Qt::ElideRight, std::max(0, rc.width())) : text;
    dc.SelectFont(f);
    dc.DrawText(shown, rc, align | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectFont(font);
}

// TextOut with the font's underline drawn as one straight line: Latin and
// Hangul glyphs come from different fonts whose own underlines lie at
// different heights. Leaves the font selected without underline.
void Out(CKestDC& dc, const QFont& font, const QColor& color, int x, int y, const QString& text,
         unsigned align = TA_LEFT | TA_TOP) {
    QFont plain = font;
    plain.setUnderline(false);
    dc.SelectFont(plain);
    dc.SetTextColor(color);
    dc.SetTextAlign(align);
    dc.TextOut(x, y, text);
    if (!font.underline()) return;
    const QFontMetrics fm(plain);
    const int w = fm.horizontalAdvance(text);
    const unsigned h = align & 6u;
    const unsigned v = align & 24u;
    const int left = h == TA_CENTER ? x - w / 2 : h == TA_RIGHT ? x - w : x;
    const int baseline = v == TA_BASELINE ? y : v == TA_BOTTOM ? y - fm.descent() : y + fm.ascent();
    dc.FillSolidRect(QRect(left, baseline + fm.underlinePos(), w, std::max(1, fm.lineWidth())), color);
}

void HLine(CKestDC& dc, int x0, int x1, int y) {
    dc.MoveTo(x0, y);
    dc.LineTo(x1, y);
}

void VLine(CKestDC& dc, int x, int y0, int y1) {
    dc.MoveTo(x, y0);
    dc.LineTo(x, y1);
}

}  // namespace

CReport::CReport(const CReportSource& source) : m_source(source) {
    // The pictures are read when a page first needs one: a report is mostly
    // drawn in colour or in grey, not both.
    m_imgCrdSys.nAlign = m_imgCrdSysGray.nAlign = CImg::ALIGN_CENTER;
}

int CReport::Init(int pageWidth, int pageHeight, int left, int top, int right, int bottom) {
    m_nPageW = pageWidth;
    m_nPageH = pageHeight;
    m_nMarginL = left;
    m_nMarginT = top;
    m_nMarginR = right;
    m_nMarginB = bottom;
    m_rcPrint = LTRB(left, top, pageWidth - right, pageHeight - bottom);
    m_nBaseH = m_rcPrint.height() / 75;
    m_nLineH = Trunc(m_nBaseH * 1.2);
    m_nIndent = Trunc(m_rcPrint.width() * 0.018);
    m_nHeaderY = top + Trunc(m_rcPrint.height() * 0.05);
    // A page too small for text still gets fonts of one pixel, not the default size.
    const auto height = [](double h) { return std::max(1, Trunc(h)); };
    const QString arial = QStringLiteral("Arial");
    m_fontNormal = GdiFont(arial, height(m_nBaseH), 400);
    m_fontHeading = GdiFont(arial, height(1.2 * m_nBaseH), 700, true);
    m_fontSubHeading = GdiFont(arial, height(1.2 * m_nBaseH), 700);
    m_fontTitle = GdiFont(arial, height(1.7 * m_nBaseH), 700, true);
    m_bInit = 1;
    return 0;
}

QColor CReport::HeadingColor() const { return m_bGreyScale ? CLR_BLACK : CLR_DEEPBLUE; }

int CReport::Draw(CKestDC& dc, int page, int chartOption) {
    m_nChartOption = chartOption;
    for (QRect& r : m_rcVerdict) r = QRect();
    m_rcPayload = m_rcCrdSys = m_rcChart[0] = m_rcChart[1] = m_rcLoadTable = m_rcComment = QRect();
    m_nRowsShown = 0;
    m_bOmitted = false;
    m_matrix = CReportCaseMatrix();
    m_nPageNumber = page;
    m_strPageCaption.clear();
    m_pProject = m_source.project;
    m_pResult = m_source.result;
    const CReportPage at = ReportPageAt(m_source.project, page);
    if (at.caseIndex >= 0 && m_pProject != nullptr && m_pResult != nullptr) {
        ReportCaseView(*m_pProject, *m_pResult, at.caseIndex, &m_caseProject, &m_caseResult);
        m_strPageCaption = m_pProject->CaseDisplayName(at.caseIndex);
        m_pProject = &m_caseProject;
        m_pResult = &m_caseResult;
    }
    if (m_pProject != nullptr) m_legend = m_pProject->Robots;
    dc.SaveDC();
    dc.FrameRect(m_rcPrint, CLR_BLACK);
    if (m_pProject != nullptr && m_pResult != nullptr && at.sheet != CReportPage::NONE) {
        dc.SetBkMode(TRANSPARENT);
        dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
        if (at.sheet == CReportPage::MATRIX)
            m_matrix.DrawPage(dc, *this, DrawFrame(dc, page), *m_pProject, *m_pResult, m_bGreyScale != 0);
        else if (at.sheet == CReportPage::LOADS)
            DrawPage1(dc);
        else
            DrawPage2(dc);
    }
    dc.RestoreDC();
    return 0;
}

int CReport::PageCount() const { return ReportPageCount(m_source.project); }

int CReport::DrawFrame(CKestDC& dc, int page) {
    const int L = m_nLineH;
    const int I = m_nIndent;
    const QRect& R = m_rcPrint;
    dc.SetBkMode(TRANSPARENT);

    Out(dc, m_fontNormal, HeadingColor(), m_nPageW - m_nMarginR - I, m_nMarginT + L / 2,
        m_source.project->Line, TA_RIGHT | TA_TOP);

    const int baseline = m_nHeaderY - L / 2;
    Out(dc, m_fontTitle, CLR_BLACK, Trunc(R.width() * 0.1), baseline,
        QStringLiteral("%1 %2").arg(AppName(), m_source.version), TA_LEFT | TA_BOTTOM);
    Out(dc, m_fontNormal, CLR_BLACK, m_nPageW / 2, baseline, LoadKestString(IDS_REPORT), TA_LEFT | TA_BOTTOM);
    const QString pageText = QStringLiteral("page %1").arg(page);
    Out(dc, m_fontNormal, CLR_BLACK, Right(R) - I, baseline, pageText, TA_RIGHT | TA_BOTTOM);
    if (!m_strPageCaption.isEmpty()) {
        // The load case, right of the report's name and ending before the page number.
        const int from =
            m_nPageW / 2 + QFontMetrics(m_fontNormal).horizontalAdvance(LoadKestString(IDS_REPORT)) + 2 * I;
        const int to = Right(R) - 2 * I - QFontMetrics(m_fontNormal).horizontalAdvance(pageText);
        Out(dc, m_fontSubHeading, CLR_BLACK, to, baseline,
            QFontMetrics(m_fontSubHeading)
                .elidedText(m_strPageCaption, Qt::ElideRight, std::max(0, to - from)),
            TA_RIGHT | TA_BOTTOM);
    }

    dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
    HLine(dc, R.left(), Right(R), m_nHeaderY);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    return m_nHeaderY;
}

void CReport::DrawPage1(CKestDC& dc) {
    const int headerY = DrawFrame(dc, m_nPageNumber);
    const int L = m_nLineH;
    const int I = m_nIndent;
    const QRect& R = m_rcPrint;
    const int W = R.width();
    const int H = R.height();
    const int mid = R.left() + W / 2;
    const int x0 = m_nMarginL + I;
    const CProject& project = *m_pProject;
    const CProjectResult& result = *m_pResult;
    const unsigned line = DT_LEFT | DT_VCENTER;

    // General information.
    int y = headerY + L / 2;
    Out(dc, m_fontHeading, HeadingColor(), x0, y, LoadKestString(IDS_GENERAL_INFO));
    dc.SetTextColor(CLR_BLACK);
    dc.SelectFont(m_fontNormal);
    y += 2 * L;
    const struct {
        int label;
        const QString& value;
    } info[] = {{IDS_COMPANY, project.Company},         {IDS_PROJECT, project.Project},
                {IDS_APPLICATION, project.Application}, {IDS_LINE, project.Line},
                {IDS_ROBOT_NUM, project.RobotNum},      {IDS_ENGINEER, project.Engineer}};
    for (const auto& i : info) {
        DrawLine(dc, m_fontNormal, LoadKestString(i.label) + QStringLiteral(" : ") + i.value,
                 LTRB(x0, y, mid - I, y + L), line);
        y += L;
    }
    const QString commentLabel = LoadKestString(IDS_COMMENT) + QStringLiteral(" : ");
    dc.TextOut(x0, y, commentLabel);
    const int labelW = dc.GetTextExtent(commentLabel).width();
    // The comment box reaches the middle line, like the verdict column's edge.
    m_rcComment = LTRB(x0 + labelW, y, mid, y + 7 * L);
    dc.DrawText(project.Comment, m_rcComment, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    y += 7 * L + L;
    const int commentLineY = y;
    HLine(dc, R.left(), Right(R), commentLineY);

    // The four loads.
    const CPrmLoadSub* loads[4] = {&project.Loads.tool, &project.Loads.v, &project.Loads.h, &project.Loads.s};
    const int cx = x0 + 4 * I;
    const int col[3] = {cx, cx + Trunc(0.14 * W), cx + Trunc(0.28 * W)};
    // The third column ends before the middle line (its text gets smaller there).
    const int colW = Trunc(0.14 * W) - I / 2;
    dc.SelectPen(CKestPen::Solid(1, CLR_LIGHTGRAY));
    for (int k = 0; k < 4; ++k) {
        dc.SelectFont(m_fontSubHeading);
        y += L;
        if (k < 2) {
            const int bandBottom = y + Trunc(1.5 * L);
            dc.FillSolidRect(LTRB(x0, y, mid - I, bandBottom), CLR_LIGHTGRAY);
            Out(dc, m_fontSubHeading, HeadingColor(), x0 + I / 2, y + L / 5,
                LoadKestString(k == 0 ? IDS_TOOL_PARAMETERS : IDS_ADDLOAD_PARAMETERS));
            y = bandBottom;
        } else {
            HLine(dc, x0, mid - I, y);
        }
        const QRect box = LTRB(x0, y, cx - I / 2, y + Trunc(3.3 * L));
        dc.FillSolidRect(box, CLR_LIGHTGRAY);
        dc.SetTextColor(CLR_BLACK);
        dc.DrawText(QString::fromLatin1(kLoadLetters[k]), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

        const CPrmLoadSub& p = *loads[k];
        dc.SelectFont(m_fontNormal);
        y += Trunc(0.3 * L);
        DrawLine(
            dc, m_fontNormal,
            LoadKestString(IDS_MASS) + QStringLiteral(" : ") + Format("%.2f", p.Mass) + QStringLiteral(" kg"),
            LTRB(col[0], y, mid - I, y + L), line);
        y += L;
        const double pos[3] = {p.Lx, p.Ly, p.Lz};
        const char* const posName[3] = {"Lx : ", "Ly : ", "Lz : "};
        for (int c = 0; c < 3; ++c) {
            DrawLine(
                dc, m_fontNormal,
                QString::fromLatin1(posName[c]) + Format("%.2f", pos[c] * 1000.0) + QStringLiteral(" mm"),
                QRect(col[c], y, std::min(colW, mid - I / 2 - col[c]), L), line);
        }
        y += L;
        const double iner[3] = {p.Ixx, p.Iyy, p.Izz};
        const char* const inerName[3] = {"Ixx : ", "Iyy : ", "Izz : "};
        for (int c = 0; c < 3; ++c) {
            DrawLine(dc, m_fontNormal,
                     QString::fromLatin1(inerName[c]) + Format("%.4f", iner[c]) + QStringLiteral(" kg·m²"),
                     QRect(col[c], y, std::min(colW, mid - I / 2 - col[c]), L), line);
        }
        y += L / 2;
    }
    y += L;
    const int loadsBottom = y;
    dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
    HLine(dc, R.left(), Right(R), loadsBottom);
    y += L / 2;

    // The loads' warnings take the foot of the page; the diagram and the
    // chart above them give up that height.
    const int warnH = WarningsHeight();
    // Payload diagram.
    Out(dc, m_fontHeading, HeadingColor(), x0, y, QStringLiteral("Payload diagram"));
    y += L;
    m_rcPayload = LTRB(x0, y, x0 + Trunc(0.45 * W), y + Trunc(0.3 * H) - warnH);
    {
        m_dgmPayload.SetLegend(&m_legend);
        m_dgmPayload.ShowResult(result);
        m_dgmPayload.rcBack = m_rcPayload;
        m_dgmPayload.Layout(m_rcPayload);
        m_dgmPayload.Draw(dc, m_bGreyScale != 0, true);
    }

    // Right column: a verdict box per robot.
    dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
    VLine(dc, mid, headerY, loadsBottom);
    const int x1 = mid + I;
    y = headerY + L / 2;
    const QString resultHeading = LoadKestString(IDS_RESULT) + QStringLiteral(" :");
    Out(dc, m_fontTitle, HeadingColor(), x1, y, resultHeading);
    // The mechanism data behind the verdicts, right of the heading and never over it.
    const int dataLeft = x1 + QFontMetrics(m_fontTitle).horizontalAdvance(resultHeading) + I;
    dc.SetTextColor(CLR_BLACK);
    DrawLine(dc, m_fontNormal, result.mechData,
             LTRB(dataLeft, y + L / 4, Right(R) - I, y + L / 4 + QFontMetrics(m_fontNormal).height()),
             DT_RIGHT | DT_TOP);
    y += Trunc(1.5 * L);
    dc.SelectFont(m_fontNormal);
    const int bh = (commentLineY - y) / 3;
    QRect box = LTRB(x1 + I / 2, y, Right(R) - I, y + Trunc(0.85 * bh));
    const int robots = std::min(3, project.Robots.Count());
    for (int i = 0; i < robots; ++i) {
        DrawVerdictBox(dc, box, project.Robots.Name(i), &result.VerdictOf(i), m_bGreyScale != 0, true, 6);
        m_rcVerdict[i] = box;
        box.translate(0, bh);
    }

    // Coordinate system.
    y = commentLineY + L / 2;
    Out(dc, m_fontHeading, HeadingColor(), x1 + I / 2, y, LoadKestString(IDS_COORD_SYSTEM));
    m_rcCrdSys = LTRB(x1 + 3 * I, y + Trunc(1.5 * L), Right(R) - I, loadsBottom - L / 2);
    CImg& crdSys = m_bGreyScale ? m_imgCrdSysGray : m_imgCrdSys;
    crdSys.Load(LanguageAppFile(m_bGreyScale ? QStringLiteral("Image/crdsys_g.png")
                                             : QStringLiteral("Image/crdsys.png")));
    crdSys.Draw(dc, m_rcCrdSys, true);

    // One bar chart.
    y = loadsBottom + L / 2 + L;
    const QRect chart = LTRB(x1, y, x1 + Trunc(0.45 * W), y + Trunc(0.3 * H) - warnH);
    if (m_nChartOption == CHART_MOMENT || m_nChartOption == CHART_BOTH) {
        DrawChart(dc, chart, CDgmBarChart::KIND_MOMENT);
        m_rcChart[0] = chart;
    } else if (m_nChartOption == CHART_INERTIA) {
        DrawChart(dc, chart, CDgmBarChart::KIND_INERTIA);
        m_rcChart[0] = chart;
    }

    dc.SelectFont(m_fontNormal);
    dc.SetTextColor(CLR_BLACK);
    dc.DrawText(
        LoadKestString(IDS_NOTICE),
        LTRB(chart.left(), Bottom(R) - warnH - Trunc(3.5 * L), Right(R) - L / 2, Bottom(R) - warnH - L),
        DT_LEFT | DT_TOP | DT_WORDBREAK);

    m_rcWarnings = QRect();
    if (warnH > 0) {
        dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
        HLine(dc, R.left(), Right(R), Bottom(R) - warnH);
        m_rcWarnings = LTRB(x0, Bottom(R) - warnH + L / 2, Right(R) - I, Bottom(R) - L / 2);
        Out(dc, m_fontSubHeading, HeadingColor(), x0, m_rcWarnings.top(),
            LoadKestString(IDS_LOAD_WARNINGS_REPORT));
        dc.SelectFont(m_fontNormal);
        dc.SetTextColor(CLR_BLACK);
        dc.DrawText(WarningsText(),
                    LTRB(x0, m_rcWarnings.top() + Trunc(1.5 * L), Right(m_rcWarnings), Bottom(m_rcWarnings)),
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
}

QString CReport::WarningsText() const {
    QStringList lines;
    for (const CLoadWarning& w : m_pResult->warnings) lines << QStringLiteral("\u2022 ") + w.text;
    return lines.join(QLatin1Char('\n'));
}

int CReport::WarningsHeight() const {
    if (m_pResult == nullptr || m_pResult->warnings.isEmpty()) return 0;
    const int L = m_nLineH;
    const int width = Right(m_rcPrint) - m_nIndent - (m_nMarginL + m_nIndent);
    const QRect need =
        QFontMetrics(m_fontNormal)
            .boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::TextWordWrap, WarningsText());
    return std::min(m_rcPrint.height() / 6, need.height() + Trunc(1.5 * L) + L);
}

void CReport::DrawChart(CKestDC& dc, const QRect& rc, int kind) {
    Out(dc, m_fontHeading, HeadingColor(), rc.left(), rc.top(),
        kind == CDgmBarChart::KIND_INERTIA ? QStringLiteral("Inertia bar chart (Inertia>Moment)")
                                           : QStringLiteral("Moment bar chart (Moment>Inertia)"));
    CDgmBarChart chart;
    chart.SetLegend(&m_legend);
    chart.ShowResult(*m_pResult, kind);
    chart.Layout(rc);
    chart.Draw(dc, m_bGreyScale != 0, true, kind);
}

void CReport::DrawPage2(CKestDC& dc) {
    const int headerY = DrawFrame(dc, m_nPageNumber);
    const int L = m_nLineH;
    const int I = m_nIndent;
    const int W = m_rcPrint.width();
    const int H = m_rcPrint.height();
    const int x0 = m_nMarginL + I;
    int y = headerY + L / 2;
    if (m_nChartOption == CHART_BOTH) {
        const QRect chart = LTRB(x0, y, x0 + Trunc(0.45 * W), y + Trunc(0.3 * H));
        DrawChart(dc, chart, CDgmBarChart::KIND_INERTIA);
        m_rcChart[1] = chart;
        y = Bottom(chart) + L / 2;
    }
    Out(dc, m_fontHeading, HeadingColor(), x0, y, LoadKestString(IDS_LOAD_TABLE));
    y += L;
    for (int k = 0; k < 4; ++k) {
        if (!DrawLoadTable(dc, k, y)) break;
    }
}

bool CReport::DrawLoadTable(CKestDC& dc, int kind, int& y) {
    static const char* const kHeads[9] = {"#",      "Name",       "Mass[kg]",   "Lx[mm]",    "Ly[mm]",
                                          "Lz[mm]", "Ixx[kg·m²]", "Iyy[kg·m²]", "Izz[kg·m²]"};
    const int L = m_nLineH;
    const int I = m_nIndent;
    const int W = m_rcPrint.width();
    const int x0 = m_nMarginL + I;
    const int limit = Bottom(m_rcPrint) - 3 * L;
    const int tx = x0 + 4 * I;  // the table's left edge; the kind's letter stands left of it
    int edge[10];
    edge[0] = tx;
    edge[1] = tx + Trunc(0.04 * W);
    edge[2] = edge[1] + Trunc(0.15 * W);
    for (int c = 3; c < 10; ++c) edge[c] = edge[c - 1] + Trunc(0.09 * W);

    // Writes the cut-off note where the next line would be.
    const auto omit = [&](int at) {
        Out(dc, m_fontNormal, CLR_BLACK, tx, at, LoadKestString(IDS_REST_OMITTED) + QStringLiteral("..."));
        m_bOmitted = true;
        return false;
    };

    // A table whose header and first row would not fit is not begun: nothing
    // is drawn past the frame.
    const int titleY = y + L;
    const int headerY = kind < 2 ? titleY + Trunc(1.5 * L) : titleY;
    if (headerY + 2 * L > limit) return omit(titleY);
    if (kind < 2) {
        Out(dc, m_fontSubHeading, HeadingColor(), x0, titleY + L / 5,
            LoadKestString(kind == 0 ? IDS_TOOL_PARAMETERS : IDS_ADDLOAD_PARAMETERS));
    } else {
        dc.SelectPen(CKestPen::Solid(1, CLR_LIGHTGRAY));
        HLine(dc, x0, edge[9], titleY);
    }
    y = headerY;

    const int top = y;
    dc.SelectFont(m_fontNormal);
    dc.SetTextColor(CLR_BLACK);
    const CLoadArray& list = m_pProject->LoadCalc.m_arrLoad[kind];
    const auto drawLetter = [&](int bottom) {
        const QRect letter = LTRB(x0, top, tx - I / 2, bottom);
        dc.FillSolidRect(letter, CLR_LIGHTGRAY);
        dc.SelectFont(m_fontSubHeading);
        dc.SetTextColor(CLR_BLACK);
        dc.DrawText(QString::fromLatin1(kLoadLetters[kind]), letter, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    };
    if (list.isEmpty()) {
        // No parts behind this load: one line says so instead of an empty table.
        DrawLine(dc, m_fontNormal, LoadKestString(IDS_LOAD_ENTERED_DIRECTLY),
                 LTRB(tx + I / 2, top, edge[9], top + L), DT_LEFT | DT_VCENTER);
        drawLetter(top + L);
        y = top + L;
        return true;
    }
    dc.FillSolidRect(LTRB(edge[0], top, edge[9], top + L), CLR_LIGHTGRAY);
    const int pad = L / 10;
    for (int c = 0; c < 9; ++c) {
        DrawLine(dc, m_fontNormal, QString::fromUtf8(kHeads[c]),
                 Shrink(LTRB(edge[c], top, edge[c + 1], top + L), pad, pad, pad, pad),
                 DT_CENTER | DT_VCENTER);
    }
    bool complete = true;
    int rows = 0;
    for (const CLoad& load : list) {
        y += L;
        if (y + L > limit) {
            complete = false;
            break;
        }
        const CPrmLoadSub& p = load.prm;
        const QString cells[9] = {QString::number(rows + 1),     load.Name,
                                  Format("%.3f", p.Mass),        Format("%.3f", p.Lx * 1000.0),
                                  Format("%.3f", p.Ly * 1000.0), Format("%.3f", p.Lz * 1000.0),
                                  Format("%.4f", p.Ixx),         Format("%.4f", p.Iyy),
                                  Format("%.4f", p.Izz)};
        for (int c = 0; c < 9; ++c) {
            DrawLine(dc, m_fontNormal, cells[c], Shrink(LTRB(edge[c], y, edge[c + 1], y + L), pad, 0, pad, 0),
                     (c == 1 ? DT_LEFT : DT_CENTER) | DT_VCENTER);
        }
        ++rows;
    }
    const int bottom = top + (rows + 1) * L;
    m_nRowsShown += rows;
    m_rcLoadTable = m_rcLoadTable.united(LTRB(edge[0], top, edge[9], bottom));

    // Grid and the kind's letter beside the table.
    dc.SelectPen(CKestPen::Solid(1, CLR_GRAY));
    for (int r = 0; r <= rows + 1; ++r) HLine(dc, edge[0], edge[9], top + r * L);
    for (int c = 0; c < 10; ++c) VLine(dc, edge[c], top, bottom);
    drawLetter(bottom);

    y = bottom;
    if (!complete) return omit(y + L);
    return true;
}
