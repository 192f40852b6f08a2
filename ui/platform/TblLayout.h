// A table laid over a rectangle by cumulative column and row fractions.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include "KestLoadLibExport.h"

namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CTblLayout {
public:
    static constexpr int kMax = 20;

    CTblLayout() { Reset(); }
    void Reset();
    void SetRect(int left, int top, int right, int bottom);
    void SetRect(const QRect& r) { SetRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
    void AddCol(double w);
    void AddRow(double h);
    double RemainingWidth() const { return nCols == 0 ? 1.0 : 1.0 - colEdge[nCols - 1]; }
    double RemainingHeight() const { return nRows == 0 ? 1.0 : 1.0 - rowEdge[nRows - 1]; }
    // Cell (column k, row r) as left, top, right, bottom truncated to pixels.
    QRect Cell(int k, int r) const;
    // Outline, a line at every column and row edge but the last, in the current pen.
    void DrawGrid(kest::CKestDC& dc) const;
    // The text for a cell as a spreadsheet shows it: a number too wide for
    // the cell is rounded to fewer decimals, and "###" stands only for a text
    // whose whole part does not fit; digits are never cut off. The full text
    // of a shortened cell is kept for a tool tip until ClearCut.
    QString FitText(const kest::CKestDC& dc, const QString& text, const QRect& cell) const;
    QString CutTextAt(const QPoint& pt) const;
    void ClearCut() const { m_cut.clear(); }

    int nCols = 0;
    int nRows = 0;
    int left = 0, top = 0, right = 0, bottom = 0;  // the covered area
    double colEdge[kMax];
    double rowEdge[kMax];

private:
    struct CutCell {
        QRect rc;
        QString text;
    };
    mutable QVector<CutCell> m_cut;
};
