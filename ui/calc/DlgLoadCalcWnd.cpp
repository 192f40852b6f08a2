#include "DlgLoadCalcWnd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DlgCrdSys.h"
#include "DlgInerCalc.h"
#include "Icons.h"
#include "KestDC.h"
#include "Language.h"
#include "MessageBox.h"
#include "NumText.h"
#include "PathHelpers.h"
#include "StrParse.h"
#include "Strings.h"
#include "TabCtrl2.h"
#include "Templates.h"

using namespace kest;

namespace {

const char* const kMounts[4] = {"Tool", "V", "H", "S"};
const QColor kHeadBack(200, 200, 200);
const QColor kPredefBack(242, 242, 242);
const QColor kSumBack(255, 255, 170);
const unsigned kLeft = 0;   // left-aligned text
const unsigned kRight = 2;  // right-aligned text
const char* const kValueHeads[7] = {"Mass[kg]",  "Lx[mm]",    "Ly[mm]",   "Lz[mm]",
                                    "Ixx[kgm2]", "Iyy[kgm2]", "Izz[kgm2]"};

QString Fmt(const char* format, double value) { return QString::fromStdString(FormatC(format, value)); }

}  // namespace

CDlgLoadCalcWnd::CDlgLoadCalcWnd(CLoadCalcLists* pCalc, QWidget* parent)
    : CKestDialog(IDD_LOAD_CALC, parent), m_pCalc(pCalc) {
    auto connectButton = [this](int id, void (CDlgLoadCalcWnd::*handler)()) {
        if (auto* b = DlgItem<QPushButton>(this, id)) connect(b, &QPushButton::clicked, this, handler);
    };
    connectButton(IDC_LC_SET_ROW, &CDlgLoadCalcWnd::OnBnClickedSetRow);
    connectButton(IDC_LC_ADD_ROW, &CDlgLoadCalcWnd::OnBnClickedAddRow);
    connectButton(IDC_LC_DEL_ROW, &CDlgLoadCalcWnd::OnBnClickedDelRow);
    connectButton(IDC_LC_ROW_UP, &CDlgLoadCalcWnd::OnBnClickedRowUp);
    connectButton(IDC_LC_ROW_DN, &CDlgLoadCalcWnd::OnBnClickedRowDn);
    connectButton(IDC_LC_INER, &CDlgLoadCalcWnd::OnBnClickedInerCalc);
    connectButton(IDC_LC_IMPORT, &CDlgLoadCalcWnd::OnBnClickedImport);
    for (int id : {IDC_LC_SPOT, IDC_LC_ARC, IDC_LC_HANDLING}) {
        if (auto* c = DlgItem<QCheckBox>(this, id))
            connect(c, &QCheckBox::clicked, this, [this] { OnBnClickedAppl(); });
    }
    m_pName = DlgItem<QComboBox>(this, IDC_LC_NAME);
    if (m_pName) connect(m_pName, &QComboBox::activated, this, [this] { OnSelchangePredef(); });
    if (auto* error = DlgItem<QLabel>(this, IDC_LC_PREDEF_ERROR)) {
        QPalette pal = error->palette();
        pal.setColor(QPalette::WindowText, CLR_RED);
        error->setPalette(pal);
    }
}

CDlgLoadCalcWnd::~CDlgLoadCalcWnd() {
    // The grids go before the window: an edit they close then has nobody to tell.
    for (CGrid* g : {&m_gridPredef, &m_gridLoad, &m_gridSum, &m_gridLegend}) g->disconnect(this);
}

void CDlgLoadCalcWnd::showEvent(QShowEvent* event) {
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
    }
    CKestDialog::showEvent(event);
}

