// The check of a plain mechanism table before the window's service command
// encrypts it, with the lint that kestmech and the build use.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"

namespace kest {
struct MechLintFinding;
}

// How many problems the message lists before it only counts the rest.
constexpr int kMechProblemsListed = 10;

// Empty text when the table at `path` has no problems or cannot be read (the
// encryption then says why); otherwise a message that lists the first problems
// and counts the others.
QString MechTableProblems(const QString& path);
// One problem of the lint in the window's language: "line 12, TK6-1400: ...".
KESTLOADLIB_API QString MechProblemText(const kest::MechLintFinding& finding);
