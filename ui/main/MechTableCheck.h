// The check of a plain mechanism table before the window's service command
// encrypts it, with the lint that kestmech and the build use.
#pragma once

#include <QString>

// How many problems the message lists before it only counts the rest.
constexpr int kMechProblemsListed = 10;

// Empty text when the table at `path` has no problems or cannot be read (the
// encryption then says why); otherwise a message that lists the first problems
// and counts the others.
QString MechTableProblems(const QString& path);
