#pragma once

#include <QImage>
#include <QString>

#include "PredefLoadList.h"

// Size of a predefined load's picture in the load calculator.
constexpr int kLoadPictureWidth = 240;
constexpr int kLoadPictureHeight = 180;

// The line drawing of one predefined load: the part drawn to the proportions
// of its own mass and inertias, on the flange or the arm it is mounted to,
// with its centre of gravity. The kind of part is the load name up to the
// first '-' ("SpotGun", "VacGrip", ...); a name of no known kind gives a null
// image and the reason.
QImage DrawLoadPicture(const PredefLoadInfo& load, QString& error);
