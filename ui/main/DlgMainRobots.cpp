// The model list and the robots compared: natural order, adding, removing
// and moving, and the picture that follows the current robot.
#include <QListWidget>
#include <QWidget>
#include <algorithm>

#include "DlgMain.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "PgPayload.h"
#include "Strings.h"
#include "Tarn_Kest.h"

using namespace kest;

namespace {

// Natural order of model names: digit runs compare as numbers (TK6 < TK12 < TK120).
bool NaturalLess(const QString& a, const QString& b) {
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit()) ++ei;
            while (ej < b.size() && b[ej].isDigit()) ++ej;
            // Leading zeros aside, a longer run is the larger number.
            QStringView da = QStringView(a).mid(i, ei - i), db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da[0] == QLatin1Char('0')) da = da.mid(1);
            while (db.size() > 1 && db[0] == QLatin1Char('0')) db = db.mid(1);
            if (da.size() != db.size()) return da.size() < db.size();
            if (const int c = da.compare(db); c != 0) return c < 0;
            i = ei, j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i, ++j;
    }
    if ((a.size() - i) != (b.size() - j)) return a.size() - i < b.size() - j;
    return a < b;
}

}  // namespace

void CDlgMain::FillMechList() {
    if (m_pEngine == nullptr) return;
    m_lbMech->clear();
    QStringList names;
    char16_t name[24];
    for (int i = 0; m_pEngine->GetMechName(i, name, 24) >= 0; ++i) names << QString::fromUtf16(name);
    std::stable_sort(names.begin(), names.end(), NaturalLess);
    m_lbMech->setSortingEnabled(false);  // the list's own order would put TK120 before TK20
    m_lbMech->addItems(names);
}

int CDlgMain::OnSelLegend(const QString& name) {
    m_lbMech->setCurrentRow(-1);
    m_strSelMech = name;
    m_pClient->update(m_rcResult);
    m_pClient->update(m_rcImgMech);
    if (m_pPgPayload) m_pPgPayload->update();
    return 0;
}

void CDlgMain::OnLbnSelchangeLbMech() {
    QListWidgetItem* item = m_lbMech->currentItem();
    if (item == nullptr || m_lbMech->currentRow() < 0) return;
    m_strSelMech = item->text();
    m_pClient->update(m_rcImgMech);
}

void CDlgMain::OnBnClickedAddLeg() {
    if (m_pMngLegend == nullptr || m_lbMech->currentRow() < 0 || m_lbMech->currentItem() == nullptr) return;
    const QString name = m_lbMech->currentItem()->text();
    // A fourth robot, or one already listed, is refused with the reason.
    if (m_pMngLegend->Count() >= 3) {
        KestMessageBox(LoadKestString(IDS_ROBOT_LIST_FULL), KEST_MB_OK | KEST_MB_ICONINFORMATION);
        return;
    }
    for (int i = 0; i < m_pMngLegend->Count(); ++i) {
        if (m_pMngLegend->Name(i) == name) {
            KestMessageBox(LoadKestString(IDS_ROBOT_IN_LIST).arg(name), KEST_MB_OK | KEST_MB_ICONINFORMATION);
            return;
        }
    }
    SetModifiedFlag(1);
    m_pMngLegend->Add(name);
    DoAnalyse();
}

void CDlgMain::OnBnClickedSubLeg() {
    if (m_pMngLegend == nullptr || m_pMngLegend->Count() <= 0) return;
    SetModifiedFlag(1);
    m_pMngLegend->RemoveCur();
    // The picture follows the robot that is now current (none: no picture).
    m_strSelMech = m_pMngLegend->Name(-1);
    m_lbMech->setCurrentRow(-1);
    DoAnalyse();
    m_pClient->update(m_rcResult);
}

void CDlgMain::OnBnClickedMoveUp() {
    if (m_pMngLegend == nullptr) return;
    SetModifiedFlag(1);
    m_pMngLegend->Move(-1);
    DoAnalyse();
}

void CDlgMain::OnBnClickedMoveDn() {
    if (m_pMngLegend == nullptr) return;
    SetModifiedFlag(1);
    m_pMngLegend->Move(1);
    DoAnalyse();
}
