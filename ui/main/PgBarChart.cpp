#include "PgBarChart.h"

#include <QLabel>
#include <algorithm>

#include "DlgBuilder.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "Templates.h"

using namespace kest;

CPgBarChart::CPgBarChart(CDlgMain* owner, QWidget* parent) : CPgResult(IDD_PG_BARCHART, owner, parent) {
    m_chart.nMinTextPx = font().pixelSize();
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

void CPgBarChart::LayoutDrawing(const QRect& page) {
    m_chart.Layout(page);
    // The zone key stays in the band below the table, however large the page.
    const int band = kest::Bottom(page) - kest::Bottom(m_chart.rcTable);
    for (QLabel* l : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        l->move(l->x(), kest::Bottom(m_chart.rcTable) + std::max(0, (band - l->height()) / 2));
    }
}

void CPgBarChart::DrawDrawing(CKestDC& dc) const { m_chart.Draw(dc, false, false, m_nKind); }

QString CPgBarChart::HitDrawing(const QPoint& pt) {
    const int hit = m_chart.HitTest(pt);
    return hit >= 0 ? m_chart.pMngLegend->Name(hit) : QString();
}
