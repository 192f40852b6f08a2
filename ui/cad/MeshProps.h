// A closed triangle mesh as a solid: the check that it encloses a volume and
// its exact mass properties at density 1, by the divergence theorem (signed
// tetrahedra from a reference point to each triangle).
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "CadMath.h"
#include "KestLoadLibExport.h"

namespace kest::cad {

// Triangles over shared vertices: faces index `vertices`, corners counter-
// clockwise seen from outside.
struct CIndexedMesh {
    std::vector<CVec3> vertices;
    std::vector<std::array<uint32_t, 3>> faces;
};

// What is wrong with the edges of faces [first, first + count): edges used by
// one triangle only (holes), edges used twice in the same direction
// (inconsistent orientation), edges shared by more than two triangles. Each
// comes with one such edge's midpoint to show where.
struct CMeshEdges {
    size_t open = 0, misoriented = 0, nonManifold = 0;
    CVec3 openAt, misorientedAt, nonManifoldAt;
    bool Closed() const { return open == 0 && misoriented == 0 && nonManifold == 0; }
};
KESTLOADLIB_API CMeshEdges CheckMeshEdges(const CIndexedMesh& mesh, size_t first, size_t count);

// The problem for the user, empty when closed; positions in the file's unit
// `unitSymbol`. A hole is named first, then orientation, then shared edges.
KESTLOADLIB_API QString MeshEdgesProblem(const CMeshEdges& edges, const QString& unitSymbol);

// Volume (signed: negative for a mesh turned inside out), centre and tensor
// about the centre of faces [first, first + count) at density 1, with every
// coordinate multiplied by `scale` (to metres). massKg holds the volume.
KESTLOADLIB_API CMassProps MeshMassProps(const CIndexedMesh& mesh, size_t first, size_t count, double scale);

}  // namespace kest::cad
