#include "DlgFileProp.h"

#include "DlgBuilder.h"
#include "Templates.h"

CDlgFileProp::CDlgFileProp(QWidget* parent) : CKestDialog(kest::IDD_FILE_PROP, parent) {}

void CDlgFileProp::showEvent(QShowEvent* event) {
    kest::SetDlgItemText(this, kest::IDC_FILE_PATH, m_strPathName);
    CKestDialog::showEvent(event);
}
