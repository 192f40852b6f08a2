#include "CadImport.h"

#include <cmath>

#include "NumText.h"
#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {
namespace {

QString Text(int id) { return LoadKestString(id); }

QString Number(double v) { return QString::fromStdString(FormatC("%.6g", v)); }

bool ValidMass(double v) { return std::isfinite(v) && v > 0.0 && v <= kMaxImportMassKg; }
bool ValidDensity(double v) { return std::isfinite(v) && v > 0.0 && v <= kMaxDensityKgM3; }

CCadResult Failure(const QString& error) {
    CCadResult r;
    r.error = error;
    return r;
}

// The body's volume in m³ when known: a solid measured at unit density has it
// as its mass.
std::optional<double> VolumeOf(const CCadBody& body) {
    if (body.perUnitDensity) return body.props.massKg;
    return body.volumeM3;
}

// The mass a body has at factor 1: its volume at unit density, or its real mass.
double ReferenceMass(const CCadBody& body) { return body.props.massKg; }

}  // namespace

std::vector<CCadBody> BodiesFromGeometry(const CCadGeometry& geometry) {
    std::vector<CCadBody> bodies;
    for (const CCadSolid& solid : geometry.solids) {
        CCadBody b;
        b.name = solid.name;
        b.props = solid.unitDensity;
        b.perUnitDensity = true;
        b.volumeM3 = solid.volumeM3;
        b.measurable = solid.measurable && solid.volumeM3 > 0.0 && IsFinite(solid.unitDensity);
        b.problem = solid.problem;
        b.triangles = solid.triangles;
        bodies.push_back(std::move(b));
    }
    return bodies;
}

std::vector<CCadBody> BodiesFromReport(const CReportRead& read) {
    std::vector<CCadBody> bodies;
    if (read.status != ReportStatus::Ok) return bodies;
    for (const CMassReport& report : read.reports) {
        CCadBody b;
        b.name = report.name.isEmpty() ? report.format : report.name;
        b.props = report.props;
        b.perUnitDensity = report.needsDensity;
        b.volumeM3 = report.volumeM3;
        b.measurable = IsFinite(report.props) && report.props.massKg > 0.0;
        bodies.push_back(std::move(b));
    }
    return bodies;
}

std::array<double, 3> CCadResult::LoadInertia() const {
    if (conservative) return {principal[2], principal[2], principal[2]};
    return {flange.inertia[0][0], flange.inertia[1][1], flange.inertia[2][2]};
}

CPrmLoadSub CCadResult::ToLoad() const {
    CPrmLoadSub load;
    const std::array<double, 3> i = LoadInertia();
    // Rounding noise of a centred part (1e-17 m) would read "-0.000" mm.
    auto clean = [](double m) { return std::fabs(m) < 1e-12 ? 0.0 : m; };
    load.Set(flange.massKg, clean(flange.comM.x), clean(flange.comM.y), clean(flange.comM.z), i[0], i[1],
             i[2]);
    return load;
}

