// Where the grid's cells lie in the drawing area, and scrolling by whole cells.
#include <QScrollBar>
#include <algorithm>

#include "Grid.h"

// ---------------------------------------------------------------- layout

int CGrid::ColLeft(int nCol) const {
    int x = 0;
    for (int c = 0; c < std::min(nCol, static_cast<int>(MAX_COLS)); ++c)
        x += m_nColWidth[static_cast<size_t>(c)];
    return x;
}

int CGrid::RowTop(int nRow) const {
    int y = 0;
    for (int r = 0; r < std::min(nRow, static_cast<int>(MAX_ROWS)); ++r)
        y += m_nRowHeight[static_cast<size_t>(r)];
    return y;
}

QRect CGrid::GetCellRect(int nCol, int nRow) const {
    const CGrCell* cell = GetCell(nCol, nRow);
    const int span = cell && cell->nSpan > 1 ? cell->nSpan : 1;
    const int left = ColLeft(nCol);
    return QRect(left, RowTop(nRow), ColLeft(nCol + span) - left, GetRowHeight(nRow));
}

int CGrid::ColX(int nCol) const {
    if (nCol < m_nFixedCols) return ColLeft(nCol);
    return ColLeft(nCol) - ColLeft(m_nFirstCol) + ColLeft(m_nFixedCols);
}

int CGrid::RowY(int nRow) const {
    if (nRow < m_nFixedRows) return RowTop(nRow);
    return RowTop(nRow) - RowTop(m_nFirstRow) + RowTop(m_nFixedRows);
}

QRect CGrid::GetCellScreenRect(int nCol, int nRow) const {
    const QRect rc = GetCellRect(nCol, nRow);
    return QRect(ColX(nCol), RowY(nRow), rc.width(), rc.height());
}

QSize CGrid::ClientSize() const { return viewport()->size(); }

int CGrid::GetLastVisibleCol() const {
    int last = m_nFirstCol - 1;
    for (int c = m_nFirstCol; c < m_nCols && ColX(c) < ClientSize().width(); ++c) last = c;
    return last;
}

int CGrid::GetLastVisibleRow() const {
    int last = m_nFirstRow - 1;
    const int height = ClientSize().height();
    for (int r = m_nFirstRow; r < m_nRows && RowY(r) < height; ++r) last = r;
    return last;
}

int CGrid::GetScrollMax(bool bHorz) const {
    const int count = bHorz ? m_nCols : m_nRows;
    const int fixed = bHorz ? m_nFixedCols : m_nFixedRows;
    if (count <= fixed) return 0;
    const int extent =
        (bHorz ? ClientSize().width() - ColLeft(fixed) : ClientSize().height() - RowTop(fixed));
    int fit = 0;
    int sum = 0;
    for (int i = count - 1; i >= fixed; --i) {
        sum += bHorz ? GetColWidth(i) : GetRowHeight(i);
        if (sum > extent) break;
        ++fit;
    }
    // Even when no cell fits whole, the last one can still be scrolled to.
    return count - fixed - std::max(fit, 1);
}

bool CGrid::HitTest(const QPoint& pt, int& nCol, int& nRow) const {
    int row = -1;
    for (int r = m_nFirstRow; r < m_nRows; ++r) {
        const int y = RowY(r);
        if (y > pt.y()) break;
        if (pt.y() < y + GetRowHeight(r)) {
            row = r;
            break;
        }
    }
    int col = -1;
    for (int c = m_nFirstCol; c < m_nCols; ++c) {
        const int x = ColX(c);
        if (x > pt.x()) break;
        if (pt.x() < x + GetColWidth(c)) {
            col = c;
            break;
        }
    }
    if (row < 0 || col < 0) return false;
    col = MergeStart(col, row);
    if (col < m_nFixedCols) return false;
    nCol = col;
    nRow = row;
    return true;
}

// ---------------------------------------------------------------- scrolling

