// Reading what the user hands over for an import: a geometry file (STEP, STL)
// or a mass-property report (a file or pasted text), told apart by content,
// turned into the bodies the import sums.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "CadGeometry.h"
#include "CadImport.h"
#include "KestLoadLibExport.h"
#include "MassReport.h"

namespace kest::cad {

enum CadReadStatus : int {
    CAD_READ_OK = 0,
    CAD_READ_FAILED = -1,      // unreadable, unknown or damaged: `error` says why
    CAD_READ_NEEDS_UNIT = -2,  // a unit is not stated: ask (see needs*), then read again
    CAD_READ_CANCELLED = -3,
};

struct CCadSource {
    int status = CAD_READ_FAILED;
    QString error;
    bool geometry = false;  // a STEP or STL file (else a report)
    bool needsLengthUnit = false;
    bool needsMassUnit = false;
    QString format;            // "STEP", "STL" or the report's layout
    QString coordinateSystem;  // the report's output coordinate system, if named
    std::vector<CCadBody> bodies;
    QStringList notes;  // what the reader noticed (report warnings)
};

// Whether the start of a file (and its name) is STEP or STL geometry.
KESTLOADLIB_API bool LooksLikeGeometry(const QString& path, const QByteArray& head, qint64 size);

// `units` gives what the file does not state: the length unit of an STL file,
// the units and the product sign of a report.
KESTLOADLIB_API CCadSource ReadCadFile(const QString& path, const CReportUnits& units,
                                       const CProgress& progress = {});
KESTLOADLIB_API CCadSource ReadCadText(const QByteArray& text, const CReportUnits& units);

}  // namespace kest::cad
