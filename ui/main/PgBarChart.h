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

private:
    CDlgMain* m_pOwner;
    CDgmBarChart m_chart;
    int m_nKind = CDgmBarChart::KIND_MOMENT;
};
