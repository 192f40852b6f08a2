#include "DlgReportPreview.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "KestDC.h"
#include "Strings.h"

CDlgReportPreview::CDlgReportPreview(const CReportSource& source, QWidget* parent, int pageW, int pageH,
                                     int page, int grey, int chartOption)
    : QDialog(parent),
      m_report(source),
      m_nPageW(std::max(1, pageW)),
      m_nPageH(std::max(1, pageH)),
      m_nPage(page),
      m_nChartOption(chartOption) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kest::LoadKestString(kest::IDS_REPORT_PREVIEW) + QStringLiteral(" - page %1").arg(page));
    m_report.m_bGreyScale = grey;
    // Nearly the screen's height, the paper's proportions.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int h = std::max(600, screen ? screen->availableGeometry().height() * 9 / 10 : 900);
    resize(h * m_nPageW / m_nPageH + 16, h);
    setMinimumSize(200, 280);
}

QRect FitPageRect(const QRect& area, int pageW, int pageH) {
    if (area.width() <= 0 || area.height() <= 0 || pageW <= 0 || pageH <= 0) return QRect();
    QSize size(pageW, pageH);
    size.scale(area.size(), Qt::KeepAspectRatio);
    return QRect(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
}

QRect CDlgReportPreview::PageRect() const {
    return FitPageRect(rect().adjusted(8, 8, -8, -8), m_nPageW, m_nPageH);
}

QImage CDlgReportPreview::RenderPage() {
    const QRect rc = PageRect();
    if (rc.isEmpty()) return QImage();
    QImage page(rc.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    // The margins of the dialog's small preview, grown with the page.
    const int mx = std::max(5, rc.width() / 80);
    const int my = std::max(10, rc.height() / 56);
    m_report.Init(rc.width(), rc.height(), mx, my, mx, my);
    QPainter p(&page);
    kest::CKestDC dc(&p);
    m_report.Draw(dc, m_nPage, m_nChartOption);
    return page;
}

void CDlgReportPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(160, 160, 160));
    const QImage page = RenderPage();
    if (!page.isNull()) p.drawImage(PageRect().topLeft(), page);
}
