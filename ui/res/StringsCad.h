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
    IDS_GEOM_NOT_CAD = 41740,
    IDS_GEOM_EMPTY = 41741,
    IDS_GEOM_STL_SIZE = 41742,
    IDS_GEOM_STL_EXPECTED = 41743,
    IDS_GEOM_STL_TRUNCATED = 41744,
    IDS_GEOM_STL_NUMBER = 41745,
    IDS_GEOM_STL_BINARY_NUMBER = 41746,
    IDS_GEOM_STL_NO_TRIANGLES = 41747,
    IDS_GEOM_NEEDS_UNIT = 41748,
    IDS_GEOM_MESH_OPEN = 41749,
    IDS_GEOM_MESH_ORIENTATION = 41750,
    IDS_GEOM_MESH_NONMANIFOLD = 41751,
    IDS_GEOM_MESH_TURNED = 41752,
    IDS_GEOM_ZERO_VOLUME = 41753,
    IDS_GEOM_SHELL_OPEN = 41754,
    IDS_GEOM_NOT_SOLID = 41755,
    IDS_GEOM_STEP_DAMAGED = 41756,
    IDS_GEOM_STEP_TRUNCATED = 41757,
    IDS_GEOM_NOTHING_MEASURABLE = 41758,
    IDS_GEOM_CANCELLED = 41759,
    // The import dialog and its picture (41760 to 41799).
};

using CadStringTable = std::map<int, const char*>;
const CadStringTable& CadKoreanStrings();
const CadStringTable& CadEnglishStrings();

}  // namespace kest
