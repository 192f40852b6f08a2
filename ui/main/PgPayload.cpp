#include "PgPayload.h"

#include "Templates.h"

CPgPayload::CPgPayload(CDlgMain* owner, QWidget* parent)
    : CDlgPg(kest::IDD_PG_PAYLOAD, parent), m_pOwner(owner) {}
