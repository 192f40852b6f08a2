// A bar-chart result page (moment or inertia): hosts one CDgmBarChart for the
// screen and shows the colour key of the zones along its bottom edge.
#pragma once

#include "DgmBarChart.h"
#include "KestLoadLibExport.h"
#include "PgResult.h"

class KESTLOADLIB_API CPgBarChart : public CPgResult {
    Q_OBJECT
public:
    CPgBarChart(CDlgMain* owner, QWidget* parent);
    void SetKind(int kind) { m_nKind = kind; }
    int GetKind() const { return m_nKind; }
    CDgmBarChart& Chart() { return m_chart; }
    const CDgmBarChart& Chart() const { return m_chart; }

protected:
    void LayoutDrawing(const QRect& page) override;
    void DrawDrawing(kest::CKestDC& dc) const override;
    QString HitDrawing(const QPoint& pt) override;
    QString ToolTipAt(const QPoint& pt) const override { return m_chart.layTable.CutTextAt(pt); }

private:
    mutable CDgmBarChart m_chart;
    int m_nKind = CDgmBarChart::KIND_MOMENT;
};
