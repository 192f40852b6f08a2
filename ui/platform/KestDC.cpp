#include "KestDC.h"

#include <QFontMetrics>
#include <QTextLayout>
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
        bool gaps = false;
        for (size_t i = 1; i < p.dashes.size(); i += 2) gaps = gaps || p.dashes[i] > 0;
        if (gaps) {  // a pattern without gaps is a solid line
            QVector<qreal> pattern;
            const qreal w = p.width <= 1 ? 1.0 : p.width;
            for (int d : p.dashes) pattern << (d <= 0 ? 1.0 : d) / w;
            pen.setDashPattern(pattern);
        }
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
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (format & DT_SINGLELINE) shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!(format & DT_NOPREFIX)) shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);

    // Lay the text out in lines one cell height apart, as the system does.
    QTextOption opt;
    opt.setWrapMode((format & DT_WORDBREAK) && !(format & DT_SINGLELINE) ? QTextOption::WordWrap
                                                                         : QTextOption::ManualWrap);
    opt.setTabStopDistance(8.0 * fm.averageCharWidth());
    const Qt::Alignment h = (format & DT_CENTER)  ? Qt::AlignHCenter
                            : (format & DT_RIGHT) ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    opt.setAlignment(h);
    QTextLayout layout(shown, m_s.font);
    layout.setTextOption(opt);
    layout.beginLayout();
    const int lineHeight = fm.height();
    int lines = 0;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(rc.width());
        line.setPosition(QPointF(0, lines * lineHeight));
        ++lines;
    }
    layout.endLayout();
    const int total = lines * lineHeight;
    if (format & DT_CALCRECT) return total;

    int top = rc.top();
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) top = rc.top() + (rc.height() - lineHeight) / 2;
        if (format & DT_BOTTOM) top = rc.top() + rc.height() - lineHeight;
    }
    m_p->save();
    if (!(format & DT_NOCLIP)) m_p->setClipRect(rc, Qt::IntersectClip);
    if (m_s.bkMode == OPAQUE) {
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            m_p->fillRect(QRectF(rc.left() + line.naturalTextRect().left(), top + line.y(),
                                 line.naturalTextWidth(), lineHeight),
                          m_s.bkColor);
        }
    }
    m_p->setPen(m_s.textColor);
    m_p->setBackgroundMode(Qt::TransparentMode);
    // The line box is the cell height; centre the font's own line in it.
    const double offset = (lineHeight - (fm.ascent() + fm.descent())) / 2.0;
    layout.draw(m_p, QPointF(rc.left(), top + offset));
    m_p->restore();
    return total;
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
