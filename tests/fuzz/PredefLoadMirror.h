// A reader of the predefined-load file (PredefLoad.xml) that follows the file's
// format, for the fuzz target. The load calculator's own reader is being built
// on another branch; once it is merged, point fuzz_predefload.cpp at it and
// delete this mirror (see tests/fuzz/README.md).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct PredefLoadEntry {
    std::string name, description, img;
    std::vector<std::string> mount, appl;  // tokens, lower case
    double mass = 0.0;                     // kg
    double lx = 0.0, ly = 0.0, lz = 0.0;   // m (the file holds mm)
    double ixx = 0.0, iyy = 0.0, izz = 0.0;
};

struct PredefLoadData {
    int version = 0;
    std::string lastModified;
    std::vector<PredefLoadEntry> loads;
    int refused = 0;  // loads left out because a number is not finite
};

// 0, or -1 when the text is not well-formed XML, -2 without
// //PredefLoad/FileHeader, -3 when elements nest deeper than the table limit.
int ReadPredefLoadText(const char* text, size_t length, PredefLoadData& out);
