// The picture that confirms the flange frame: an isometric line drawing of the
// shape in flange axes (its outline and feature edges, hidden lines included),
// the flange axes X, Y and Z as labelled arrows from the flange centre, the
// flange centre and the centre of mass. Knows nothing of windows: it lays
// itself out in a rectangle and draws with any painter.
#pragma once

#include <QPointF>
#include <QRect>
#include <optional>
#include <vector>

#include "CadGeometry.h"
#include "CadMath.h"
#include "FlangeFrame.h"
#include "KestLoadLibExport.h"

class QPainter;

namespace kest::cad {

struct CEdge3 {
    CVec3 a, b;
};

// The edges of a triangle mesh worth drawing: boundary edges, edges shared by
// more than two triangles, and edges whose two triangles' normals differ by
// more than `creaseDeg` degrees. Vertices closer than a millionth of the
// mesh's size are taken as one; degenerate and non-finite triangles are
// skipped.
KESTLOADLIB_API std::vector<CEdge3> OutlineEdges(const std::vector<CTriangle>& triangles,
                                                 double creaseDeg = 20.0);

// Edges given in file coordinates, moved into the flange frame.
KESTLOADLIB_API std::vector<CEdge3> EdgesToFlange(const std::vector<CEdge3>& edges,
                                                  const CFlangeFrame& frame);

// What the picture shows, all in the flange frame (m).
struct CCadShape {
    std::vector<CEdge3> edges;
    std::optional<CVec3> comM;  // the centre of mass, when there is a result
};

// Isometric projection seen from (+1, +1, +1): flange X to the lower left, Y
// to the lower right, Z up. The plane's coordinates are metres with v upwards.
KESTLOADLIB_API QPointF IsoProject(const CVec3& p);

// Where the picture goes in its rectangle.
struct KESTLOADLIB_API CCadShapeLayout {
    double scale = 1.0;  // pixels per metre
    QPointF originPx;    // the flange centre's pixel
    double axisM = 0.1;  // length of the drawn axes, m
    QPointF ToPixel(const CVec3& p) const;
};

// The axes are a third of the size of what is drawn (shape, flange centre and
// centre of mass), 0.1 m when that has no size; everything, the axes' tips
// included, fits `area` less `marginPx` on every side, centred.
KESTLOADLIB_API CCadShapeLayout LayoutCadShape(const QRect& area, const CCadShape& shape, int marginPx);

class KESTLOADLIB_API CDgmCadShape {
public:
    // Draws into `rc` on a white ground. grey: everything black and grey, the
    // axes told apart by dash pattern and label.
    void Draw(QPainter& p, const QRect& rc, const CCadShape& shape, bool grey);

    // Where the last Draw put things (for the tests).
    CCadShapeLayout layout;
    QPointF axisTipPx[3];
    QPointF comPx;

    static constexpr int kMarginPx = 28;
};

}  // namespace kest::cad
