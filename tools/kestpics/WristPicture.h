#pragma once

#include <QImage>

// Side view of the wrist: the B axis, the wrist link, the flange and the R1
// axis. The flange centre lies 54 % across and half-way down.
QImage DrawWristPicture(bool grey);
