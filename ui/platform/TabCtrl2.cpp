#include "TabCtrl2.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include "DlgBuilder.h"
#include "KestDC.h"

namespace {
const QColor kLine(145, 155, 156);
const int kEdge = 2;  // the system's edge height
}  // namespace

CTabCtrl2::CTabCtrl2(QWidget* parent) : QTabBar(parent) {
    clrTextSel = QApplication::palette().color(QPalette::ButtonText);
    clrTextUnsel = clrTextSel;
    fontTab = kest::GdiFont(QStringLiteral("Arial"), 15, 400);
    setFont(fontTab);
    setDrawBase(false);
    setExpanding(false);
}

QSize CTabCtrl2::tabSizeHint(int index) const {
    // Fixed-width tabs: every tab as wide as the widest needs, and as high as
    // the highest, so that two-line texts fit on every tab.
    QSize s(0, 0);
    for (int i = 0; i < count(); ++i) {
        QSize own = QTabBar::tabSizeHint(i);
        const QString text = tabText(i);
        const int br = text.indexOf(QLatin1String("\r\n"));
        if (br >= 0) {
            const QFontMetrics fm(fontTab);
            const int lines = std::max(fm.horizontalAdvance(QStringLiteral("  ") + text.left(br)),
                                       fm.horizontalAdvance(text.mid(br + 2)));
            own.setWidth(std::max(own.width(), lines + 2 * fm.horizontalAdvance(QLatin1Char(' ')) + 8));
            own.setHeight(std::max(own.height(), 2 * fm.height() + 10));
        }
        s = s.expandedTo(own);
    }
    return count() > 0 && index >= 0 ? s : QTabBar::tabSizeHint(index);
}

void CTabCtrl2::DrawItem(QPainter& p, int index) {
    if (index < 0 || index >= count()) return;
    const bool selected = index == currentIndex();
    QRect r = tabRect(index);
    kest::CKestDC dc(&p);
    dc.SaveDC();
    dc.SelectFont(fontTab);
    r.setTop(r.top() + kEdge);
    if (r.bottom() > height() - 2) r.setBottom(height() - 2);
    dc.SetBkMode(kest::TRANSPARENT);
    dc.FillSolidRect(r, palette().color(QPalette::Button));
    const QIcon icon = tabIcon(index);
    if (!icon.isNull()) {
        const int blank = dc.GetTextExtent(QStringLiteral(" ")).width();
        const QSize is = iconSize();
        icon.paint(
            &p, QRect(r.left() + blank, r.top() + (r.height() - is.height()) / 2, is.width(), is.height()));
        r.setLeft(r.left() + blank + is.width());
    }
    dc.SelectPen(kest::CKestPen::Solid(1, kLine));
    if (!selected) {
        dc.FillSolidRect(r, clrTabUnsel);
        dc.SetTextColor(clrTextUnsel);
        dc.MoveTo(r.left(), r.bottom());
        dc.LineTo(r.right(), r.bottom());
    } else {
        dc.SetTextColor(clrTextSel);
        r.setTop(r.top() - kEdge);
    }
    QString text = tabText(index);
    const int br = text.indexOf(QLatin1String("\r\n"));
    if (br >= 0) {
        // The first line in the top 30 pixels (the top half of a lower tab),
        // the second centred below it, so that the two never run into each other.
        QRect top(r.left(), r.top(), r.width(), std::min(30, r.height() / 2));
        QRect rest = r;
        rest.setTop(top.bottom() + 1);
        dc.DrawText(QStringLiteral("  ") + text.left(br), top,
                    kest::DT_LEFT | kest::DT_VCENTER | kest::DT_SINGLELINE);
        dc.DrawText(text.mid(br + 2), rest, kest::DT_CENTER | kest::DT_VCENTER | kest::DT_SINGLELINE);
    } else {
        dc.DrawText(text, r, kest::DT_CENTER | kest::DT_VCENTER | kest::DT_SINGLELINE);
    }
    dc.Polyline({QPoint(r.left(), r.bottom()), QPoint(r.left(), r.top() + 2), QPoint(r.left() + 2, r.top()),
                 QPoint(r.right() - 2, r.top()), QPoint(r.right(), r.top() + 2),
                 QPoint(r.right(), r.bottom())});
    dc.RestoreDC();
}

void CTabCtrl2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < count(); ++i) {
        if (i != currentIndex()) DrawItem(p, i);
    }
    DrawItem(p, currentIndex());
    if (count() > 0) {
        const QRect last = tabRect(count() - 1);
        const int y = std::min(last.bottom(), height() - 2);
        p.setPen(QPen(kLine, 0));
        p.drawLine(last.right(), y, width() - 1, y);
        const int top = last.height() + 2;
        if (height() - 1 > top) {
            const QPoint frame[] = {QPoint(width() - 1, top), QPoint(width() - 1, height() - 1),
                                    QPoint(2, height() - 1), QPoint(2, top)};
            p.drawPolyline(frame, 4);
        }
    }
}
