#include "DlgInerCalc.h"

#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "Colors.h"
#include "DataExchange.h"
#include "DlgBuilder.h"
#include "MessageBox.h"
#include "NumText.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

namespace {

const int kInputs[4] = {IDC_INER_MASS, IDC_INER_DX, IDC_INER_DY, IDC_INER_DZ};
const int kResults[3] = {IDC_INER_IXX, IDC_INER_IYY, IDC_INER_IZZ};

// A field's text as a finite number.
bool ReadNumber(const QString& text, double& value) {
    double v = 0.0;
    if (!TextToDouble(text, v) || !std::isfinite(v)) return false;
    value = v;
    return true;
}

// The real-number exchange, refusing also text that reads as an infinite or
// not-a-number value.
void DDX_Number(CDataExchange* pDX, int id, double& value) {
    if (pDX->m_bFailed) return;
    if (!pDX->m_bSaveAndValidate || ReadNumber(GetDlgItemText(pDX->m_pDlgWnd, id), value)) {
        DDX_Text(pDX, id, value);
        return;
    }
    pDX->m_bFailed = true;
    KestMessageBox(kest::LoadKestString(kest::IDS_ENTER_NUMBER), KEST_MB_OK | KEST_MB_ICONWARNING);
    if (auto* edit = DlgItem<QLineEdit>(pDX->m_pDlgWnd, id)) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

}  // namespace

int CalcInertia(const QString& strShape, double dMass, const double dSize[3], double dIner[3]) {
    if (strShape != QLatin1String("cuboid")) return -1;
    const double sx = dSize[0] / 1000.0;
    const double sy = dSize[1] / 1000.0;
    const double sz = dSize[2] / 1000.0;
    dIner[0] = (sy * sy + sz * sz) * dMass / 12.0;
    dIner[1] = (sz * sz + sx * sx) * dMass / 12.0;
    dIner[2] = (sx * sx + sy * sy) * dMass / 12.0;
    return 0;
}

CDlgInerCalc::CDlgInerCalc(QWidget* parent) : CKestDialog(IDD_INER_CALC, parent) {
    for (int id : kResults) {
        if (auto* edit = DlgItem<QLineEdit>(this, id)) {
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, CLR_LIGHTGREEN);
            edit->setPalette(pal);
            edit->setFocusPolicy(Qt::ClickFocus);
        }
    }
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->text() == QLatin1String("Cuboid")) {  // the shape box
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignCenter);
        }
    }
    for (int id : kInputs) {
        if (auto* edit = DlgItem<QLineEdit>(this, id)) {
            m_palEdit = edit->palette();
            connect(edit, &QLineEdit::textChanged, this, &CDlgInerCalc::Calc);
        }
    }
}

void CDlgInerCalc::showEvent(QShowEvent* event) {
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
    }
    CKestDialog::showEvent(event);
}

bool CDlgInerCalc::OnInitDialog() {
    UpdateData(false);
    setWindowTitle(windowTitle() + m_strTitleAdd);
    if (QWidget* owner = parentWidget()) move(owner->window()->frameGeometry().topLeft() + QPoint(150, 80));
    Calc();
    return true;
}

void CDlgInerCalc::DoDataExchange(CDataExchange* pDX) {
    DDX_Number(pDX, IDC_INER_MASS, m_dMass);
    DDX_Number(pDX, IDC_INER_DX, m_dSize[0]);
    DDX_Number(pDX, IDC_INER_DY, m_dSize[1]);
    DDX_Number(pDX, IDC_INER_DZ, m_dSize[2]);
}

bool CDlgInerCalc::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDlgInerCalc::Calc() {
    double* values[4] = {&m_dMass, &m_dSize[0], &m_dSize[1], &m_dSize[2]};
    for (int i = 0; i < 4; ++i) {
        auto* edit = DlgItem<QLineEdit>(this, kInputs[i]);
        if (!edit) continue;
        // Half-typed text ("", "-", "1e") is not an error yet: the field keeps
        // its last number and shows that it is not taken.
        const bool valid = ReadNumber(edit->text(), *values[i]);
        QPalette pal = m_palEdit;
        if (!valid) pal.setColor(QPalette::Base, CLR_PINK);
        edit->setPalette(pal);
    }
    CalcInertia(QStringLiteral("cuboid"), m_dMass, m_dSize, m_dIner);
    for (int i = 0; i < 3; ++i)
        SetDlgItemText(this, kResults[i], QString::fromStdString(FormatC("%.4f", m_dIner[i])));
}

void CDlgInerCalc::accept() {
    if (!UpdateData(true)) return;  // the message is shown; the dialog stays open
    CKestDialog::accept();
}
