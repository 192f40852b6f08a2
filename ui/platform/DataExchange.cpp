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

void DDX_Text(CDataExchange* pDX, int id, double& value, const QString& label) {
    if (pDX->m_bFailed) return;
    if (!pDX->m_bSaveAndValidate) {
        SetDlgItemText(pDX->m_pDlgWnd, id, DoubleToText(value));
        return;
    }
    double read = 0.0;
    if (TextToDouble(GetDlgItemText(pDX->m_pDlgWnd, id), read)) {
        value = read;
        return;
    }
    pDX->m_bFailed = true;
    if (pDX->m_onFail) pDX->m_onFail(id);
    const QString field = (pDX->m_strContext + QLatin1Char(' ') + label).trimmed();
    // The exchange's own message, in the window's language.
    const QString text = LoadKestString(IDS_ENTER_NUMBER);
    KestMessageBox(field.isEmpty() ? text : field + QStringLiteral(": ") + text,
                   KEST_MB_OK | KEST_MB_ICONWARNING);
    if (QWidget* w = GetDlgItem(pDX->m_pDlgWnd, id)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    }
}

}  // namespace kest
