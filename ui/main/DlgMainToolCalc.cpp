// The main window's tool-calculator button: the calculator checks hand and
// workpiece against the current robot's wrist, and its result becomes the
// tool load.
#include <QLineEdit>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "DlgToolCalc.h"
#include "MessageBox.h"
#include "NumText.h"
#include "PgAddLoad.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Templates.h"

using namespace kest;

void CDlgMain::OnBnClickedToolCalc() {
    if (SelectCurMech(-1) < 0 || m_pPgAddLoad[0] == nullptr) {
        KestMessageBox(LoadKestString(IDS_ADD_ROBOT), KEST_MB_ICONINFORMATION);
        return;
    }
    // The calculator runs over a copy of the project's inputs and hands them back.
    CDlgToolCalc calc(m_project.ToolCalc);
    m_pEngine->GetAllowMoment(AXIS_R1, &calc.T1a);
    m_pEngine->GetAllowMoment(AXIS_B, &calc.T2a);
    m_pEngine->GetAllowInertia(AXIS_R1, &calc.J1a);
    m_pEngine->GetAllowInertia(AXIS_B, &calc.J2a);
    m_pEngine->GetLenB(&calc.e);
    const int rc = calc.DoModal(this);
    m_project.ToolCalc = calc;
    if (rc != IDOK) return;

    SetModifiedFlag(1);
    // Three decimals for every value: a 7.99 kg tool arrives as 7.990 kg, not
    // cut to 7. The page's own exchange takes the text into the tool load.
    const CPrmLoadSub& r = *calc.GetResult();
    const struct {
        int id;
        double value;
    } fields[] = {{IDC_MASS, r.Mass}, {IDC_LX, r.Lx},   {IDC_LY, r.Ly},  {IDC_LZ, r.Lz},
                  {IDC_IXX, r.Ixx},   {IDC_IYY, r.Iyy}, {IDC_IZZ, r.Izz}};
    for (const auto& f : fields)
        SetDlgItemText(m_pPgAddLoad[0], f.id, QString::fromStdString(FormatC("%.3f", f.value)));
    DoAnalyse();
}
