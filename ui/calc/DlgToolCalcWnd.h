// The tool calculator's window over the calculator's inputs (CToolCalcInputs): every change of an input
// is taken at once and recalculates; accepting checks every input and the
// chosen result. The main window runs it through CDlgToolCalc::DoModal.
#pragma once

#include <QPalette>

#include "KestDialog.h"

class CToolCalcInputs;
class QLineEdit;

namespace kest {
class CDataExchange;
}

class KESTLOADLIB_API CDlgToolCalcWnd : public CKestDialog {
    Q_OBJECT
public:
    // `calc` holds the inputs and the wrist values and outlives the window.
    CDlgToolCalcWnd(CToolCalcInputs* calc, QWidget* parent);

    // Inputs from the controls; a bad number shows "Enter a number." with
    // the field focused and stops the exchange. Writing fills every control.
    void DoDataExchange(kest::CDataExchange* pDX);
    bool UpdateData(bool bSaveAndValidate);
    // Takes the inputs as they are typed (a field that does not hold a number
    // yet keeps its value and is marked), recalculates and shows the results.
    // The status of CToolCalcInputs::Recalc.
    int Recalc();
    void OnEnChangeInput();
    void OnBnClickedOk();
    void OnBnClickedCrdSys();
    void OnBnClickedInerHnd();
    void OnBnClickedInerWk();

    void accept() override;
    void done(int result) override;

private:
    // The derived values, wrist values and both result rows into the controls.
    void WriteResults();
    // Opens the inertia calculator for the hand (true) or the workpiece.
    void RunInerCalc(bool hand);

    CToolCalcInputs* m_pCalc;  // not owned
    QPalette m_palEdit;        // the input fields' own look
};
