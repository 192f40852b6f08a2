// Projects on disk: save and open, the File menu, closing, dropped files, a new
// window, the manual and the help windows.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "DlgAbout.h"
#include "DlgCrdSys.h"
#include "DlgFileProp.h"
#include "DlgMain.h"
#include "DlgReport.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "ProjectFile.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Templates.h"

using namespace kest;

namespace {

// The open dialog offers no name; the save dialog the project's own.
FileDialogRequest ProjectFileRequest(bool save, const QString& name = QString()) {
    return FileDialogRequest{
        save, QStringLiteral("KestLoad Project Files (*.kestload)|*.kestload|All Files (*.*)|*.*||"),
        QStringLiteral("kestload"), name};
}

}  // namespace

int CDlgMain::SavePrj(const QString& path) {
    // What is on screen is what is written: a field that does not hold a number
    // stops the save before anything is written.
    if (!UpdateData(true)) {
        m_strSaveError.clear();
        return SAVE_BAD_NUMBER;
    }
    if (WriteProjectFile(path, m_project, &m_strSaveError) != PRJ_OK) return SAVE_FAILED;
    SetModifiedFlag(0);
    return SAVE_OK;
}

int CDlgMain::OpenPrj(const QString& path) {
    // A new project's general information, legend list, loads and empty
    // calculators, then the file's values. All or nothing: the project changes
    // only when the whole file could be read.
    CProject project;
    const int rc = ReadProjectFile(path, project, &m_strOpenError, &m_openWarnings);
    if (rc != PRJ_OK) return rc;
    m_project = project;
    UpdateData(false);   // the controls show what was read, so a save writes it back
    UpdateCaseBar();     // and the case bar its load cases
    SetModifiedFlag(0);  // a freshly opened file holds no unsaved work
    return PRJ_OK;
}

int CDlgMain::DoOpenPrj(const QString& shownPath) {
    const int rc = OpenPrj(m_strPathName);
    if (rc != PRJ_OK) {
        QString text = LoadKestString(IDS_OPEN_PROJECT_FAILED) + QStringLiteral("\r\n") + m_strPathName;
        if (!m_strOpenError.isEmpty()) text += QStringLiteral("\r\n") + m_strOpenError;
        KestMessageBox(text, KEST_MB_OK | KEST_MB_ICONSTOP);
        m_strPathName = shownPath;
        UpdateTitle();
        return rc;
    }
    UpdateTitle();
    m_strSelMech = m_pMngLegend ? m_pMngLegend->Name(-1) : QString();
    DoAnalyse();
    update();
    // Values read only by their leading number are named once, in one message
    // (the first twenty, then how many more).
    if (!m_openWarnings.isEmpty()) {
        constexpr int kListed = 20;
        QString text = LoadKestString(IDS_NUMBERS_READ_IN_PART) + QStringLiteral("\r\n") +
                       m_openWarnings.mid(0, kListed).join(QStringLiteral("\r\n"));
        if (m_openWarnings.size() > kListed)
            text += QStringLiteral("\r\n… (+%1)").arg(m_openWarnings.size() - kListed);
        KestMessageBox(text, KEST_MB_OK | KEST_MB_ICONWARNING);
    }
    return PRJ_OK;
}

