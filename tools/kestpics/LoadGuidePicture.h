#pragma once

#include <QImage>

// The load calculator's guide: where the origin of the summed load's frame
// lies, side by side for (1) equipment between robot and tool, where the
// tool's centre of gravity is measured from the robot mount (the flange), and
// (2) a tool mounted directly, measured from the tool mount. The words in
// Korean or in English.
QImage DrawLoadGuidePicture(bool english = false);
