// The load cases of the main window: the case bar above the load table (the
// list, add, rename, remove and move) and the load-case result tab. The load
// pages always show and edit the current case's loads.
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

#include "DlgBuilder.h"
#include "DlgCaseName.h"
#include "DlgMain.h"
#include "Icons.h"
#include "MessageBox.h"
#include "PgCaseMatrix.h"
#include "PgPayload.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

void CDlgMain::SetupCaseBar() {
    auto button = [this](int id, void (CDlgMain::*handler)(), int tip) {
        if (auto* b = DlgItem<QPushButton>(m_pClient, id)) {
            connect(b, &QPushButton::clicked, this, handler);
            b->setToolTip(LoadKestString(tip));
        }
    };
    button(IDC_CASE_ADD, &CDlgMain::OnCaseAdd, IDS_CASE_ADD_TIP);
    button(IDC_CASE_RENAME, &CDlgMain::OnCaseRename, IDS_CASE_RENAME_TIP);
    button(IDC_CASE_REMOVE, &CDlgMain::OnCaseRemove, IDS_CASE_REMOVE_TIP);
    button(IDC_CASE_UP, &CDlgMain::OnCaseMoveUp, IDS_CASE_UP_TIP);
    button(IDC_CASE_DOWN, &CDlgMain::OnCaseMoveDown, IDS_CASE_DOWN_TIP);
    for (const auto& [id, icon] :
         {std::pair{IDC_CASE_UP, IconId::MoveUp}, std::pair{IDC_CASE_DOWN, IconId::MoveDown}}) {
        if (auto* b = DlgItem<QPushButton>(m_pClient, id)) {
            b->setIcon(KestIcon(icon));
            b->setIconSize(QSize(16, 16));
        }
    }
    if (auto* list = DlgItem<QComboBox>(m_pClient, IDC_CASE_LIST)) {
        connect(list, &QComboBox::activated, this, [this](int i) { OnCaseSelected(i); });
    }
    // With the load-case tab the result tabs may not all fit their texts: they are cut with "…".
    m_tabResult->setElideMode(Qt::ElideRight);
    m_pPgCaseMatrix = new CPgCaseMatrix(this, m_pClient);
    m_pPgCaseMatrix->setGeometry(m_pPgPayload->geometry());
    m_pPgCaseMatrix->hide();
}

void CDlgMain::UpdateCaseBar() {
    const int count = m_project.CaseCount();
    const int current = m_project.CurrentCase;
    if (auto* list = DlgItem<QComboBox>(m_pClient, IDC_CASE_LIST)) {
        const QSignalBlocker block(list);
        list->clear();
        for (int i = 0; i < count; ++i) list->addItem(m_project.CaseDisplayName(i));
        list->setCurrentIndex(current);
    }
    const bool engine = m_pEngine != nullptr;
    const struct {
        int id;
        bool enabled;
    } states[] = {{IDC_CASE_LIST, engine},
                  {IDC_CASE_ADD, engine && count < kMaxLoadCases},
                  {IDC_CASE_RENAME, engine},
                  {IDC_CASE_REMOVE, engine && count > 1},
                  {IDC_CASE_UP, engine && current > 0},
                  {IDC_CASE_DOWN, engine && current < count - 1}};
    for (const auto& s : states) {
        if (QWidget* w = GetDlgItem(m_pClient, s.id)) w->setEnabled(s.enabled);
    }
    if (m_pPgCaseMatrix == nullptr) return;
    // The load-case tab, last of the result tabs, only while there are several cases.
    const int tab = m_pCasesTabBody ? m_tabResult->indexOf(m_pCasesTabBody) : -1;
    if (count > 1 && tab < 0) {
        m_pCasesTabBody = new QWidget;
        m_tabResult->addTab(m_pCasesTabBody, QStringLiteral("  %1  ").arg(LoadKestString(IDS_LOAD_CASES)));
    } else if (count <= 1 && tab >= 0) {
        const bool shown = m_tabResult->currentIndex() == tab;
        m_tabResult->removeTab(tab);
        delete m_pCasesTabBody;
        m_pCasesTabBody = nullptr;
        if (shown) m_tabResult->setCurrentIndex(0);
        ShowPgResult(m_tabResult->currentIndex());
    }
    m_pPgCaseMatrix->Relayout();
}

bool CDlgMain::CaseResultTabShown() const {
    return m_pCasesTabBody != nullptr && m_tabResult->indexOf(m_pCasesTabBody) >= 0;
}

bool CDlgMain::ApplyCaseChange(bool changed) {
    if (changed) {
        UpdateData(false);  // the load pages show the current case
        SetModifiedFlag(1);
    }
    DoAnalyse();  // also brings the case bar up to date
    return changed;
}

bool CDlgMain::OnCaseSelected(int i) {
    if (i == m_project.CurrentCase) {
        UpdateCaseBar();
        return true;
    }
    // The loads on screen belong to the case shown: kept there first. A field
    // that holds no number has been reported, and the case stays.
    if (i < 0 || i >= m_project.CaseCount() || !UpdateData(true)) {
        UpdateCaseBar();
        return false;
    }
    return ApplyCaseChange(m_project.SelectCase(i));
}

void CDlgMain::OnCaseAdd() {
    if (m_project.CaseCount() >= kMaxLoadCases) {
        KestMessageBox(LoadKestString(IDS_CASE_LIST_FULL).arg(kMaxLoadCases),
                       KEST_MB_OK | KEST_MB_ICONINFORMATION);
        return;
    }
    if (!UpdateData(true)) return;
    ApplyCaseChange(m_project.AddCase(QString()));
}

void CDlgMain::OnCaseRename() {
    const int i = m_project.CurrentCase;
    CDlgCaseName dlg(this, m_project.CaseDisplayName(i), m_project.Cases.value(i).Name);
    if (dlg.exec() != QDialog::Accepted || dlg.Name() == m_project.Cases.value(i).Name) return;
    if (!UpdateData(true)) return;
    ApplyCaseChange(m_project.RenameCase(i, dlg.Name()));
}

void CDlgMain::OnCaseRemove() {
    const int i = m_project.CurrentCase;
    if (m_project.CaseCount() <= 1) return;  // the last case stays
    if (KestMessageBox(LoadKestString(IDS_CASE_REMOVE_ASK).arg(m_project.CaseDisplayName(i)),
                       KEST_MB_YESNO | KEST_MB_ICONQUESTION) != IDYES)
        return;
    // The general information typed is kept; a load field that holds no
    // number has been reported, and nothing is removed.
    if (!UpdateData(true)) return;
    ApplyCaseChange(m_project.RemoveCase(i));
}

void CDlgMain::OnCaseMoveUp() { OnCaseMove(-1); }
void CDlgMain::OnCaseMoveDown() { OnCaseMove(1); }

void CDlgMain::OnCaseMove(int step) {
    const int from = m_project.CurrentCase;
    const int to = from + step;
    if (to < 0 || to >= m_project.CaseCount() || !UpdateData(true)) return;
    ApplyCaseChange(m_project.MoveCase(from, to));
}
