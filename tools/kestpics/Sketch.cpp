#include "Sketch.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>

void CSketch::Path(const QPainterPath& path, const QColor& fill, Line line) {
    m_items.append({Kind::Path, path, fill, line, {}, {}});
}

void CSketch::Hatch(QPointF a, QPointF b) {
    QPainterPath line;
    line.moveTo(a);
    line.lineTo(b);
    m_items.append({Kind::Hatch, line, Qt::transparent, Line::Solid, a, b});
}

void CSketch::Mark(QPointF at) {
    QPainterPath dot;
    dot.addEllipse(at, 0.01, 0.01);
    m_items.append({Kind::Mark, dot, Qt::transparent, Line::Solid, at, at});
}

QRectF CSketch::Bounds() const {
    QRectF r;
    for (const Item& it : m_items) r = r.united(it.path.boundingRect());
    return r;
}

void CSketch::Render(QPainter& p, const QRectF& target, const PictureStyle& st) const {
    const QRectF b = Bounds();
    if (b.width() <= 0 && b.height() <= 0) return;
    const double scale =
        std::min(target.width() / std::max(b.width(), 1e-9), target.height() / std::max(b.height(), 1e-9));
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Item& it : m_items) {
        switch (it.kind) {
            case Kind::Path: {
                QPen pen = st.outline(it.line == Line::Solid ? 1.6 : 1.0);
                if (it.line == Line::Context) {
                    pen.setColor(QColor(150, 150, 150));
                    pen.setStyle(Qt::DashLine);
                }
                p.setPen(pen);
                p.setBrush(it.fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(it.fill));
                p.drawPath(t.map(it.path));
                break;
            }
            case Kind::Hatch: {
                const QPointF a = t.map(it.a), b2 = t.map(it.b);
                const double len = std::hypot(b2.x() - a.x(), b2.y() - a.y());
                if (len < 1) break;
                const QPointF d = (b2 - a) / len;
                const QPointF n(d.y(), -d.x());  // left of a -> b on screen
                p.setPen(QPen(st.ink(), 1.0));
                for (double s = 3; s < len; s += 7) {
                    const QPointF q = a + d * s;
                    p.drawLine(q, q + n * 5 - d * 5);
                }
                p.setPen(QPen(st.ink(), 1.8));
                p.drawLine(a, b2);
                break;
            }
            case Kind::Mark: {
                const QPointF c = t.map(it.a);
                const double r = 5.5;
                const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
                p.setPen(QPen(st.ink(), 1.2));
                p.setBrush(Qt::white);
                p.drawEllipse(box);
                p.setPen(Qt::NoPen);
                p.setBrush(st.ink());
                p.drawPie(box, 0, 90 * 16);
                p.drawPie(box, 180 * 16, 90 * 16);
                break;
            }
        }
    }
    p.restore();
}

namespace sk {

QPainterPath Rect(double x0, double y0, double x1, double y1, double radius) {
    QPainterPath path;
    const QRectF r = QRectF(QPointF(x0, y0), QPointF(x1, y1)).normalized();
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

QPainterPath Stroke(const QVector<QPointF>& points, double width) {
    QPainterPath centre;
    if (points.isEmpty()) return centre;
    centre.moveTo(points.first());
    for (int i = 1; i < points.size(); ++i) centre.lineTo(points[i]);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

QPainterPath Hose(QPointF a, QPointF c1, QPointF c2, QPointF b, double width) {
    QPainterPath centre;
    centre.moveTo(a);
    centre.cubicTo(c1, c2, b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    return stroker.createStroke(centre).simplified();
}

namespace {
const double kEllipse = 0.28;  // height of a seen-from-above circle per diameter
}

QPainterPath CylinderSide(double x, double r, double y0, double y1) {
    const double e = r * kEllipse;
    QPainterPath path;
    path.moveTo(x - r, y0);
    path.lineTo(x - r, y1);
    path.arcTo(QRectF(x - r, y1 - e, 2 * r, 2 * e), 180, 180);
    path.lineTo(x + r, y0);
    path.arcTo(QRectF(x - r, y0 - e, 2 * r, 2 * e), 0, 180);
    path.closeSubpath();
    return path;
}

QPainterPath CylinderTop(double x, double r, double y0) {
    const double e = r * kEllipse;
    QPainterPath path;
    path.addEllipse(QRectF(x - r, y0 - e, 2 * r, 2 * e));
    return path;
}

QPainterPath Gear(QPointF c, double r, int teeth) {
    QPainterPath path;
    const double root = r * (1.0 - 2.4 / std::max(teeth, 6));
    const int n = std::max(teeth, 6);
    for (int i = 0; i < n; ++i) {
        const double a0 = 2 * M_PI * i / n;
        const double step = 2 * M_PI / n;
        const double angles[] = {a0, a0 + step * 0.2, a0 + step * 0.45, a0 + step * 0.7};
        const double radii[] = {root, r, r, root};
        for (int k = 0; k < 4; ++k) {
            const QPointF q = c + QPointF(std::cos(angles[k]) * radii[k], std::sin(angles[k]) * radii[k]);
            if (i == 0 && k == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    }
    path.closeSubpath();
    return path;
}

QPointF Oblique(double x, double y, double z) {
    const double k = 0.5, cosA = 0.819, sinA = 0.574;  // depth at 35 degrees, half scale
    return QPointF(x + k * cosA * y, z - k * sinA * y);
}

void Box3(CSketch& s, double x0, double x1, double y0, double y1, double z0, double z1, const QColor& fill) {
    auto face = [](QPointF a, QPointF b, QPointF c, QPointF d) {
        QPainterPath path;
        path.moveTo(a);
        path.lineTo(b);
        path.lineTo(c);
        path.lineTo(d);
        path.closeSubpath();
        return path;
    };
    // Front face at the smallest depth, top face at the smallest z, right face at x1.
    s.Path(face(Oblique(x0, y0, z0), Oblique(x1, y0, z0), Oblique(x1, y0, z1), Oblique(x0, y0, z1)), fill);
    s.Path(face(Oblique(x0, y0, z0), Oblique(x0, y1, z0), Oblique(x1, y1, z0), Oblique(x1, y0, z0)),
           fill.lighter(112));
    s.Path(face(Oblique(x1, y0, z0), Oblique(x1, y1, z0), Oblique(x1, y1, z1), Oblique(x1, y0, z1)),
           fill.darker(112));
}

QColor Copper() { return QColor(196, 120, 62); }
QColor Rubber() { return QColor(78, 80, 86); }
QColor Cable() { return QColor(52, 56, 62); }
QColor Steel() { return QColor(190, 194, 200); }
QColor Coolant() { return QColor(70, 130, 200); }

}  // namespace sk
