// The project held by the main window: reset, modified flag, title and the
// default loads of the current mechanism.
#include <QLineEdit>
#include <QListWidget>
#include <charconv>
#include <cmath>

#include "DataExchange.h"
#include "DlgBuilder.h"
#include "DlgMain.h"
#include "MessageBox.h"
#include "MngLegend.h"
#include "NumText.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Templates.h"

using namespace kest;

int CDlgMain::Init() {
    m_strPathName.clear();
    SetModifiedFlag(0);
    // A new project: no text, no robot, all loads 0 and empty calculators.
    m_project.Clear();
    m_bShowInertia = 1;
    ApplyInertiaView(false);
    // No robot: no mechanism picture either.
    m_strSelMech.clear();
    if (m_lbMech) m_lbMech->setCurrentRow(-1);
    UpdateData(false);
    DoAnalyse();  // also clears every result and repaints the pages
    return 0;
}

void CDlgMain::SetModifiedFlag(int bModified) {
    m_bModified = bModified;
    UpdateTitle();
    UpdateRecoveryTimer();
}

void CDlgMain::OnChangeGeneralInfo() {
    if (m_nExchanging == 0) SetModifiedFlag(1);
}

void CDlgMain::UpdateTitle() {
    QString title =
        m_strPathName.isEmpty() ? QStringLiteral("Noname") : StripExtension(FileNameOfPath(m_strPathName));
    if (IsModified()) title += QLatin1Char('*');
    title += QStringLiteral(" - ") + AppName() + QLatin1Char(' ') + ProdVersionText();
    // The numbers depend on the mechanism data: the title names it.
    const QString data = MechDataText();
    if (!data.isEmpty()) title += QStringLiteral(" - ") + data;
    setWindowTitle(title);
}

void CDlgMain::WriteDefaultLoad(int page, int kind) {
    LoadRec rec{};
    if (m_pEngine == nullptr || m_pPgAddLoad[page] == nullptr || m_pEngine->GetDefaultLoad(kind, &rec) != 0)
        return;
    // The full values: the table holds single-precision numbers, written with
    // the shortest text that reads back to the same single-precision number
    // (130.65, not 130 or 130.649993896484), so that the rated load gives
    // exactly its rating.
    auto full = [](double v) {
        const float f = static_cast<float>(v);
        if (std::isfinite(v) && std::isfinite(f)) {
            char buf[32];
            const auto r = std::to_chars(buf, buf + sizeof buf, f);
            if (r.ec == std::errc()) return QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
        }
        return DoubleToText(v);
    };
    QWidget* pg = m_pPgAddLoad[page];
    SetDlgItemText(pg, IDC_MASS, full(rec.Mass));
    SetDlgItemText(pg, IDC_LX, full(rec.x));
    SetDlgItemText(pg, IDC_LY, full(rec.y));
    SetDlgItemText(pg, IDC_LZ, full(rec.z));
    SetDlgItemText(pg, IDC_IXX, full(rec.Ixx));
    SetDlgItemText(pg, IDC_IYY, full(rec.Iyy));
    SetDlgItemText(pg, IDC_IZZ, full(rec.Izz));
}

bool CDlgMain::AnyLoadTyped() const {
    // A field that is not zero, or holds no number, is the user's input.
    for (CPgAddLoad* pg : m_pPgAddLoad) {
        if (pg == nullptr) continue;
        for (int id : {IDC_MASS, IDC_LX, IDC_LY, IDC_LZ, IDC_IXX, IDC_IYY, IDC_IZZ}) {
            double v = 0;
            if (!TextToDouble(GetDlgItemText(pg, id), v) || v != 0.0) return true;
        }
    }
    return false;
}

void CDlgMain::OnBnClickedDefault() {
    if (SelectCurMech(-1) < 0) return;
    // Typed loads are replaced only when the user agrees.
    if (AnyLoadTyped() && KestMessageBox(LoadKestString(IDS_REPLACE_LOADS).arg(m_project.Robots.Name(-1)),
                                         KEST_MB_YESNO | KEST_MB_ICONQUESTION) != IDYES)
        return;
    SelectCurMech(-1);  // the question may have let another robot be analysed
    SetModifiedFlag(1);
    WriteDefaultLoad(0, LOAD_TOOL);
    // The engine numbers the additional loads in the reverse order of the pages.
    for (int page = 1; page <= 3; ++page) WriteDefaultLoad(page, 4 - page);
    DoAnalyse();
}
