// STL files, binary or ASCII, read into an indexed mesh: corners with equal
// coordinates become one vertex, so that the edges of neighbouring triangles
// can be matched. Nothing in the file is trusted: a count that does not match
// the size, a truncated text, a number that is not finite or plain garbage
// gives a message, never a crash or an allocation beyond the file's size.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "CadGeometry.h"
#include "KestLoadLibExport.h"
#include "MeshProps.h"

namespace kest::cad {

// One "solid … endsolid" block of an ASCII file (a binary file is one block
// without a name): faces [firstFace, firstFace + faceCount).
struct CStlBlock {
    QString name;
    size_t firstFace = 0;
    size_t faceCount = 0;
};

struct CStlMesh {
    CIndexedMesh mesh;  // in the file's unit
    std::vector<CStlBlock> blocks;
    size_t degenerate = 0;  // triangles with two equal corners, left out
};

// Whether the bytes may be an STL file: text that starts with "solid", or a
// size of 84 + 50·n bytes.
KESTLOADLIB_API bool LooksLikeStl(const QByteArray& bytes);

// GEOM_OK, GEOM_BAD_FORMAT (with `error`), GEOM_NO_SOLIDS (no triangles) or
// GEOM_CANCELLED.
KESTLOADLIB_API int ReadStl(const QByteArray& bytes, CStlMesh& out, QString& error,
                            const CProgress& progress = {});

}  // namespace kest::cad
