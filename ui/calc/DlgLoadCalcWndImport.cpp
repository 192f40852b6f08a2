// The load calculator's "Import…": a load read from CAD appended to the
// current list, where it sums with the other rows.
#include "DlgCadImport.h"
#include "DlgLoadCalcWnd.h"
#include "MessageBox.h"
#include "Strings.h"

using namespace kest;

void CDlgLoadCalcWnd::OnBnClickedImport() {
    if (CurList().size() >= CDlgLoadCalc::MAX_LOADS) {
        KestMessageBox(LoadKestString(IDS_LC_TABLE_FULL).arg(int(CDlgLoadCalc::MAX_LOADS)),
                       KEST_MB_OK | KEST_MB_ICONINFORMATION);
        return;
    }
    CDlgCadImport dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    CLoadArray& list = CurList();
    list.append(dlg.m_load);
    ShowLoads();
    ShowSum();
    MakeCurrent(1, static_cast<int>(list.size()));
}
