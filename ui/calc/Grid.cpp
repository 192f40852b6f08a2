#include "Grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "DlgBuilder.h"

using namespace kest;

namespace {

const QColor kLineColor(100, 100, 100);
const QColor kMarkColor(0, 0, 255);
const int kPageCells = 3;  // cells per page-up / page-down

}  // namespace

CGrid::CGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      m_nRowHeight(MAX_ROWS, 20),
      m_clrText(GrColorOf(RGB(0, 0, 255))),
      m_clrBk(GrColorOf(RGB(255, 255, 255))),
      m_cells(2, std::vector<CGrCell>(2)) {
    m_nColWidth.fill(20);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->installEventFilter(this);
    for (bool horz : {true, false}) {
        QScrollBar* bar = horz ? horizontalScrollBar() : verticalScrollBar();
        bar->setSingleStep(1);
        bar->setPageStep(kPageCells);
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, horz](int action) { OnScrollAction(horz, action); });
    }
    UpdateScrollRange();
}

CGrid::~CGrid() {
    // Like closing the window: the owner still hears of an open edit.
    if (QLineEdit* edit = m_pEdit) {
        m_pEdit = nullptr;
        edit->removeEventFilter(this);
        SendNotify(LVN_ENDLABELEDITW, m_nEditCol, m_nEditRow, 0, edit->text(), edit->isModified());
    }
}

int CGrid::Create(QWidget* pParent, int nCols, int nRows, int nID) {
    if (nCols < 0 || nRows < 0 || nCols > MAX_COLS || nRows > MAX_ROWS) return -1;
    m_nMaxCols = m_nCols = nCols;
    m_nMaxRows = m_nRows = nRows;
    m_cells.assign(static_cast<size_t>(nRows), std::vector<CGrCell>(static_cast<size_t>(nCols)));
    m_nID = nID;
    SetDlgCtrlId(this, nID);
    setParent(pParent);
    setGeometry(QRect(QPoint(20, 10), QPoint(199, 99)));
    show();
    UpdateScrollRange();
    return 1;
}

// ---------------------------------------------------------------- counts and sizes

int CGrid::SetColCount(int nCols) {
    if (nCols < 0 || nCols > m_nMaxCols) return -1;
    m_nCols = nCols;
    m_nFirstCol = std::max(m_nFixedCols, std::min(m_nFirstCol, m_nCols - 1));
    UpdateScrollRange();
    viewport()->update();
    return 0;
}

int CGrid::SetRowCount(int nRows) {
    if (nRows < 0 || nRows > m_nMaxRows) return -1;
    m_nRows = nRows;
    m_nFirstRow = std::max(m_nFixedRows, std::min(m_nFirstRow, m_nRows - 1));
    UpdateScrollRange();
    viewport()->update();
    return 0;
}

int CGrid::SetFixedCols(int nFixed) {
    if (nFixed < 0 || nFixed > m_nMaxCols) return -1;
    m_nFixedCols = m_nFirstCol = nFixed;
    m_nCurCol = m_nFirstCol;
    m_nCurRow = m_nFirstRow;
    UpdateScrollRange();
    viewport()->update();
    return 0;
}

int CGrid::SetFixedRows(int nFixed) {
    if (nFixed < 0 || nFixed > m_nMaxRows) return -1;
    m_nFixedRows = m_nFirstRow = nFixed;
    m_nCurCol = m_nFirstCol;
    m_nCurRow = m_nFirstRow;
    UpdateScrollRange();
    viewport()->update();
    return 0;
}

int CGrid::SetColWidth(int nCol, int cx) {
    if (nCol < 0 || nCol >= MAX_COLS) return -1;
    m_nColWidth[static_cast<size_t>(nCol)] = std::max(0, cx);
    UpdateScrollRange();
    viewport()->update();
    return 0;
}

int CGrid::SetRowHeight(int nRow, int cy) {
    if (nRow < 0 || nRow >= MAX_ROWS) return -1;
    m_nRowHeight[static_cast<size_t>(nRow)] = std::max(0, cy);
    UpdateScrollRange();
    viewport()->update();
    return 0;
}

int CGrid::GetColWidth(int nCol) const {
    return nCol >= 0 && nCol < MAX_COLS ? m_nColWidth[static_cast<size_t>(nCol)] : 0;
}

int CGrid::GetRowHeight(int nRow) const {
    return nRow >= 0 && nRow < MAX_ROWS ? m_nRowHeight[static_cast<size_t>(nRow)] : 0;
}

void CGrid::SetAllColWidths(int cx) {
    m_nColWidth.fill(std::max(0, cx));
    UpdateScrollRange();
    viewport()->update();
}

