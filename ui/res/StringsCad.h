// The numbered texts of the import of loads from CAD (41700 to 41799), in
// Korean and English. LoadKestString finds them like every other text.
#pragma once

#include <map>

namespace kest {

enum CadStringId : int {
    // Units, frame and the result (41700 to 41719).
    IDS_CAD_FIRST = 41700,
    IDS_CAD_NO_BODIES = 41700,
    IDS_CAD_NO_MASS = 41701,
    IDS_CAD_BAD_MASS = 41702,
    IDS_CAD_BAD_DENSITY = 41703,
    IDS_CAD_BODY_LEFT_OUT = 41704,
    IDS_CAD_PRODUCTS_LARGE = 41705,
    IDS_CAD_CONSERVATIVE_USED = 41706,
    IDS_CAD_NOT_FINITE = 41707,
    IDS_CAD_SOLID_N = 41708,
    IDS_CAD_MAT_STEEL = 41709,
    IDS_CAD_MAT_STAINLESS = 41710,
    IDS_CAD_MAT_ALUMINIUM = 41711,
    IDS_CAD_MAT_TITANIUM = 41712,
    IDS_CAD_MAT_BRASS = 41713,
    IDS_CAD_MAT_COPPER = 41714,
    IDS_CAD_MAT_CAST_IRON = 41715,
    IDS_CAD_MAT_POM = 41716,
    IDS_CAD_MAT_PA = 41717,
    IDS_CAD_MAT_ABS = 41718,
    IDS_CAD_EXCLUDED = 41719,
    // Mass-property reports and units (41720 to 41739).
    // Geometry files (41740 to 41759).
    // The import dialog and its picture (41760 to 41799).
    // More of the result and the command line (41800 to 41829).
    IDS_CAD_DENSITY_NEEDS_VOLUME = 41800,
    IDS_CAD_TOTAL_TOO_SMALL = 41801,
    IDS_CAD_TOTAL_UNUSED = 41802,
    IDS_CAD_THE_TOTAL = 41803,
    IDS_CAD_THE_DEFAULT = 41804,
};

using CadStringTable = std::map<int, const char*>;
const CadStringTable& CadKoreanStrings();
const CadStringTable& CadEnglishStrings();

}  // namespace kest
