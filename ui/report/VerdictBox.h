// The verdict box of one robot, as the main window and the report draw it:
// the robot's name on a dark band, the verdict on a band of its colour (green
// pass, yellow high load, red fail, light grey no result) and the detail lines
// below, their values in one column.
#pragma once

#include <QRect>
#include <QString>

#include "KestLoadLibExport.h"

struct CVerdict;
namespace kest {
class CKestDC;
}

// Draws the box's frame in R and, for a robot (`verdict` not null), its bands
// and detail. `grey`: white bands for a monochrome page; `print`: black frame
// and the page's proportions. The detail's font shrinks until its lines fit
// in height, never below `smallestDetailPx`, and, for a line too wide, up to
// 3 px further (never below 6 px) rather than cut the line. Returns the detail font's pixel size (0 when
// only the frame was drawn).
KESTLOADLIB_API int DrawVerdictBox(kest::CKestDC& dc, const QRect& R, const QString& name,
                                   const CVerdict* verdict, bool grey, bool print, int smallestDetailPx);
