// The page on which one load is edited: mass in kg, centre of gravity in mm and
// inertias in kg·m²; the record behind it holds metres.
#pragma once

#include "DlgPg.h"
#include "KestLoadLibExport.h"

class CPrmLoadSub;
class CDlgMain;

class KESTLOADLIB_API CPgAddLoad : public CDlgPg {
    Q_OBJECT
public:
    CPgAddLoad(CDlgMain* owner, QWidget* parent, CPrmLoadSub* load);
    // true: edits -> record; false: record -> edits. False when a value could not be read.
    bool UpdateData(bool saveAndValidate);
    CPrmLoadSub* Load() const { return m_pLoad; }
    // The fields as numbers into `out` without a message: a field that does not
    // hold a number the exchange would take (a changed negative mass or an
    // absurd magnitude) leaves its value in `out`. False when any did not.
    bool ReadFields(CPrmLoadSub& out) const;
    // The page's name in messages about its fields ("Tool", "부가중량 V").
    void SetName(const QString& name) { m_strName = name; }

private:
    void OnEditChanged();
    void OnEditEdited();
    void OnEditFinished();

    CDlgMain* m_pOwner;
    CPrmLoadSub* m_pLoad;  // not owned
    QString m_strName;
};
