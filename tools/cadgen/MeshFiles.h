// Closed triangle meshes of right prisms over a simple polygon, written as
// binary or ASCII STL with the coordinates exactly as given.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace cadgen {

using Point3 = std::array<double, 3>;
using Triangle = std::array<Point3, 3>;

// A prism over a counter-clockwise polygon in the XY plane, from z0 to z1,
// outward-facing. The caps are a fan from `fanFrom`, a vertex that sees the
// whole polygon.
std::vector<Triangle> PrismMesh(const std::vector<std::array<double, 2>>& polygon, double z0, double z1,
                                size_t fanFrom = 0);

bool WriteBinaryStl(const std::string& path, const std::vector<Triangle>& triangles);
bool WriteAsciiStl(const std::string& path, const std::string& name, const std::vector<Triangle>& triangles);

}  // namespace cadgen
