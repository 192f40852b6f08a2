// The load calculator's row buttons: add, delete, move, set from the
// predefined load, and the inertia calculator for the current row.
#include <QComboBox>
#include <algorithm>

#include "DlgInerCalc.h"
#include "DlgLoadCalcWnd.h"
#include "MessageBox.h"
#include "Strings.h"

using namespace kest;

void CDlgLoadCalcWnd::OnBnClickedAddRow() {
    CLoadArray& list = CurList();
    if (list.size() >= CDlgLoadCalc::MAX_LOADS) {
        KestMessageBox(LoadKestString(IDS_LC_TABLE_FULL).arg(int(CDlgLoadCalc::MAX_LOADS)),
                       KEST_MB_OK | KEST_MB_ICONINFORMATION);
        return;
    }
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    row = std::max(0, std::min(row, static_cast<int>(list.size())));
    list.insert(row, CLoad());
    ShowLoads();
    ShowSum();
    MakeCurrent(1, row + 1);
}

void CDlgLoadCalcWnd::OnBnClickedDelRow() {
    CLoadArray& list = CurList();
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    // The last load may go too: an empty list leaves its load page alone.
    if (row < 1 || row > list.size()) return;
    list.removeAt(row - 1);
    ShowLoads();
    ShowSum();
    // The row above becomes current; on the first row the current cell stays.
    if (row > 1)
        MakeCurrent(1, row - 1);
    else
        MakeCurrent(col, row);
}

void CDlgLoadCalcWnd::OnBnClickedRowUp() {
    CLoadArray& list = CurList();
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    if (list.size() <= 1 || row <= 1 || row > list.size()) return;
    list.swapItemsAt(row - 1, row - 2);
    ShowLoads();
    ShowSum();
    MakeCurrent(1, row - 1);
}

void CDlgLoadCalcWnd::OnBnClickedRowDn() {
    CLoadArray& list = CurList();
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    if (list.size() <= 1 || row < 1 || row >= list.size()) return;
    list.swapItemsAt(row - 1, row);
    ShowLoads();
    ShowSum();
    MakeCurrent(1, row + 1);
}

void CDlgLoadCalcWnd::OnBnClickedSetRow() {
    const int item = m_pName->currentIndex();
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    if (item < 0) return;
    CLoad* target = RowLoad(row);
    if (target == nullptr) return;
    const CLoad& predef = m_predef[static_cast<size_t>(m_pName->itemData(item).toInt())];
    CLoad load;
    load.Name = predef.Name;
    load.prm = predef.prm;
    *target = load;
    ShowLoads();
    ShowSum();
    MakeCurrent(col, row);
}

void CDlgLoadCalcWnd::OnBnClickedInerCalc() {
    CLoadArray& list = CurList();
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    const bool blank = list.isEmpty() && row == 1;
    if (!blank && (row < 1 || row > list.size())) return;
    CDlgInerCalc dlg(this);
    dlg.m_dMass = blank ? 0.0 : list[row - 1].prm.Mass;
    if (dlg.exec() != QDialog::Accepted) return;
    CPrmLoadSub& p = RowLoad(row)->prm;
    p.Ixx = dlg.m_dIner[0];
    p.Iyy = dlg.m_dIner[1];
    p.Izz = dlg.m_dIner[2];
    ShowLoads();
    ShowSum();
    MakeCurrent(col, row);
}
