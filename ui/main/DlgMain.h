// The main window: the project, the engine binding, the load input pages, the
// result pages and the list of robots under analysis.
#pragma once

#include <QDialog>
#include <QMap>
#include <QRect>
#include <QSet>
#include <QString>
#include <memory>

#include "DataExchange.h"
#include "EngineBinding.h"
#include "Img.h"
#include "KestLoadLibExport.h"
#include "Language.h"
#include "PrmLoadSub.h"
#include "Project.h"
#include "ProjectResult.h"
#include "Report.h"
#include "TblLayout.h"

class ITarn;
class QAction;
class QPainter;
namespace kest {
class CKestDC;
}
class QKeyEvent;
class QListWidget;
class QTabWidget;
class QTimer;
class QToolBar;
class CMngLegend;
class CRecoveryStore;
struct CRecoveryCopy;
class CPgAddLoad;
class CPgBarChart;
class CPgPayload;
class CPgCaseMatrix;
class CLoadWarningsLine;

// One field of every robot's result, by the robot's index in the comparison
// list, as the window has always offered its verdicts (m_nVerdict[i]). A view
// into the result set; an index outside 0 to 2 reads the empty value.
template <typename T>
class CResultField {
public:
    CResultField(CProjectResult& result, T CVerdict::*field) : m_result(result), m_field(field) {}
    const T& operator[](int i) const { return m_result.VerdictOf(i).*m_field; }
    // Robot i's field, to be changed (to draw a given state). Reading never
    // adds an entry: a robot without one gets a scratch value that is not kept.
    T& operator[](int i) {
        static T scratch{};
        const CRobotResult* r = m_result.Robot(i);
        if (r == nullptr) return scratch = T{};
        return m_result.robots[i].verdict.*m_field;
    }

private:
    CProjectResult& m_result;
    T CVerdict::*m_field;
};

class KESTLOADLIB_API CDlgMain : public QDialog {
    Q_OBJECT

    // The document and its results: declared first, as the named views below refer into them.
    CProject m_project;
    CProjectResult m_result;

public:
    explicit CDlgMain(QWidget* pParent = nullptr);
    ~CDlgMain() override;

    // Project.
    int Init();
    void SetModifiedFlag(int bModified = 1);
    int IsModified() const { return m_bModified; }
    void SetPathName(const QString& path) { m_strPathName = path; }
    void OnChangeGeneralInfo();
    void OnBnClickedDefault();
    // Runs the tool calculator for the current robot; its result becomes the tool load.
    void OnBnClickedToolCalc();
    // Runs the load calculator; on "Input" its four sums replace the four loads.
    void OnBnClickedLoadCalc();
    QString GetPathName() const { return m_strPathName; }

    // What SavePrj gives.
    enum SaveStatus : int {
        SAVE_OK = 0,
        SAVE_FAILED = -1,      // the file could not be written; the reason is kept for the message
        SAVE_BAD_NUMBER = -2,  // a field on screen does not hold a number (it has been reported)
    };
    // What DoAnalyse gives.
    enum AnalyseStatus : int {
        ANALYSE_OK = 0,
        ANALYSE_NOTHING = -1,     // no engine, or no robot in the list
        ANALYSE_BAD_NUMBER = -2,  // a field on screen does not hold a number (it has been reported)
    };

    // Project files and file commands.
    int SavePrj(const QString& path);
    // PRJ_OK, or the file's failure (ProjectFileStatus); the project is then unchanged.
    int OpenPrj(const QString& path);
    // Opens m_strPathName and refreshes the window; when that fails the window
    // keeps its project and goes back to `shownPath`, and the failure, already
    // reported to the user, is returned (ProjectFileStatus).
    int DoOpenPrj(const QString& shownPath = QString());
    void OnFileNewPrj();
    void OnFileOpenPrj();
    // Both: true when the project was written (false: cancelled, a bad number
    // on screen, or the save failed and was reported).
    bool OnFileSavePrj();
    bool OnFileSaveAsPrj();
    void OnFileProperties();
    // The report dialog, on the results of the values now in the window.
    void OnFilePrint();
    // What a report of this window shows: its project and results, the
    // program's version and the project's file.
    CReportSource ReportSource() const;
    void OnWindowNewWindow();
    void OnHelpManual();
    void OnHelpCrdSys();
    void OnHelpAbout();
    // Help > Examples: the open dialog in the installed examples folder.
    void OnHelpExamples();
    static QString ExamplesFolder();
    void OnDropFiles(const QStringList& paths);
    // The save-changes question: false when the command that asks must stop
    // (Cancel, or Yes and the save did not happen).
    bool AskSaveChanges();
    // Before the window is first shown: the mechanism data it starts with, the
    // current (true, as always without this call) or the older controller
    // generation. Only that table is loaded, and the window names it.
    void StartWithMechData(bool current);
    // Takes a project that has already been read and analyses it, as opening
    // its file would, without reading any file.
    void ShowProject(const CProject& project);

