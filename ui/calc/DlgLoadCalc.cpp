#include "DlgLoadCalc.h"

#include <QDialog>
#include <cmath>

#include "DlgLoadCalcWnd.h"
#include "MessageBox.h"
#include "StrParse.h"
#include "Strings.h"

namespace {

// Loads at least this heavy place the common centre of gravity; a total mass
// of smaller magnitude has none.
const double kMinMass = 0.00001;

}  // namespace

void SumLoads(const CLoadArray& list, double out[7]) {
    double mass = 0.0;
    for (const CLoad& load : list) mass += load.prm.Mass;
    double c[3] = {0.0, 0.0, 0.0};
    if (std::fabs(mass) >= kMinMass) {
        for (const CLoad& load : list) {
            const CPrmLoadSub& p = load.prm;
            if (p.Mass < kMinMass) continue;
            const double share = p.Mass / mass;
            c[0] += share * p.Lx;
            c[1] += share * p.Ly;
            c[2] += share * p.Lz;
        }
    }
    double iner[3] = {0.0, 0.0, 0.0};
    for (const CLoad& load : list) {
        const CPrmLoadSub& p = load.prm;
        const double dx = p.Lx - c[0];
        const double dy = p.Ly - c[1];
        const double dz = p.Lz - c[2];
        // Parallel-axis terms about the common centre of gravity.
        iner[0] += p.Ixx + p.Mass * (dy * dy + dz * dz);
        iner[1] += p.Iyy + p.Mass * (dz * dz + dx * dx);
        iner[2] += p.Izz + p.Mass * (dx * dx + dy * dy);
    }
    out[0] = mass;
    for (int k = 0; k < 3; ++k) {
        out[1 + k] = c[k] * 1000.0;
        out[4 + k] = iner[k];
    }
}

int CDlgLoadCalc::Sum(int kind, double out[7]) const {
    if (kind < 0 || kind > 3) return -1;
    SumLoads(m_arrLoad[kind], out);
    return 0;
}

QString InputPagesText(const CDlgLoadCalc& calc) {
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
