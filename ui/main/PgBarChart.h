// A bar-chart result page (moment or inertia): hosts one CDgmBarChart for the
// screen and shows the colour key of the zones along its bottom edge.
#pragma once

#include "DgmBarChart.h"
#include "DlgPg.h"
#include "KestLoadLibExport.h"

class CDlgMain;

class KESTLOADLIB_API CPgBarChart : public CDlgPg {
    Q_OBJECT
public:
    CPgBarChart(CDlgMain* owner, QWidget* parent);
    void SetKind(int kind) { m_nKind = kind; }
    int GetKind() const { return m_nKind; }
    CDgmBarChart& Chart() { return m_chart; }
    const CDgmBarChart& Chart() const { return m_chart; }
    void Relayout();
    QImage Render() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CDlgMain* m_pOwner;
    mutable CDgmBarChart m_chart;
    int m_nKind = CDgmBarChart::KIND_MOMENT;
};
