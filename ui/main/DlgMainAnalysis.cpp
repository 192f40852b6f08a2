// The engine binding of the main window and the analysis of every robot in the
// legend list.
#include <QAction>
#include <QTimer>

#include "DgmBarChart.h"
#include "DgmPayload.h"
#include "DlgMain.h"
#include "LoadWarningsLine.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "ProjectResult.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Templates.h"
#include "Verdict.h"

using namespace kest;

int CDlgMain::LoadModule() {
    if (m_engine.Engine() != nullptr) return -1;
    const int rc = m_engine.Load(AppFolder(), m_bStartWithCurrentData);
    m_pEngine = m_engine.Engine();
    switch (rc) {
        case CEngineBinding::LOAD_OK: return 0;
        case CEngineBinding::LOAD_ALREADY: return -1;
        case CEngineBinding::LOAD_NO_LIBRARY:
            KestMessageBox(
                QStringLiteral("loading %1 error").arg(QString::fromLatin1(CEngineBinding::FileName())),
                KEST_MB_ICONSTOP);
            break;
        case CEngineBinding::LOAD_NO_OBJECT:
            KestMessageBox(QStringLiteral("Failed in creating calculation object."), KEST_MB_ICONSTOP);
            break;
        case CEngineBinding::LOAD_NO_TABLE:
            KestMessageBox(QStringLiteral("Failed in initializing calculation object."), KEST_MB_ICONSTOP);
            break;
        default:
            KestMessageBox(QStringLiteral("Failed in getting %1 function")
                               .arg(QString::fromLatin1(m_engine.FailedExport())),
                           KEST_MB_ICONSTOP);
    }
    return rc;
}

int CDlgMain::UnloadModule() {
    m_pEngine = nullptr;
    // A library whose object was never created is still released.
    return m_engine.Unload();
}

int CDlgMain::UpdateVerInfo() {
    // The product version is the build's project version.
    m_nProdVer[0] = KEST_VERSION_MAJOR;
    m_nProdVer[1] = KEST_VERSION_MINOR;
    m_nProdVer[2] = KEST_VERSION_PATCH;
    m_nProdVer[3] = KEST_VERSION_TWEAK;
    return 0;
}

void CDlgMain::GetProdVer(unsigned int out[4]) const {
    for (int i = 0; i < 4; ++i) out[i] = m_nProdVer[i];
}

int CDlgMain::SelectCurMech(int index) {
    if (m_pEngine == nullptr || m_pMngLegend == nullptr) return -1;
    const std::u16string name = m_pMngLegend->Name(index).toStdU16String();
    return m_pEngine->SelectMech(name.c_str());
}

void CDlgMain::ClearResults() {
    // No verdicts; the mechanism data loaded stays named.
    m_result = CProjectResult();
    m_result.mechData = MechDataText();
    ShowResultOnPages();
}

void CDlgMain::ShowResultOnPages() {
    if (m_pLoadWarnings) m_pLoadWarnings->SetWarnings(m_result.warnings);
    if (m_pPgPayload) m_pPgPayload->Diagram().ShowResult(m_result);
    if (m_pPgMomentChart) m_pPgMomentChart->Chart().ShowResult(m_result, CDgmBarChart::KIND_MOMENT);
    if (m_pPgInertiaChart) m_pPgInertiaChart->Chart().ShowResult(m_result, CDgmBarChart::KIND_INERTIA);
}

int CDlgMain::DoAnalyseSub() {
    // Every entry starts without a result, so nothing of an earlier analysis
    // (another robot, other loads) can stay on screen.
    ClearResults();
    if (m_pEngine == nullptr || m_pMngLegend == nullptr || m_project.Robots.Count() <= 0)
        return ANALYSE_NOTHING;
    // One exchange serves every robot: a bad value is reported once, and then
    // nothing is analysed.
    if (!UpdateData(true)) return ANALYSE_BAD_NUMBER;
    m_result = AnalyseProject(*m_pEngine, m_project, m_bShowInertia == 1, m_bOldMechData);
    ShowResultOnPages();
    return ANALYSE_OK;
}

