#include "DlgCrdSys.h"

#include <QPainter>

#include "DlgBuilder.h"
#include "KestDC.h"
#include "PathHelpers.h"
#include "Templates.h"

CDlgCrdSys::CDlgCrdSys(QWidget* parent, const QString& fileName) : QDialog(parent), m_strFileName(fileName) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    if (const kest::DlgTemplate* t = kest::FindDlgTemplate(kest::IDD_CRDSYS))
        kest::BuildDialogControls(this, *t);
    m_img.Load(LanguageAppFile(QStringLiteral("Image/") + m_strFileName));
    // The window takes the picture's size (an empty one when it is missing).
    setFixedSize(m_img.szImg.width(), m_img.szImg.height());
}

void CDlgCrdSys::paintEvent(QPaintEvent*) {
    QPainter p(this);
    kest::CKestDC dc(&p);
    m_img.DrawOwnSize(dc, QRect(0, 0, 0, 0));
}
