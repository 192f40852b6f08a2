// The lint of a plain mechanism table: everything in a table that would make
// the load check divide by nothing, read a value the table did not mean, or
// hide a model from the program. kestmech lint, the build and the window's
// encryption command all use this one implementation.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kest {

struct MechLintFinding {
    int line = 0;              // line of the Mech element (1-based), 0 for the whole table
    std::string mech;          // the model's name as written (UTF-8), empty for the table
    std::string problem;       // one sentence
    std::string Text() const;  // "line 12, TK6-1400: M_Tmax is 0; it must be positive."
};

struct MechLintReport {
    bool readable = true;  // false: the file could not be read (see `problem`)
    std::string problem;   // why the file could not be read
    int mechanisms = 0;    // Mech elements in the table
    std::vector<MechLintFinding> findings;
    bool Clean() const { return readable && findings.empty(); }
};

// Lints `length` bytes of plain table text.
MechLintReport LintMechTable(const char* text, size_t length);
// Lints a plain table file (a regular file of at most the engine's limit).
MechLintReport LintMechTableFile(const std::string& path);

}  // namespace kest
