// The main window driven without a user: the mechanism data it starts with,
// and a project already read, shown and analysed without reading a file.
#include <QAction>

#include "DlgMain.h"
#include "MngLegend.h"
#include "Project.h"
#include "Templates.h"

using namespace kest;

void CDlgMain::StartWithMechData(bool current) {
    m_bStartWithCurrentData = current;
    m_bOldMechData = !current;
    if (QAction* a = CommandAction(ID_HELP_VER_NEW)) a->setChecked(current);
    if (QAction* a = CommandAction(ID_HELP_VER_OLD)) a->setChecked(!current);
}

void CDlgMain::ShowProject(const CProject& project) {
    m_project = project;
    UpdateData(false);
    SetModifiedFlag(0);
    m_strSelMech = m_pMngLegend ? m_pMngLegend->Name(-1) : QString();
    DoAnalyse();
}
