#include "DlgLoadCalc.h"

#include <QDialog>
#include <cmath>

#include "DlgLoadCalcWnd.h"
#include "MessageBox.h"
#include "StrParse.h"
#include "Strings.h"

QString InputPagesText(const CLoadCalcLists& calc) {
    QStringList pages;
    for (int k = 0; k < 4; ++k) {
        if (!calc.WritesPage(k)) continue;
        // The pages by the names of their tabs.
        static const char* const kAxes[4] = {"", " V", " H", " S"};
        pages << (k == 0 ? QStringLiteral("Tool")
                         : kest::LoadKestString(kest::IDS_ADDLOAD) + QLatin1String(kAxes[k]));
    }
    if (pages.isEmpty()) return kest::LoadKestString(kest::IDS_LC_INPUT_NONE);
    return kest::LoadKestString(kest::IDS_LC_INPUT_PAGES).arg(pages.join(QStringLiteral(", ")));
}

int CDlgLoadCalc::DoModal(QWidget* parent) {
    // The window edits the lists in place; "Cancel" puts back what they held.
    CLoadArray before[4];
    for (int k = 0; k < 4; ++k) before[k] = m_arrLoad[k];
    CDlgLoadCalcWnd wnd(this, parent);
    const int rc = wnd.exec();
    m_strMount = wnd.m_strMount;
    if (rc == QDialog::Accepted) return kest::IDOK;
    for (int k = 0; k < 4; ++k) m_arrLoad[k] = before[k];
    return kest::IDCANCEL;
}

bool MountAccepts(const QString& strMount, const QString& strKind) {
    QString token;
    if (!CStrParse(strMount).ReadToken(token)) return true;  // no kind named: every kind
    return CStrParse::HasToken(strMount, strKind);
}

bool ApplAccepts(const QString& strAppl, const QString& strChecked) {
    QString token;
    if (!CStrParse(strAppl).ReadToken(token)) return true;  // no application named: every one
    CStrParse checked(strChecked);
    while (checked.ReadToken(token)) {
        if (CStrParse::HasToken(strAppl, token)) return true;
    }
    return false;
}
