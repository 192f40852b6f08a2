// The main window as a window: built from its template, initialisation, data
// exchange, pages and tabs, keyboard (menu and toolbar: DlgMainMenu.cpp; the
// model list and the compared robots: DlgMainRobots.cpp).
#include "DlgMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "DlgBuilder.h"
#include "Icons.h"
#include "Language.h"
#include "LoadWarningsLine.h"
#include "MechTableCheck.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "PgBarChart.h"
#include "PgCaseMatrix.h"
#include "PgPayload.h"
#include "RecoveryStore.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Templates.h"

using namespace kest;

namespace {

const char* const kServiceCode = "tulip284";
const int kTabItemHeight = 26;
const char* const kResultTabs[] = {"  Payload Diagram  ", "  Moment Bar Chart ", " Inertia Bar Chart "};

// The client area: paints what the main window draws itself.
class CDlgMainClient : public QWidget {
public:
    CDlgMainClient(CDlgMain* owner) : QWidget(owner), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_owner->OnPaint(p);
    }
    bool event(QEvent* event) override {
        // The full value of an input-table cell that shows "###".
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            ShowToolTipText(this, help, m_owner->m_layInTable.CutTextAt(help->pos()));
            return true;
        }
        if (event->type() == QEvent::Resize) m_owner->LayoutClient();
        return QWidget::event(event);
    }

private:
    CDlgMain* m_owner;
};

// Adds an empty tab whose page is a sibling widget laid over the tab body.
void AddTab(QTabWidget* tab, const QString& text, int index = -1) {
    auto* body = new QWidget;
    if (index < 0)
        tab->addTab(body, text);
    else
        tab->insertTab(index, body, text);
}

}  // namespace

CDlgMain::CDlgMain(QWidget* pParent)
    : QDialog(pParent),
      m_strCompany(m_project.Company),
      m_strProject(m_project.Project),
      m_strApplication(m_project.Application),
      m_strLine(m_project.Line),
      m_strRobotNum(m_project.RobotNum),
      m_strEngineer(m_project.Engineer),
      m_strComment(m_project.Comment),
      m_prmTool(m_project.Loads.tool),
      m_prmAddLoadV(m_project.Loads.v),
      m_prmAddLoadH(m_project.Loads.h),
      m_prmAddLoadS(m_project.Loads.s),
      m_dlgLoadCalc(m_project.LoadCalc),
      m_dlgToolCalc(m_project.ToolCalc),
      m_pMngLegend(&m_project.Robots),
      m_nVerdict(m_result, &CVerdict::code),
      m_strVerdict(m_result, &CVerdict::text),
      m_strDetail(m_result, &CVerdict::detail) {
    // A main window: title, system menu, minimise and close buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(KestIcon(IconId::App));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pClient = new CDlgMainClient(this);
    const DlgTemplate* t = FindDlgTemplate(IDD_MAIN);
    const QSize client = BuildDialogControls(m_pClient, *t);
    setFont(m_pClient->font());
    // The template's size is the smallest; a larger window grows the result side.
    m_pClient->setMinimumSize(client);
    m_pClient->resize(client);
    layout->addWidget(m_pClient);
    BuildMenu();
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    StoreTemplateGeometry();
    m_tabAddLoad = DlgItem<QTabWidget>(m_pClient, IDC_TAB_ADDLOAD);
    m_tabResult = DlgItem<QTabWidget>(m_pClient, IDC_TAB_RESULT);
    m_lbMech = DlgItem<QListWidget>(m_pClient, IDC_LB_MECH);
    for (QTabWidget* tab : {m_tabAddLoad, m_tabResult}) {
        tab->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; }").arg(kTabItemHeight));
        tab->setUsesScrollButtons(false);
    }
    ConnectControls();
    CToolCalcInputs::s_bHandWork = 0;  // a new window offers the hand alone first
    UpdateTitle();
}

CDlgMain::~CDlgMain() {
    qApp->removeEventFilter(this);
    // A clean close leaves no recovery copy behind.
    if (m_pRecovery) m_pRecovery->Remove();
    OnDestroy();
}

