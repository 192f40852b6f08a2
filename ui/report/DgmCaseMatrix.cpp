#include "DgmCaseMatrix.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "Headroom.h"
#include "KestDC.h"
#include "Project.h"
#include "ProjectResult.h"
#include "Strings.h"

using namespace kest;

namespace {

// Shares of the width: the robots' names and the project's verdict; the cases
// share the rest.
constexpr double kNameShare = 0.19;
constexpr double kProjectShare = 0.17;

// The header's and a robot row's height in R.
int HeaderHeight(const QRect& R) { return std::max(8, R.height() / 9); }
int RowHeight(const QRect& R, int robots) {
    const int rest = R.height() - HeaderHeight(R);
    // Three robots fill the page; fewer keep the same row height.
    return std::max(8, rest / std::max(3, robots));
}

// The lines of one cell, each broken at spaces to the cell's width, and a
// word still too wide cut with "…"; the lines are centred in height.
void DrawLines(CKestDC& dc, const QRect& cell, const QStringList& texts, unsigned align) {
    const QFontMetrics fm(dc.painter()->font());
    const int lineH = fm.height();
    const int pad = std::max(2, lineH / 5);
    const int width = cell.width() - 2 * pad;
    QStringList lines;
    for (const QString& text : texts) {
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    const int fit = std::max(1, cell.height() / std::max(1, lineH));
    while (lines.size() > fit) lines.removeLast();
    const int top = cell.top() + std::max(0, (cell.height() - lineH * static_cast<int>(lines.size())) / 2);
    for (int k = 0; k < lines.size(); ++k) {
        const QRect row(cell.left() + pad, top + k * lineH, width, lineH);
        dc.DrawText(fm.elidedText(lines[k], Qt::ElideRight, row.width()), row,
                    align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

}  // namespace

QColor CDgmCaseMatrix::VerdictColor(int code, bool grey) {
    if (code == 0) return CLR_LIGHTGRAY;  // no result
    if (grey) return CLR_WHITE;
    return code == 1 ? CLR_GREEN : code == 2 ? CLR_YELLOW : CLR_RED;
}

QRect CDgmCaseMatrix::CellRect(const QRect& R, int robots, int cases, int row, int col) {
    const int nameW = Trunc(kNameShare * R.width());
    const int projectW = Trunc(kProjectShare * R.width());
    const int caseW = std::max(1, (R.width() - nameW - projectW) / std::max(1, cases));
    int left = R.left(), width = nameW;
    if (col >= 0 && col < cases) {
        left = R.left() + nameW + col * caseW;
        width = caseW;
    } else if (col >= cases) {
        left = R.left() + nameW + cases * caseW;
        width = projectW;
    }
    const int headerH = HeaderHeight(R);
    const int rowH = RowHeight(R, robots);
    const int top = row < 0 ? R.top() : R.top() + headerH + row * rowH;
    return QRect(left, top, width, row < 0 ? headerH : rowH);
}

bool CDgmCaseMatrix::CaseCellAt(const QRect& R, int robots, int cases, const QPoint& pt, int* robot,
                                int* kase) {
    for (int r = 0; r < robots; ++r) {
        for (int c = 0; c < cases; ++c) {
            if (!CellRect(R, robots, cases, r, c).contains(pt)) continue;
            if (robot) *robot = r;
            if (kase) *kase = c;
            return true;
        }
    }
    return false;
}

void CDgmCaseMatrix::Draw(CKestDC& dc, const QRect& R, const CProject& project, const CProjectResult& result,
                          bool grey, bool print) const {
    const int robots = project.Robots.Count();
    const int cases = project.CaseCount();
    dc.SaveDC();
    const int rowH = RowHeight(R, robots);
    // Three lines to a robot row, but on screen never below the dialog's font.
    int px = std::max(6, std::min(rowH / 4, HeaderHeight(R) * 2 / 5));
    if (nMinTextPx > 0) px = std::max(px, nMinTextPx);
    const QFont normal = GdiFont(QStringLiteral("Arial"), px, 400);
    const QFont bold = GdiFont(QStringLiteral("Arial"), px, 700);
    const QColor line = print ? CLR_BLACK : CLR_STEEL;
    dc.SetBkMode(TRANSPARENT);

    // The header: the cases' names, the current one in bold on the dark band.
    auto header = [&](int col, const QString& text, bool current) {
        const QRect cell = CellRect(R, robots, cases, -1, col);
        dc.SelectPen(CKestPen::Solid(1, line));
        dc.SelectBrush(CKestBrush::SolidColor(current && !grey ? CLR_DARK : CLR_WHITE));
        dc.Rectangle(cell);
        dc.SetTextColor(current && !grey ? CLR_WHITE : CLR_BLACK);
        dc.SelectFont(current ? bold : normal);
        DrawLines(dc, cell, {text}, DT_CENTER);
    };
    header(-1, LoadKestString(IDS_CASE_MATRIX_ROBOT), false);
    for (int c = 0; c < cases; ++c) header(c, project.CaseDisplayName(c), c == project.CurrentCase);
    header(cases, LoadKestString(IDS_CASE_MATRIX_PROJECT), false);

    for (int r = 0; r < robots; ++r) {
        const QRect nameCell = CellRect(R, robots, cases, r, -1);
        dc.SelectPen(CKestPen::Solid(1, line));
        dc.SelectBrush(CKestBrush::SolidColor(CLR_WHITE));
        dc.Rectangle(nameCell);
        dc.SetTextColor(CLR_BLACK);
        dc.SelectFont(normal);
        DrawLines(dc, nameCell, {project.Robots.Name(r)}, DT_LEFT);

        // A case's cell: the verdict's colour, the governing limit and the headroom.
        auto cell = [&](const QRect& rc, const CRobotResult* res, const QStringList& extra) {
            const int code = res ? res->verdict.code : 0;
            dc.SelectPen(CKestPen::Solid(1, line));
            dc.SelectBrush(CKestBrush::SolidColor(VerdictColor(code, grey)));
            dc.Rectangle(rc);
            dc.SetTextColor(code >= 3 && !grey ? CLR_WHITE : CLR_BLACK);
            QStringList lines = extra;
            if (res == nullptr) {
                lines << QString();
            } else if (!res->analysed) {
                lines << res->verdict.text;
            } else {
                if (res->governing.valid) lines << res->governing.Text();
                // "+3.2 kg · CoG ≤ 245 mm" on two lines.
                for (const QString& part : HeadroomText(res->headroom).split(QStringLiteral(" · ")))
                    lines << part;
            }
            dc.SelectFont(normal);
            DrawLines(dc, rc, lines, DT_CENTER);
        };
        for (int c = 0; c < cases; ++c) {
            const CRobotResult* res = c < result.cases.size() && r < result.cases[c].robots.size()
                                          ? &result.cases[c].robots[r]
                                          : nullptr;
            cell(CellRect(R, robots, cases, r, c), res, {});
        }
        // The project's verdict: the worst case's, with its name.
        const int worst = result.WorstCase(r);
        const CRobotResult* res =
            worst >= 0 && worst < result.cases.size() && r < result.cases[worst].robots.size()
                ? &result.cases[worst].robots[r]
                : nullptr;
        QStringList head;
        if (res != nullptr) head << res->verdict.text << project.CaseDisplayName(worst);
        const QRect projectCell = CellRect(R, robots, cases, r, cases);
        const int code = res ? res->verdict.code : 0;
        dc.SelectPen(CKestPen::Solid(1, line));
        dc.SelectBrush(CKestBrush::SolidColor(VerdictColor(code, grey)));
        dc.Rectangle(projectCell);
        dc.SetTextColor(code >= 3 && !grey ? CLR_WHITE : CLR_BLACK);
        dc.SelectFont(bold);
        DrawLines(dc, projectCell, head, DT_CENTER);
    }
    // The current case's column framed, so it reads as the one the window shows.
    if (!print && robots > 0 && project.CurrentCase >= 0 && project.CurrentCase < cases) {
        const QRect top = CellRect(R, robots, cases, -1, project.CurrentCase);
        const QRect bottom = CellRect(R, robots, cases, robots - 1, project.CurrentCase);
        dc.SelectPen(CKestPen::Solid(2, CLR_DEEPBLUE));
        dc.SelectBrush(CKestBrush::None());
        dc.Rectangle(LTRB(top.left(), top.top(), Right(bottom), Bottom(bottom)).adjusted(1, 1, 0, 0));
    }
    dc.RestoreDC();
}
