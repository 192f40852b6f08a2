// The tool calculator's dialog over a copy of the project's inputs
// (ToolCalcInputs.h): DoModal builds the window for one run.
#pragma once

#include "KestLoadLibExport.h"
#include "ToolCalcInputs.h"

class QWidget;

class KESTLOADLIB_API CDlgToolCalc : public CToolCalcInputs {
public:
    CDlgToolCalc() = default;
    explicit CDlgToolCalc(const CToolCalcInputs& inputs) : CToolCalcInputs(inputs) {}

    // Runs the dialog over these inputs; IDOK (1) keeps what was typed,
    // IDCANCEL (2) puts the inputs back as they were.
    int DoModal(QWidget* pParent);
};