bool CDlgLoadCalcWnd::OnInitDialog() {
    // The tab strip takes the place of the template's tab control.
    if (QWidget* placeholder = GetDlgItem(this, IDC_LC_TAB)) {
        m_pTab = new CTabCtrl2(this);
        SetDlgCtrlId(m_pTab, IDC_LC_TAB);
        m_pTab->setGeometry(placeholder->geometry());
        delete placeholder;
        m_pTab->addTab(QStringLiteral("Tool"));
        for (const char* axis : {"  V", "  H", "  S"})
            m_pTab->addTab(LoadKestString(IDS_ADDLOAD) + QString::fromLatin1(axis));
        m_pTab->lower();
        m_pTab->show();
        connect(m_pTab, &QTabBar::currentChanged, this, [this] { OnSelchangeTab(); });
    }
    m_strMount = QStringLiteral("Tool");

    auto clientRect = [this](int id) {
        QWidget* w = GetDlgItem(this, id);
        return w ? w->geometry() : QRect();
    };
    m_rcImg = clientRect(IDC_LC_IMG);
    m_rcGuide = clientRect(IDC_LC_GUIDE);
    m_rcDesc = clientRect(IDC_LC_DESC);
    const int frames[3] = {IDC_LC_DESC, IDC_LC_IMG, IDC_LC_GUIDE};
    for (int i = 0; i < 3; ++i) {
        if (auto* frame = DlgItem<QFrame>(this, frames[i])) {
            frame->setFrameShape(QFrame::NoFrame);
            frame->installEventFilter(this);
            m_pFrames[i] = frame;
        }
    }
    m_strGuideImg = QStringLiteral("Image/Load/guide.png");
    if (m_pFrames[2] != nullptr) {
        m_pFrames[2]->setToolTip(LoadKestString(IDS_CLICK_TO_ENLARGE));
        m_pFrames[2]->setCursor(Qt::PointingHandCursor);
    }

    for (int id : {IDC_LC_SPOT, IDC_LC_ARC, IDC_LC_HANDLING}) {
        if (auto* c = DlgItem<QCheckBox>(this, id)) c->setChecked(true);
    }
    m_strAppl = QStringLiteral("Spot,Arc,Handling");

    const struct {
        int id;
        IconId icon;
    } icons[] = {{IDC_LC_ADD_ROW, IconId::Plus},  {IDC_LC_DEL_ROW, IconId::Minus},
                 {IDC_LC_ROW_UP, IconId::MoveUp}, {IDC_LC_ROW_DN, IconId::MoveDown},
                 {IDC_LC_INER, IconId::Calc},     {IDC_LC_SET_ROW, IconId::MoveDown2}};
    for (const auto& i : icons) {
        if (auto* b = DlgItem<QPushButton>(this, i.id)) {
            b->setIcon(KestIcon(i.icon));
            b->setIconSize(QSize(16, 16));
        }
    }
    m_fontNormal = GdiFont(QStringLiteral("Arial"), 14, 400);
    m_fontBold = GdiFont(QStringLiteral("Arial"), 14, 700);
    // Headers such as "Ixx[kgm2]" fit their 50-pixel columns, and two lines a
    // 30-pixel row, only a little smaller.
    m_fontHead = GdiFont(QStringLiteral("Arial"), 12, 400);

    // Opening the window changes no list: an empty list shows one blank row,
    // which becomes a load only when something is written into it.
    SetUpGrids();
    ShowLoads();
    ShowSum();
    ReadPredef();
    return true;
}

