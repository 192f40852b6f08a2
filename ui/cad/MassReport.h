// Reading the mass-property reports that CAD programs print (pasted text or a
// saved file): mass, centre of mass and the inertia about the centre of mass in
// the report's output coordinate system, in the units the report states.
//
// Layouts are recognised by their anchors, not by position: leading tabs or
// spaces, CRLF, runs of spaces, plain, E and engineering notation are all
// accepted. Units are read per block; a block without a unit is never guessed:
// the caller is told which unit is missing and may give it in `CReportUnits`.
// Products of inertia are turned into the tensor convention (Ixy = −∫x·y dm)
// according to the layout, checked by the parallel-axis rule when the report
// also gives the tensor about its origin.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "CadMath.h"
#include "CadUnits.h"
#include "KestLoadLibExport.h"

namespace kest::cad {

enum class ProductSign { Tensor, PositiveIntegral };

// What the user says about a report that does not say it itself.
struct CReportUnits {
    std::optional<MassUnit> mass;
    std::optional<LengthUnit> length;
    std::optional<ProductSign> sign;  // overrides the layout's convention
};

// One body of a report (a report may hold several, e.g. several parts pasted
// one after the other, or the bodies of a JSON answer).
struct CMassReport {
    QString format;            // the recognised layout, for the user ("Fusion properties", …)
    QString name;              // the part or assembly name the report gives, may be empty
    QString coordinateSystem;  // the output coordinate system the report names, may be empty
    CMassProps props;          // SI, tensor convention, in the report's output frame
    // The report's "mass" is the volume at density 1 (a geometry kernel's
    // console): props.massKg is then the volume in m³ and the inertia is per
    // kg/m³, and a density or a mass must be given.
    bool needsDensity = false;
    std::optional<double> volumeM3;
    std::optional<double> densityKgM3;
    QStringList warnings;  // low precision, user-overridden values, sign check, …
};

enum class ReportStatus {
    Ok,
    NotRecognised,  // no known layout and no plain mass / centre / tensor table
    MissingUnit,    // a unit is not stated and not given: ask, then read again
    Invalid,        // a value is missing, not finite, or the mass is not positive
};

struct CReportRead {
    ReportStatus status = ReportStatus::NotRecognised;
    QString message;  // for the user, in the current language, when not Ok
    bool needsMassUnit = false;
    bool needsLengthUnit = false;
    std::vector<CMassReport> reports;
};

// Reports larger than this are refused before they are read.
constexpr qint64 kMaxReportBytes = 4LL * 1024 * 1024;

KESTLOADLIB_API CReportRead ReadMassReport(const QByteArray& text, const CReportUnits& given = {});

}  // namespace kest::cad
