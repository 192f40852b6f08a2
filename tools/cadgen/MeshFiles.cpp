#include "MeshFiles.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace cadgen {

namespace {

Point3 Normal(const Triangle& t) {
    const double ux = t[1][0] - t[0][0], uy = t[1][1] - t[0][1], uz = t[1][2] - t[0][2];
    const double vx = t[2][0] - t[0][0], vy = t[2][1] - t[0][1], vz = t[2][2] - t[0][2];
    Point3 n{uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
    const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len > 0)
        for (double& c : n) c /= len;
    return n;
}

void PutFloat(std::FILE* f, double v) {
    const float x = static_cast<float>(v);
    uint32_t bits;
    std::memcpy(&bits, &x, 4);
    const unsigned char b[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                static_cast<unsigned char>(bits >> 16),
                                static_cast<unsigned char>(bits >> 24)};
    std::fwrite(b, 1, 4, f);
}

}  // namespace

std::vector<Triangle> PrismMesh(const std::vector<std::array<double, 2>>& polygon, double z0, double z1,
                                size_t fanFrom) {
    std::vector<Triangle> out;
    const size_t n = polygon.size();
    auto at = [&](size_t i, double z) { return Point3{polygon[i % n][0], polygon[i % n][1], z}; };
    for (size_t k = 1; k + 1 < n; ++k) {
        const size_t a = fanFrom, b = (fanFrom + k) % n, c = (fanFrom + k + 1) % n;
        out.push_back({at(a, z1), at(b, z1), at(c, z1)});  // top, seen from +z
        out.push_back({at(a, z0), at(c, z0), at(b, z0)});  // bottom, seen from −z
    }
    for (size_t i = 0; i < n; ++i) {
        out.push_back({at(i, z0), at(i + 1, z0), at(i + 1, z1)});
        out.push_back({at(i, z0), at(i + 1, z1), at(i, z1)});
    }
    return out;
}

bool WriteBinaryStl(const std::string& path, const std::vector<Triangle>& triangles) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    char header[80] = {};
    std::snprintf(header, sizeof header, "binary STL written by cadgen");
    std::fwrite(header, 1, 80, f);
    const uint32_t count = static_cast<uint32_t>(triangles.size());
    const unsigned char c[4] = {static_cast<unsigned char>(count), static_cast<unsigned char>(count >> 8),
                                static_cast<unsigned char>(count >> 16),
                                static_cast<unsigned char>(count >> 24)};
    std::fwrite(c, 1, 4, f);
    for (const Triangle& t : triangles) {
        for (double v : Normal(t)) PutFloat(f, v);
        for (const Point3& p : t)
            for (double v : p) PutFloat(f, v);
        const unsigned char attr[2] = {0, 0};
        std::fwrite(attr, 1, 2, f);
    }
    return std::fclose(f) == 0;
}

bool WriteAsciiStl(const std::string& path, const std::string& name, const std::vector<Triangle>& triangles) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return false;
    std::fprintf(f, "solid %s\n", name.c_str());
    for (const Triangle& t : triangles) {
        const Point3 n = Normal(t);
        std::fprintf(f, "  facet normal %g %g %g\n    outer loop\n", n[0], n[1], n[2]);
        for (const Point3& p : t) std::fprintf(f, "      vertex %.9g %.9g %.9g\n", p[0], p[1], p[2]);
        std::fprintf(f, "    endloop\n  endfacet\n");
    }
    std::fprintf(f, "endsolid %s\n", name.c_str());
    return std::fclose(f) == 0;
}

}  // namespace cadgen