void CDlgMain::ConnectControls() {
    auto button = [this](int id, void (CDlgMain::*handler)()) {
        if (auto* b = DlgItem<QPushButton>(m_pClient, id)) connect(b, &QPushButton::clicked, this, handler);
    };
    button(IDC_ANALYSE, &CDlgMain::OnBnClickedAnalyse);
    // F5 analyses from anywhere in the window.
    auto* analyse = new QAction(this);
    analyse->setShortcut(QKeySequence(Qt::Key_F5));
    connect(analyse, &QAction::triggered, this, &CDlgMain::OnBnClickedAnalyse);
    addAction(analyse);
    if (QWidget* b = GetDlgItem(m_pClient, IDC_ANALYSE)) b->setToolTip(QStringLiteral("F5"));
    button(IDC_DEFAULT, &CDlgMain::OnBnClickedDefault);
    button(IDC_ADD_LEG, &CDlgMain::OnBnClickedAddLeg);
    button(IDC_SUB_LEG, &CDlgMain::OnBnClickedSubLeg);
    button(IDC_MOVE_UP, &CDlgMain::OnBnClickedMoveUp);
    button(IDC_MOVE_DN, &CDlgMain::OnBnClickedMoveDn);
    button(IDC_TOOL_CALC, &CDlgMain::OnBnClickedToolCalc);
    button(IDC_LOAD_CALC, &CDlgMain::OnBnClickedLoadCalc);
    auto edited = [this](int id) {
        return [this, id] {
            if (m_nExchanging == 0) m_editedTexts.insert(id);
            OnChangeGeneralInfo();
        };
    };
    for (int id : {IDC_COMPANY, IDC_PROJECT, IDC_LINE, IDC_ROBOT_NUM, IDC_ENGINEER}) {
        if (auto* e = DlgItem<QLineEdit>(m_pClient, id))
            connect(e, &QLineEdit::textChanged, this, edited(id));
    }
    if (auto* e = DlgItem<QPlainTextEdit>(m_pClient, IDC_COMMENT)) {
        connect(e, &QPlainTextEdit::textChanged, this, edited(IDC_COMMENT));
    }
    if (auto* c = DlgItem<QComboBox>(m_pClient, IDC_APPLICATION)) {
        connect(c, &QComboBox::activated, this, edited(IDC_APPLICATION));
        connect(c, &QComboBox::editTextChanged, this, edited(IDC_APPLICATION));
    }
    connect(m_lbMech, &QListWidget::currentRowChanged, this, [this] { OnLbnSelchangeLbMech(); });
    connect(m_tabAddLoad, &QTabWidget::currentChanged, this, [this] { OnSelchangeTabAddLoad(); });
    connect(m_tabResult, &QTabWidget::currentChanged, this, [this] { OnSelchangeTabResult(); });
}

