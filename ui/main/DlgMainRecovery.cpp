// Recovery copies of the main window's unsaved work: written every two minutes
// while the project is modified and whenever the window loses the focus,
// removed when the work is saved, discarded or the window closes cleanly, and
// offered at the next start after an unclean exit.
#include <QEvent>
#include <QTimer>

#include "DataExchange.h"
#include "DlgMain.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "ProjectFile.h"
#include "RecoveryStore.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

CProject CDlgMain::CaptureScreenProject() {
    CProject p = m_project;
    // The texts the user changed and the load fields that hold numbers, read
    // from the controls; the window's own values stay as they are.
    CDataExchange dx(m_pClient, true);
    const struct {
        int id;
        QString* value;
    } texts[] = {{IDC_COMPANY, &p.Company}, {IDC_PROJECT, &p.Project},    {IDC_APPLICATION, &p.Application},
                 {IDC_LINE, &p.Line},       {IDC_ROBOT_NUM, &p.RobotNum}, {IDC_ENGINEER, &p.Engineer},
                 {IDC_COMMENT, &p.Comment}};
    for (const auto& t : texts) {
        if (m_editedTexts.contains(t.id)) DDX_Text(&dx, t.id, *t.value);
    }
    CPrmLoadSub* loads[4] = {&p.Loads.tool, &p.Loads.v, &p.Loads.h, &p.Loads.s};
    for (int i = 0; i < 4; ++i) {
        if (m_pPgAddLoad[i]) m_pPgAddLoad[i]->ReadFields(*loads[i]);
    }
    return p;
}

void CDlgMain::SetRecoveryInterval(int ms) {
    m_nRecoveryMs = ms;
    if (m_pRecoveryTimer) m_pRecoveryTimer->setInterval(ms);
}

QString CDlgMain::RecoveryCopyPath() const {
    return m_pRecovery && m_pRecovery->HasCopy() ? RecoveryFolder() + m_pRecovery->CopyPath() : QString();
}

void CDlgMain::UpdateRecoveryTimer() {
    if (!IsModified()) {
        // Nothing unsaved: no copy is needed any more.
        if (m_pRecoveryTimer) m_pRecoveryTimer->stop();
        if (m_pRecovery) m_pRecovery->Remove();
        return;
    }
    if (m_pRecoveryTimer == nullptr) {
        m_pRecoveryTimer = new QTimer(this);
        m_pRecoveryTimer->setInterval(m_nRecoveryMs);
        connect(m_pRecoveryTimer, &QTimer::timeout, this, [this] { WriteRecoveryCopy(); });
    }
    if (!m_pRecoveryTimer->isActive()) m_pRecoveryTimer->start();
}

bool CDlgMain::WriteRecoveryCopy() {
    if (!IsModified() || m_bWritingRecovery) return false;
    m_bWritingRecovery = true;
    if (m_pRecovery == nullptr) m_pRecovery = std::make_unique<CRecoveryStore>();
    // A copy that cannot be written is tried again at the next occasion; the
    // work in the window is not affected.
    const bool ok = m_pRecovery->Write(CaptureScreenProject(), m_strPathName);
    m_bWritingRecovery = false;
    return ok;
}

void CDlgMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) WriteRecoveryCopy();
    QDialog::changeEvent(event);
}

bool CDlgMain::RestoreRecoveryCopy(const CRecoveryCopy& copy) {
    CProject project;
    QString error;
    if (CRecoveryStore::Read(copy, project, &error) < 0) {
        KestMessageBox(QStringLiteral("%1\r\n%2\r\n%3")
                           .arg(LoadKestString(IDS_OPEN_PROJECT_FAILED), copy.copyPath, error),
                       KEST_MB_OK | KEST_MB_ICONSTOP);
        return false;
    }
    m_project = project;
    UpdateData(false);
    // The restored work belongs to its own file: Save writes there.
    m_strPathName = copy.originalPath;
    m_strSelMech = m_project.Robots.Name(-1);
    SetModifiedFlag(1);
    CRecoveryStore::Discard(copy);
    WriteRecoveryCopy();  // from now on this window keeps the copy
    DoAnalyse();
    update();
    return true;
}

void CDlgMain::OfferRecovery() {
    if (m_pEngine == nullptr) return;
    for (const CRecoveryCopy& copy : CRecoveryStore::StaleCopies()) {
        const QString name = copy.originalPath.isEmpty() ? QStringLiteral("Noname")
                                                         : StripExtension(FileNameOfPath(copy.originalPath));
        QString text =
            LoadKestString(IDS_RECOVER_PROJECT)
                .arg(name, copy.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        if (!copy.originalPath.isEmpty()) text += QStringLiteral("\r\n\r\n") + copy.originalPath;
        if (KestMessageBox(text, KEST_MB_YESNO | KEST_MB_ICONQUESTION) == IDYES) {
            // One restored project per window; further copies wait for the next start.
            if (!AskSaveChanges()) return;
            if (RestoreRecoveryCopy(copy)) return;
        }
        CRecoveryStore::Discard(copy);
    }
}
