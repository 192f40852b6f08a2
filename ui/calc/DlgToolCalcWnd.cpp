#include "DlgToolCalcWnd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "Colors.h"
#include "DataExchange.h"
#include "DlgBuilder.h"
#include "DlgCrdSys.h"
#include "DlgInerCalc.h"
#include "DlgToolCalc.h"
#include "Icons.h"
#include "MessageBox.h"
#include "NumText.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

namespace {

// The fourteen input fields in exchange order.
const struct Input {
    int id;
    double CToolCalcInputs::*member;
} kInputs[] = {
    {IDC_TC_MASS_HND, &CToolCalcInputs::MassHnd},  {IDC_TC_MASS_WK, &CToolCalcInputs::MassWk},
    {IDC_TC_COM_HND_X, &CToolCalcInputs::ComHndX}, {IDC_TC_COM_HND_Y, &CToolCalcInputs::ComHndY},
    {IDC_TC_COM_HND_Z, &CToolCalcInputs::ComHndZ}, {IDC_TC_COM_WK_X, &CToolCalcInputs::ComWkX},
    {IDC_TC_COM_WK_Y, &CToolCalcInputs::ComWkY},   {IDC_TC_COM_WK_Z, &CToolCalcInputs::ComWkZ},
    {IDC_TC_MI_HND_X, &CToolCalcInputs::MiHndX},   {IDC_TC_MI_HND_Y, &CToolCalcInputs::MiHndY},
    {IDC_TC_MI_HND_Z, &CToolCalcInputs::MiHndZ},   {IDC_TC_MI_WK_X, &CToolCalcInputs::MiWkX},
    {IDC_TC_MI_WK_Y, &CToolCalcInputs::MiWkY},     {IDC_TC_MI_WK_Z, &CToolCalcInputs::MiWkZ},
};

// The shown values: percent for the ratios, "%.1f" for the length e.
const struct Output {
    int id;
    double CToolCalcInputs::*member;
    const char* format;
    double factor;
} kOutputs[] = {
    {IDC_TC_T1A, &CToolCalcInputs::T1a, "%.3f", 1.0}, {IDC_TC_T2A, &CToolCalcInputs::T2a, "%.3f", 1.0},
    {IDC_TC_T1, &CToolCalcInputs::T1, "%.3f", 1.0},   {IDC_TC_T2, &CToolCalcInputs::T2, "%.3f", 1.0},
    {IDC_TC_RT1, &CToolCalcInputs::rT1, "%.1f", 100}, {IDC_TC_RT2, &CToolCalcInputs::rT2, "%.1f", 100},
    {IDC_TC_J1A, &CToolCalcInputs::J1a, "%.3f", 1.0}, {IDC_TC_J2A, &CToolCalcInputs::J2a, "%.3f", 1.0},
    {IDC_TC_O1H, &CToolCalcInputs::O1h, "%.3f", 1.0}, {IDC_TC_O2H, &CToolCalcInputs::O2h, "%.3f", 1.0},
    {IDC_TC_O1W, &CToolCalcInputs::O1w, "%.3f", 1.0}, {IDC_TC_O2W, &CToolCalcInputs::O2w, "%.3f", 1.0},
    {IDC_TC_C1H, &CToolCalcInputs::C1h, "%.3f", 1.0}, {IDC_TC_C2H, &CToolCalcInputs::C2h, "%.3f", 1.0},
    {IDC_TC_C1W, &CToolCalcInputs::C1w, "%.3f", 1.0}, {IDC_TC_C2W, &CToolCalcInputs::C2w, "%.3f", 1.0},
    {IDC_TC_J1, &CToolCalcInputs::J1, "%.3f", 1.0},   {IDC_TC_J2, &CToolCalcInputs::J2, "%.3f", 1.0},
    {IDC_TC_RJ1, &CToolCalcInputs::rJ1, "%.1f", 100}, {IDC_TC_RJ2, &CToolCalcInputs::rJ2, "%.1f", 100},
    {IDC_TC_E, &CToolCalcInputs::e, "%.1f", 1.0},
};

// The controls of a result row: Mass, Ixx, Iyy, Izz, Lx, Ly, Lz.
const int kRowHnd[7] = {IDC_TC_HND_MASS, IDC_TC_HND_IXX, IDC_TC_HND_IYY, IDC_TC_HND_IZZ,
                        IDC_TC_HND_LX,   IDC_TC_HND_LY,  IDC_TC_HND_LZ};
const int kRowAll[7] = {IDC_TC_ALL_MASS, IDC_TC_ALL_IXX, IDC_TC_ALL_IYY, IDC_TC_ALL_IZZ,
                        IDC_TC_ALL_LX,   IDC_TC_ALL_LY,  IDC_TC_ALL_LZ};

// Values that come from the robot, shown on yellow.
const int kFromRobot[] = {IDC_TC_T1A, IDC_TC_T2A, IDC_TC_J1A, IDC_TC_J2A, IDC_TC_E};

QString Fixed(const char* format, double value) { return QString::fromStdString(FormatC(format, value)); }

void SetBase(QWidget* w, const QColor& color) {
    if (w == nullptr) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, color);
    w->setPalette(pal);
}

}  // namespace