void CDlgLoadCalcWnd::SetUpGrids() {
    auto place = [this](CGrid& grid, int placeholder) {
        if (QWidget* w = GetDlgItem(this, placeholder)) grid.setGeometry(w->geometry());
        grid.SetGridTextColor(CLR_BLACK);
    };

    m_gridPredef.Create(this, 7, 2, IDC_GRID_PREDEF);
    m_gridPredef.EnableScroll(false, false);
    m_gridPredef.SetSelStyle(0);
    m_gridPredef.SetGridFont(m_fontNormal);
    m_gridPredef.SetGridBkColor(kPredefBack);
    const int predefWidths[7] = {55, 50, 50, 50, 50, 50, 50};
    for (int c = 0; c < 7; ++c) {
        m_gridPredef.SetColWidth(c, predefWidths[c]);
        m_gridPredef.SetCellText(c, 0, QString::fromLatin1(kValueHeads[c]));
        m_gridPredef.GetCell(c, 0)->font = m_fontHead;
        m_gridPredef.SetCellBkColor(c, 0, kHeadBack);
        m_gridPredef.SetCellFormat(c, 1, kRight);
    }
    place(m_gridPredef, IDC_LC_PREDEF);

    // Room for every load of the largest list, and never less than the usual 50 rows.
    int rows = CDlgLoadCalc::MAX_LOADS + 1;
    for (const CLoadArray& list : m_pCalc->m_arrLoad)
        rows = std::max(rows, static_cast<int>(std::min<qsizetype>(list.size() + 1, CGrid::MAX_ROWS)));
    m_nLoadRows = rows;
    m_gridLoad.Create(this, 9, rows, IDC_GRID_LOAD);
    m_gridLoad.EnableScroll(false, true);
    m_gridLoad.EnableEdit(true);
    m_gridLoad.SetSelStyle(1);
    m_gridLoad.SetGridFont(m_fontNormal);
    m_gridLoad.SetGridBkColor(CLR_WHITE);
    m_gridLoad.SetFixedRows(1);
    m_gridLoad.SetFixedCols(1);
    const int loadWidths[9] = {30, 105, 55, 50, 50, 50, 50, 50, 50};
    const char* const loadHeads[2] = {"#", "Name"};
    for (int c = 0; c < 9; ++c) {
        m_gridLoad.SetColWidth(c, loadWidths[c]);
        m_gridLoad.SetCellText(c, 0, QString::fromLatin1(c < 2 ? loadHeads[c] : kValueHeads[c - 2]));
        m_gridLoad.SetCellBkColor(c, 0, kHeadBack);
        m_gridLoad.GetCell(c, 0)->font = m_fontHead;
    }
    for (int r = 1; r < rows; ++r) m_gridLoad.SetCellBkColor(0, r, kHeadBack);
    place(m_gridLoad, IDC_LC_LOAD);
    m_gridLoad.installEventFilter(this);
    connect(&m_gridLoad, &CGrid::Notify, this, [this](const GrNotify& nm) {
        if (nm.code == LVN_BEGINLABELEDITW) OnBeginEditLoad(nm);
        if (nm.code == LVN_ENDLABELEDITW) OnEndEditLoad(nm);
    });

    m_gridSum.Create(this, 8, 1, IDC_GRID_SUM);
    m_gridSum.EnableScroll(false, false);
    m_gridSum.SetSelStyle(0);
    m_gridSum.SetGridFont(m_fontBold);
    m_gridSum.SetGridBkColor(kSumBack);
    const int sumWidths[8] = {135, 55, 50, 50, 50, 50, 50, 50};
    for (int c = 0; c < 8; ++c) {
        m_gridSum.SetColWidth(c, sumWidths[c]);
        m_gridSum.SetCellFormat(c, 0, kRight);
    }
    m_gridSum.SetCellText(0, 0, QStringLiteral("summation"));
    place(m_gridSum, IDC_LC_SUM);

    m_gridLegend.Create(this, 3, 3, IDC_GRID_LEGEND);
    m_gridLegend.EnableScroll(false, false);
    m_gridLegend.SetSelStyle(0);
    m_gridLegend.SetGridFont(m_fontNormal);
    m_gridLegend.SetGridBkColor(kPredefBack);
    const int legendWidths[3] = {30, 105, 125};
    for (int c = 0; c < 3; ++c) m_gridLegend.SetColWidth(c, legendWidths[c]);
    m_gridLegend.SetAllRowHeights(30);
    const QString texts[3][3] = {
        {QStringLiteral("No."), LoadKestString(IDS_ADDED_EQUIPMENT), LoadKestString(IDS_OUTPUT_ORIGIN)},
        {QStringLiteral("1"), QStringLiteral("O"), LoadKestString(IDS_ROBOT_MOUNT)},
        {QStringLiteral("2"), QStringLiteral("X"), LoadKestString(IDS_TOOL_MOUNT)},
    };
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            m_gridLegend.SetCellText(c, r, texts[r][c]);
            // Two lines fit a 30-pixel row only in the smaller font.
            if (texts[r][c].contains(QLatin1Char('\n'))) m_gridLegend.GetCell(c, r)->font = m_fontHead;
            if (r == 0 || c == 0) m_gridLegend.SetCellBkColor(c, r, kHeadBack);
        }
    }
    place(m_gridLegend, IDC_LC_LEGEND);
}

int CDlgLoadCalcWnd::CurKind() const {
    for (int k = 0; k < 4; ++k) {
        if (m_strMount == QLatin1String(kMounts[k])) return k;
    }
    return 0;
}

CLoadArray& CDlgLoadCalcWnd::CurList() { return m_pCalc->m_arrLoad[CurKind()]; }

void CDlgLoadCalcWnd::SetRowValues(CGrid& grid, int nRow, int nFirstCol, const CPrmLoadSub& prm) {
    double d[7];
    prm.ToDisplay(d);
    for (int i = 0; i < 7; ++i) grid.SetCellText(nFirstCol + i, nRow, Fmt(i < 4 ? "%.3f" : "%.4f", d[i]));
}

