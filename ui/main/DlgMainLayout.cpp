// The main window's geometry: the smallest size is the template's, and a
// larger window gives its extra room to the result side (result pages,
// notice, verdict box, mechanism list and picture); the load side keeps its
// place and size.
#include <QTabWidget>
#include <QToolBar>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "DrawMath.h"
#include "PgBarChart.h"
#include "PgCaseMatrix.h"
#include "PgPayload.h"
#include "Templates.h"

using namespace kest;

namespace {

// The result side's controls and how each follows the extra room: moved
// right by the extra width (move), widened by it (grow), moved down by the
// pages' share of the extra height (down), made taller by the pages' share
// (tall) or by the verdict row's share (row).
struct Follow {
    int id;
    bool move, grow, down, tall, row;
};
const Follow kFollow[] = {
    {IDC_TAB_RESULT, false, true, false, true, false}, {IDC_NOTICE, false, true, true, false, false},
    {IDC_ANALYSE, false, false, true, false, true},    {IDC_RESULT_BOX, false, true, true, false, true},
    {IDC_LB_MECH, true, false, false, true, false},    {IDC_ADD_LEG, true, false, true, false, false},
    {IDC_SUB_LEG, true, false, true, false, false},    {IDC_MOVE_UP, true, false, true, false, false},
    {IDC_MOVE_DN, true, false, true, false, false},    {IDC_IMG_MECH, true, false, true, false, true},
};

// The pages take this share of the extra height, the verdict row the rest.
constexpr double kPagesShare = 0.8;

}  // namespace

void CDlgMain::StoreTemplateGeometry() {
    m_szClientMin = m_pClient->minimumSize();
    for (const Follow& f : kFollow) {
        if (QWidget* w = GetDlgItem(m_pClient, f.id)) m_tplGeometry.insert(f.id, w->geometry());
    }
}

void CDlgMain::LayoutClient() {
    const int dx = std::max(0, m_pClient->width() - m_szClientMin.width());
    const int dy = std::max(0, m_pClient->height() - m_szClientMin.height());
    const int pages = Trunc(kPagesShare * dy);
    const int row = dy - pages;
    for (const Follow& f : kFollow) {
        QWidget* w = GetDlgItem(m_pClient, f.id);
        if (w == nullptr || !m_tplGeometry.contains(f.id)) continue;
        QRect r = m_tplGeometry.value(f.id);
        r.translate(f.move ? dx : 0, f.down ? pages : 0);
        r.setWidth(r.width() + (f.grow ? dx : 0));
        r.setHeight(r.height() + (f.tall ? pages : 0) + (f.row ? row : 0));
        w->setGeometry(r);
    }
    if (m_pToolBar != nullptr) m_pToolBar->setGeometry(0, 0, m_pClient->width(), m_pToolBar->height());
    if (m_pPgPayload == nullptr) return;  // not initialised, or no engine
    const QRect resRect = m_tabResult->geometry().adjusted(5, 31, -10, -10);
    for (QWidget* pg : {static_cast<QWidget*>(m_pPgPayload), static_cast<QWidget*>(m_pPgInertiaChart),
                        static_cast<QWidget*>(m_pPgMomentChart), static_cast<QWidget*>(m_pPgCaseMatrix)}) {
        if (pg) pg->setGeometry(resRect);
    }
    m_rcResult = GetDlgItem(m_pClient, IDC_RESULT_BOX)->geometry();
    m_rcImgMech = GetDlgItem(m_pClient, IDC_IMG_MECH)->geometry();
    RelayoutResultPages();
    m_pClient->update();
}
