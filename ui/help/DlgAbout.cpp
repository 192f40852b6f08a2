#include "DlgAbout.h"

#include "DataExchange.h"
#include "Templates.h"

using namespace kest;

CDlgAbout::CDlgAbout(QWidget* parent) : CKestDialog(IDD_ABOUT, parent) {}

void CDlgAbout::showEvent(QShowEvent* event) {
    CDataExchange dx(this, false);
    DDX_Text(&dx, IDC_ABOUT_APP, m_strAppName);
    DDX_Text(&dx, IDC_ABOUT_VERSION, m_strVersion);
    DDX_Text(&dx, IDC_ABOUT_MECH_VERSION, m_strMechVersion);
    CKestDialog::showEvent(event);
}
