// A small owner-drawn table: a fixed-capacity matrix of text cells with
// optional fixed header rows and columns, per-column widths and per-row
// heights, horizontal merging, a current cell, scrolling by whole cells and
// in-place editing through a temporary line edit. The owner learns of clicks
// and of the start and end of an edit through one signal, Notify.
//
// Keys: with the grid focused, the arrow keys move the current cell (Shift:
// steps of 4) and a printable character, or text from an input method, opens
// an edit on the current cell that receives it; on an editable grid Enter
// opens an edit holding the cell's text; every other key (Escape, Tab,
// Insert, Delete, and Enter on a read-only grid) is left to the owner. In an
// open edit, Enter closes it with commit 1, Escape with commit 0, Up and Down
// close it with commit 1 and move, Tab and Shift+Tab close it with commit 1
// and move to the next (previous) body cell, row after row, Left and Right
// move the caret and, at the end of the text, close and move; leaving the
// edit for another control closes it with commit 1.
#pragma once

#include <QAbstractScrollArea>
#include <QMargins>
#include <QRect>
#include <array>
#include <optional>
#include <vector>

#include "GrCell.h"
#include "KestDC.h"
#include "KestLoadLibExport.h"

class QLineEdit;
class CGrid;

namespace kest {
// Notification codes of the grid, the values of the list-view notifications.
enum : int {
    LVN_ITEMCHANGED = -101,      // a body cell was clicked
    LVN_BEGINLABELEDITW = -175,  // an edit was opened by a double click
    LVN_ENDLABELEDITW = -176,    // an edit was closed
};
}  // namespace kest

// The notification block: who sends, what happened, and for which cell.
struct GrNotify {
    CGrid* pGrid = nullptr;
    int idFrom = 0;  // the grid's control id
    int code = 0;    // kest::LVN_*
    int nCol = 0;
    int nRow = 0;
    int bCommit = 0;  // end of an edit: 1 confirmed, 0 abandoned
    QString strText;  // begin: the text put into the edit; end: its final text
    // End of an edit: the user changed the text in it. An edit closed without
    // typing must leave its cell as it is.
    bool bModified = false;
};
Q_DECLARE_METATYPE(GrNotify)

class KESTLOADLIB_API CGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum : int { MAX_COLS = 40, MAX_ROWS = 1300 };

    explicit CGrid(QWidget* parent = nullptr);
    ~CGrid() override;

    // Makes the grid a child of `pParent` at (20, 10)-(200, 100) with the given
    // capacity and control id. -1 (nothing changed) when the capacity exceeds
    // 40 columns or 1300 rows, else 1.
    int Create(QWidget* pParent, int nCols, int nRows, int nID);
    int GetDlgCtrlID() const { return m_nID; }

    // Counts and sizes: -1 when refused, else 0.
    int SetColCount(int nCols);
    int SetRowCount(int nRows);
    int GetColCount() const { return m_nCols; }
    int GetRowCount() const { return m_nRows; }
    int SetFixedCols(int nFixed);
    int SetFixedRows(int nFixed);
    int GetFixedCols() const { return m_nFixedCols; }
    int GetFixedRows() const { return m_nFixedRows; }
    int SetColWidth(int nCol, int cx);
    int SetRowHeight(int nRow, int cy);
    int GetColWidth(int nCol) const;
    int GetRowHeight(int nRow) const;
    void SetAllColWidths(int cx);
    void SetAllRowHeights(int cy);

    // Cells. Indices outside the capacity are ignored.
    void SetCellText(int nCol, int nRow, const QString& strText);
    QString GetCellText(int nCol, int nRow) const;
    void SetCellFormat(int nCol, int nRow, unsigned nFormat);
    void SetCellBkColor(int nCol, int nRow, const QColor& clr);
    // Merges `nSpan` columns from (nCol, nRow) into one cell; 1 undoes a merge.
    // -1 when the cell or the span does not fit the capacity.
    int MergeCells(int nCol, int nRow, int nSpan);
    CGrCell* GetCell(int nCol, int nRow);
    const CGrCell* GetCell(int nCol, int nRow) const;

    // Grid-wide looks.
    void SetGridTextColor(const QColor& clr);
    void SetGridBkColor(const QColor& clr);
    void SetGridFont(const QFont& font);
    QFont GetGridFont() const;
    void SetSelStyle(int nStyle);  // 0 no mark, 1 current cell framed in blue
    void EnableScroll(bool bHorz, bool bVert);
    void EnableEdit(bool bEnable);

    // Current cell (not scrolled into view); -1 when outside the counts.
    int SetCurCell(int nCol, int nRow);
    void GetCurCell(int& nCol, int& nRow) const;
    void GetPrevCell(int& nCol, int& nRow) const;
    // Scrolls so that the cell is visible: 1 when it scrolled, else 0.
    int EnsureVisible(int nCol, int nRow);
    // Arrow keys (Qt::Key_Left ...) move the current cell: 1; any other key 0.
    int MoveCur(int nKey, bool bShift = false);
    // The next (bBack: previous) body cell becomes current, along the row and
    // then on to the next row: 1, or 0 at the last (first) cell, which stays.
    int MoveTab(bool bBack);

    // In-place editing. BeginEdit closes an open edit (commit 0) and, when
    // editing is allowed, opens an empty edit over the cell.
    QLineEdit* BeginEdit(int nCol, int nRow);
    // Closes an open edit with LVN_ENDLABELEDITW. The grid never writes the
    // text into the cell: the owner decides.
    void EndEdit(int bCommit);
    QLineEdit* GetEditWnd() const { return m_pEdit; }

    // Layout, all in pixels. Table rectangles start at the table's top-left
    // corner; screen rectangles are in the drawing area after scrolling.
    int ColLeft(int nCol) const;  // sum of the widths before the column
    int RowTop(int nRow) const;
    QRect GetCellRect(int nCol, int nRow) const;
    QRect GetCellScreenRect(int nCol, int nRow) const;
    int GetFirstVisibleCol() const { return m_nFirstCol; }
    int GetFirstVisibleRow() const { return m_nFirstRow; }
    // The last column (row) that is at least partly inside the drawing area.
    int GetLastVisibleCol() const;
    int GetLastVisibleRow() const;
    // Highest scroll bar position: the body's trailing columns (rows) that fit
    // into the drawing area are not counted.
    int GetScrollMax(bool bHorz) const;
    // The body cell under a point of the drawing area (merged cells answer with
    // their first column); false over fixed cells and outside the table.
    bool HitTest(const QPoint& pt, int& nCol, int& nRow) const;
    // The first column of the merged cell that covers (nCol, nRow).
    int MergeStart(int nCol, int nRow) const;
    QSize ClientSize() const;

    // Draws the visible table; cells outside `rcLimit` are left out.
    void Draw(kest::CKestDC& dc, const QRect& rcLimit) const;

