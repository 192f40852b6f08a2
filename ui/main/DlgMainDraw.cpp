// What the main window draws itself: the input table, the notice, the result
// box of the current robot and the chosen mechanism's picture.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DlgMain.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "Strings.h"
#include "Tarn_Kest.h"
#include "Templates.h"
#include "VerdictBox.h"

using namespace kest;

QImage CDlgMain::RenderClient() {
    QImage buffer(m_pClient->size(), QImage::Format_RGB32);
    QPainter p(&buffer);
    CKestDC dc(&p);
    dc.FillSolidRect(buffer.rect(), m_pClient->palette().color(QPalette::Button));
    DrawNotice(dc, 0, 0);
    // Without the engine there are no pages, legend or pictures to draw.
    if (m_pPgPayload != nullptr) {
        DrawInputTable(dc, m_rcInTable, 0, 0);
        DrawResult(m_pMngLegend->GetCur(), dc, m_rcResult, 0, 0);
        DrawImgMech(dc);
    }
    return buffer;
}

void CDlgMain::OnPaint(QPainter& painter) {
    // One off-screen picture per paint, copied in one transfer.
    painter.drawImage(0, 0, RenderClient());
}

int CDlgMain::DrawInputTable(CKestDC& dc, const QRect&, int, int) {
    static const char* const kHeads[] = {"Mass[kg]", "Lx", "Ly", "Lz", "Ixx", "Iyy", "Izz"};
    static const char* const kRows[] = {"Tool", "V", "H", "S"};
    static const int kEdits[] = {IDC_MASS, IDC_LX, IDC_LY, IDC_LZ, IDC_IXX, IDC_IYY, IDC_IZZ};
    dc.SaveDC();
    dc.SelectFont(GdiFont(QStringLiteral("Arial"), 14, 400));
    dc.SetBkMode(TRANSPARENT);
    dc.FillSolidRect(m_rcInTable, CLR_WHITE);
    const QRect c00 = m_layInTable.Cell(0, 0);
    dc.FillSolidRect(LTRB(m_rcInTable.left(), m_rcInTable.top(), Right(m_rcInTable), Bottom(c00)),
                     CLR_LIGHTGRAY);
    dc.FillSolidRect(LTRB(m_rcInTable.left(), m_rcInTable.top(), Right(c00), Bottom(m_rcInTable)),
                     CLR_LIGHTGRAY);
    dc.SelectPen(CKestPen::Solid(1, CLR_BLACK));
    m_layInTable.DrawGrid(dc);
    dc.SetTextColor(CLR_BLACK);
    const unsigned centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    for (int k = 0; k < 7; ++k)
        dc.DrawText(QString::fromLatin1(kHeads[k]), m_layInTable.Cell(k + 1, 0), centred);
    for (int r = 0; r < 4; ++r)
        dc.DrawText(QString::fromLatin1(kRows[r]), m_layInTable.Cell(0, r + 1), centred);
    // The edits' text as typed, not the stored numbers; "###" where it does not fit.
    m_layInTable.ClearCut();
    for (int p = 0; p < 4; ++p) {
        if (m_pPgAddLoad[p] == nullptr) continue;
        for (int f = 0; f < 7; ++f) {
            const QRect rc = Shrink(m_layInTable.Cell(f + 1, p + 1), 0, 0, 3, 0);
            dc.DrawText(m_layInTable.FitText(dc, GetDlgItemText(m_pPgAddLoad[p], kEdits[f]), rc), rc,
                        DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    dc.RestoreDC();
    return 0;
}

int CDlgMain::DrawNotice(CKestDC& dc, int, int) {
    QWidget* notice = GetDlgItem(m_pClient, IDC_NOTICE);
    if (notice == nullptr) return 0;
    dc.SaveDC();
    dc.SelectFont(GdiFont(QStringLiteral("Arial"), 14, 400));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(CLR_BLACK);
    dc.DrawText(LoadKestString(IDS_NOTICE), notice->geometry(), DT_LEFT | DT_TOP | DT_WORDBREAK);
    dc.RestoreDC();
    return 0;
}

int CDlgMain::DrawResult(int i, CKestDC& dc, const QRect& R, int grey, int print) {
    const bool robot = m_pMngLegend != nullptr && i >= 0 && i < m_pMngLegend->Count() && i < 3;
    const CVerdict* verdict = robot ? &m_result.VerdictOf(i) : nullptr;
    // On screen the detail is never smaller than the dialog's own font.
    const int px = DrawVerdictBox(dc, R, robot ? m_pMngLegend->Name(i) : QString(), verdict, grey != 0,
                                  print != 0, print ? 6 : std::max(6, m_pClient->font().pixelSize()));
    if (!print && px > 0) m_nDetailFontPx = px;
    return 0;
}

int CDlgMain::DrawImgMech(CKestDC& dc) {
    dc.SaveDC();
    dc.SelectPen(CKestPen::Solid(1, CLR_STEEL));
    dc.SelectBrush(CKestBrush::SolidColor(CLR_WHITE));
    dc.SelectFont(GdiFont(QStringLiteral("Arial"), 14, 400));
    dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(m_rcImgMech);
    const QRect r = Shrink(m_rcImgMech, 4, 4, 4, 4);

    char16_t file[260] = {};
    QString name;
    if (m_pEngine != nullptr && !m_strSelMech.isEmpty()) {
        const std::u16string mech = m_strSelMech.toStdU16String();
        if (m_pEngine->GetMechImg(mech.c_str(), file, 260) == 0) name = QString::fromUtf16(file);
    }
    const int loaded = name.isEmpty() ? -2 : m_imgMech.Load(AppFolder() + name);
    if (m_strSelMech.isEmpty()) {
        // No robot: an empty box.
    } else if (loaded == -2) {
        dc.SetTextColor(CLR_GRAY);
        dc.DrawText(QStringLiteral("NO IMAGE"), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else {
        m_imgMech.nAlign = 0;
        m_imgMech.Draw(dc, r, true);
    }
    dc.SetTextColor(CLR_BLUE);
    dc.DrawText(m_strSelMech, r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    dc.RestoreDC();
    return 0;
}
