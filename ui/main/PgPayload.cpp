#include "PgPayload.h"

#include <QMouseEvent>
#include <QPainter>

#include "DlgMain.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "Templates.h"

CPgPayload::CPgPayload(CDlgMain* owner, QWidget* parent)
    : CDlgPg(kest::IDD_PG_PAYLOAD, parent), m_pOwner(owner) {}

void CPgPayload::Relayout() {
    const QRect r = rect();
    m_dgm.rcBack = r;
    // The diagram takes the upper 82 %; its legend box lies below.
    m_dgm.Layout(QRect(r.left(), r.top(), r.width(), kest::Trunc(0.82 * r.height())));
    update();
}

void CPgPayload::resizeEvent(QResizeEvent* event) {
    CDlgPg::resizeEvent(event);
    Relayout();
}

QImage CPgPayload::Render() const {
    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(Qt::white);
    QPainter p(&buffer);
    kest::CKestDC dc(&p);
    m_dgm.Draw(dc, false, false);
    return buffer;
}

void CPgPayload::paintEvent(QPaintEvent*) {
    // One off-screen picture per paint, copied in one go.
    const QImage buffer = Render();
    QPainter p(this);
    p.drawImage(0, 0, buffer);
}

void CPgPayload::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int hit = m_dgm.HitTest(event->position().toPoint());
        if (hit >= 0) {
            if (m_pOwner) m_pOwner->OnSelLegend(m_dgm.pMngLegend->Name(hit));
            update();
        }
    }
    CDlgPg::mousePressEvent(event);
}
