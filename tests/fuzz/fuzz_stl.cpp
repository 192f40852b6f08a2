// Fuzz target: STL bytes through the reader and the closed-mesh measurement.
// A refused file says why and leaves nothing behind; an accepted one holds
// only finite corners, faces of three distinct vertices and blocks inside the
// face list; a closed block of moderate coordinates has finite mass properties.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "MeshProps.h"
#include "StlReader.h"

using namespace kest::cad;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CStlMesh stl;
    QString error;
    if (ReadStl(bytes, stl, error) != GEOM_OK) {
        FUZZ_CHECK(!error.isEmpty(), "a refused file does not say why");
        FUZZ_CHECK(stl.blocks.empty() && stl.mesh.faces.empty(), "a refused file left a mesh");
        return 0;
    }
    FUZZ_CHECK(!stl.blocks.empty(), "an accepted file has no block");
    FUZZ_CHECK(stl.mesh.faces.size() <= size / 4, "more triangles than the bytes can hold");
    double largest = 0.0;
    for (const CVec3& v : stl.mesh.vertices) {
        FUZZ_CHECK(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z), "a corner is not finite");
        largest = std::max({largest, std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    }
    for (const auto& f : stl.mesh.faces) {
        for (uint32_t i : f) FUZZ_CHECK(i < stl.mesh.vertices.size(), "a face points past the vertices");
        FUZZ_CHECK(f[0] != f[1] && f[1] != f[2] && f[2] != f[0], "a face repeats a vertex");
    }
    for (const CStlBlock& b : stl.blocks) {
        FUZZ_CHECK(b.faceCount > 0 && b.firstFace + b.faceCount <= stl.mesh.faces.size(),
                   "a block outside the faces");
        const CMeshEdges edges = CheckMeshEdges(stl.mesh, b.firstFace, b.faceCount);
        FUZZ_CHECK(edges.Closed() == MeshEdgesProblem(edges, QStringLiteral("mm")).isEmpty(),
                   "a problem without a message, or a message without a problem");
        if (!edges.Closed()) continue;
        // A closed surface has at least four triangles (a tetrahedron).
        FUZZ_CHECK(b.faceCount >= 4, "a closed mesh of fewer than four triangles");
        const CMassProps p = MeshMassProps(stl.mesh, b.firstFace, b.faceCount, 0.001);
        if (largest < 1e6) FUZZ_CHECK(IsFinite(p), "the mass properties of a closed mesh are not finite");
    }
    return 0;
}
