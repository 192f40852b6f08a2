#include "PgBarChart.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "Templates.h"

using namespace kest;

CPgBarChart::CPgBarChart(CDlgMain* owner, QWidget* parent)
    : CDlgPg(IDD_PG_BARCHART, parent), m_pOwner(owner) {
    // The zone key: each static on its zone's colour.
    const struct {
        int id;
        QColor color;
    } keys[] = {{IDC_ZONE_NORMAL, QColor(180, 255, 100)},
                {IDC_ZONE_HIGH, QColor(255, 255, 200)},
                {IDC_ZONE_OVER, QColor(255, 225, 225)}};
    for (const auto& k : keys) {
        if (auto* l = DlgItem<QLabel>(this, k.id)) {
            l->setAutoFillBackground(true);
            QPalette pal = l->palette();
            pal.setColor(QPalette::Window, k.color);
            l->setPalette(pal);
            l->setAlignment(Qt::AlignCenter);
        }
    }
}

void CPgBarChart::Relayout() {
    m_chart.Layout(rect());
    update();
}

void CPgBarChart::resizeEvent(QResizeEvent* event) {
    CDlgPg::resizeEvent(event);
    Relayout();
}

QImage CPgBarChart::Render() const {
    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(Qt::white);
    QPainter p(&buffer);
    CKestDC dc(&p);
    m_chart.Draw(dc, false, false, m_nKind);
    return buffer;
}

void CPgBarChart::paintEvent(QPaintEvent*) {
    const QImage buffer = Render();
    QPainter p(this);
    p.drawImage(0, 0, buffer);
}

void CPgBarChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int hit = m_chart.HitTest(event->position().toPoint());
        if (hit >= 0) {
            if (m_pOwner) m_pOwner->OnSelLegend(m_chart.pMngLegend->Name(hit));
            update();
        }
    }
    CDlgPg::mousePressEvent(event);
}