int CDlgToolCalc::DoModal(QWidget* pParent) {
    // The window takes every keystroke into this object; "Cancel" puts back
    // what it held.
    const CToolCalcInputs before = *this;
    CDlgToolCalcWnd wnd(this, pParent);
    if (wnd.exec() == QDialog::Accepted) return IDOK;
    static_cast<CToolCalcInputs&>(*this) = before;
    return IDCANCEL;
}

CDlgToolCalcWnd::CDlgToolCalcWnd(CToolCalcInputs* calc, QWidget* parent)
    : CKestDialog(IDD_TOOL_CALC, parent), m_pCalc(calc) {
    // Unnamed labels in blue, section titles in bold, the robot's values on
    // yellow and the results on green; only the inputs take the focus by Tab.
    const QFont bold = GdiFont(QStringLiteral("Arial"), 16, 700);
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int id = DlgCtrlId(label);
        if (id == -1) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, CLR_DEEPBLUE);
            label->setPalette(pal);
        } else if (id >= IDC_TC_SEC_RESULT && id <= IDC_TC_SEC_OTHER) {
            label->setFont(bold);
        }
    }
    for (QLineEdit* edit : findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (edit->isReadOnly()) edit->setFocusPolicy(Qt::ClickFocus);
    }
    for (int id : kFromRobot) SetBase(GetDlgItem(this, id), CLR_ORANGE);
    for (int i = 0; i < 7; ++i) {
        SetBase(GetDlgItem(this, kRowHnd[i]), CLR_LIGHTGREEN);
        SetBase(GetDlgItem(this, kRowAll[i]), CLR_LIGHTGREEN);
    }

    if (auto* b = DlgItem<QPushButton>(this, IDC_TC_CRDSYS)) {
        b->setIcon(QIcon(QPixmap::fromImage(DrawKestIcon(IconId::ToolCrdSys, 48))));
        b->setIconSize(QSize(48, 48));
        b->setToolTip(LoadKestString(IDS_CLICK_TO_ENLARGE));
        connect(b, &QPushButton::clicked, this, &CDlgToolCalcWnd::OnBnClickedCrdSys);
    }
    for (int id : {IDC_TC_INER_HND, IDC_TC_INER_WK}) {
        if (auto* b = DlgItem<QPushButton>(this, id)) {
            b->setIcon(QIcon(QPixmap::fromImage(DrawKestIcon(IconId::Calc, 16))));
            b->setIconSize(QSize(16, 16));
        }
    }
    if (auto* b = DlgItem<QPushButton>(this, IDC_TC_INER_HND))
        connect(b, &QPushButton::clicked, this, &CDlgToolCalcWnd::OnBnClickedInerHnd);
    if (auto* b = DlgItem<QPushButton>(this, IDC_TC_INER_WK))
        connect(b, &QPushButton::clicked, this, &CDlgToolCalcWnd::OnBnClickedInerWk);

    // The inputs are written once, as they are held (no change is taken back
    // from the written text), then every keystroke is taken.
    UpdateData(false);
    for (const Input& in : kInputs) {
        if (auto* edit = DlgItem<QLineEdit>(this, in.id)) {
            m_palEdit = edit->palette();
            connect(edit, &QLineEdit::textChanged, this, &CDlgToolCalcWnd::OnEnChangeInput);
        }
    }
    if (auto* r =
            DlgItem<QRadioButton>(this, CToolCalcInputs::s_bHandWork ? IDC_TC_RADIO_ALL : IDC_TC_RADIO_HND))
        r->setChecked(true);
    if (m_pCalc->Recalc() == 0) WriteResults();
}

void CDlgToolCalcWnd::DoDataExchange(CDataExchange* pDX) {
    for (const Input& in : kInputs) {
        DDX_Text(pDX, in.id, m_pCalc->*in.member);
        if (pDX->m_bFailed) return;
    }
    if (!pDX->m_bSaveAndValidate) WriteResults();
}

bool CDlgToolCalcWnd::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDlgToolCalcWnd::WriteResults() {
    const CToolCalcInputs& c = *m_pCalc;
    SetDlgItemText(this, IDC_TC_MASS_ALL, DoubleToText(c.MassAll));
    for (const Output& out : kOutputs)
        SetDlgItemText(this, out.id, Fixed(out.format, c.*out.member * out.factor));
    auto row = [this](const int ids[7], const CPrmLoadSub& p) {
        const double values[7] = {p.Mass, p.Ixx, p.Iyy, p.Izz, p.Lx, p.Ly, p.Lz};
        for (int i = 0; i < 7; ++i) SetDlgItemText(this, ids[i], Fixed("%.3f", values[i]));
    };
    row(kRowHnd, c.m_prmHnd);
    row(kRowAll, c.m_prmAll);
}