    // The project the window shows and edits (the calculators' inputs are
    // saved with it), and the results of its last analysis.
    CProject& Project() { return m_project; }
    const CProject& Project() const { return m_project; }
    const CProjectResult& Result() const { return m_result; }
    // Where a new window is placed: 80 pixels right of and below this one.
    QPoint NewWindowPosition() const;

    // Engine binding and analysis.
    int LoadModule();
    int UnloadModule();
    int UpdateVerInfo();
    void GetProdVer(unsigned int out[4]) const;
    // The program's version as every place shows it ("1.0.0.1").
    QString ProdVersionText() const;
    // The mechanism data in use: its controller generation and data version
    // ("Mechanism data: V40.24.15 and later, version 24 (2026-11-20)"); empty
    // without the engine.
    QString MechDataText() const;
    // True while the older generation's data is loaded.
    bool IsOldMechData() const { return m_bOldMechData; }
    int SelectCurMech(int index);
    // AnalyseStatus; the result pages and the verdict box show the outcome in every case.
    int DoAnalyse();
    int DoAnalyseSub();
    // Every robot without a result (verdicts, diagram and charts).
    void ClearResults();
    void OnBnClickedAnalyse();
    // Switches the controller generation; the project stays and is analysed again.
    void OnHelpVersion();
    // A load field was typed in: the analysis follows after a short pause
    // (`committed` false) or at once when the field is left (true). While a
    // field does not hold a number, the pause shows no result and no message.
    void OnLoadEdited(bool committed);
    // The pause after typing before the analysis, in milliseconds (300).
    void SetAutoAnalyseDelay(int ms);

    // Load cases (DlgMainCases.cpp). Each makes its change, marks the project
    // modified and analyses; the load pages then show the current case.
    // Makes case i current (the case list, a cell of the load-case matrix);
    // the loads on screen are first kept in the case shown. False when a field
    // holds no number (reported) or i is outside the list.
    bool OnCaseSelected(int i);
    // Adds a copy of the current case, unnamed, after the last, and shows it.
    void OnCaseAdd();
    // Asks for the current case's new name.
    void OnCaseRename();
    // Removes the current case after asking; the last case cannot be removed.
    void OnCaseRemove();
    void OnCaseMoveUp();
    void OnCaseMoveDown();
    void OnCaseMove(int step);
    // The case list and its buttons, and the load-case result tab (shown with
    // more than one case), as the project says.
    void UpdateCaseBar();
    bool CaseResultTabShown() const;

    // Recovery copies of unsaved work (DlgMainRecovery.cpp).
    // Writes the copy now when the project is modified; true when written.
    bool WriteRecoveryCopy();
    // The interval of the periodic copy while the project is modified (2 min).
    void SetRecoveryInterval(int ms);
    // Offers the copies left by windows that did not close cleanly, one by
    // one: Yes restores one into this window, No deletes it.
    void OfferRecovery();
    // The copy of this window's unsaved work (empty while there is none).
    QString RecoveryCopyPath() const;

    // The dialog.
    int OnInitDialog();
    void DoDataExchange(kest::CDataExchange* pDX);
    bool UpdateData(bool saveAndValidate = true);
    void ShowPgAddLoad(int page);
    // Brings the load page to the front (a bad value on it is being reported).
    void ShowPgAddLoadOf(const CPgAddLoad* page);
    void ShowPgResult(int page);
    void OnSelchangeTabAddLoad();
    void OnSelchangeTabResult();
    int OnSelLegend(const QString& name);
    void OnLbnSelchangeLbMech();
    void UpdateInTable();
    void OnBnClickedAddLeg();
    void OnBnClickedSubLeg();
    void OnBnClickedMoveUp();
    void OnBnClickedMoveDn();
    void OnHelpInertia();
    // View > Language: stores the choice for new windows and the next start.
    void OnViewLanguage(kest::Lang lang);
    // The menu's check marks and the inertia tab as m_bShowInertia says;
    // `select` also brings the changed tab to the front.
    void ApplyInertiaView(bool select);
    void OnFileExit();
    void OnDestroy();
    // Keyboard handling before the control `target` sees the key; true when consumed.
    bool PreTranslateMessage(QKeyEvent* event, QWidget* target);
    void UpdateTitle();
    // The service command (Ctrl+E): encrypts KestMechData.xml of the
    // application folder into KestMechData.bin; a failure names its reason.
    void EncryptMechTable();

