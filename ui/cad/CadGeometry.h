// Solids read from CAD geometry (STEP or STL), each measured from its exact
// geometry at density 1 kg/m³: volume, centre of mass and inertia tensor, plus
// a triangulation for the picture. Positions are in metres, in the file's
// coordinates.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "CadMath.h"
#include "CadUnits.h"
#include "KestLoadLibExport.h"

namespace kest::cad {

struct CTriangle {
    CVec3 a, b, c;
};

struct CCadSolid {
    QString name;  // the file's name for the solid, or "Solid N"
    // Measured at density 1 kg/m³: massKg equals the volume in m³ and the
    // tensor is per kg/m³. Valid only when `measurable`.
    CMassProps unitDensity;
    double volumeM3 = 0.0;
    bool measurable = false;
    QString problem;                   // why it cannot be measured (open shell, zero volume, …)
    std::vector<CTriangle> triangles;  // for the picture; may be empty
};

struct CCadGeometry {
    std::vector<CCadSolid> solids;
    bool unitFromFile = false;  // STEP states its unit; STL does not
    QStringList notes;          // for the user: what was corrected while reading (a mesh turned inside out)
};

// Called now and then with the fraction done (0 to 1); returning false cancels.
using CProgress = std::function<bool(double fraction)>;

enum GeomStatus : int {
    GEOM_OK = 0,
    GEOM_UNREADABLE = -1,  // missing, not a regular file, unreadable
    GEOM_TOO_LARGE = -2,   // above kMaxGeometryBytes
    GEOM_BAD_FORMAT = -3,  // neither STEP nor STL, or corrupt / truncated
    GEOM_NO_SOLIDS = -4,   // read, but nothing measurable in it
    GEOM_CANCELLED = -5,
    GEOM_NEEDS_UNIT = -6,  // an STL file and no length unit given
};

constexpr qint64 kMaxGeometryBytes = 256LL * 1024 * 1024;

// Reads a STEP (.step, .stp) or STL (.stl, binary or ASCII) file, told apart
// by content, not only by name. `unit` is the length unit of a file that does
// not state it (STL); a STEP file's own unit is used. On failure `error`
// holds a message for the user in the current language. Solids that cannot be
// measured are kept in the list with their problem, so they can be named.
KESTLOADLIB_API int ReadGeometryFile(const QString& path, std::optional<LengthUnit> unit, CCadGeometry& out,
                                     QString& error, const CProgress& progress = {});

}  // namespace kest::cad
