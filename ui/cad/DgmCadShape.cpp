#include "DgmCadShape.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {
namespace {

bool Finite(const CVec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }
CVec3 Sub(const CVec3& a, const CVec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
CVec3 Cross(const CVec3& a, const CVec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(const CVec3& a, const CVec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct VertexKey {
    std::int64_t x, y, z;
    bool operator==(const VertexKey& o) const { return x == o.x && y == o.y && z == o.z; }
};
struct VertexKeyHash {
    size_t operator()(const VertexKey& k) const {
        std::uint64_t h = static_cast<std::uint64_t>(k.x) * 0x9E3779B97F4A7C15ULL;
        h ^= static_cast<std::uint64_t>(k.y) + 0x7F4A7C159E3779B9ULL + (h << 6) + (h >> 2);
        h ^= static_cast<std::uint64_t>(k.z) + 0x94D049BB133111EBULL + (h << 6) + (h >> 2);
        return static_cast<size_t>(h);
    }
};

struct EdgeUse {
    int a, b;      // vertex numbers, a < b
    CVec3 normal;  // of the first triangle
    int count;
    bool crease;
};

// The bounds of the projected picture, in plane metres.
struct Bounds {
    double minU = 0, maxU = 0, minV = 0, maxV = 0;
    bool any = false;
    void Add(const QPointF& p) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return;
        if (!any) {
            minU = maxU = p.x();
            minV = maxV = p.y();
            any = true;
            return;
        }
        minU = std::min(minU, p.x());
        maxU = std::max(maxU, p.x());
        minV = std::min(minV, p.y());
        maxV = std::max(maxV, p.y());
    }
};

const CVec3 kAxes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
CVec3 Scale(const CVec3& v, double f) { return {v.x * f, v.y * f, v.z * f}; }

}  // namespace

std::vector<CEdge3> OutlineEdges(const std::vector<CTriangle>& triangles, double creaseDeg) {
    std::vector<CEdge3> out;
    // Vertices closer than a millionth of the mesh's size are one vertex.
    double extent = 0.0;
    bool first = true;
    CVec3 lo, hi;
    for (const CTriangle& t : triangles) {
        for (const CVec3* v : {&t.a, &t.b, &t.c}) {
            if (!Finite(*v)) continue;
            if (first) {
                lo = hi = *v;
                first = false;
            }
            lo = {std::min(lo.x, v->x), std::min(lo.y, v->y), std::min(lo.z, v->z)};
            hi = {std::max(hi.x, v->x), std::max(hi.y, v->y), std::max(hi.z, v->z)};
        }
    }
    if (first) return out;
    extent = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
    if (!(extent > 0.0) || !std::isfinite(extent)) return out;
    const double quantum = extent * 1e-6;

    std::unordered_map<VertexKey, int, VertexKeyHash> vertexIds;
    std::vector<CVec3> vertices;
    vertexIds.reserve(triangles.size());
    auto vertexId = [&](const CVec3& v) {
        const VertexKey key{std::llround((v.x - lo.x) / quantum), std::llround((v.y - lo.y) / quantum),
                            std::llround((v.z - lo.z) / quantum)};
        const auto [it, added] = vertexIds.emplace(key, static_cast<int>(vertices.size()));
        if (added) vertices.push_back(v);
        return it->second;
    };

    const double cosCrease = std::cos(creaseDeg * M_PI / 180.0);
    std::unordered_map<std::uint64_t, size_t> edgeIndex;
    std::vector<EdgeUse> edges;
    edgeIndex.reserve(triangles.size() * 2);
    for (const CTriangle& t : triangles) {
        if (!Finite(t.a) || !Finite(t.b) || !Finite(t.c)) continue;
        const int ids[3] = {vertexId(t.a), vertexId(t.b), vertexId(t.c)};
        if (ids[0] == ids[1] || ids[1] == ids[2] || ids[0] == ids[2]) continue;
        CVec3 n = Cross(Sub(t.b, t.a), Sub(t.c, t.a));
        const double len = std::sqrt(Dot(n, n));
        if (!(len > 0.0) || !std::isfinite(len)) continue;
        n = Scale(n, 1.0 / len);
        for (int k = 0; k < 3; ++k) {
            const int a = std::min(ids[k], ids[(k + 1) % 3]);
            const int b = std::max(ids[k], ids[(k + 1) % 3]);
            const std::uint64_t key = (static_cast<std::uint64_t>(a) << 32) | static_cast<std::uint32_t>(b);
            const auto [it, added] = edgeIndex.emplace(key, edges.size());
            if (added) {
                edges.push_back({a, b, n, 1, false});
                continue;
            }
            EdgeUse& e = edges[it->second];
            ++e.count;
            if (e.count > 2 || Dot(e.normal, n) < cosCrease) e.crease = true;
        }
    }
    for (const EdgeUse& e : edges) {
        if (e.count == 1 || e.crease)
            out.push_back({vertices[static_cast<size_t>(e.a)], vertices[static_cast<size_t>(e.b)]});
    }
    return out;
}

std::vector<CEdge3> EdgesToFlange(const std::vector<CEdge3>& edges, const CFlangeFrame& frame) {
    std::vector<CEdge3> out;
    out.reserve(edges.size());
    for (const CEdge3& e : edges) out.push_back({PointToFlange(e.a, frame), PointToFlange(e.b, frame)});
    return out;
}

QPointF IsoProject(const CVec3& p) {
    static const double kU = 1.0 / std::sqrt(2.0);
    static const double kV = 1.0 / std::sqrt(6.0);
    return {(p.y - p.x) * kU, (2.0 * p.z - p.x - p.y) * kV};
}

QPointF CCadShapeLayout::ToPixel(const CVec3& p) const {
    const QPointF q = IsoProject(p);
    return {originPx.x() + q.x() * scale, originPx.y() - q.y() * scale};
}

CCadShapeLayout LayoutCadShape(const QRect& area, const CCadShape& shape, int marginPx) {
    CCadShapeLayout layout;
    // The size of what is drawn: the shape's box with the flange centre and
    // the centre of mass in it.
    CVec3 lo, hi;
    auto grow = [&lo, &hi](const CVec3& v) {
        if (!Finite(v)) return;
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    };
    for (const CEdge3& e : shape.edges) {
        grow(e.a);
        grow(e.b);
    }
    if (shape.comM) grow(*shape.comM);
    const double size = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
    layout.axisM = size > 0.0 && std::isfinite(size) ? size / 3.0 : 0.1;

    Bounds b;
    b.Add(IsoProject({}));
    for (const CVec3& axis : kAxes) b.Add(IsoProject(Scale(axis, layout.axisM)));
    for (const CEdge3& e : shape.edges) {
        if (!Finite(e.a) || !Finite(e.b)) continue;
        b.Add(IsoProject(e.a));
        b.Add(IsoProject(e.b));
    }
    if (shape.comM && Finite(*shape.comM)) b.Add(IsoProject(*shape.comM));

    const QRectF inner = QRectF(area).adjusted(marginPx, marginPx, -marginPx, -marginPx);
    const double w = std::max(b.maxU - b.minU, 1e-12);
    const double h = std::max(b.maxV - b.minV, 1e-12);
    layout.scale = std::max(0.0, std::min(inner.width() / w, inner.height() / h));
    // The picture's middle at the rectangle's middle.
    const double midU = (b.minU + b.maxU) / 2.0;
    const double midV = (b.minV + b.maxV) / 2.0;
    layout.originPx =
        QPointF(inner.center().x() - midU * layout.scale, inner.center().y() + midV * layout.scale);
    return layout;
}

void CDgmCadShape::Draw(QPainter& p, const QRect& rc, const CCadShape& shape, bool grey) {
    layout = LayoutCadShape(rc, shape, kMarginPx);
    p.save();
    p.setClipRect(rc);
    p.fillRect(rc, Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);

    // The shape: its outline and feature edges.
    QVector<QLineF> lines;
    lines.reserve(static_cast<qsizetype>(shape.edges.size()));
    for (const CEdge3& e : shape.edges) {
        if (!Finite(e.a) || !Finite(e.b)) continue;
        lines.append(QLineF(layout.ToPixel(e.a), layout.ToPixel(e.b)));
    }
    p.setPen(QPen(grey ? QColor(90, 90, 90) : QColor(70, 80, 100), 1.0));
    p.drawLines(lines);

    // The flange axes, drawn over the shape: colour, or dash and label.
    const QPointF o = layout.ToPixel({});
    const QColor colours[3] = {QColor(220, 0, 0), QColor(0, 150, 0), QColor(0, 60, 230)};
    const Qt::PenStyle dashes[3] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    const char* const names[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        const QColor c = grey ? QColor(0, 0, 0) : colours[i];
        const QPointF tip = layout.ToPixel(Scale(kAxes[i], layout.axisM));
        axisTipPx[i] = tip;
        QLineF line(o, tip);
        p.setPen(QPen(c, 2.0, grey ? dashes[i] : Qt::SolidLine, Qt::FlatCap));
        p.drawLine(line);
        // The arrow head, 9 px long.
        if (line.length() > 1.0) {
            const QPointF dir = (tip - o) / line.length();
            const QPointF side(-dir.y(), dir.x());
            QPolygonF head;
            head << tip << tip - dir * 9.0 + side * 3.5 << tip - dir * 9.0 - side * 3.5;
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(head);
            p.setBrush(Qt::NoBrush);
            const QPointF at = tip + dir * 10.0;
            p.setPen(c);
            const QRectF box(at.x() - 10, at.y() - 8, 20, 16);
            QFont bold = font;
            bold.setBold(true);
            p.setFont(bold);
            p.drawText(box, Qt::AlignCenter, QString::fromLatin1(names[i]));
            p.setFont(font);
        }
    }

    // The flange centre: a ring with its name to the upper left, between the
    // Z axis and the X axis, where no axis runs.
    p.setPen(QPen(QColor(0, 0, 0), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(o, 4.0, 4.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0, 0, 0));
    const QString flange = LoadKestString(IDS_CI_FLANGE_CENTRE);
    const QFontMetricsF fm(font);
    p.drawText(QPointF(o.x() - fm.horizontalAdvance(flange) - 8, o.y() - 6), flange);

    // The centre of mass: the quartered disc, named on its right.
    comPx = QPointF();
    if (shape.comM && Finite(*shape.comM)) {
        const QPointF c = layout.ToPixel(*shape.comM);
        comPx = c;
        const QRectF disc(c.x() - 6, c.y() - 6, 12, 12);
        p.setPen(QPen(QColor(0, 0, 0), 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(disc);
        p.setPen(Qt::NoPen);
        p.setBrush(grey ? QColor(0, 0, 0) : QColor(200, 0, 120));
        p.drawPie(disc, 0, 90 * 16);
        p.drawPie(disc, 180 * 16, 90 * 16);
        p.setBrush(Qt::NoBrush);
        p.setPen(grey ? QColor(0, 0, 0) : QColor(160, 0, 100));
        p.drawText(QPointF(c.x() + 10, c.y() + fm.ascent() / 2 - 1), LoadKestString(IDS_CI_COM));
    }
    p.restore();
}

}  // namespace kest::cad
