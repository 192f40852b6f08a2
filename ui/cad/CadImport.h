// From what was read (solids of a geometry file or bodies of a mass-property
// report) to one load in the flange frame: masses or densities given by the
// user, the sum of the bodies, the move into the flange frame, the principal
// moments and the conservative choice. The window's import dialog and the
// command line's --mass-props both use it.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "CadGeometry.h"
#include "CadMath.h"
#include "FlangeFrame.h"
#include "KestLoadLibExport.h"
#include "MassReport.h"
#include "PrmLoadSub.h"

namespace kest::cad {

// One body to sum: a solid of a geometry file or a body of a report.
struct CCadBody {
    QString name;
    // Per unit density (kg/m³) when `perUnitDensity`, else the real mass
    // properties. Positions in file coordinates (m).
    CMassProps props;
    bool perUnitDensity = true;
    std::optional<double> volumeM3;
    bool measurable = true;
    QString problem;
    std::vector<CTriangle> triangles;
};

KESTLOADLIB_API std::vector<CCadBody> BodiesFromGeometry(const CCadGeometry& geometry);
KESTLOADLIB_API std::vector<CCadBody> BodiesFromReport(const CReportRead& read);

// What the user gives for one body: a mass or a density, or nothing (the
// default of the whole import applies).
struct CBodyMass {
    std::optional<double> massKg;
    std::optional<double> densityKgM3;
    bool included = true;
};

// The default for bodies without their own value: a total mass for the whole
// import (spread at one density over the bodies measured per unit density and
// scaling the others), or one density for every body.
struct CMassDefault {
    std::optional<double> totalMassKg;
    std::optional<double> densityKgM3;
};

struct CCadBodyResult {
    QString name;
    std::optional<double> volumeM3;
    double massKg = 0.0;
    bool included = false;
    QString problem;  // why it was left out, empty when included
};

struct KESTLOADLIB_API CCadResult {
    bool ok = false;
    QString error;                      // when not ok: for the user, current language
    CMassProps flange;                  // in the flange frame (centre in m)
    std::array<double, 3> principal{};  // ascending, kg·m²
    double productsRatio = 0.0;         // see ProductsRatio
    bool productsLarge = false;         // productsRatio above kLargeProducts
    bool conservative = false;          // Ixx, Iyy, Izz replaced by the largest principal moment
    std::vector<CCadBodyResult> bodies;
    QStringList warnings;

    // The three moments the load takes: the tensor's diagonal, or the largest
    // principal moment three times when `conservative`.
    std::array<double, 3> LoadInertia() const;
    // The load in KestLoad's units (kg, m, kg·m²).
    CPrmLoadSub ToLoad() const;
};

// Products larger than this share of the largest moment are worth a word.
constexpr double kLargeProducts = 0.10;

// Masses and densities above these are refused as typing errors.
constexpr double kMaxImportMassKg = 100000.0;
constexpr double kMaxDensityKgM3 = 30000.0;
// A centre of gravity farther than this from the flange is refused (100 m).
constexpr double kMaxImportDistanceM = 100.0;

// `masses` has one entry per body (missing entries use the default).
KESTLOADLIB_API CCadResult ComputeCadResult(const std::vector<CCadBody>& bodies,
                                            const std::vector<CBodyMass>& masses,
                                            const CMassDefault& fallback, const CFlangeFrame& frame,
                                            bool conservative);

// Common materials for the density list: name in the current language and kg/m³.
struct CMaterial {
    QString name;
    double densityKgM3;
};
KESTLOADLIB_API std::vector<CMaterial> CommonMaterials();

}  // namespace kest::cad
