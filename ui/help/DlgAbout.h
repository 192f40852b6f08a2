// The about box: application name, application version, mechanism-data version.
#pragma once

#include "KestDialog.h"

class KESTLOADLIB_API CDlgAbout : public CKestDialog {
    Q_OBJECT
public:
    explicit CDlgAbout(QWidget* parent);
    QString m_strAppName;
    QString m_strVersion;
    QString m_strMechVersion;

protected:
    void showEvent(QShowEvent* event) override;
};
