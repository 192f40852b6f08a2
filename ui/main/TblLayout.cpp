#include "TblLayout.h"

#include "DrawMath.h"
#include "KestDC.h"

void CTblLayout::Reset() {
    nCols = nRows = 0;
    m_cut.clear();
    for (int i = 0; i < kMax; ++i) colEdge[i] = rowEdge[i] = 0.0;
}

void CTblLayout::SetRect(int l, int t, int r, int b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
}

void CTblLayout::AddCol(double w) {
    if (nCols >= kMax) return;
    colEdge[nCols] = (nCols == 0 ? 0.0 : colEdge[nCols - 1]) + w;
    ++nCols;
}

void CTblLayout::AddRow(double h) {
    if (nRows >= kMax) return;
    rowEdge[nRows] = (nRows == 0 ? 0.0 : rowEdge[nRows - 1]) + h;
    ++nRows;
}

QRect CTblLayout::Cell(int k, int r) const {
    const int w = right - left;
    const int h = bottom - top;
    const int l = k == 0 ? left : static_cast<int>(left + w * colEdge[k - 1]);
    const int rr = static_cast<int>(left + w * colEdge[k]);
    const int t = r == 0 ? top : static_cast<int>(top + h * rowEdge[r - 1]);
    const int b = static_cast<int>(top + h * rowEdge[r]);
    return kest::LTRB(l, t, rr, b);
}

void CTblLayout::DrawGrid(kest::CKestDC& dc) const {
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
    const int w = right - left;
    const int h = bottom - top;
    for (int k = 0; k + 1 < nCols; ++k) {
        const int x = static_cast<int>(left + w * colEdge[k]);
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom);
    }
    for (int r = 0; r + 1 < nRows; ++r) {
        const int y = static_cast<int>(top + h * rowEdge[r]);
        dc.MoveTo(left, y);
        dc.LineTo(right, y);
    }
}

QString CTblLayout::FitText(const kest::CKestDC& dc, const QString& text, const QRect& cell) const {
    if (dc.GetTextExtent(text).width() <= cell.width()) return text;
    m_cut.append({cell, text});
    return QStringLiteral("###");
}

QString CTblLayout::CutTextAt(const QPoint& pt) const {
    for (const CutCell& c : m_cut) {
        if (c.rc.contains(pt)) return c.text;
    }
    return QString();
}