    // Drawing of the main window (into any drawing context).
    void OnPaint(QPainter& painter);
    int DrawInputTable(kest::CKestDC& dc, const QRect& rc, int a, int b);
    int DrawNotice(kest::CKestDC& dc, int a, int b);
    int DrawResult(int index, kest::CKestDC& dc, const QRect& rc, int grey, int print);
    int DrawImgMech(kest::CKestDC& dc);
    // The client area as it paints itself.
    QImage RenderClient();
    // Places the result side's controls and pages for the client area's size.
    void LayoutClient();

    // The menu and toolbar command with this id (null if none).
    QAction* CommandAction(int id) const { return m_actions.value(id, nullptr); }
    // The widget on which the main window draws (client area below the menu).
    QWidget* Client() const { return m_pClient; }

    // The project's parts and the results under the names the window has
    // always given them: views into m_project and m_result, never copies.
    QString &m_strCompany, &m_strProject, &m_strApplication, &m_strLine, &m_strRobotNum, &m_strEngineer,
        &m_strComment;
    CPrmLoadSub &m_prmTool, &m_prmAddLoadV, &m_prmAddLoadH, &m_prmAddLoadS;
    CLoadCalcLists& m_dlgLoadCalc;
    CToolCalcInputs& m_dlgToolCalc;
    CMngLegend* m_pMngLegend;  // the project's robot list; null once the window is destroyed
    CResultField<int> m_nVerdict;
    CResultField<QString> m_strVerdict, m_strDetail;
    int m_bShowInertia = 1;
    QString m_strPathName;

    // Engine binding.
    ITarn* m_pEngine = nullptr;  // m_engine's object while it is loaded
    unsigned int m_nProdVer[4] = {0, 0, 0, 0};

    // Pages, tabs and the drawn areas.
    CPgAddLoad* m_pPgAddLoad[4] = {nullptr, nullptr, nullptr, nullptr};
    CPgPayload* m_pPgPayload = nullptr;
    CPgBarChart* m_pPgInertiaChart = nullptr;
    CPgBarChart* m_pPgMomentChart = nullptr;
    CPgCaseMatrix* m_pPgCaseMatrix = nullptr;
    QWidget* m_pCasesTabBody = nullptr;            // the load-case tab's body while the tab is there
    CLoadWarningsLine* m_pLoadWarnings = nullptr;  // under the load table
    QTabWidget* m_tabAddLoad = nullptr;
    QTabWidget* m_tabResult = nullptr;
    QRect m_rcResult, m_rcImgMech;
    CTblLayout m_layInTable;
    QString m_strSelMech;
    int m_nDetailFontPx = 0;  // pixel size of the verdict box's detail text as last drawn

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void SetupCaseBar();
    bool ApplyCaseChange(bool changed);
    void CreateToolBar();
    void OnCommand(int id);
    void ConnectControls();
    void DisableEngineCommands();
    void FillMechList();
    void RelayoutResultPages();
    void WriteDefaultLoad(int page, int kind);
    // Whether any load field holds something other than zero.
    bool AnyLoadTyped() const;

    void ReportSaveFailure(const QString& path);
    // The results shown on the result pages (payload diagram and both charts).
    void ShowResultOnPages();

    CEngineBinding m_engine;
    bool m_bStartWithCurrentData = true;
    int m_bModified = 0;
    CImg m_imgMech;
    QToolBar* m_pToolBar = nullptr;
    QListWidget* m_lbMech = nullptr;
    QRect m_rcInTable;

    void StoreTemplateGeometry();

    QWidget* m_pClient = nullptr;
    QSize m_szClientMin;             // the template's client size, the smallest
    QMap<int, QRect> m_tplGeometry;  // the result side's controls at that size
    QString m_strSaveError;          // the system's reason for the last failed save
    QString m_strOpenError;          // why the last project could not be opened
    QStringList m_openWarnings;      // values of the last opened project read only by their leading number
    QMap<int, QAction*> m_actions;
    bool m_bInitDone = false;
    int m_nExchanging = 0;    // >0 while values are written into the controls
    QSet<int> m_editedTexts;  // text controls the user changed since they were filled
    bool m_bOldMechData = false;
    QTimer* m_pAutoAnalyse = nullptr;  // the pause after typing in a load field
    bool m_bLoadEditPending = false;   // a load field was typed in since the last analysis
    int m_nAutoAnalyseMs = 300;
    int m_nRecoveryMs = 2 * 60 * 1000;
    // Whether every load field holds a number (nothing is shown or changed).
    bool LoadFieldsHoldNumbers() const;
    // The project as the window shows it, without changing the window.
    CProject CaptureScreenProject();
    std::unique_ptr<CRecoveryStore> m_pRecovery;
    QTimer* m_pRecoveryTimer = nullptr;
    bool m_bWritingRecovery = false;
    void UpdateRecoveryTimer();
    bool RestoreRecoveryCopy(const CRecoveryCopy& copy);
};
