// The load calculator's window: a tab per load kind, the predefined loads of
// PredefLoad.xml with their filters, picture and description, the editable
// table of the tab's part loads, their sum, and a guide to the coordinate
// origins. It edits the lists of a CLoadCalcLists, which outlive it.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "DlgLoadCalc.h"
#include "Grid.h"
#include "Img.h"
#include "KestDialog.h"

class QComboBox;
class QKeyEvent;
class CTabCtrl2;
namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CDlgLoadCalcWnd : public CKestDialog {
    Q_OBJECT
public:
    CDlgLoadCalcWnd(CLoadCalcLists* pCalc, QWidget* parent);
    ~CDlgLoadCalcWnd() override;

    // Builds the tabs and grids and reads the predefined loads. Runs once,
    // when the window is first shown.
    bool OnInitDialog();

    // Handlers of the controls.
    void OnSelchangeTab();
    void OnBnClickedAppl();
    void OnSelchangePredef();
    void OnBnClickedSetRow();
    void OnBnClickedAddRow();
    void OnBnClickedDelRow();
    void OnBnClickedRowUp();
    void OnBnClickedRowDn();
    void OnBnClickedInerCalc();
    // Import from CAD: the load the import dialog gives becomes the list's last row.
    void OnBnClickedImport();
    int OnBeginEditLoad(const GrNotify& nm);
    void OnEndEditLoad(const GrNotify& nm);

    // Re-reads PredefLoad.xml into the name box through the filters.
    void ReadPredef();
    // The current list in the table (row count 1 + list size) and its sum.
    void ShowLoads();
    void ShowSum();
    // The line that names the load pages "Input" will write.
    void ShowInputPages();
    // Takes a text for a cell of the table: 0, -1 not a number (nothing
    // changes), -2 not a value column, -3 not a row of the list.
    int SetCellValue(const QString& strText);
    int SetCellValue(int nCol, int nRow, const QString& strText);
    // Keys on the table with no edit open: true when consumed.
    bool PreTranslateMessage(QKeyEvent* event);
    // The description frame or a picture frame (IDC_LC_DESC, IDC_LC_IMG,
    // IDC_LC_GUIDE), in the window's coordinates.
    void DrawFrame(kest::CKestDC& dc, int nID);

    // The list of the current tab (0 tool, 1 V, 2 H, 3 S).
    int CurKind() const;
    CLoadArray& CurList();

    QString m_strMount = QStringLiteral("Tool");
    QString m_strAppl = QStringLiteral("Spot,Arc,Handling");
    int m_nPredefVer = 0;
    QString m_strPredefDate;
    QString m_strDescription;
    QString m_strImg;
    QString m_strGuideImg;
    // Why PredefLoad.xml could not be read; empty when it could.
    QString m_strPredefError;

    CTabCtrl2* m_pTab = nullptr;
    QComboBox* m_pName = nullptr;
    CGrid m_gridPredef;
    CGrid m_gridLoad;
    CGrid m_gridSum;
    CGrid m_gridLegend;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int r) override;

private:
    void SetUpGrids();
    // The load of a table row; the blank row of an empty list becomes its
    // first load. Null for a row outside the list.
    CLoad* RowLoad(int nRow);
    void SetRowValues(CGrid& grid, int nRow, int nFirstCol, const CPrmLoadSub& prm);
    void MakeCurrent(int nCol, int nRow);
    void RepaintFrames();
    void DrawPicture(kest::CKestDC& dc, CImg& img, const QString& strFile, const QRect& rc);

    CLoadCalcLists* m_pCalc;
    std::vector<CLoad> m_predef;  // the loads of the name box's items
    CImg m_imgLoad;
    CImg m_imgGuide;
    QFont m_fontNormal;
    QFont m_fontBold;
    QFont m_fontHead;
    QRect m_rcImg, m_rcGuide, m_rcDesc;
    QWidget* m_pFrames[3] = {nullptr, nullptr, nullptr};  // description, picture, guide
    int m_nLoadRows = 50;                                 // rows the table holds, the header included
    bool m_bInitDone = false;
    bool m_bPredefWarned = false;  // the loads left out of PredefLoad.xml were named
};
