// The main window driven without a user: the command line's report draws
// from a project it has already read, on the mechanism data it was asked for.
#include <QAction>

#include "DlgMain.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "ProjectData.h"
#include "Tarn_Kest.h"
#include "Templates.h"

using namespace kest;

bool CDlgMain::UseMechData(bool current) {
    if (m_pEngine == nullptr) return false;
    const std::u16string folder = AppFolder().toStdU16String();
    if (m_pEngine->LoadMechData(folder.c_str(), current ? 1 : 0) < 0) return false;
    if (QAction* a = CommandAction(ID_HELP_VER_NEW)) a->setChecked(current);
    if (QAction* a = CommandAction(ID_HELP_VER_OLD)) a->setChecked(!current);
    FillMechList();
    return true;
}

void CDlgMain::ShowProject(const CProjectData& project) {
    ApplyProject(project);
    UpdateData(false);
    SetModifiedFlag(0);
    m_strSelMech = m_pMngLegend ? m_pMngLegend->Name(-1) : QString();
    DoAnalyse();
}
