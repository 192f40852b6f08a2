#pragma once

#include <QImage>

// The robot's base frame and the flange frame with their X, Y, Z arrows, the
// tool's centre of gravity and its offsets Lx, Ly, Lz from the flange; the
// words in Korean or in English.
QImage DrawCrdSysPicture(bool grey, bool english = false);
// Hand and workpiece on the flange, each with its own centre of gravity, for
// the tool calculator.
QImage DrawToolCalcFramePicture(bool english = false);
