// The grid's current cell, mouse and keyboard, and its in-place edit.
#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "DlgBuilder.h"
#include "Grid.h"

using namespace kest;

namespace {

const int kShiftStep = 4;  // cells per arrow key with Shift held

}  // namespace

// ---------------------------------------------------------------- current cell

int CGrid::SetCurCell(int nCol, int nRow) {
    if (nCol < 0 || nRow < 0 || nCol >= m_nCols || nRow >= m_nRows) return -1;
    const int oldCol = m_nCurCol;
    const int oldRow = m_nCurRow;
    m_nCurCol = nCol;
    m_nCurRow = nRow;
    RepaintCell(oldCol, oldRow);
    RepaintCell(nCol, nRow);
    return 0;
}

void CGrid::GetCurCell(int& nCol, int& nRow) const {
    nCol = m_nCurCol;
    nRow = m_nCurRow;
}

void CGrid::GetPrevCell(int& nCol, int& nRow) const {
    nCol = m_nPrevCol;
    nRow = m_nPrevRow;
}

int CGrid::MoveCur(int nKey, bool bShift) {
    const int step = bShift ? kShiftStep : 1;
    int dc = 0;
    int dr = 0;
    switch (nKey) {
        case Qt::Key_Left: dc = -step; break;
        case Qt::Key_Up: dr = -step; break;
        case Qt::Key_Right: dc = step; break;
        case Qt::Key_Down: dr = step; break;
        default: return 0;
    }
    m_nPrevCol = m_nCurCol;
    m_nPrevRow = m_nCurRow;
    if (m_nCols <= m_nFixedCols || m_nRows <= m_nFixedRows) return 1;  // no body cells
    int col = std::max(m_nFixedCols, std::min(m_nCurCol + dc, m_nCols - 1));
    const int row = std::max(m_nFixedRows, std::min(m_nCurRow + dr, m_nRows - 1));
    // A covered cell is never current: after a move to the right go on to the
    // next cell of its own, otherwise back to the start of the merged cell.
    int found = -1;
    if (nKey == Qt::Key_Right) {
        for (int c = col; c < m_nCols && found < 0; ++c)
            if (GetCell(c, row)->nSpan != 0) found = c;
    }
    for (int c = col; c >= m_nFixedCols && found < 0; --c)
        if (GetCell(c, row)->nSpan != 0) found = c;
    if (found >= 0) col = found;
    m_nCurCol = col;
    m_nCurRow = row;
    if (EnsureVisible(col, row)) return 1;
    viewport()->update(GetCellScreenRect(m_nPrevCol, m_nPrevRow) | GetCellScreenRect(col, row));
    return 1;
}

void CGrid::RepaintCell(int nCol, int nRow) {
    if (IsCell(nCol, nRow)) viewport()->update(GetCellScreenRect(nCol, nRow));
}

// ---------------------------------------------------------------- mouse and keys

bool CGrid::LeftButtonDown(const QPoint& pt) {
    EndEdit(1);
    int col = 0;
    int row = 0;
    if (!HitTest(pt, col, row)) return false;
    m_nPrevCol = m_nCurCol;
    m_nPrevRow = m_nCurRow;
    m_nCurCol = col;
    m_nCurRow = row;
    RepaintCell(m_nPrevCol, m_nPrevRow);
    RepaintCell(col, row);
    SendNotify(LVN_ITEMCHANGED, col, row, 0, QString(), false);
    return true;
}

void CGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    LeftButtonDown(event->position().toPoint());
}

void CGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    RepaintCell(m_nCurCol, m_nCurRow);
    RepaintCell(m_nPrevCol, m_nPrevRow);
}

void CGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
    // Only a double click on a body cell edits; one on a header leaves the
    // current cell alone.
    if (!LeftButtonDown(event->position().toPoint()) || !m_bEditable) return;
    EditCurCell(Qt::MouseFocusReason);
}

void CGrid::EditCurCell(Qt::FocusReason reason) {
    if (m_nCurCol < m_nFixedCols || m_nCurRow < m_nFixedRows) return;
    QLineEdit* edit = BeginEdit(m_nCurCol, m_nCurRow);
    if (!edit) return;
    edit->setText(GetCellText(m_nCurCol, m_nCurRow));
    edit->setFocus(reason);
    edit->selectAll();
    SendNotify(LVN_BEGINLABELEDITW, m_nCurCol, m_nCurRow, 0, edit->text(), false);
}

int CGrid::MoveTab(bool bBack) {
    int col = m_nCurCol;
    int row = m_nCurRow;
    // Along the row, then on to the next (previous) row; covered cells are skipped.
    do {
        col += bBack ? -1 : 1;
        if (col >= m_nCols) col = m_nFixedCols, ++row;
        if (col < m_nFixedCols) col = m_nCols - 1, --row;
        if (row < m_nFixedRows || row >= m_nRows) return 0;  // at either end the cell stays
    } while (GetCell(col, row)->nSpan == 0);
    m_nPrevCol = m_nCurCol;
    m_nPrevRow = m_nCurRow;
    SetCurCell(col, row);
    EnsureVisible(col, row);
    return 1;
}

void CGrid::SendKeyToEdit(QLineEdit* edit, QKeyEvent* event) {
    edit->setFocus(Qt::OtherFocusReason);
    m_bSendingKey = true;
    QApplication::sendEvent(edit, event);
    m_bSendingKey = false;
}