int CGrid::FirstVisible(bool bHorz, int nIndex, int nSpan) const {
    const int fixed = bHorz ? m_nFixedCols : m_nFixedRows;
    const int count = bHorz ? m_nCols : m_nRows;
    int first = bHorz ? m_nFirstCol : m_nFirstRow;
    if (nIndex < fixed) return first;  // fixed cells never scroll
    if (nIndex < first) return nIndex;
    const int last = std::min(nIndex + std::max(nSpan, 1) - 1, count - 1);
    auto start = [&](int i) { return bHorz ? ColLeft(i) : RowTop(i); };
    const int body = (bHorz ? ClientSize().width() : ClientSize().height()) - start(fixed);
    // Advance just far enough for the last column (row) to show; a cell larger
    // than the body starts at the body's edge.
    while (first < nIndex && start(last + 1) - start(first) > body) ++first;
    return first;
}

int CGrid::EnsureVisible(int nCol, int nRow) {
    if (!IsCell(nCol, nRow)) return 0;
    const int firstCol = m_bHScroll ? FirstVisible(true, nCol, GetCell(nCol, nRow)->nSpan) : m_nFirstCol;
    const int firstRow = m_bVScroll ? FirstVisible(false, nRow, 1) : m_nFirstRow;
    if (firstCol == m_nFirstCol && firstRow == m_nFirstRow) return 0;
    ScrollTo(firstCol, firstRow);
    return 1;
}

void CGrid::ScrollTo(int nFirstCol, int nFirstRow) {
    m_nFirstCol = nFirstCol;
    m_nFirstRow = nFirstRow;
    ++m_nBarGuard;
    horizontalScrollBar()->setValue(m_nFirstCol - m_nFixedCols);
    verticalScrollBar()->setValue(m_nFirstRow - m_nFixedRows);
    --m_nBarGuard;
    PlaceEdit();
    viewport()->update();
}

void CGrid::OnScrollAction(bool bHorz, int nAction) {
    // Moving the slider below triggers a slider move of its own: ignore it.
    if (m_nBarGuard > 0 || !(bHorz ? m_bHScroll : m_bVScroll)) return;
    QScrollBar* bar = bHorz ? horizontalScrollBar() : verticalScrollBar();
    const int fixed = bHorz ? m_nFixedCols : m_nFixedRows;
    const int count = bHorz ? m_nCols : m_nRows;
    int first = bHorz ? m_nFirstCol : m_nFirstRow;
    switch (nAction) {
        case QAbstractSlider::SliderSingleStepSub: first -= 1; break;
        case QAbstractSlider::SliderSingleStepAdd: first += 1; break;
        case QAbstractSlider::SliderPageStepSub: first -= bar->pageStep(); break;
        case QAbstractSlider::SliderPageStepAdd: first += bar->pageStep(); break;
        case QAbstractSlider::SliderMove: first = bar->sliderPosition() + fixed; break;
        default: return;  // the bar's own value change is followed in scrollContentsBy
    }
    first = std::max(fixed, std::min(first, count - 1));
    // The bar applies its slider position after this signal.
    ++m_nBarGuard;
    bar->setSliderPosition(first - fixed);
    --m_nBarGuard;
    ScrollTo(bHorz ? first : m_nFirstCol, bHorz ? m_nFirstRow : first);
}

void CGrid::scrollContentsBy(int, int) {
    if (m_nBarGuard > 0) return;
    // A change that did not come through OnScrollAction (say "scroll to top"
    // from the bar's menu): follow the bar.
    int first[2] = {m_nFirstCol, m_nFirstRow};
    const int fixed[2] = {m_nFixedCols, m_nFixedRows};
    const int count[2] = {m_nCols, m_nRows};
    QScrollBar* bars[2] = {horizontalScrollBar(), verticalScrollBar()};
    for (int i = 0; i < 2; ++i) {
        const int shown = std::max(0, std::min(first[i] - fixed[i], bars[i]->maximum()));
        if (bars[i]->value() != shown)
            first[i] = std::max(fixed[i], std::min(bars[i]->value() + fixed[i], count[i] - 1));
    }
    if (first[0] != m_nFirstCol || first[1] != m_nFirstRow) ScrollTo(first[0], first[1]);
}

void CGrid::UpdateScrollRange() {
    ++m_nBarGuard;
    horizontalScrollBar()->setRange(0, m_bHScroll ? GetScrollMax(true) : 0);
    verticalScrollBar()->setRange(0, m_bVScroll ? GetScrollMax(false) : 0);
    horizontalScrollBar()->setValue(m_nFirstCol - m_nFixedCols);
    verticalScrollBar()->setValue(m_nFirstRow - m_nFixedRows);
    --m_nBarGuard;
}

void CGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}
