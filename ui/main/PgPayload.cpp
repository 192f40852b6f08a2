#include "PgPayload.h"

#include "DrawMath.h"
#include "MngLegend.h"
#include "Templates.h"

CPgPayload::CPgPayload(CDlgMain* owner, QWidget* parent) : CPgResult(kest::IDD_PG_PAYLOAD, owner, parent) {
    m_dgm.nMinTextPx = font().pixelSize();
}

void CPgPayload::LayoutDrawing(const QRect& page) {
    m_dgm.rcBack = page;
    // The diagram takes the upper 82 %; its legend box lies below.
    m_dgm.Layout(QRect(page.left(), page.top(), page.width(), kest::Trunc(0.82 * page.height())));
}

void CPgPayload::DrawDrawing(kest::CKestDC& dc) const { m_dgm.Draw(dc, false, false); }

QString CPgPayload::HitDrawing(const QPoint& pt) {
    const int hit = m_dgm.HitTest(pt);
    return hit >= 0 ? m_dgm.pMngLegend->Name(hit) : QString();
}
