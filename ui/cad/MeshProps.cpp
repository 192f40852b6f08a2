#include "MeshProps.h"

#include <algorithm>

#include "NumText.h"
#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {

namespace {

CVec3 Midpoint(const CIndexedMesh& mesh, uint64_t a, uint64_t b) {
    const CVec3& p = mesh.vertices[a];
    const CVec3& q = mesh.vertices[b];
    return {(p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2};
}

QString Coord(double v) { return QString::fromStdString(FormatC("%.6g", v)); }

}  // namespace

CMeshEdges CheckMeshEdges(const CIndexedMesh& mesh, size_t first, size_t count) {
    // Each directed edge a→b as one number: the smaller index, the larger
    // index and whether it runs from the smaller to the larger. Sorted, the
    // uses of one edge lie side by side.
    std::vector<uint64_t> keys;
    keys.reserve(3 * count);
    for (size_t f = first; f < first + count; ++f) {
        const auto& t = mesh.faces[f];
        if (t[0] == t[1] || t[1] == t[2] || t[2] == t[0]) continue;
        for (int k = 0; k < 3; ++k) {
            const uint64_t a = t[k], b = t[(k + 1) % 3];
            const uint64_t lo = std::min(a, b), hi = std::max(a, b);
            keys.push_back((lo << 32) | (hi << 1) | (a < b ? 1u : 0u));
        }
    }
    std::sort(keys.begin(), keys.end());
    CMeshEdges out;
    for (size_t i = 0; i < keys.size();) {
        const uint64_t edge = keys[i] >> 1;
        size_t forward = 0, backward = 0;
        for (; i < keys.size() && (keys[i] >> 1) == edge; ++i) ((keys[i] & 1) ? forward : backward)++;
        const uint64_t lo = edge >> 31, hi = edge & 0x7fffffffu;
        const size_t uses = forward + backward;
        if (uses == 1) {
            if (out.open++ == 0) out.openAt = Midpoint(mesh, lo, hi);
        } else if (uses > 2) {
            if (out.nonManifold++ == 0) out.nonManifoldAt = Midpoint(mesh, lo, hi);
        } else if (forward != 1) {
            if (out.misoriented++ == 0) out.misorientedAt = Midpoint(mesh, lo, hi);
        }
    }
    return out;
}

QString MeshEdgesProblem(const CMeshEdges& edges, const QString& unitSymbol) {
    auto text = [&](int id, size_t n, const CVec3& at) {
        return LoadKestString(id).arg(n).arg(Coord(at.x), Coord(at.y), Coord(at.z), unitSymbol);
    };
    if (edges.open) return text(IDS_GEOM_MESH_OPEN, edges.open, edges.openAt);
    if (edges.misoriented) return text(IDS_GEOM_MESH_ORIENTATION, edges.misoriented, edges.misorientedAt);
    if (edges.nonManifold) return text(IDS_GEOM_MESH_NONMANIFOLD, edges.nonManifold, edges.nonManifoldAt);
    return {};
}

CMassProps MeshMassProps(const CIndexedMesh& mesh, size_t first, size_t count, double scale) {
    CMassProps out;
    if (count == 0) return out;
    // Integrated about the middle of the bounding box rather than the file's
    // origin, so that a part far from the origin loses no digits.
    CVec3 lo = mesh.vertices[mesh.faces[first][0]], hi = lo;
    for (size_t f = first; f < first + count; ++f)
        for (uint32_t v : mesh.faces[f]) {
            const CVec3& p = mesh.vertices[v];
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        }
    const CVec3 ref{(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};

    long double volume = 0, first1[3] = {0, 0, 0}, second[3][3] = {};
    for (size_t f = first; f < first + count; ++f) {
        long double p[3][3];
        for (int k = 0; k < 3; ++k) {
            const CVec3& v = mesh.vertices[mesh.faces[f][k]];
            p[k][0] = (static_cast<long double>(v.x) - ref.x) * scale;
            p[k][1] = (static_cast<long double>(v.y) - ref.y) * scale;
            p[k][2] = (static_cast<long double>(v.z) - ref.z) * scale;
        }
        // Six times the signed volume of the tetrahedron (ref, a, b, c).
        const long double d = p[0][0] * (p[1][1] * p[2][2] - p[1][2] * p[2][1]) -
                              p[0][1] * (p[1][0] * p[2][2] - p[1][2] * p[2][0]) +
                              p[0][2] * (p[1][0] * p[2][1] - p[1][1] * p[2][0]);
        volume += d / 6;
        long double sum[3];
        for (int i = 0; i < 3; ++i) {
            sum[i] = p[0][i] + p[1][i] + p[2][i];
            first1[i] += d / 24 * sum[i];
        }
        // ∫ x_i x_j dV over the tetrahedron = V/20 · (Σ a_i a_j + Σa_i · Σa_j),
        // the sums over its four corners, one of them the reference point.
        for (int i = 0; i < 3; ++i)
            for (int j = i; j < 3; ++j) {
                const long double corners = p[0][i] * p[0][j] + p[1][i] * p[1][j] + p[2][i] * p[2][j];
                second[i][j] += d / 120 * (corners + sum[i] * sum[j]);
            }
    }
    out.massKg = static_cast<double>(volume);
    if (volume == 0) return out;
    long double c[3];
    for (int i = 0; i < 3; ++i) c[i] = first1[i] / volume;
    long double central[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = i; j < 3; ++j) central[j][i] = central[i][j] = second[i][j] - volume * c[i] * c[j];
    out.comM = {static_cast<double>(c[0] + static_cast<long double>(ref.x) * scale),
                static_cast<double>(c[1] + static_cast<long double>(ref.y) * scale),
                static_cast<double>(c[2] + static_cast<long double>(ref.z) * scale)};
    const long double trace = central[0][0] + central[1][1] + central[2][2];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out.inertia[i][j] = static_cast<double>(i == j ? trace - central[i][i] : -central[i][j]);
    return out;
}

}  // namespace kest::cad
