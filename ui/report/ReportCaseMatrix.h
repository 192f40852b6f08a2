// The first page of the report of a project with several load cases: the
// general information and a matrix of the robots (rows) by the load cases
// (columns). Each cell holds the robot's verdict in that case on the verdict
// colours (grey tones on a monochrome page), the governing limit and the
// headroom; a last column holds each robot's project verdict, its worst case.
// More than four cases continue in blocks of four below each other, and the
// whole matrix shrinks to the page when it would not fit.
#pragma once

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QVector>

#include "KestLoadLibExport.h"

class CProject;
class CReport;
struct CProjectResult;
struct CRobotResult;
namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CReportCaseMatrix {
public:
    // The page's body below the header line at `headerY`, in the frame and
    // fonts of `report`.
    void DrawPage(kest::CKestDC& dc, const CReport& report, int headerY, const CProject& project,
                  const CProjectResult& result, bool grey);
    // The matrix alone, from the top of `rc` and at most its height; `lineH`
    // is the report's line height. Returns the bottom of what was drawn.
    int Draw(kest::CKestDC& dc, const QRect& rc, int lineH, const CProject& project,
             const CProjectResult& result, bool grey);

    // A cell's background and text colours for verdict code `code` (0: no result).
    static QColor CellColor(int code, bool grey);
    static QColor CellTextColor(int code, bool grey);
    // A cell's lines: the verdict, the governing limit and the headroom (for
    // a robot not analysed, the verdict and why).
    static QStringList CellLines(const CRobotResult& r);

    // Where the last Draw put its parts: m_rcCells[robot][case], each robot's
    // project verdict, the whole matrix and the note under it.
    QVector<QVector<QRect>> m_rcCells;
    QVector<QRect> m_rcProject;
    QRect m_rcMatrix;
    QRect m_rcNote;
};