void CDlgMain::showEvent(QShowEvent* event) {
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

int CDlgMain::OnInitDialog() {
    qApp->installEventFilter(this);
    if (LoadModule() < 0) {
        DisableEngineCommands();
        return 1;
    }
    UpdateVerInfo();
    UpdateTitle();
    CreateToolBar();

    if (auto* c = DlgItem<QComboBox>(m_pClient, IDC_APPLICATION)) {
        ++m_nExchanging;
        for (int id = IDS_APPL_SPOT; id <= IDS_APPL_DEBURRING; ++id) c->addItem(LoadKestString(id));
        c->setCurrentIndex(0);
        --m_nExchanging;
    }
    FillMechList();

    AddTab(m_tabAddLoad, QStringLiteral("       Tool       "));
    for (const char* axis : {"  V", "  H", "  S"}) {
        AddTab(m_tabAddLoad, LoadKestString(IDS_ADDLOAD) + QString::fromLatin1(axis));
    }
    const QRect addRect = m_tabAddLoad->geometry().adjusted(0, kTabItemHeight, -10, -10);
    CPrmLoadSub* records[4] = {&m_project.Loads.tool, &m_project.Loads.v, &m_project.Loads.h,
                               &m_project.Loads.s};
    for (int i = 0; i < 4; ++i) {
        m_pPgAddLoad[i] = new CPgAddLoad(this, m_pClient, records[i]);
        m_pPgAddLoad[i]->setGeometry(addRect);
        m_pPgAddLoad[i]->SetName(m_tabAddLoad->tabText(i).simplified());
    }
    // The calculator buttons lie on the load pages.
    for (int id : {IDC_LOAD_CALC, IDC_TOOL_CALC, IDC_DEFAULT}) {
        if (QWidget* w = GetDlgItem(m_pClient, id)) w->raise();
    }
    ShowPgAddLoad(0);

    for (const char* text : kResultTabs) AddTab(m_tabResult, QString::fromLatin1(text));
    const QRect resRect = m_tabResult->geometry().adjusted(5, 31, -10, -10);
    m_pPgPayload = new CPgPayload(this, m_pClient);
    m_pPgInertiaChart = new CPgBarChart(this, m_pClient);
    m_pPgMomentChart = new CPgBarChart(this, m_pClient);
    for (QWidget* pg : {static_cast<QWidget*>(m_pPgPayload), static_cast<QWidget*>(m_pPgInertiaChart),
                        static_cast<QWidget*>(m_pPgMomentChart)}) {
        pg->setGeometry(resRect);
    }
    SetupCaseBar();
    ShowPgResult(0);

    m_pPgPayload->Diagram().SetLegend(m_pMngLegend);
    m_pPgInertiaChart->Chart().SetLegend(m_pMngLegend);
    m_pPgMomentChart->Chart().SetLegend(m_pMngLegend);
    m_pPgInertiaChart->SetKind(CDgmBarChart::KIND_INERTIA);
    // Moving a page lays it out at once, also while it is hidden.
    RelayoutResultPages();

    OnBnClickedDefault();

    m_rcInTable = GetDlgItem(m_pClient, IDC_IN_TABLE)->geometry();
    m_pLoadWarnings = new CLoadWarningsLine(m_pClient);
    m_pLoadWarnings->setGeometry(GetDlgItem(m_pClient, IDC_LOAD_WARNINGS)->geometry());
    m_layInTable.Reset();
    m_layInTable.SetRect(m_rcInTable);
    m_layInTable.AddCol(0.12);
    m_layInTable.AddCol(0.15);
    for (int i = 0; i < 6; ++i) m_layInTable.AddCol((1 - 0.27) / 6);
    for (int i = 0; i < 5; ++i) m_layInTable.AddRow(0.2);
    m_rcResult = GetDlgItem(m_pClient, IDC_RESULT_BOX)->geometry();
    m_rcImgMech = GetDlgItem(m_pClient, IDC_IMG_MECH)->geometry();
    LayoutClient();

    const struct {
        int id;
        IconId icon;
    } buttons[] = {{IDC_ADD_LEG, IconId::Plus},
                   {IDC_SUB_LEG, IconId::Minus},
                   {IDC_MOVE_UP, IconId::MoveUp},
                   {IDC_MOVE_DN, IconId::MoveDown}};
    for (const auto& b : buttons) {
        if (auto* btn = DlgItem<QPushButton>(m_pClient, b.id)) {
            btn->setIcon(KestIcon(b.icon));
            btn->setIconSize(QSize(16, 16));
        }
    }
    setAcceptDrops(true);
    // A project the host asked to open, kept across Init, which starts a new one.
    const QString handedOver = m_strPathName;
    Init();
    if (!handedOver.isEmpty()) {
        m_strPathName = handedOver;
        DoOpenPrj();
    }
    return 1;
}

void CDlgMain::DisableEngineCommands() {
    // Without the engine nothing can be analysed: only leaving the window stays.
    for (int id : {IDC_ANALYSE, IDC_DEFAULT, IDC_ADD_LEG, IDC_SUB_LEG, IDC_MOVE_UP, IDC_MOVE_DN,
                   IDC_LOAD_CALC, IDC_TOOL_CALC, IDC_LB_MECH, IDC_CASE_LIST, IDC_CASE_ADD, IDC_CASE_RENAME,
                   IDC_CASE_REMOVE, IDC_CASE_UP, IDC_CASE_DOWN}) {
        if (QWidget* w = GetDlgItem(m_pClient, id)) w->setEnabled(false);
    }
    for (QAction* a : std::as_const(m_actions)) {
        const int id = a->data().toInt();
        if (id != ID_FILE_EXIT && id != ID_WINDOW_NEW && id != ID_HELP_MANUAL && id != ID_HELP_CRDSYS &&
            id != ID_VIEW_LANG_KO && id != ID_VIEW_LANG_EN) {
            a->setEnabled(false);
        }
    }
}

void CDlgMain::DoDataExchange(CDataExchange* pDX) {
    // A text is taken from its control only when the user edited it, so an
    // opened text comes back exactly as it was (CR LF in the description,
    // characters an edit shows differently).
    auto text = [this, pDX](int id, QString& member) {
        QString value = member;
        DDX_Text(pDX, id, value);
        if (pDX->m_bSaveAndValidate && m_editedTexts.contains(id)) member = value;
    };
    text(IDC_COMPANY, m_project.Company);
    text(IDC_PROJECT, m_project.Project);
    text(IDC_APPLICATION, m_project.Application);
    text(IDC_LINE, m_project.Line);
    text(IDC_ROBOT_NUM, m_project.RobotNum);
    text(IDC_ENGINEER, m_project.Engineer);
    text(IDC_COMMENT, m_project.Comment);
    if (!pDX->m_bSaveAndValidate) m_editedTexts.clear();
    for (CPgAddLoad* pg : m_pPgAddLoad) {
        if (pg == nullptr || pDX->m_bFailed) continue;
        if (!pg->UpdateData(pDX->m_bSaveAndValidate)) pDX->m_bFailed = true;
    }
}

bool CDlgMain::UpdateData(bool saveAndValidate) {
    CDataExchange dx(m_pClient, saveAndValidate);
    if (!saveAndValidate) ++m_nExchanging;
    DoDataExchange(&dx);
    if (!saveAndValidate) --m_nExchanging;
    return !dx.m_bFailed;
}

void CDlgMain::ShowPgAddLoad(int page) {
    for (int i = 0; i < 4; ++i) {
        if (m_pPgAddLoad[i]) m_pPgAddLoad[i]->setVisible(i == page);
    }
    if (QWidget* b = GetDlgItem(m_pClient, IDC_TOOL_CALC)) b->setVisible(page == 0);
}

void CDlgMain::ShowPgResult(int page) {
    const bool cases = m_pCasesTabBody != nullptr && m_tabResult->widget(page) == m_pCasesTabBody;
    QWidget* shown = cases       ? static_cast<QWidget*>(m_pPgCaseMatrix)
                     : page == 0 ? static_cast<QWidget*>(m_pPgPayload)
                     : page == 1 ? static_cast<QWidget*>(m_pPgMomentChart)
                                 : static_cast<QWidget*>(m_pPgInertiaChart);
    for (QWidget* pg : {static_cast<QWidget*>(m_pPgPayload), static_cast<QWidget*>(m_pPgMomentChart),
                        static_cast<QWidget*>(m_pPgInertiaChart), static_cast<QWidget*>(m_pPgCaseMatrix)}) {
        if (pg) pg->setVisible(pg == shown);
    }
}

void CDlgMain::ShowPgAddLoadOf(const CPgAddLoad* page) {
    for (int i = 0; i < 4; ++i) {
        if (m_pPgAddLoad[i] != page) continue;
        m_tabAddLoad->setCurrentIndex(i);
        ShowPgAddLoad(i);
    }
}

void CDlgMain::OnSelchangeTabAddLoad() { ShowPgAddLoad(m_tabAddLoad->currentIndex()); }

void CDlgMain::OnSelchangeTabResult() { ShowPgResult(m_tabResult->currentIndex()); }

void CDlgMain::UpdateInTable() { m_pClient->update(m_rcInTable); }

void CDlgMain::OnHelpInertia() {
    QAction* show = CommandAction(ID_VIEW_INERTIA_SHOW);
    QAction* hide = CommandAction(ID_VIEW_INERTIA_HIDE);
    if (show == nullptr || hide == nullptr) return;
    if (show->isChecked()) {
        if (hide->isChecked()) return;
        m_bShowInertia = 0;
    } else {
        m_bShowInertia = 1;
    }
    ApplyInertiaView(true);
    DoAnalyse();
}

void CDlgMain::OnViewLanguage(Lang lang) {
    // Stored for the windows to come; this one keeps the texts it was built with.
    SaveLanguageSetting(lang);
    if (QAction* ko = CommandAction(ID_VIEW_LANG_KO)) ko->setChecked(lang == Lang::Korean);
    if (QAction* en = CommandAction(ID_VIEW_LANG_EN)) en->setChecked(lang == Lang::English);
    // Said in the language chosen, which the user reads for certain.
    KestMessageBox(LoadKestString(IDS_LANGUAGE_STORED, lang), KEST_MB_OK | KEST_MB_ICONINFORMATION);
}

void CDlgMain::ApplyInertiaView(bool select) {
    // The menu's check marks and the inertia tab follow the setting.
    if (QAction* show = CommandAction(ID_VIEW_INERTIA_SHOW)) show->setChecked(m_bShowInertia == 1);
    if (QAction* hide = CommandAction(ID_VIEW_INERTIA_HIDE)) hide->setChecked(m_bShowInertia != 1);
    if (m_pPgPayload == nullptr) return;
    if (m_bShowInertia == 1) {
        // The inertia tab is the third, before the load-case tab.
        if (m_tabResult->count() - (CaseResultTabShown() ? 1 : 0) < 3)
            AddTab(m_tabResult, QString::fromLatin1(kResultTabs[2]), 2);
        if (select) {
            m_tabResult->setCurrentIndex(2);
            ShowPgResult(2);
        }
    } else {
        if (m_tabResult->count() > 2 && m_tabResult->widget(2) != m_pCasesTabBody) {
            QWidget* body = m_tabResult->widget(2);
            m_tabResult->removeTab(2);
            delete body;
        }
        if (select) {
            m_tabResult->setCurrentIndex(0);
            ShowPgResult(1);
            ShowPgResult(0);
        }
    }
}

void CDlgMain::RelayoutResultPages() {
    if (m_pPgPayload) m_pPgPayload->Relayout();
    if (m_pPgInertiaChart) m_pPgInertiaChart->Relayout();
    if (m_pPgMomentChart) m_pPgMomentChart->Relayout();
    if (m_pPgCaseMatrix) m_pPgCaseMatrix->Relayout();
}

void CDlgMain::OnDestroy() {
    m_bLoadEditPending = false;  // nothing is analysed while the window goes
    delete m_pToolBar;
    m_pToolBar = nullptr;
    for (CPgAddLoad*& pg : m_pPgAddLoad) {
        delete pg;
        pg = nullptr;
    }
    delete m_pPgPayload;
    m_pPgPayload = nullptr;
    delete m_pPgInertiaChart;
    m_pPgInertiaChart = nullptr;
    delete m_pPgMomentChart;
    m_pPgMomentChart = nullptr;
    delete m_pPgCaseMatrix;
    m_pPgCaseMatrix = nullptr;
    m_pMngLegend = nullptr;
    UnloadModule();
}

bool CDlgMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w != nullptr && (w == this || isAncestorOf(w)) &&
            PreTranslateMessage(static_cast<QKeyEvent*>(event), w)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgMain::EncryptMechTable() {
    const QString src = AppFolder() + QStringLiteral("KestMechData.xml");
    const QString dst = AppFolder() + QStringLiteral("KestMechData.bin");
    // A table with problems is not encrypted: the program would use it without a word.
    const QString problems = MechTableProblems(src);
    if (!problems.isEmpty()) {
        KestMessageBox(QStringLiteral("%1\n%2\n%3").arg(LoadKestString(IDS_ENCRYPT_FAILED), src, problems),
                       KEST_MB_OK | KEST_MB_ICONSTOP);
        return;
    }
    const PFN_EncryptMechData encrypt = m_engine.EncryptFunction();
    const int rc = encrypt ? encrypt(src.toStdU16String().c_str(), dst.toStdU16String().c_str()) : -4;
    if (rc == 0) {
        KestMessageBox(QStringLiteral("%1 :\n%2").arg(LoadKestString(IDS_FILE_CREATED), dst),
                       KEST_MB_ICONINFORMATION);
        return;
    }
    // The engine's codes: -1 the source cannot be read, -2 it cannot be
    // encrypted, -3 the destination cannot be written.
    const QString reason = rc == -1 ? QStringLiteral("Failed in opening the mechanism data file.(source)")
                           : rc == -3
                               ? QStringLiteral("Failed in opening the mechanism data file.(destination)")
                           : rc == -4 ? QStringLiteral("The calculation engine is not loaded.")
                                      : QStringLiteral("Failed in encrypting the mechanism data file.");
    KestMessageBox(QStringLiteral("%1\n%2 -> %3\n%4 (code=%5)")
                       .arg(LoadKestString(IDS_ENCRYPT_FAILED), src, dst, reason)
                       .arg(rc),
                   KEST_MB_OK | KEST_MB_ICONSTOP);
}

void CDlgMain::keyPressEvent(QKeyEvent* event) {
    if (PreTranslateMessage(event, this)) return;
    QDialog::keyPressEvent(event);
}

bool CDlgMain::PreTranslateMessage(QKeyEvent* event, QWidget* target) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // Only the description takes a new line.
            QWidget* comment = GetDlgItem(m_pClient, IDC_COMMENT);
            return !(comment != nullptr && target != nullptr &&
                     (target == comment || comment->isAncestorOf(target)));
        }
        case Qt::Key_Escape: return true;
        case Qt::Key_E:
            if (!ctrl) return false;
            if (GetDlgItemText(m_pClient, IDC_ENGINEER) == QLatin1String(kServiceCode)) EncryptMechTable();
            return true;
        default: return false;
    }
}
