// A line drawing made in world units (millimetres) and fitted into a picture
// afterwards, so that a part can be drawn from its own dimensions. Line widths,
// hatching and marks keep their pixel size whatever the scale.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QVector>

#include "Style.h"

class QPainter;

class CSketch {
public:
    enum class Line { Solid, Thin, Context };

    // A closed or open outline; a transparent fill draws the outline only.
    void Path(const QPainterPath& path, const QColor& fill, Line line = Line::Solid);
    // A fixed mounting surface from a to b, hatched on the left of a -> b.
    void Hatch(QPointF a, QPointF b);
    // The centre-of-gravity symbol.
    void Mark(QPointF at);
    // Everything of other, drawn after what is here.
    void Append(const CSketch& other) { m_items += other.m_items; }

    QRectF Bounds() const;
    bool IsEmpty() const { return m_items.isEmpty(); }
    // Draws everything scaled uniformly and centred into target.
    void Render(QPainter& p, const QRectF& target, const PictureStyle& st) const;

private:
    enum class Kind { Path, Hatch, Mark };
    struct Item {
        Kind kind;
        QPainterPath path;
        QColor fill;
        Line line;
        QPointF a, b;
    };
    QVector<Item> m_items;
};

// Shapes in world units for building sketches.
namespace sk {

QPainterPath Rect(double x0, double y0, double x1, double y1, double radius = 0);
// A polyline widened to the given width with round joins and caps.
QPainterPath Stroke(const QVector<QPointF>& points, double width);
// A cubic curve from a to b widened to the given width.
QPainterPath Hose(QPointF a, QPointF c1, QPointF c2, QPointF b, double width);
// A cylinder with a vertical axis seen slightly from above: top face at y0,
// bottom at y1, centred on x.
QPainterPath CylinderSide(double x, double r, double y0, double y1);
QPainterPath CylinderTop(double x, double r, double y0);
// A spur gear of n teeth, tip radius r.
QPainterPath Gear(QPointF c, double r, int teeth);

// Oblique view of boxes: y (depth) goes up and to the right at half scale.
QPointF Oblique(double x, double y, double z);
// A box x0..x1, y0..y1, z0..z1 (z down) as its front, top and right faces.
void Box3(CSketch& s, double x0, double x1, double y0, double y1, double z0, double z1, const QColor& fill);

// Colours of materials that the style does not name.
QColor Copper();
QColor Rubber();
QColor Cable();
QColor Steel();
QColor Coolant();

}  // namespace sk
