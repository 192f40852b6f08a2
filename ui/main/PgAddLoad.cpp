#include "PgAddLoad.h"

#include <QLineEdit>

#include "DataExchange.h"
#include "DlgBuilder.h"
#include "DlgMain.h"
#include "LoadLimits.h"
#include "PrmLoadSub.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

namespace {
const int kEdits[] = {IDC_MASS, IDC_LX, IDC_LY, IDC_LZ, IDC_IXX, IDC_IYY, IDC_IZZ};
// The fields' names as the page labels them (the first from the string table).
const char* const kLabels[] = {nullptr, "Lx", "Ly", "Lz", "Ixx", "Iyy", "Izz"};
}  // namespace

CPgAddLoad::CPgAddLoad(CDlgMain* owner, QWidget* parent, CPrmLoadSub* load)
    : CDlgPg(IDD_PG_ADDLOAD, parent), m_pOwner(owner), m_pLoad(load) {
    for (int id : kEdits) {
        if (auto* e = DlgItem<QLineEdit>(this, id)) {
            connect(e, &QLineEdit::textChanged, this, &CPgAddLoad::OnEditChanged);
            connect(e, &QLineEdit::textEdited, this, &CPgAddLoad::OnEditEdited);
            connect(e, &QLineEdit::editingFinished, this, &CPgAddLoad::OnEditFinished);
        }
    }
}

bool CPgAddLoad::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    dx.m_strContext = m_strName;
    // A bad value is reported with this page in front.
    dx.m_onFail = [this](int) {
        if (m_pOwner) m_pOwner->ShowPgAddLoadOf(this);
    };
    double* fields[7] = {&m_pLoad->Mass, &m_pLoad->Lx,  &m_pLoad->Ly, &m_pLoad->Lz,
                         &m_pLoad->Ixx,  &m_pLoad->Iyy, &m_pLoad->Izz};
    for (int i = 0; i < 7; ++i) {
        // Positions are shown in millimetres and held in metres.
        const bool position = i >= 1 && i <= 3;
        double shown = position ? *fields[i] * 1000.0 : *fields[i];
        // Magnitudes no real load has are refused like any bad number; a
        // negative mass or inertia with its own message.
        NumberBounds bounds;
        bounds.max = position ? kMaxLoadPositionMm : i == 0 ? kMaxLoadMass : kMaxLoadInertia;
        bounds.min = position ? -kMaxLoadPositionMm : 0.0;
        if (!position) bounds.belowMin = LoadKestString(IDS_NEGATIVE_ENTRY);
        DDX_Text(&dx, kEdits[i], shown,
                 kLabels[i] ? QString::fromLatin1(kLabels[i]) : LoadKestString(IDS_MASS), bounds);
        if (dx.m_bFailed) break;  // the fields after a bad one are not read
        if (saveAndValidate) *fields[i] = position ? shown / 1000.0 : shown;
    }
    return !dx.m_bFailed;
}

bool CPgAddLoad::ReadFields(CPrmLoadSub& out) const {
    double* fields[7] = {&out.Mass, &out.Lx, &out.Ly, &out.Lz, &out.Ixx, &out.Iyy, &out.Izz};
    bool all = true;
    for (int i = 0; i < 7; ++i) {
        double v = 0;
        if (!TextToDouble(GetDlgItemText(this, kEdits[i]), v)) {
            all = false;
            continue;
        }
        *fields[i] = i >= 1 && i <= 3 ? v / 1000.0 : v;
    }
    return all;
}

void CPgAddLoad::OnEditChanged() {
    if (m_pOwner) m_pOwner->UpdateInTable();
}

void CPgAddLoad::OnEditEdited() {
    if (m_pOwner == nullptr) return;
    m_pOwner->SetModifiedFlag(1);
    m_pOwner->OnLoadEdited(false);
}

void CPgAddLoad::OnEditFinished() {
    if (m_pOwner) m_pOwner->OnLoadEdited(true);
}
