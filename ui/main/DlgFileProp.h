// File properties: the project's full path, read-only.
#pragma once

#include "KestDialog.h"

class KESTLOADLIB_API CDlgFileProp : public CKestDialog {
    Q_OBJECT
public:
    explicit CDlgFileProp(QWidget* parent);
    QString m_strPathName;

protected:
    void showEvent(QShowEvent* event) override;
};
