#include "PgCaseMatrix.h"

#include "DlgMain.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

CPgCaseMatrix::CPgCaseMatrix(CDlgMain* owner, QWidget* parent)
    : CPgResult(IDD_PG_PAYLOAD, owner, parent), m_pDlg(owner) {
    m_dgm.nMinTextPx = font().pixelSize();
}

void CPgCaseMatrix::LayoutDrawing(const QRect& page) { m_rcMatrix = Shrink(page, 4, 4, 4, 4); }

void CPgCaseMatrix::DrawDrawing(CKestDC& dc) const {
    m_dgm.Draw(dc, m_rcMatrix, m_pDlg->Project(), m_pDlg->Result(), false, false);
}

QString CPgCaseMatrix::HitDrawing(const QPoint& pt) {
    const CProject& project = m_pDlg->Project();
    int robot = -1, kase = -1;
    if (!CDgmCaseMatrix::CaseCellAt(m_rcMatrix, project.Robots.Count(), project.CaseCount(), pt, &robot,
                                    &kase))
        return QString();
    // The case first: selecting it analyses again, and the robot's name stays.
    const QString name = project.Robots.Name(robot);
    if (m_pDlg->m_pMngLegend) m_pDlg->m_pMngLegend->SetCur(robot);  // its verdict box is shown
    m_pDlg->OnCaseSelected(kase);
    return name;
}

QString CPgCaseMatrix::ToolTipAt(const QPoint& pt) const {
    const CProject& project = m_pDlg->Project();
    int robot = -1, kase = -1;
    if (!CDgmCaseMatrix::CaseCellAt(m_rcMatrix, project.Robots.Count(), project.CaseCount(), pt, &robot,
                                    &kase))
        return QString();
    return project.CaseDisplayName(kase) + QStringLiteral(" · ") + project.Robots.Name(robot) +
           QStringLiteral("\n") + LoadKestString(IDS_CASE_MATRIX_TIP);
}
