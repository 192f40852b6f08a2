#include "PgResult.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "KestDC.h"

CPgResult::CPgResult(int templateId, CDlgMain* owner, QWidget* parent)
    : CDlgPg(templateId, parent), m_pOwner(owner) {}

void CPgResult::Relayout() {
    LayoutDrawing(rect());
    update();
}

void CPgResult::resizeEvent(QResizeEvent* event) {
    CDlgPg::resizeEvent(event);
    Relayout();
}

QImage CPgResult::Render() const {
    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(Qt::white);
    QPainter p(&buffer);
    kest::CKestDC dc(&p);
    DrawDrawing(dc);
    return buffer;
}

void CPgResult::paintEvent(QPaintEvent*) {
    // One off-screen picture per paint, copied in one go.
    const QImage buffer = Render();
    QPainter p(this);
    p.drawImage(0, 0, buffer);
}

bool CPgResult::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        kest::ShowToolTipText(this, help, ToolTipAt(help->pos()));
        return true;
    }
    return CDlgPg::event(event);
}

void CPgResult::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QString hit = HitDrawing(event->position().toPoint());
        if (!hit.isNull()) {
            if (m_pOwner) m_pOwner->OnSelLegend(hit);
            update();
        }
    }
    CDlgPg::mousePressEvent(event);
}
