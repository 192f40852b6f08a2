// The grid's counts, sizes, cells and grid-wide looks. Its current cell, mouse,
// keys and in-place edit are in GridInput.cpp, where cells lie and scrolling in
// GridScroll.cpp, its drawing in GridDraw.cpp.
#include "Grid.h"

#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "DlgBuilder.h"

using namespace kest;

namespace {

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
