// The main window's side of the load calculator: running it and taking its
// sums over into the four load pages.
#include <QTabWidget>

#include "DlgBuilder.h"
#include "DlgLoadCalc.h"
#include "DlgMain.h"
#include "MessageBox.h"
#include "NumText.h"
#include "PgAddLoad.h"
#include "Templates.h"

using namespace kest;

void CDlgMain::OnBnClickedLoadCalc() {
    // The calculator runs over a copy of the project's lists and hands them
    // back; "Cancel" leaves the lists, the pages and the modified mark as they were.
    CDlgLoadCalc calc(m_project.LoadCalc);
    const int rc = calc.DoModal(this);
    m_project.LoadCalc = calc;
    if (rc != IDOK) return;
    const CLoadCalcLists& lists = m_project.LoadCalc;
    const QString mounts[4] = {QStringLiteral("Tool"), QStringLiteral("V"), QStringLiteral("H"),
                               QStringLiteral("S")};
    int page = 0;
    for (int k = 0; k < 4; ++k) {
        if (lists.m_strMount == mounts[k]) page = k;
    }
    m_tabAddLoad->setCurrentIndex(page);
    ShowPgAddLoad(page);
    // A page gets its list's sum only when the list holds a load: a page whose
    // list is empty keeps what was typed into it.
    const int ids[7] = {IDC_MASS, IDC_LX, IDC_LY, IDC_LZ, IDC_IXX, IDC_IYY, IDC_IZZ};
    bool written = false;
    for (int k = 0; k < 4; ++k) {
        if (m_pPgAddLoad[k] == nullptr || !lists.WritesPage(k)) continue;
        double d[7];
        lists.Sum(k, d);
        for (int i = 0; i < 7; ++i)
            SetDlgItemText(m_pPgAddLoad[k], ids[i], QString::fromStdString(FormatC("%.3f", d[i])));
        written = true;
    }
    if (!written) return;
    SetModifiedFlag(1);
    DoAnalyse();
}
