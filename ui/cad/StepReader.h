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
// the file states): GEOM_OK with every solid, free shell and part of loose
// faces listed, measured or with its problem; GEOM_BAD_FORMAT for a damaged
// or truncated file; GEOM_CANCELLED. Open CASCADE's parsing of the text
// reports no progress; the transfer, measuring and meshing do and can stop.
int ReadStep(const QByteArray& bytes, CCadGeometry& out, QString& error, const CProgress& progress = {});

}  // namespace kest::cad
