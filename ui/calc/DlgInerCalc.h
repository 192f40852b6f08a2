// The inertia calculator: a mass and the outer size of a box give the moments
// of inertia of a solid cuboid about axes through its centre, parallel to its
// edges. The caller fills m_strTitleAdd, m_dMass and m_dSize, runs the dialog
// and, when it ends with "Input" (Accepted), reads m_dIner (and m_dSize).
#pragma once

#include <QPalette>
#include <QString>

#include "KestDialog.h"

namespace kest {
class CDataExchange;
}

// The inertias of `strShape` with mass `dMass` (kg) and size `dSize` (dx, dy,
// dz in mm) into `dIner` (Ixx, Iyy, Izz in kg·m²). Only "cuboid" is known:
// 0, else -1 with `dIner` untouched.
KESTLOADLIB_API int CalcInertia(const QString& strShape, double dMass, const double dSize[3],
                                double dIner[3]);

class KESTLOADLIB_API CDlgInerCalc : public CKestDialog {
    Q_OBJECT
public:
    explicit CDlgInerCalc(QWidget* parent);

    QString m_strTitleAdd;                // appended to the caption
    double m_dMass = 0.0;                 // kg
    double m_dSize[3] = {0.0, 0.0, 0.0};  // mm
    double m_dIner[3] = {0.0, 0.0, 0.0};  // kg·m², results

    // Fills the fields, extends the caption, places the dialog beside its
    // parent and calculates. Runs once, when the dialog is first shown.
    bool OnInitDialog();
    // Mass and sizes; a bad number on reading shows "Enter a number." and
    // stops the exchange.
    void DoDataExchange(kest::CDataExchange* pDX);
    bool UpdateData(bool bSaveAndValidate);
    // Recalculates from the fields as they are typed. A field that does not
    // hold a number yet keeps its last value and is marked; nothing is shown.
    void Calc();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_bInitDone = false;
    QPalette m_palEdit;  // the input fields' own look
};