int CDlgToolCalcWnd::Recalc() {
    for (const Input& in : kInputs) {
        auto* edit = DlgItem<QLineEdit>(this, in.id);
        if (edit == nullptr) continue;
        // Half-typed text ("", "-", "1e") is no error yet: the field keeps its
        // last number and shows that it is not taken.
        double value = 0.0;
        const bool valid = TextToDouble(edit->text(), value);
        if (valid) m_pCalc->*in.member = value;
        QPalette pal = m_palEdit;
        if (!valid) pal.setColor(QPalette::Base, CLR_PINK);
        edit->setPalette(pal);
    }
    const int rc = m_pCalc->Recalc();
    // A pass that stopped at the wrist leaves the last complete one on screen.
    // One that stopped at a total mass of 0 has computed everything but the
    // combined load's centre of gravity and inertias, which is shown: own
    // inertias handed back by the inertia calculator appear at once.
    if (rc == 0 || rc == -5) WriteResults();
    return rc;
}

void CDlgToolCalcWnd::OnEnChangeInput() { Recalc(); }

void CDlgToolCalcWnd::accept() { OnBnClickedOk(); }

void CDlgToolCalcWnd::OnBnClickedOk() {
    if (!UpdateData(true)) return;  // "Enter a number." was shown; the dialog stays open
    const int rc = Recalc();
    const auto* all = DlgItem<QRadioButton>(this, IDC_TC_RADIO_ALL);
    const bool handWork = all != nullptr && all->isChecked();
    // Only a result computed from the inputs now on screen is handed over.
    QString refusal;
    if (rc <= -1 && rc >= -4) {
        refusal = LoadKestString(IDS_TC_NO_WRIST);
    } else if (rc == -5 && handWork) {
        refusal = LoadKestString(IDS_TC_TOTAL_MASS_ZERO);
    } else {
        const CPrmLoadSub& p = handWork ? m_pCalc->m_prmAll : m_pCalc->m_prmHnd;
        for (double v : {p.Mass, p.Lx, p.Ly, p.Lz, p.Ixx, p.Iyy, p.Izz}) {
            if (!std::isfinite(v)) refusal = LoadKestString(IDS_TC_RESULT_TOO_LARGE);
        }
    }
    if (!refusal.isEmpty()) {
        KestMessageBox(refusal, KEST_MB_OK | KEST_MB_ICONWARNING);
        return;
    }
    CToolCalcInputs::s_bHandWork = handWork ? 1 : 0;
    CKestDialog::accept();
}

void CDlgToolCalcWnd::done(int result) {
    // The picture windows opened from here close with the calculator.
    for (CDlgCrdSys* w : findChildren<CDlgCrdSys*>(QString(), Qt::FindDirectChildrenOnly)) w->close();
    CKestDialog::done(result);
}

void CDlgToolCalcWnd::OnBnClickedCrdSys() {
    auto* w = new CDlgCrdSys(this, QStringLiteral("tc_crd.png"));
    w->show();
}

void CDlgToolCalcWnd::OnBnClickedInerHnd() { RunInerCalc(true); }

void CDlgToolCalcWnd::OnBnClickedInerWk() { RunInerCalc(false); }

void CDlgToolCalcWnd::RunInerCalc(bool hand) {
    CToolCalcInputs& c = *m_pCalc;
    double* size[3] = {&c.SizeHndX, &c.SizeHndY, &c.SizeHndZ};
    if (!hand) size[0] = &c.SizeWkX, size[1] = &c.SizeWkY, size[2] = &c.SizeWkZ;
    CDlgInerCalc dlg(this);
    dlg.m_strTitleAdd = hand ? QStringLiteral(" - hand") : QStringLiteral(" - workpiece");
    dlg.m_dMass = hand ? c.MassHnd : c.MassWk;
    for (int i = 0; i < 3; ++i) dlg.m_dSize[i] = *size[i];
    if (dlg.exec() != QDialog::Accepted) return;
    for (int i = 0; i < 3; ++i) *size[i] = dlg.m_dSize[i];
    // The four-decimal texts are read back as the inputs, so the inertias
    // equal what is shown. A mass changed there is not taken over.
    const int ids[3] = {hand ? IDC_TC_MI_HND_X : IDC_TC_MI_WK_X, hand ? IDC_TC_MI_HND_Y : IDC_TC_MI_WK_Y,
                        hand ? IDC_TC_MI_HND_Z : IDC_TC_MI_WK_Z};
    for (int i = 0; i < 3; ++i) SetDlgItemText(this, ids[i], Fixed("%.4f", dlg.m_dIner[i]));
}