void CDlgLoadCalcWnd::ShowLoads() {
    const CLoadArray& list = CurList();
    // A list longer than the grid holds (only a file can bring one) shows what
    // fits; the sum still takes every load. An empty list shows one blank row.
    const int rows =
        static_cast<int>(std::min<qsizetype>(1 + std::max<qsizetype>(1, list.size()), m_nLoadRows));
    m_gridLoad.SetRowCount(rows);
    for (int r = 1; r < rows; ++r) {
        m_gridLoad.SetCellText(0, r, QString::number(r));
        m_gridLoad.SetCellFormat(0, r, kRight);
        m_gridLoad.SetCellFormat(1, r, kLeft);
        for (int c = 2; c < 9; ++c) m_gridLoad.SetCellFormat(c, r, kRight);
        if (r > list.size()) {
            for (int c = 1; c < 9; ++c) m_gridLoad.SetCellText(c, r, QString());
            continue;
        }
        const CLoad& load = list[r - 1];
        m_gridLoad.SetCellText(1, r, load.Name);
        SetRowValues(m_gridLoad, r, 2, load.prm);
    }
    // The current cell stays on a row of the list.
    int col = 1;
    int row = 1;
    m_gridLoad.GetCurCell(col, row);
    if (row >= rows && rows > 1) m_gridLoad.SetCurCell(std::max(col, 1), rows - 1);
}

void CDlgLoadCalcWnd::ShowSum() {
    double d[7];
    m_pCalc->Sum(CurKind(), d);
    for (int i = 0; i < 7; ++i) m_gridSum.SetCellText(1 + i, 0, Fmt(i < 4 ? "%.3f" : "%.4f", d[i]));
    ShowInputPages();
}

void CDlgLoadCalcWnd::ShowInputPages() {
    if (auto* line = DlgItem<QLabel>(this, IDC_LC_INPUT_PAGES)) line->setText(InputPagesText(*m_pCalc));
}

CLoad* CDlgLoadCalcWnd::RowLoad(int nRow) {
    CLoadArray& list = CurList();
    // The blank row of an empty list becomes its first load.
    if (list.isEmpty() && nRow == 1) list.append(CLoad());
    return nRow >= 1 && nRow <= list.size() ? &list[nRow - 1] : nullptr;
}

void CDlgLoadCalcWnd::RepaintFrames() {
    for (QWidget* frame : m_pFrames) {
        if (frame) frame->update();
    }
}

void CDlgLoadCalcWnd::MakeCurrent(int nCol, int nRow) {
    m_gridLoad.SetCurCell(nCol, nRow);
    m_gridLoad.EnsureVisible(nCol, nRow);
}

// ---------------------------------------------------------------- predefined loads

void CDlgLoadCalcWnd::OnSelchangeTab() {
    const int tab = m_pTab ? m_pTab->currentIndex() : 0;
    m_strMount = QString::fromLatin1(kMounts[tab >= 0 && tab < 4 ? tab : 0]);
    ReadPredef();
    ShowLoads();
    ShowSum();
}

// ---------------------------------------------------------------- table

int CDlgLoadCalcWnd::OnBeginEditLoad(const GrNotify&) { return 0; }

void CDlgLoadCalcWnd::OnEndEditLoad(const GrNotify& nm) {
    // An edit closed without typing (opened and left again) changes nothing.
    if (nm.bModified) SetCellValue(nm.nCol, nm.nRow, nm.strText);
}

int CDlgLoadCalcWnd::SetCellValue(const QString& strText) {
    int col = 0;
    int row = 0;
    m_gridLoad.GetCurCell(col, row);
    return SetCellValue(col, row, strText);
}

int CDlgLoadCalcWnd::SetCellValue(int nCol, int nRow, const QString& strText) {
    CLoadArray& list = CurList();
    const bool blank = list.isEmpty() && nRow == 1;
    if (!blank && (nRow < 1 || nRow > list.size())) return -3;
    CLoad load = blank ? CLoad() : list[nRow - 1];
    if (nCol == 1) {
        load.Name = strText;
    } else {
        if (nCol < 2 || nCol > 8) return -2;
        // Empty text is 0; otherwise the leading number, whatever follows it.
        double value = 0.0;
        if (!strText.isEmpty() && CStrParse::LeadingNumber(strText, value) != 0) return -1;
        CPrmLoadSub& p = load.prm;
        double* fields[7] = {&p.Mass, &p.Lx, &p.Ly, &p.Lz, &p.Ixx, &p.Iyy, &p.Izz};
        const bool position = nCol >= 3 && nCol <= 5;
        *fields[nCol - 2] = position ? value / 1000.0 : value;
    }
    *RowLoad(nRow) = load;
    ShowLoads();
    ShowSum();
    return 0;
}