void CGrid::keyPressEvent(QKeyEvent* event) {
    if (m_pEdit) {
        // Keys reaching the table while an edit is open belong to the edit.
        // One the edit does not use climbs back up through the drawing area,
        // which ends it (eventFilter); the guard is a second stop.
        if (!m_bSendingKey) SendKeyToEdit(m_pEdit, event);
        event->accept();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        MoveCur(key, event->modifiers().testFlag(Qt::ShiftModifier));
        event->accept();
        return;
    }
    if (key == Qt::Key_Shift || key == Qt::Key_Control) {
        event->accept();
        return;
    }
    // Enter on a table that can be edited opens the current cell with its
    // text, and never reaches the dialog's default button.
    if (m_bEditable && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        EditCurCell(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    // A printable character starts an edit and arrives in it. Escape and Tab
    // do not: they belong to the dialog and must not leave an empty edit
    // behind that would clear the cell.
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (printable && m_bEditable) {
        if (QLineEdit* edit = BeginEdit(m_nCurCol, m_nCurRow)) {
            SendKeyToEdit(edit, event);
            event->accept();
            return;
        }
    }
    event->ignore();  // to the owner
}

void CGrid::inputMethodEvent(QInputMethodEvent* event) {
    // Composed text starts an edit on the current cell and goes on in it.
    QLineEdit* edit = m_pEdit;
    if (edit == nullptr && m_bEditable &&
        (!event->commitString().isEmpty() || !event->preeditString().isEmpty()))
        edit = BeginEdit(m_nCurCol, m_nCurRow);
    if (edit == nullptr) return QAbstractScrollArea::inputMethodEvent(event);
    edit->setFocus(Qt::OtherFocusReason);
    QApplication::sendEvent(edit, event);
}

QVariant CGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (m_pEdit) return m_pEdit->inputMethodQuery(query);
    // The input method's window goes beside the current cell.
    if (query == Qt::ImCursorRectangle)
        return GetCellScreenRect(m_nCurCol, m_nCurRow).translated(viewport()->pos());
    return QAbstractScrollArea::inputMethodQuery(query);
}

bool CGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport()) {
        // A key reaches the drawing area only on its way up from the edit,
        // which did not use it (Shift or Ctrl alone, say): it has been offered
        // to the edit already, so it ends here instead of going round the
        // table and the edit again.
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            event->accept();
            return true;
        }
        return QAbstractScrollArea::eventFilter(watched, event);
    }
    if (watched != m_pEdit || m_bForwardingKey) return QAbstractScrollArea::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) EndEdit(1);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers().testFlag(Qt::ShiftModifier);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: EndEdit(1); return true;
        case Qt::Key_Escape: EndEdit(0); return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Not on to the dialog's next control: what is typed next goes
            // into the next (previous) cell.
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
            EndEdit(1);
            MoveTab(key->key() == Qt::Key_Backtab || shift);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            EndEdit(1);
            MoveCur(key->key(), shift);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return false;
            // The caret moves first; only at the end of the text does the key
            // leave the edit.
            QLineEdit* edit = m_pEdit;
            const int before = edit->cursorPosition();
            const bool selected = edit->hasSelectedText();
            m_bForwardingKey = true;
            QApplication::sendEvent(edit, key);
            m_bForwardingKey = false;
            if (edit->cursorPosition() == before && !selected) {
                EndEdit(1);
                MoveCur(key->key(), false);
            }
            return true;
        }
        default: return false;
    }
}

void CGrid::hideEvent(QHideEvent* event) {
    // The window going away abandons an open edit, as closing it does.
    if (m_pEdit) EndEdit(0);
    QAbstractScrollArea::hideEvent(event);
}

// ---------------------------------------------------------------- in-place edit

QLineEdit* CGrid::BeginEdit(int nCol, int nRow) {
    if (m_pEdit) EndEdit(0);
    if (!m_bEditable || !IsCell(nCol, nRow)) return nullptr;
    auto* edit = new QLineEdit(viewport());
    SetDlgCtrlId(edit, 1);
    edit->setFrame(false);
    edit->setFont(GetGridFont());
    m_nEditCol = nCol;
    m_nEditRow = nRow;
    m_pEdit = edit;
    PlaceEdit();
    edit->installEventFilter(this);
    edit->show();
    return edit;
}

void CGrid::PlaceEdit() {
    if (m_pEdit) m_pEdit->setGeometry(GetCellScreenRect(m_nEditCol, m_nEditRow).adjusted(-1, -1, 1, 1));
}

void CGrid::EndEdit(int bCommit) {
    if (!m_pEdit) return;
    QLineEdit* edit = m_pEdit;
    m_pEdit = nullptr;  // the owner may open the next edit from its handler
    edit->removeEventFilter(this);
    const bool hadFocus = edit->hasFocus();
    // The cell the edit was opened on, which is the current cell unless the
    // owner opened it elsewhere.
    SendNotify(LVN_ENDLABELEDITW, m_nEditCol, m_nEditRow, bCommit, edit->text(), edit->isModified());
    if (hadFocus && isVisible()) setFocus(Qt::OtherFocusReason);
    edit->hide();
    edit->deleteLater();
}

void CGrid::SendNotify(int code, int nCol, int nRow, int bCommit, const QString& strText, bool bModified) {
    GrNotify nm;
    nm.pGrid = this;
    nm.idFrom = m_nID;
    nm.code = code;
    nm.nCol = nCol;
    nm.nRow = nRow;
    nm.bCommit = bCommit;
    nm.strText = strText;
    nm.bModified = bModified;
    emit Notify(nm);
}