signals:
    void Notify(const GrNotify& nm);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsCell(int nCol, int nRow) const;
    int ColX(int nCol) const;  // screen left of a column
    int RowY(int nRow) const;
    int FirstVisible(bool bHorz, int nIndex, int nSpan) const;
    void ScrollTo(int nFirstCol, int nFirstRow);
    void OnScrollAction(bool bHorz, int nAction);
    void UpdateScrollRange();
    void PlaceEdit();
    void SendNotify(int code, int nCol, int nRow, int bCommit, const QString& strText, bool bModified);
    void RepaintCell(int nCol, int nRow);
    bool LeftButtonDown(const QPoint& pt);
    // Opens an edit holding the text of the current body cell.
    void EditCurCell(Qt::FocusReason reason);
    // Hands a key to the in-place edit, focused, with m_bSendingKey set.
    void SendKeyToEdit(QLineEdit* edit, QKeyEvent* event);
    void DrawRow(kest::CKestDC& dc, int nRow, int c0, int cEnd, const QRect& rcLimit, bool bBody) const;
    void DrawCell(kest::CKestDC& dc, int nCol, int nRow, const QRect& rc, bool bBody) const;

    int m_nID = 0;
    int m_nCols = 2, m_nRows = 2;
    int m_nMaxCols = 2, m_nMaxRows = 2;
    int m_nFixedCols = 0, m_nFixedRows = 0;
    std::array<int, MAX_COLS> m_nColWidth;
    std::vector<int> m_nRowHeight;
    bool m_bHScroll = true, m_bVScroll = true;
    GrColor m_clrText;
    GrColor m_clrBk;
    QMargins m_rcMargin{1, 1, 1, 1};
    std::optional<QFont> m_font;  // empty: the widget's font
    int m_nSelStyle = 1;
    int m_nCurCol = 0, m_nCurRow = 0;
    int m_nPrevCol = 0, m_nPrevRow = 0;
    int m_nFirstCol = 0, m_nFirstRow = 0;
    bool m_bEditable = false;
    QLineEdit* m_pEdit = nullptr;
    int m_nEditCol = 0, m_nEditRow = 0;
    bool m_bForwardingKey = false;
    bool m_bSendingKey = false;                 // a key of the table is being handed to the edit
    int m_nBarGuard = 0;                        // scroll bar changes made by the grid itself
    std::vector<std::vector<CGrCell>> m_cells;  // [row][column]
};