bool CDlgLoadCalcWnd::PreTranslateMessage(QKeyEvent* event) {
    // An open edit takes its own keys (the grid routes them).
    if (m_gridLoad.GetEditWnd() != nullptr) return false;
    const int key = event->key();
    if (key == Qt::Key_Insert) {
        OnBnClickedAddRow();
        return true;
    }
    if (key == Qt::Key_Delete) {
        int col = 0;
        int row = 0;
        m_gridLoad.GetCurCell(col, row);
        // The blank row of an empty list has nothing to clear.
        if (row <= CurList().size()) SetCellValue(col == 1 ? QString() : QStringLiteral("0"));
        return true;
    }
    return key >= Qt::Key_F1 && key <= Qt::Key_F24;
}

bool CDlgLoadCalcWnd::eventFilter(QObject* watched, QEvent* event) {
    // The description and the pictures are drawn on their frames, which lie
    // above the group box (whose own fill would tint them).
    if (event->type() == QEvent::Paint) {
        const int ids[3] = {IDC_LC_DESC, IDC_LC_IMG, IDC_LC_GUIDE};
        for (int i = 0; i < 3; ++i) {
            QWidget* frame = m_pFrames[i];
            if (watched != frame) continue;
            // One off-screen picture per paint, copied in one transfer.
            const qreal dpr = frame->devicePixelRatioF();
            QImage image(frame->size() * dpr, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(dpr);
            image.fill(Qt::transparent);
            {
                QPainter ip(&image);
                ip.translate(-frame->pos());
                CKestDC dc(&ip);
                DrawFrame(dc, ids[i]);
            }
            QPainter p(frame);
            p.drawImage(QPoint(0, 0), image);
            return true;
        }
    }
    // The guide in a window of its own, at its full size.
    if (watched == m_pFrames[2] && watched != nullptr && event->type() == QEvent::MouseButtonPress) {
        auto* guide = new CDlgCrdSys(this, QStringLiteral("Load/guide.png"));
        guide->setWindowTitle(windowTitle());
        guide->show();
        return true;
    }
    if (watched == &m_gridLoad && event->type() == QEvent::KeyPress &&
        PreTranslateMessage(static_cast<QKeyEvent*>(event)))
        return true;
    return CKestDialog::eventFilter(watched, event);
}

void CDlgLoadCalcWnd::done(int r) {
    // What is being typed is stored by "Input" and dropped by "Cancel", which
    // puts the lists back as a whole (CDlgLoadCalc::DoModal).
    m_gridLoad.EndEdit(r == QDialog::Accepted ? 1 : 0);
    CKestDialog::done(r);
}

// ---------------------------------------------------------------- painting

void CDlgLoadCalcWnd::DrawFrame(CKestDC& dc, int nID) {
    dc.SaveDC();
    dc.SelectFont(m_fontNormal);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(CLR_BLACK);
    dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
    dc.SelectBrush(CKestBrush::SolidColor(CLR_WHITE));
    if (nID == IDC_LC_DESC) {
        dc.Rectangle(m_rcDesc);
        dc.DrawText(m_strDescription, m_rcDesc.adjusted(3, 2, -3, -2),
                    DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    } else if (nID == IDC_LC_IMG) {
        DrawPicture(dc, m_imgLoad, m_strImg, m_rcImg);
    } else if (nID == IDC_LC_GUIDE) {
        DrawPicture(dc, m_imgGuide, m_strGuideImg, m_rcGuide);
    }
    dc.RestoreDC();
}

void CDlgLoadCalcWnd::DrawPicture(CKestDC& dc, CImg& img, const QString& strFile, const QRect& rc) {
    dc.Rectangle(rc);
    const QRect inner = rc.adjusted(2, 2, -2, -2);
    // Only a regular file is opened: a name that points at a FIFO or a device
    // must not stop the window.
    const QString path = LanguageAppFile(strFile);
    const bool usable = !strFile.isEmpty() && QFileInfo(path).isFile() && img.Load(path) != -2 &&
                        img.pImage && !img.pImage->isNull();
    if (!usable) {
        img.Free();
        dc.DrawText(QStringLiteral("NO IMAGE"), inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    img.nAlign = CImg::ALIGN_CENTER;
    img.Draw(dc, inner, true);
}
