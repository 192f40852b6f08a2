#pragma once

#include <QImage>

#include "MechGeometry.h"

// The mechanism drawn to scale from its own geometry: base, lower arm, upper
// arm, wrist and flange, with the axes S, H, V, R2, B and R1.
QImage DrawMechPicture(const MechGeometry& m);
