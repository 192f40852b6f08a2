// The payload-diagram result page: hosts one CDgmPayload for the screen.
#pragma once

#include "DgmPayload.h"
#include "DlgPg.h"
#include "KestLoadLibExport.h"

class CDlgMain;

class KESTLOADLIB_API CPgPayload : public CDlgPg {
    Q_OBJECT
public:
    CPgPayload(CDlgMain* owner, QWidget* parent);
    CDgmPayload& Diagram() { return m_dgm; }
    const CDgmPayload& Diagram() const { return m_dgm; }
    // Lays the diagram out in the page (after a resize or new values) and repaints.
    void Relayout();
    // The page as it paints itself.
    QImage Render() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CDlgMain* m_pOwner;
    mutable CDgmPayload m_dgm;
};
