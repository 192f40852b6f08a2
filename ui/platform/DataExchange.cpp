#include "DataExchange.h"

#include <QLineEdit>
#include <QWidget>
#include <cmath>

#include "DlgBuilder.h"
#include "MessageBox.h"
#include "NumText.h"
#include "Strings.h"

namespace kest {

QString DoubleToText(double value) { return QString::fromStdString(FormatC("%.15g", value)); }

bool TextToDouble(const QString& text, double& value) {
    const QByteArray utf8 = text.toUtf8();
    double read = 0.0;
    if (!ParseDouble(utf8.constData(), read) || !std::isfinite(read)) return false;
    value = read;
    return true;
}

void DDX_Text(CDataExchange* pDX, int id, QString& value) {
    if (pDX->m_bFailed) return;
    if (pDX->m_bSaveAndValidate) {
        value = GetDlgItemText(pDX->m_pDlgWnd, id);
    } else {
        SetDlgItemText(pDX->m_pDlgWnd, id, value);
    }
}

namespace {

// Reports a bad value of control `id` ("<context> <label>: <text>") and selects it.
void FailExchange(CDataExchange* pDX, int id, const QString& label, const QString& text) {
    pDX->m_bFailed = true;
    if (pDX->m_onFail) pDX->m_onFail(id);
    const QString field = (pDX->m_strContext + QLatin1Char(' ') + label).trimmed();
    KestMessageBox(field.isEmpty() ? text : field + QStringLiteral(": ") + text,
                   KEST_MB_OK | KEST_MB_ICONWARNING);
    if (QWidget* w = GetDlgItem(pDX->m_pDlgWnd, id)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    }
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, double& value, const QString& label) {
    DDX_Text(pDX, id, value, label, NumberBounds());
}

void DDX_Text(CDataExchange* pDX, int id, double& value, const QString& label, const NumberBounds& bounds) {
    if (pDX->m_bFailed) return;
    if (!pDX->m_bSaveAndValidate) {
        SetDlgItemText(pDX->m_pDlgWnd, id, DoubleToText(value));
        return;
    }
    const QString text = GetDlgItemText(pDX->m_pDlgWnd, id);
    double read = 0.0;
    const NumberCheck check = CheckNumberText(text, value, bounds, read);
    if (check == NumberCheck::Ok) {
        value = read;
        return;
    }
    // The exchange's own message, in the window's language.
    const QString enterNumber = LoadKestString(IDS_ENTER_NUMBER);
    FailExchange(
        pDX, id, label,
        check == NumberCheck::BelowMin && !bounds.belowMin.isEmpty() ? bounds.belowMin : enterNumber);
}

NumberCheck CheckNumberText(const QString& text, double held, const NumberBounds& bounds, double& value) {
    double read = 0.0;
    if (!TextToDouble(text, read)) return NumberCheck::NotNumber;
    // The text the exchange showed for the member (a value an opened file
    // brought) is taken as it is: only a changed value has to lie within the bounds.
    const bool kept = read == held || text == DoubleToText(held);
    if (!kept && read > bounds.max) return NumberCheck::NotNumber;
    if (!kept && read < bounds.min) return NumberCheck::BelowMin;
    value = read;
    return NumberCheck::Ok;
}

}  // namespace kest