void CGrid::SetAllRowHeights(int cy) {
    std::fill(m_nRowHeight.begin(), m_nRowHeight.end(), std::max(0, cy));
    UpdateScrollRange();
    viewport()->update();
}

// ---------------------------------------------------------------- cells

bool CGrid::IsCell(int nCol, int nRow) const {
    return nRow >= 0 && nCol >= 0 && static_cast<size_t>(nRow) < m_cells.size() &&
           static_cast<size_t>(nCol) < m_cells[static_cast<size_t>(nRow)].size();
}

CGrCell* CGrid::GetCell(int nCol, int nRow) {
    return IsCell(nCol, nRow) ? &m_cells[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)] : nullptr;
}

const CGrCell* CGrid::GetCell(int nCol, int nRow) const {
    return IsCell(nCol, nRow) ? &m_cells[static_cast<size_t>(nRow)][static_cast<size_t>(nCol)] : nullptr;
}

void CGrid::SetCellText(int nCol, int nRow, const QString& strText) {
    if (CGrCell* cell = GetCell(nCol, nRow)) {
        cell->strText = strText;
        RepaintCell(nCol, nRow);
    }
}

QString CGrid::GetCellText(int nCol, int nRow) const {
    const CGrCell* cell = GetCell(nCol, nRow);
    return cell ? cell->strText : QString();
}

void CGrid::SetCellFormat(int nCol, int nRow, unsigned nFormat) {
    if (CGrCell* cell = GetCell(nCol, nRow)) {
        cell->nFormat = nFormat;
        RepaintCell(nCol, nRow);
    }
}

void CGrid::SetCellBkColor(int nCol, int nRow, const QColor& clr) {
    if (CGrCell* cell = GetCell(nCol, nRow)) {
        cell->clrBk = GrColorOf(clr);
        RepaintCell(nCol, nRow);
    }
}

void CGrid::SetCellTextColor(int nCol, int nRow, const QColor& clr) {
    if (CGrCell* cell = GetCell(nCol, nRow)) {
        cell->clrText = GrColorOf(clr);
        RepaintCell(nCol, nRow);
    }
}

int CGrid::MergeCells(int nCol, int nRow, int nSpan) {
    if (!IsCell(nCol, nRow) || nSpan < 1 || nCol + nSpan > m_nMaxCols) return -1;
    std::vector<CGrCell>& row = m_cells[static_cast<size_t>(nRow)];
    // Cells an earlier, wider merge covered become cells of their own again.
    const int oldEnd = nCol + std::max(1, row[static_cast<size_t>(nCol)].nSpan);
    for (int c = nCol + 1; c < std::min(oldEnd, m_nMaxCols); ++c) row[static_cast<size_t>(c)].nSpan = 1;
    row[static_cast<size_t>(nCol)].nSpan = nSpan;
    for (int c = nCol + 1; c < nCol + nSpan; ++c) row[static_cast<size_t>(c)].nSpan = 0;
    viewport()->update();
    return 0;
}

int CGrid::MergeStart(int nCol, int nRow) const {
    int c = nCol;
    while (c > 0 && IsCell(c, nRow) && GetCell(c, nRow)->nSpan == 0) --c;
    return c;
}

// ---------------------------------------------------------------- grid-wide values

void CGrid::SetGridTextColor(const QColor& clr) {
    m_clrText = GrColorOf(clr);
    viewport()->update();
}

void CGrid::SetGridBkColor(const QColor& clr) {
    m_clrBk = GrColorOf(clr);
    viewport()->update();
}

void CGrid::SetGridFont(const QFont& font) {
    m_font = font;
    viewport()->update();
}

QFont CGrid::GetGridFont() const { return m_font ? *m_font : font(); }

void CGrid::SetSelStyle(int nStyle) {
    m_nSelStyle = nStyle;
    viewport()->update();
}

void CGrid::EnableScroll(bool bHorz, bool bVert) {
    m_bHScroll = bHorz;
    m_bVScroll = bVert;
    setHorizontalScrollBarPolicy(bHorz ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(bVert ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    UpdateScrollRange();
}

void CGrid::EnableEdit(bool bEnable) {
    m_bEditable = bEnable;
    // An input method (Korean, say) may then write into the table, which
    // opens an edit for the text as a typed character does.
    setAttribute(Qt::WA_InputMethodEnabled, bEnable);
}

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
        case QAbstractSlider::SliderPageStepSub: first -= kPageCells; break;
        case QAbstractSlider::SliderPageStepAdd: first += kPageCells; break;
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
