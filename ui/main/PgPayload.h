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

private:
    CDlgMain* m_pOwner;
    CDgmPayload m_dgm;
};
