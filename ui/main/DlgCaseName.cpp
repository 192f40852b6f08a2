#include "DlgCaseName.h"

#include <QLineEdit>

#include "DlgBuilder.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

CDlgCaseName::CDlgCaseName(QWidget* parent, const QString& shownName, const QString& name)
    : CKestDialog(IDD_CASE_NAME, parent) {
    SetDlgItemText(this, IDC_CASE_NAME_PROMPT, LoadKestString(IDS_CASE_NAME_PROMPT).arg(shownName));
    if (auto* e = DlgItem<QLineEdit>(this, IDC_CASE_NAME)) {
        e->setText(name);
        e->selectAll();
        e->setFocus();
    }
}

QString CDlgCaseName::Name() const { return GetDlgItemText(this, IDC_CASE_NAME); }
