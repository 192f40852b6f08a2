// The project held by the main window: reset, modified flag, title and the
// default loads of the current mechanism.
#include <QLineEdit>
#include <cmath>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "NumText.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "Tarn_Kest.h"
#include "Templates.h"

using namespace kest;

int CDlgMain::Init() {
    m_strPathName.clear();
    SetModifiedFlag(0);
    m_strCompany.clear();
    m_strProject.clear();
    m_strApplication.clear();
    m_strLine.clear();
    m_strRobotNum.clear();
    m_strEngineer.clear();
    m_strComment.clear();
    m_bShowInertia = 1;
    ApplyInertiaView(false);
    m_prmTool.Clear();
    m_prmAddLoadV.Clear();
    m_prmAddLoadH.Clear();
    m_prmAddLoadS.Clear();
    // The calculators start empty: their lists and inputs belong to the project.
    m_dlgLoadCalc = CDlgLoadCalc();
    m_dlgToolCalc = CDlgToolCalc();
    if (m_pMngLegend) m_pMngLegend->Clear();
    UpdateData(false);
    DoAnalyse();  // also clears every result and repaints the pages
    return 0;
}

void CDlgMain::SetModifiedFlag(int bModified) {
    m_bModified = bModified;
    UpdateTitle();
}

void CDlgMain::OnChangeGeneralInfo() {
    if (m_nExchanging == 0) SetModifiedFlag(1);
}

void CDlgMain::UpdateTitle() {
    QString title =
        m_strPathName.isEmpty() ? QStringLiteral("Noname") : StripExtension(FileNameOfPath(m_strPathName));
    if (IsModified()) title += QLatin1Char('*');
    title += QStringLiteral(" - ") + AppName();
    title += QStringLiteral(" %1.%2.%3").arg(m_nProdVer[0]).arg(m_nProdVer[1]).arg(m_nProdVer[2]);
    setWindowTitle(title);
}

void CDlgMain::WriteDefaultLoad(int page, int kind) {
    LoadRec rec{};
    if (m_pEngine == nullptr || m_pPgAddLoad[page] == nullptr || m_pEngine->GetDefaultLoad(kind, &rec) != 0)
        return;
    // Whole numbers truncated toward zero; a value beyond an integer is written as it is.
    auto whole = [](double v) {
        if (std::isfinite(v) && v > -2147483648.0 && v < 2147483648.0)
            return QString::number(static_cast<int>(v));
        return QString::fromStdString(FormatC("%.0f", v));
    };
    auto fixed3 = [](double v) { return QString::fromStdString(FormatC("%.3f", v)); };
    QWidget* pg = m_pPgAddLoad[page];
    SetDlgItemText(pg, IDC_MASS, whole(rec.Mass));
    SetDlgItemText(pg, IDC_LX, whole(rec.x));
    SetDlgItemText(pg, IDC_LY, whole(rec.y));
    SetDlgItemText(pg, IDC_LZ, whole(rec.z));
    SetDlgItemText(pg, IDC_IXX, fixed3(rec.Ixx));
    SetDlgItemText(pg, IDC_IYY, fixed3(rec.Iyy));
    SetDlgItemText(pg, IDC_IZZ, fixed3(rec.Izz));
}

void CDlgMain::OnBnClickedDefault() {
    if (SelectCurMech(-1) < 0) return;
    SetModifiedFlag(1);
    WriteDefaultLoad(0, LOAD_TOOL);
    // The engine numbers the additional loads in the reverse order of the pages.
    for (int page = 1; page <= 3; ++page) WriteDefaultLoad(page, 4 - page);
    DoAnalyse();
}
