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

bool IsPosition(int field) { return field >= 1 && field <= 3; }

// Magnitudes no real load has are refused like any bad number; a negative mass
// or inertia with its own message.
NumberBounds FieldBounds(int field) {
    NumberBounds bounds;
    const bool position = IsPosition(field);
    bounds.max = position ? kMaxLoadPositionMm : field == 0 ? kMaxLoadMass : kMaxLoadInertia;
    bounds.min = position ? -kMaxLoadPositionMm : 0.0;
    if (!position) bounds.belowMin = LoadKestString(IDS_NEGATIVE_ENTRY);
    return bounds;
}
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
        const bool position = IsPosition(i);
        double shown = position ? *fields[i] * 1000.0 : *fields[i];
        DDX_Text(&dx, kEdits[i], shown,
                 kLabels[i] ? QString::fromLatin1(kLabels[i]) : LoadKestString(IDS_MASS), FieldBounds(i));
        if (dx.m_bFailed) break;  // the fields after a bad one are not read
        if (saveAndValidate) *fields[i] = position ? shown / 1000.0 : shown;
    }
    return !dx.m_bFailed;
}

bool CPgAddLoad::ReadFields(CPrmLoadSub& out) const {
    double* fields[7] = {&out.Mass, &out.Lx, &out.Ly, &out.Lz, &out.Ixx, &out.Iyy, &out.Izz};
    const double held[7] = {m_pLoad->Mass, m_pLoad->Lx,  m_pLoad->Ly, m_pLoad->Lz,
                            m_pLoad->Ixx,  m_pLoad->Iyy, m_pLoad->Izz};
    bool all = true;
    for (int i = 0; i < 7; ++i) {
        const double scale = IsPosition(i) ? 1000.0 : 1.0;
        double v = 0;
        if (CheckNumberText(GetDlgItemText(this, kEdits[i]), held[i] * scale, FieldBounds(i), v) !=
            NumberCheck::Ok) {
            all = false;
            continue;
        }
        *fields[i] = v / scale;
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
