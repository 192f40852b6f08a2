// STEP files through Open CASCADE: the assembly tree with its placements and
// names, every solid measured from its exact geometry, a coarse triangulation
// for the picture.
#pragma once

#include <QByteArray>
#include <QString>

#include "CadGeometry.h"

namespace kest::cad {

// Whether the bytes begin as a STEP file ("ISO-10303-21;").
bool LooksLikeStep(const QByteArray& bytes);

// Reads a STEP file's bytes into `out` (positions in metres, whatever unit
// the file states). GEOM_OK when at least one solid can be measured,
// GEOM_NO_SOLIDS when none can (the others are listed with their problem),
// GEOM_BAD_FORMAT for a damaged or truncated file, GEOM_CANCELLED.
int ReadStep(const QByteArray& bytes, CCadGeometry& out, QString& error, const CProgress& progress = {});

}  // namespace kest::cad