CCadResult ComputeCadResult(const std::vector<CCadBody>& bodies, const std::vector<CBodyMass>& masses,
                            const CMassDefault& fallback, const CFlangeFrame& frame, bool conservative) {
    if (fallback.totalMassKg && !ValidMass(*fallback.totalMassKg))
        return Failure(Text(IDS_CAD_BAD_MASS).arg(Text(IDS_CAD_THE_TOTAL), Number(kMaxImportMassKg)));
    if (fallback.densityKgM3 && !ValidDensity(*fallback.densityKgM3))
        return Failure(Text(IDS_CAD_BAD_DENSITY).arg(Text(IDS_CAD_THE_DEFAULT), Number(kMaxDensityKgM3)));

    CCadResult result;
    // The factor each included body's properties are scaled by: its density
    // when measured per unit density, mass over the stated mass otherwise.
    // Bodies left for the total mass are marked and scaled afterwards.
    std::vector<double> factor(bodies.size(), 0.0);
    std::vector<bool> free(bodies.size(), false);
    double fixedMass = 0.0, freeReference = 0.0;
    bool anyIncluded = false;
    for (size_t i = 0; i < bodies.size(); ++i) {
        const CCadBody& body = bodies[i];
        const CBodyMass given = i < masses.size() ? masses[i] : CBodyMass{};
        CCadBodyResult out;
        out.name = body.name;
        out.volumeM3 = VolumeOf(body);
        if (!body.measurable) {
            out.problem = body.problem;
            result.warnings << Text(IDS_CAD_BODY_LEFT_OUT).arg(body.name, body.problem);
            result.bodies.push_back(out);
            continue;
        }
        if (!given.included) {
            out.problem = Text(IDS_CAD_EXCLUDED).arg(body.name);
            result.bodies.push_back(out);
            continue;
        }
        out.included = true;
        anyIncluded = true;
        const std::optional<double> density = given.massKg           ? std::nullopt
                                              : given.densityKgM3    ? given.densityKgM3
                                              : fallback.totalMassKg ? std::nullopt
                                                                     : fallback.densityKgM3;
        if (given.massKg) {
            if (!ValidMass(*given.massKg))
                return Failure(Text(IDS_CAD_BAD_MASS).arg(body.name, Number(kMaxImportMassKg)));
            factor[i] = *given.massKg / ReferenceMass(body);
        } else if (density) {
            if (!ValidDensity(*density))
                return Failure(Text(IDS_CAD_BAD_DENSITY).arg(body.name, Number(kMaxDensityKgM3)));
            const std::optional<double> volume = VolumeOf(body);
            if (!volume || !(*volume > 0.0))
                return Failure(Text(IDS_CAD_DENSITY_NEEDS_VOLUME).arg(body.name));
            factor[i] = *density * *volume / ReferenceMass(body);
        } else if (fallback.totalMassKg) {
            free[i] = true;
            freeReference += ReferenceMass(body);
        } else if (body.perUnitDensity) {
            return Failure(Text(IDS_CAD_NO_MASS).arg(body.name));
        } else {
            factor[i] = 1.0;  // a report's own mass
        }
        if (!free[i]) fixedMass += factor[i] * ReferenceMass(body);
        result.bodies.push_back(out);
    }
    if (!anyIncluded) return Failure(Text(IDS_CAD_NO_BODIES));

    if (fallback.totalMassKg) {
        if (freeReference > 0.0) {
            const double rest = *fallback.totalMassKg - fixedMass;
            if (!(rest > 0.0))
                return Failure(
                    Text(IDS_CAD_TOTAL_TOO_SMALL).arg(Number(*fallback.totalMassKg), Number(fixedMass)));
            for (size_t i = 0; i < bodies.size(); ++i)
                if (free[i]) factor[i] = rest / freeReference;
        } else {
            result.warnings << Text(IDS_CAD_TOTAL_UNUSED);
        }
    }

    std::vector<CMassProps> parts;
    for (size_t i = 0; i < bodies.size(); ++i) {  // one result row per body
        if (!result.bodies[i].included) continue;
        const CMassProps scaled = Scaled(bodies[i].props, factor[i]);
        result.bodies[i].massKg = scaled.massKg;
        parts.push_back(scaled);
    }
    const CMassProps inFile = Combine(parts);
    result.flange = ToFlange(inFile, frame);
    if (!IsFinite(result.flange) || !(result.flange.massKg > 0.0)) return Failure(Text(IDS_CAD_NOT_FINITE));
    // A density can reach any mass, and a frame origin any distance: beyond
    // these no real load lies (the project holds positions up to 100 m).
    if (result.flange.massKg > kMaxImportMassKg)
        return Failure(
            Text(IDS_CAD_MASS_TOO_LARGE).arg(Number(result.flange.massKg), Number(kMaxImportMassKg)));
    const CVec3& c = result.flange.comM;
    if (std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z) > kMaxImportDistanceM)
        return Failure(Text(IDS_CAD_COG_TOO_FAR).arg(Number(kMaxImportDistanceM * 1000.0)));
    result.principal = PrincipalMoments(result.flange.inertia);
    // A rigid body's principal moments are not negative and each is at most
    // the sum of the other two; a report that breaks this was typed or
    // printed wrongly (1 % allows for rounded reports of thin plates).
    const double largest = std::fabs(result.principal[2]);
    if (result.principal[0] < -1e-9 * largest ||
        result.principal[0] + result.principal[1] < result.principal[2] * (1.0 - 0.01))
        return Failure(
            Text(IDS_CAD_TENSOR_NOT_PHYSICAL)
                .arg(Number(result.principal[0]), Number(result.principal[1]), Number(result.principal[2])));
    result.productsRatio = ProductsRatio(result.flange.inertia);
    result.productsLarge = result.productsRatio > kLargeProducts;
    if (result.productsLarge && !conservative)
        result.warnings
            << Text(IDS_CAD_PRODUCTS_LARGE).arg(QString::number(std::round(result.productsRatio * 100.0)));
    result.conservative = conservative;
    if (conservative)
        result.warnings << Text(IDS_CAD_CONSERVATIVE_USED)
                               .arg(QString::fromStdString(FormatC("%.6g", result.principal[2])));
    result.ok = true;
    return result;
}

std::vector<CMaterial> CommonMaterials() {
    // Typical densities in kg/m³; an alloy's exact figure is the maker's.
    const std::pair<int, double> list[] = {
        {IDS_CAD_MAT_ALUMINIUM, 2700.0}, {IDS_CAD_MAT_STEEL, 7850.0},    {IDS_CAD_MAT_STAINLESS, 7930.0},
        {IDS_CAD_MAT_CAST_IRON, 7200.0}, {IDS_CAD_MAT_TITANIUM, 4430.0}, {IDS_CAD_MAT_BRASS, 8500.0},
        {IDS_CAD_MAT_COPPER, 8960.0},    {IDS_CAD_MAT_POM, 1410.0},      {IDS_CAD_MAT_PA, 1140.0},
        {IDS_CAD_MAT_ABS, 1050.0},
    };
    std::vector<CMaterial> materials;
    for (const auto& [id, density] : list) materials.push_back({Text(id), density});
    return materials;
}

}  // namespace kest::cad