int CDlgMain::DoAnalyse() {
    const int rc = DoAnalyseSub();
    // The case bar and the load-case tab follow the project (new, opened, restored).
    UpdateCaseBar();
    // Whatever the outcome, the pages and the verdict box show the state now:
    // an empty list gives empty pages with their initial axes.
    RelayoutResultPages();
    if (m_pClient) m_pClient->update();
    return rc;
}

void CDlgMain::OnBnClickedAnalyse() {
    if (DoAnalyse() == ANALYSE_NOTHING)
        KestMessageBox(LoadKestString(IDS_ADD_ROBOT), KEST_MB_ICONINFORMATION);
}

void CDlgMain::OnHelpVersion() {
    QAction* now = CommandAction(ID_HELP_VER_NEW);
    QAction* old = CommandAction(ID_HELP_VER_OLD);
    if (now == nullptr || old == nullptr || m_pEngine == nullptr) return;
    // The project stays: it is analysed again on the other generation's data,
    // and a robot that data lacks shows that it has no result.
    const std::u16string folder = AppFolder().toStdU16String();
    const bool toCurrent = !now->isChecked();
    now->setChecked(toCurrent);
    old->setChecked(!toCurrent);
    m_bOldMechData = !toCurrent;
    if (m_pEngine->LoadMechData(folder.c_str(), toCurrent ? 1 : 0) < 0)
        KestMessageBox(QStringLiteral("Failed in initializing calculation object."), KEST_MB_ICONSTOP);
    // The list shows the mechanisms of the table now loaded.
    FillMechList();
    UpdateTitle();
    DoAnalyse();
}

QString CDlgMain::ProdVersionText() const {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(m_nProdVer[0])
        .arg(m_nProdVer[1])
        .arg(m_nProdVer[2])
        .arg(m_nProdVer[3]);
}

QString CDlgMain::MechDataText() const {
    return m_pEngine == nullptr ? QString() : ::MechDataText(*m_pEngine, m_bOldMechData);
}

void CDlgMain::SetAutoAnalyseDelay(int ms) {
    m_nAutoAnalyseMs = ms;
    if (m_pAutoAnalyse) m_pAutoAnalyse->setInterval(ms);
}

bool CDlgMain::LoadFieldsHoldNumbers() const {
    for (CPgAddLoad* pg : m_pPgAddLoad) {
        CPrmLoadSub scratch;
        if (pg != nullptr && !pg->ReadFields(scratch)) return false;
    }
    return true;
}

void CDlgMain::OnLoadEdited(bool committed) {
    if (m_pPgPayload == nullptr) return;  // no engine, or the window is going
    if (!committed) {
        m_bLoadEditPending = true;
        if (m_pAutoAnalyse == nullptr) {
            m_pAutoAnalyse = new QTimer(this);
            m_pAutoAnalyse->setSingleShot(true);
            m_pAutoAnalyse->setInterval(m_nAutoAnalyseMs);
            connect(m_pAutoAnalyse, &QTimer::timeout, this, [this] {
                // A pause in typing: analysed when every field holds a number;
                // otherwise no result stays beside the changed value, and the
                // message waits until the field is left or 분석 is pressed.
                if (!LoadFieldsHoldNumbers()) {
                    ClearResults();
                    RelayoutResultPages();
                    if (m_pClient) m_pClient->update();
                    return;
                }
                m_bLoadEditPending = false;
                DoAnalyse();
            });
        }
        m_pAutoAnalyse->start();
        return;
    }
    if (!m_bLoadEditPending) return;  // a field only passed through
    if (m_pAutoAnalyse) m_pAutoAnalyse->stop();
    m_bLoadEditPending = false;
    DoAnalyse();  // a bad number is reported as the analysis reports it
}
