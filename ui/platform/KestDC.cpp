#include "KestDC.h"

#include <QFontMetrics>
#include <QTextOption>

namespace kest {

CKestDC::CKestDC(QPainter* painter) : m_p(painter) {
    m_p->setRenderHint(QPainter::Antialiasing, false);
    m_p->setRenderHint(QPainter::TextAntialiasing, true);
    m_s.font = m_p->font();
    ApplyPen();
    ApplyBrush();
}

void CKestDC::ApplyPen() {
    const CKestPen& p = m_s.pen;
    if (p.style == PS_NULL) {
        m_p->setPen(Qt::NoPen);
        return;
    }
    QPen pen(p.color);
    pen.setWidth(p.width <= 1 ? 0 : p.width);  // width 1 is a cosmetic one-pixel pen
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (p.style == PS_DASH) pen.setStyle(Qt::DashLine);
    if (p.style == PS_DOT) pen.setStyle(Qt::DotLine);
    if (p.style == PS_USERSTYLE && p.dashes.size() >= 2) {
        QVector<qreal> pattern;
        const qreal w = p.width <= 1 ? 1.0 : p.width;
        for (int d : p.dashes) pattern << (d <= 0 ? 0.0001 : d / w);
        pen.setDashPattern(pattern);
    }
    m_p->setPen(pen);
}

void CKestDC::ApplyBrush() {
    const CKestBrush& b = m_s.brush;
    switch (b.kind) {
        case CKestBrush::Null: m_p->setBrush(Qt::NoBrush); break;
        case CKestBrush::Solid: m_p->setBrush(b.color); break;
        case CKestBrush::Hatch: {
            const Qt::BrushStyle s = b.hatch == HS_BDIAGONAL   ? Qt::BDiagPattern
                                     : b.hatch == HS_FDIAGONAL ? Qt::FDiagPattern
                                                               : Qt::CrossPattern;
            m_p->setBrush(QBrush(b.color, s));
            break;
        }
    }
}

CKestPen CKestDC::SelectPen(const CKestPen& pen) {
    CKestPen old = m_s.pen;
    m_s.pen = pen;
    ApplyPen();
    return old;
}

CKestBrush CKestDC::SelectBrush(const CKestBrush& brush) {
    CKestBrush old = m_s.brush;
    m_s.brush = brush;
    ApplyBrush();
    return old;
}

QFont CKestDC::SelectFont(const QFont& font) {
    QFont old = m_s.font;
    m_s.font = font;
    m_p->setFont(font);
    return old;
}

int CKestDC::SetBkMode(int mode) {
    const int old = m_s.bkMode;
    m_s.bkMode = mode;
    m_p->setBackgroundMode(mode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    return old;
}

QColor CKestDC::SetBkColor(const QColor& color) {
    const QColor old = m_s.bkColor;
    m_s.bkColor = color;
    m_p->setBackground(color);
    return old;
}

QColor CKestDC::SetTextColor(const QColor& color) {
    const QColor old = m_s.textColor;
    m_s.textColor = color;
    return old;
}

unsigned CKestDC::SetTextAlign(unsigned align) {
    const unsigned old = m_s.textAlign;
    m_s.textAlign = align;
    return old;
}

int CKestDC::SaveDC() {
    m_saved.push_back(m_s);
    return static_cast<int>(m_saved.size());
}

void CKestDC::RestoreDC(int saved) {
    if (m_saved.empty()) return;
    size_t index = saved < 0 ? m_saved.size() - 1 : static_cast<size_t>(saved - 1);
    if (index >= m_saved.size()) return;
    m_s = m_saved[index];
    m_saved.resize(index);
    ApplyPen();
    ApplyBrush();
    m_p->setFont(m_s.font);
    SetBkMode(m_s.bkMode);
    SetBkColor(m_s.bkColor);
}

void CKestDC::Rectangle(const QRect& rc) {
    const QRect r = rc.normalized();
    if (r.width() <= 0 || r.height() <= 0) return;
    if (m_s.brush.kind != CKestBrush::Null) {
        m_p->save();
        m_p->setPen(Qt::NoPen);
        m_p->drawRect(r.adjusted(0, 0, -1, -1));
        m_p->restore();
    }
    if (m_s.pen.style == PS_NULL) return;
    m_p->save();
    m_p->setBrush(Qt::NoBrush);
    const int w = m_s.pen.width <= 1 ? 1 : m_s.pen.width;
    const int in = w / 2;  // a wide outline stays inside the rectangle
    m_p->drawRect(QRect(r.left() + in, r.top() + in, r.width() - 1 - 2 * in, r.height() - 1 - 2 * in));
    m_p->restore();
}

void CKestDC::FillSolidRect(const QRect& rc, const QColor& color) { m_p->fillRect(rc.normalized(), color); }

void CKestDC::FillRect(const QRect& rc, const CKestBrush& brush) {
    if (brush.kind == CKestBrush::Null) return;
    const CKestBrush old = SelectBrush(brush);
    m_p->save();
    m_p->setPen(Qt::NoPen);
    m_p->drawRect(rc.normalized());
    m_p->restore();
    SelectBrush(old);
}

void CKestDC::FrameRect(const QRect& rc, const QColor& color) {
    const QRect r = rc.normalized();
    if (r.width() <= 0 || r.height() <= 0) return;
    m_p->fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    m_p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    m_p->fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    m_p->fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

void CKestDC::MoveTo(int x, int y) { m_s.pos = QPoint(x, y); }

void CKestDC::LineTo(int x, int y) {
    if (m_s.pen.style != PS_NULL) m_p->drawLine(m_s.pos, QPoint(x, y));
    m_s.pos = QPoint(x, y);
}

void CKestDC::Polyline(const QVector<QPoint>& points) {
    if (points.size() < 2 || m_s.pen.style == PS_NULL) return;
    m_p->drawPolyline(points.constData(), points.size());
}

int CKestDC::DrawText(const QString& text, QRect rc, unsigned format) {
    const QFontMetrics fm(m_s.font);
    QTextOption opt;
    Qt::Alignment a;
    a |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        a |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
        opt.setWrapMode(QTextOption::NoWrap);
    } else {
        a |= Qt::AlignTop;
        opt.setWrapMode((format & DT_WORDBREAK) ? QTextOption::WordWrap : QTextOption::ManualWrap);
    }
    opt.setAlignment(a);
    // Tab stops every eight average characters, as the system expands them.
    opt.setTabStopDistance(8.0 * fm.averageCharWidth());
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (format & DT_SINGLELINE) shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!(format & DT_NOPREFIX)) shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    if (format & DT_CALCRECT) {
        const QRectF bound = fm.boundingRect(
            rc, static_cast<int>(a) | ((format & DT_WORDBREAK) ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs,
            shown);
        return static_cast<int>(bound.height());
    }
    m_p->save();
    m_p->setPen(m_s.textColor);
    if (!(format & DT_NOCLIP)) m_p->setClipRect(rc, Qt::IntersectClip);
    if (m_s.bkMode == OPAQUE) {
        const QRectF bound = fm.boundingRect(rc, static_cast<int>(a) | Qt::TextExpandTabs, shown);
        m_p->fillRect(bound, m_s.bkColor);
    }
    m_p->setBackgroundMode(Qt::TransparentMode);
    m_p->drawText(QRectF(rc), shown, opt);
    m_p->restore();
    return fm.height();
}

void CKestDC::TextOut(int x, int y, const QString& text) {
    const QFontMetrics fm(m_s.font);
    const int w = fm.horizontalAdvance(text);
    const unsigned h = m_s.textAlign & 6u;
    const unsigned v = m_s.textAlign & 24u;
    const int left = h == TA_CENTER ? x - w / 2 : h == TA_RIGHT ? x - w : x;
    const int baseline = v == TA_BASELINE ? y : v == TA_BOTTOM ? y - fm.descent() : y + fm.ascent();
    m_p->save();
    if (m_s.bkMode == OPAQUE) m_p->fillRect(QRect(left, baseline - fm.ascent(), w, fm.height()), m_s.bkColor);
    m_p->setPen(m_s.textColor);
    m_p->setBackgroundMode(Qt::TransparentMode);
    m_p->drawText(QPoint(left, baseline), text);
    m_p->restore();
}

QSize CKestDC::GetTextExtent(const QString& text) const {
    const QFontMetrics fm(m_s.font);
    return QSize(fm.horizontalAdvance(text), fm.height());
}

void CKestDC::DrawImage(const QRect& rc, const QImage& image) {
    if (image.isNull() || rc.width() <= 0 || rc.height() <= 0) return;
    m_p->save();
    m_p->setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_p->drawImage(rc, image);
    m_p->restore();
}

}  // namespace kest
