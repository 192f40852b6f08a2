// The load-case result page: hosts one CDgmCaseMatrix for the screen; a click
// on a case's cell makes that case (and its robot) current.
#pragma once

#include "DgmCaseMatrix.h"
#include "KestLoadLibExport.h"
#include "PgResult.h"

class KESTLOADLIB_API CPgCaseMatrix : public CPgResult {
    Q_OBJECT
public:
    CPgCaseMatrix(CDlgMain* owner, QWidget* parent);
    CDgmCaseMatrix& Matrix() { return m_dgm; }
    // Where the matrix is drawn in the page.
    QRect MatrixRect() const { return m_rcMatrix; }

protected:
    void LayoutDrawing(const QRect& page) override;
    void DrawDrawing(kest::CKestDC& dc) const override;
    QString HitDrawing(const QPoint& pt) override;
    QString ToolTipAt(const QPoint& pt) const override;

private:
    CDlgMain* m_pDlg;
    CDgmCaseMatrix m_dgm;
    QRect m_rcMatrix;
};
