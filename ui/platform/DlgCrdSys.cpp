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
    // The window opens at the picture's size and can be made larger or
    // smaller; the picture follows with its proportions kept.
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    m_img.nAlign = CImg::ALIGN_CENTER;
    const QSize natural = m_img.szImg.isEmpty() ? QSize(320, 240) : m_img.szImg;
    setMinimumSize(natural / 4);
    resize(natural);
}

void CDlgCrdSys::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    kest::CKestDC dc(&p);
    m_img.Draw(dc, rect(), true);
}