bool CDlgMain::AskSaveChanges() {
    if (!IsModified()) return true;
    const int answer =
        KestMessageBox(LoadKestString(IDS_SAVE_CHANGES), KEST_MB_YESNOCANCEL | KEST_MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    // Yes goes on only when the project was really saved.
    if (answer == IDYES) return OnFileSavePrj();
    return true;
}

void CDlgMain::OnFileNewPrj() {
    if (!AskSaveChanges()) return;
    Init();
}

void CDlgMain::OnFileOpenPrj() {
    if (!AskSaveChanges()) return;
    const QString path = KestFileDialog(this, ProjectFileRequest(false));
    if (path.isEmpty()) return;
    const QString shown = m_strPathName;
    m_strPathName = path;
    DoOpenPrj(shown);
}

void CDlgMain::ReportSaveFailure(const QString& path) {
    KestMessageBox(
        QStringLiteral("%1\r\n%2\r\n%3").arg(LoadKestString(IDS_SAVE_FAILED), path, m_strSaveError),
        KEST_MB_OK | KEST_MB_ICONSTOP);
}

bool CDlgMain::OnFileSavePrj() {
    if (m_strPathName.isEmpty()) return OnFileSaveAsPrj();
    const int rc = SavePrj(m_strPathName);
    if (rc == SAVE_FAILED) ReportSaveFailure(m_strPathName);  // a bad number has been shown
    return rc == SAVE_OK;
}

bool CDlgMain::OnFileSaveAsPrj() {
    // A bad number is reported before the file name is asked for.
    if (!UpdateData(true)) return false;
    // The dialog proposes the project's own name (its folder too, once saved).
    const QString proposed = m_strPathName.isEmpty() ? QStringLiteral("Noname") : m_strPathName;
    const QString path = KestFileDialog(this, ProjectFileRequest(true, proposed));
    if (path.isEmpty()) return false;
    // The project moves to the new path only when it was written there: a
    // failed save keeps its path, title and modified mark.
    const int rc = SavePrj(path);
    if (rc == SAVE_FAILED) ReportSaveFailure(path);
    if (rc == SAVE_OK) m_strPathName = path;
    UpdateTitle();
    return rc == SAVE_OK;
}

void CDlgMain::closeEvent(QCloseEvent* event) {
    // Closing the window asks about unsaved work first.
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CDlgMain::OnFileExit() {
    if (!AskSaveChanges()) return;
    done(1);
}

void CDlgMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !event->mimeData()->urls().isEmpty() &&
        event->mimeData()->urls().first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CDlgMain::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    event->acceptProposedAction();
    OnDropFiles(paths);
}

void CDlgMain::OnDropFiles(const QStringList& paths) {
    if (paths.isEmpty() || !AskSaveChanges()) return;
    const QString shown = m_strPathName;
    m_strPathName = paths.first();  // only the first file is opened
    DoOpenPrj(shown);
}

void CDlgMain::OnFileProperties() {
    CDlgFileProp dlg(this);
    dlg.m_strPathName = m_strPathName;
    dlg.exec();
}

void CDlgMain::OnFilePrint() {
    if (!UpdateData(true)) return;  // the bad number has been shown
    // The report lists the loads now in the window, so its verdicts and charts
    // are analysed from those loads, not left from an earlier analysis.
    DoAnalyse();
    CDlgReport dlg(ReportSource(), nullptr);
    dlg.m_bShowInertia = m_bShowInertia;
    dlg.exec();
}

CReportSource CDlgMain::ReportSource() const {
    return CReportSource{&m_project, &m_result, ProdVersionText(), m_strPathName};
}

QPoint CDlgMain::NewWindowPosition() const { return frameGeometry().topLeft() + QPoint(80, 80); }

void CDlgMain::OnWindowNewWindow() {
    // The new process places its window itself (window systems do not let one
    // program move another's window).
    const QPoint pos = NewWindowPosition();
    KestStartProcess(QCoreApplication::applicationFilePath(), {},
                     {QStringLiteral("KESTLOAD_WINDOW_POS=%1,%2").arg(pos.x()).arg(pos.y())});
}

void CDlgMain::OnHelpManual() {
    const QString path = AppFolder() + QStringLiteral("manual/Manual_KestLoad_") +
                         LoadKestString(IDS_LANGUAGE) + QStringLiteral(".pdf");
    if (PathExists(path) && KestOpenDocument(path)) return;
    KestMessageBox(QStringLiteral("%1 :\r\n%2").arg(LoadKestString(IDS_OPEN_FILE_FAILED), path),
                   KEST_MB_OK | KEST_MB_ICONSTOP);
}

void CDlgMain::OnHelpCrdSys() {
    auto* dlg = new CDlgCrdSys(this, QStringLiteral("crdsys.png"));
    dlg->show();
}

void CDlgMain::OnHelpAbout() {
    CDlgAbout dlg(nullptr);
    dlg.m_strAppName = AppName();
    dlg.m_strVersion = QStringLiteral("Application Version : %1").arg(ProdVersionText());
    char16_t version[50] = {};
    if (m_pEngine) m_pEngine->GetMechDataVer(version, 50);
    dlg.m_strMechVersion = QStringLiteral("Mech.Data Version : %1").arg(QString::fromUtf16(version));
    dlg.exec();
}

QString CDlgMain::ExamplesFolder() { return AppFolder() + QStringLiteral("examples/"); }

void CDlgMain::OnHelpExamples() {
    if (!PathExists(ExamplesFolder())) {
        KestMessageBox(
            QStringLiteral("%1\r\n%2").arg(LoadKestString(IDS_EXAMPLES_FOLDER_MISSING), ExamplesFolder()),
            KEST_MB_OK | KEST_MB_ICONSTOP);
        return;
    }
    if (!AskSaveChanges()) return;
    // The open dialog starts in the installed examples folder.
    const QString path = KestFileDialog(this, ProjectFileRequest(false, ExamplesFolder()));
    if (path.isEmpty()) return;
    const QString shown = m_strPathName;
    m_strPathName = path;
    DoOpenPrj(shown);
}
