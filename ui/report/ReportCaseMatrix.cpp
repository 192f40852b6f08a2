#include "ReportCaseMatrix.h"

#include <QFontMetrics>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "Headroom.h"
#include "KestDC.h"
#include "Project.h"
#include "ProjectResult.h"
#include "Report.h"
#include "Strings.h"

using namespace kest;

namespace {

// Case columns side by side; more cases continue in another block below.
constexpr int kCasesPerBlock = 4;

// One line of text in rc, in a smaller font (down to 60 %) when too wide and
// cut with "…" when still too wide, as the report's other cells.
void FitLine(CKestDC& dc, const QFont& font, const QString& text, const QRect& rc, unsigned align) {
    QFont f = font;
    const int smallest = std::max(1, font.pixelSize() * 6 / 10);
    while (QFontMetrics(f).horizontalAdvance(text) > rc.width() && f.pixelSize() > smallest)
        f.setPixelSize(std::max(smallest, f.pixelSize() - std::max(1, f.pixelSize() / 20)));
    const QFontMetrics fm(f);
    dc.SelectFont(f);
    dc.DrawText(fm.horizontalAdvance(text) > rc.width()
                    ? fm.elidedText(text, Qt::ElideRight, std::max(0, rc.width()))
                    : text,
                rc, align | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

QColor CReportCaseMatrix::CellColor(int code, bool grey) {
    if (code == 0) return CLR_LIGHTGRAY;  // no result, as the verdict box's band
    if (grey) return code == 1 ? CLR_WHITE : code == 2 ? QColor(235, 235, 235) : QColor(165, 165, 165);
    return code == 1 ? CLR_GREEN : code == 2 ? CLR_YELLOW : CLR_RED;
}

QColor CReportCaseMatrix::CellTextColor(int code, bool grey) {
    return !grey && (code == 3 || code == 4) ? CLR_WHITE : CLR_BLACK;
}

QStringList CReportCaseMatrix::CellLines(const CRobotResult& r) {
    if (!r.analysed) return {r.verdict.text, r.refusal};
    return {r.verdict.text, r.governing.Text(), HeadroomText(r.headroom)};
}

int CReportCaseMatrix::Draw(CKestDC& dc, const QRect& rc, int lineH, const CProject& project,
                            const CProjectResult& result, bool grey) {
    const int cases = project.CaseCount();
    const int robots = std::min(3, project.Robots.Count());
    m_rcCells = QVector<QVector<QRect>>(robots, QVector<QRect>(cases));
    m_rcProject = QVector<QRect>(robots);
    const int perBlock = std::min(cases, kCasesPerBlock);
    const int blocks = (cases + perBlock - 1) / perBlock;
    // Heights at full size; all of it shrinks when the blocks would not fit.
    const int shownRows = std::max(1, robots);
    const double full = blocks * (1.6 + shownRows * 3.6) + (blocks - 1) * 1.0;
    const double s = std::clamp(rc.height() / (full * lineH), 0.3, 1.0);
    const int headH = Trunc(1.6 * lineH * s);
    const int rowH = Trunc(3.6 * lineH * s);
    const int gap = Trunc(lineH * s);
    const QFont base = GdiFont(QStringLiteral("Arial"), std::max(1, Trunc(lineH / 1.2 * s)), 400);
    QFont bold = base;
    bold.setBold(true);

    const int W = rc.width();
    const int nameW = Trunc(0.15 * W);
    const int colW = (W - nameW) / (perBlock + 1);
    const int pad = std::max(1, lineH / 5);
    const auto column = [&](int c) { return rc.left() + nameW + c * colW; };
    const auto frame = [&](const QRect& r, const QColor& fill) {
        dc.SelectBrush(CKestBrush::SolidColor(fill));
        dc.Rectangle(r);
    };
    // The lines of a cell centred one under the other, the first in bold.
    const auto lines = [&](const QRect& r, const QStringList& text, const QColor& color) {
        dc.SetTextColor(color);
        const int h = (r.height() - 2 * pad) / 3;
        const int top = r.top() + (r.height() - h * static_cast<int>(text.size())) / 2;
        for (int k = 0; k < text.size(); ++k) {
            FitLine(dc, k == 0 ? bold : base, text[k],
                    LTRB(r.left() + pad, top + k * h, Right(r) - pad, top + (k + 1) * h),
                    DT_CENTER | DT_VCENTER);
        }
    };

    dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
    int y = rc.top();
    for (int b = 0; b < blocks; ++b) {
        const int first = b * perBlock;
        const int count = std::min(perBlock, cases - first);
        const bool last = b == blocks - 1;
        // The header row: the robot column, the cases' names, the project verdict.
        frame(QRect(rc.left(), y, nameW, headH), CLR_LIGHTGRAY);
        dc.SetTextColor(CLR_BLACK);
        FitLine(dc, bold, LoadKestString(IDS_RPT_ROBOT),
                Shrink(QRect(rc.left(), y, nameW, headH), pad, 0, pad, 0), DT_CENTER | DT_VCENTER);
        for (int c = 0; c < count; ++c) {
            const QRect head(column(c), y, colW, headH);
            frame(head, CLR_LIGHTGRAY);
            FitLine(dc, bold, project.CaseDisplayName(first + c), Shrink(head, pad, 0, pad, 0),
                    DT_CENTER | DT_VCENTER);
        }
        if (last) {
            const QRect head(column(perBlock), y, colW, headH);
            frame(head, CLR_LIGHTGRAY);
            FitLine(dc, bold, LoadKestString(IDS_RPT_PROJECT_VERDICT), Shrink(head, pad, 0, pad, 0),
                    DT_CENTER | DT_VCENTER);
        }
        y += headH;
        if (robots == 0) {
            dc.SetTextColor(CLR_BLACK);
            FitLine(dc, base, LoadKestString(IDS_RPT_NO_ROBOTS), QRect(rc.left() + pad, y, W - 2 * pad, rowH),
                    DT_LEFT | DT_VCENTER);
            y += rowH;
        }
        for (int i = 0; i < robots; ++i) {
            const QRect name(rc.left(), y, nameW, rowH);
            frame(name, CLR_DARK);
            dc.SetTextColor(CLR_WHITE);
            FitLine(dc, bold, project.Robots.Name(i), Shrink(name, pad, 0, pad, 0), DT_CENTER | DT_VCENTER);
            for (int c = 0; c < count; ++c) {
                const QRect cell(column(c), y, colW, rowH);
                const int k = first + c;
                const CRobotResult* r = k < result.cases.size() && i < result.cases[k].robots.size()
                                            ? &result.cases[k].robots[i]
                                            : nullptr;
                const int code = r != nullptr ? r->verdict.code : 0;
                frame(cell, CellColor(code, grey));
                if (r != nullptr) lines(cell, CellLines(*r), CellTextColor(code, grey));
                m_rcCells[i][k] = cell;
            }
            if (last) {
                const QRect cell(column(perBlock), y, colW, rowH);
                const int w = result.WorstCase(i);
                const CRobotResult* r = w >= 0 ? &result.cases[w].robots[i] : nullptr;
                const int code = r != nullptr ? r->verdict.code : 0;
                frame(cell, CellColor(code, grey));
                if (r != nullptr) {
                    lines(
                        cell,
                        {r->verdict.text, LoadKestString(IDS_RPT_WORST_CASE).arg(project.CaseDisplayName(w)),
                         r->governing.Text()},
                        CellTextColor(code, grey));
                }
                m_rcProject[i] = cell;
            }
            y += rowH;
        }
        if (!last) y += gap;
    }
    dc.RestoreDC();
    m_rcMatrix = LTRB(rc.left(), rc.top(), Right(rc), y);
    return y;
}

void CReportCaseMatrix::DrawPage(CKestDC& dc, const CReport& report, int headerY, const CProject& project,
                                 const CProjectResult& result, bool grey) {
    const int L = report.m_nLineH;
    const int I = report.m_nIndent;
    const QRect& R = report.m_rcPrint;
    const int x0 = report.m_nMarginL + I;
    const int right = Right(R) - I;
    const QColor heading = grey ? CLR_BLACK : CLR_DEEPBLUE;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_TOP);

    int y = headerY + L / 2;
    {
        // The title's underline as one straight line under Latin and Hangul glyphs alike.
        QFont plain = report.m_fontTitle;
        plain.setUnderline(false);
        const QFontMetrics fm(plain);
        const QString title = LoadKestString(IDS_RPT_CASES_TITLE);
        dc.SelectFont(plain);
        dc.SetTextColor(heading);
        dc.TextOut(x0, y, title);
        dc.FillSolidRect(QRect(x0, y + fm.ascent() + fm.underlinePos(), fm.horizontalAdvance(title),
                               std::max(1, fm.lineWidth())),
                         heading);
    }
    y += 2 * L;

    // The project in two columns of three lines, then the mechanism data.
    const struct {
        int label;
        const QString& value;
    } info[] = {{IDS_COMPANY, project.Company},         {IDS_PROJECT, project.Project},
                {IDS_APPLICATION, project.Application}, {IDS_LINE, project.Line},
                {IDS_ROBOT_NUM, project.RobotNum},      {IDS_ENGINEER, project.Engineer}};
    dc.SetTextColor(CLR_BLACK);
    const int half = (right - x0) / 2;
    for (int k = 0; k < 6; ++k) {
        const int left = x0 + (k % 2) * half;
        const int top = y + (k / 2) * L;
        FitLine(dc, report.m_fontNormal,
                LoadKestString(info[k].label) + QStringLiteral(" : ") + info[k].value,
                QRect(left, top, half - I, L), DT_LEFT | DT_VCENTER);
    }
    y += 3 * L;
    FitLine(dc, report.m_fontNormal, result.mechData, LTRB(x0, y, right, y + L), DT_LEFT | DT_VCENTER);
    y += 2 * L;

    // The matrix takes what the notes at the foot leave.
    const int notesH = 6 * L;
    const int bottom = Draw(dc, LTRB(x0, y, right, Bottom(R) - notesH), L, project, result, grey);
    dc.SelectFont(report.m_fontNormal);
    dc.SetTextColor(CLR_BLACK);
    m_rcNote = LTRB(x0, bottom + L / 2, right, bottom + L / 2 + 3 * L);
    dc.DrawText(LoadKestString(IDS_RPT_CASES_NOTE), m_rcNote, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    dc.DrawText(LoadKestString(IDS_NOTICE), LTRB(x0, Bottom(R) - Trunc(2.5 * L), right, Bottom(R) - L / 2),
                DT_LEFT | DT_TOP | DT_WORDBREAK);
}
