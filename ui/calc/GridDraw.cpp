// The grid's drawing: one off-screen picture per paint, the fixed parts, the
// body, the cells and their lines.
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "Grid.h"

using namespace kest;

namespace {

const QColor kLineColor(100, 100, 100);
const QColor kMarkColor(0, 0, 255);

}  // namespace

// ---------------------------------------------------------------- painting

void CGrid::paintEvent(QPaintEvent* event) {
    // One off-screen picture per paint, copied in one transfer.
    const qreal dpr = viewport()->devicePixelRatioF();
    QImage image(viewport()->size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    {
        QPainter ip(&image);
        CKestDC dc(&ip);
        Draw(dc, event->rect());
    }
    QPainter p(viewport());
    p.drawImage(QPoint(0, 0), image);
}

void CGrid::Draw(CKestDC& dc, const QRect& rcLimit) const {
    QPainter* p = dc.painter();
    const QSize client = ClientSize();
    const int fixedW = ColLeft(m_nFixedCols);
    const int fixedH = RowTop(m_nFixedRows);
    const int fixedCols = std::min(m_nFixedCols, m_nCols);
    const int fixedRows = std::min(m_nFixedRows, m_nRows);
    const int lastCol = GetLastVisibleCol();
    const int lastRow = GetLastVisibleRow();
    dc.SaveDC();
    dc.SelectPen(CKestPen::Solid(1, kLineColor));
    dc.SelectFont(GetGridFont());
    dc.SetBkMode(TRANSPARENT);

    // The fixed corner, the fixed rows, the fixed columns, then the body; the
    // scrolled parts never draw over the fixed ones.
    for (int r = 0; r < fixedRows; ++r) DrawRow(dc, r, 0, fixedCols, rcLimit, false);
    p->save();
    p->setClipRect(QRect(fixedW, 0, client.width() - fixedW, fixedH));
    for (int r = 0; r < fixedRows; ++r) DrawRow(dc, r, m_nFirstCol, lastCol + 1, rcLimit, false);
    p->setClipRect(QRect(0, fixedH, fixedW, client.height() - fixedH));
    for (int r = m_nFirstRow; r <= lastRow; ++r) DrawRow(dc, r, 0, fixedCols, rcLimit, false);
    p->setClipRect(QRect(fixedW, fixedH, client.width() - fixedW, client.height() - fixedH));
    for (int r = m_nFirstRow; r <= lastRow; ++r) DrawRow(dc, r, m_nFirstCol, lastCol + 1, rcLimit, true);
    p->restore();

    // Right of the last column and below the last row.
    const int right =
        m_nCols > m_nFixedCols ? ColX(m_nCols - 1) + GetColWidth(m_nCols - 1) : ColLeft(m_nCols);
    const int bottom =
        m_nRows > m_nFixedRows ? RowY(m_nRows - 1) + GetRowHeight(m_nRows - 1) : RowTop(m_nRows);
    if (right < client.width())
        dc.FillSolidRect(QRect(right, 0, client.width() - right, client.height()), Qt::white);
    if (bottom < client.height())
        dc.FillSolidRect(QRect(0, bottom, client.width(), client.height() - bottom), Qt::white);
    dc.RestoreDC();
}

void CGrid::DrawRow(CKestDC& dc, int nRow, int c0, int cEnd, const QRect& rcLimit, bool bBody) const {
    for (int c = c0; c < cEnd && c < m_nCols; ++c) {
        int col = c;
        if (GetCell(c, nRow)->nSpan == 0) {
            // A covered cell: its merged cell draws the whole width, from its
            // start when that is drawn here, else once at the first column.
            const int start = MergeStart(c, nRow);
            if (start >= c0 || c != c0) continue;
            col = start;
        }
        const QRect rc = GetCellScreenRect(col, nRow);
        if (rc.intersects(rcLimit)) DrawCell(dc, col, nRow, rc, bBody);
    }
}

void CGrid::DrawCell(CKestDC& dc, int nCol, int nRow, const QRect& rc, bool bBody) const {
    const CGrCell& cell = *GetCell(nCol, nRow);
    dc.FillSolidRect(rc, QColorOfGr(cell.clrBk == GR_CLR_DEFAULT ? m_clrBk : cell.clrBk));
    dc.SetTextColor(QColorOfGr(cell.clrText == GR_CLR_DEFAULT ? m_clrText : cell.clrText));
    const QFont old = cell.font ? dc.SelectFont(*cell.font) : QFont();
    QRect rt = rc.marginsRemoved(m_rcMargin);
    unsigned format = cell.nFormat;
    if ((format & DT_VCENTER) && !(format & DT_SINGLELINE)) {
        // Centred vertically also when the text has several lines.
        const int height = dc.DrawText(cell.strText, rt, format | DT_CALCRECT);
        if (height < rt.height()) rt.setTop(rt.top() + (rt.height() - height) / 2);
        format &= ~static_cast<unsigned>(DT_VCENTER);
    }
    dc.DrawText(cell.strText, rt, format);
    // Grid lines on the right and bottom edges.
    const int right = rc.x() + rc.width() - 1;
    const int bottom = rc.y() + rc.height() - 1;
    dc.MoveTo(right, rc.y());
    dc.LineTo(right, bottom);
    dc.LineTo(rc.x(), bottom);
    // The mark goes over the lines so that it is closed on all four sides.
    if (bBody && m_nSelStyle == 1 && nCol == m_nCurCol && nRow == m_nCurRow) dc.FrameRect(rc, kMarkColor);
    if (cell.font) dc.SelectFont(old);
}
