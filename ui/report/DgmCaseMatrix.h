// The load-case matrix: the project's robots (rows) against its load cases
// (columns), each cell on the colour of the robot's verdict in that case
// (green pass, yellow high load, red fail, light grey no result) with the
// governing limit and the headroom, and a last column with the robot's
// project verdict, its worst case. Drawn into any context: the window's
// result page and the report.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include "KestLoadLibExport.h"

class CProject;
struct CProjectResult;
namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CDgmCaseMatrix {
public:
    // Draws the matrix into R. `grey`: white cells for a monochrome page;
    // `print`: black lines and the page's proportions.
    void Draw(kest::CKestDC& dc, const QRect& R, const CProject& project, const CProjectResult& result,
              bool grey, bool print) const;

    // The cell at `pt` of a matrix drawn in R for `robots` robots and `cases`
    // cases: true with the robot's and the case's index for a case cell
    // (the name and project columns and the header give false).
    static bool CaseCellAt(const QRect& R, int robots, int cases, const QPoint& pt, int* robot, int* kase);
    // Cell (row, col) of the grid: row -1 is the header, col -1 the robots'
    // names, col `cases` the project's verdict.
    static QRect CellRect(const QRect& R, int robots, int cases, int row, int col);
    // The band colour of a verdict code (0 no result, 1 pass, 2 high load, else fail).
    static QColor VerdictColor(int code, bool grey);

    // On screen the text is never smaller than this (the dialog's font), 0: no floor.
    int nMinTextPx = 0;
};
