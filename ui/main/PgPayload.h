// The payload-diagram result page: hosts one CDgmPayload for the screen.
#pragma once

#include "DgmPayload.h"
#include "KestLoadLibExport.h"
#include "PgResult.h"

class KESTLOADLIB_API CPgPayload : public CPgResult {
    Q_OBJECT
public:
    CPgPayload(CDlgMain* owner, QWidget* parent);
    CDgmPayload& Diagram() { return m_dgm; }
    const CDgmPayload& Diagram() const { return m_dgm; }

protected:
    void LayoutDrawing(const QRect& page) override;
    void DrawDrawing(kest::CKestDC& dc) const override;
    QString HitDrawing(const QPoint& pt) override;

private:
    mutable CDgmPayload m_dgm;
};
