#include "CadGeometry.h"

#include <sys/stat.h>

#include <QFileInfo>
#include <algorithm>
#include <new>

#include "FileNameBytes.h"
#include "MeshProps.h"
#include "RegularFile.h"
#include "StepReader.h"
#include "StlReader.h"
#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {

namespace {

// The picture needs the shape, not every triangle of a fine mesh.
constexpr size_t kMaxPictureTriangles = 200000;

int Fail(QString& error, int status, const QString& text) {
    error = text;
    return status;
}

// The caller's progress for a part [lo, hi] of the whole read.
CProgress Part(const CProgress& progress, double lo, double hi) {
    if (!progress) return {};
    return [progress, lo, hi](double f) { return progress(lo + (hi - lo) * std::clamp(f, 0.0, 1.0)); };
}

// Each block of the STL file (one, or one per "solid" of an ASCII file) is a
// solid; its closed shells are summed, so a cavity's inward-facing shell
// takes its volume away.
int StlGeometry(const QByteArray& bytes, LengthUnit unit, CCadGeometry& out, QString& error,
                const CProgress& progress) {
    CStlMesh stl;
    if (const int status = ReadStl(bytes, stl, error, Part(progress, 0.0, 0.6)); status != GEOM_OK)
        return status;
    const double toMetre = ToMetre(unit);
    size_t faces = 0;
    for (const CStlBlock& b : stl.blocks) faces += b.faceCount;
    const size_t stride = (faces + kMaxPictureTriangles - 1) / kMaxPictureTriangles;
    for (size_t k = 0; k < stl.blocks.size(); ++k) {
        const CStlBlock& block = stl.blocks[k];
        if (progress && !progress(0.6 + 0.4 * double(k) / stl.blocks.size()))
            return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));
        CCadSolid solid;
        solid.name = block.name.isEmpty() ? LoadKestString(IDS_CAD_SOLID_N).arg(k + 1) : block.name;
        bool turned = false;
        const CMeshEdges edges = CheckMeshEdges(stl.mesh, block.firstFace, block.faceCount);
        if (!edges.Closed()) {
            solid.problem = MeshEdgesProblem(edges, UnitSymbol(unit));
        } else {
            CMassProps props = MeshMassProps(stl.mesh, block.firstFace, block.faceCount, toMetre);
            if (props.massKg < 0) {
                // Every triangle faces inwards: the same solid, turned.
                props = Scaled(props, -1.0);
                turned = true;
            }
            if (!IsFinite(props)) {
                solid.problem = LoadKestString(IDS_CAD_NOT_FINITE);
            } else if (!(props.massKg > 0)) {
                solid.problem = LoadKestString(IDS_GEOM_ZERO_VOLUME);
            } else {
                solid.unitDensity = props;
                solid.volumeM3 = props.massKg;
                solid.measurable = true;
                if (turned) out.notes << LoadKestString(IDS_GEOM_MESH_TURNED).arg(solid.name);
            }
        }
        for (size_t f = block.firstFace; f < block.firstFace + block.faceCount; f += stride) {
            const auto& t = stl.mesh.faces[f];
            auto at = [&](int i) {
                const CVec3& p = stl.mesh.vertices[t[turned ? 2 - i : i]];
                return CVec3{p.x * toMetre, p.y * toMetre, p.z * toMetre};
            };
            solid.triangles.push_back({at(0), at(1), at(2)});
        }
        out.solids.push_back(std::move(solid));
    }
    out.unitFromFile = false;
    return GEOM_OK;
}

int ReadGeometry(const QString& path, std::optional<LengthUnit> unit, CCadGeometry& out, QString& error,
                 const CProgress& progress) {
    if (progress && !progress(0.0)) return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));
    const QString file = QFileInfo(path).fileName();
    struct stat st;
    if (stat(FileNameToBytes(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
        st.st_size > kMaxGeometryBytes)
        return Fail(error, GEOM_TOO_LARGE,
                    QStringLiteral("%1: %2").arg(
                        file, LoadKestString(IDS_FILE_TOO_LARGE).arg(kMaxGeometryBytes / (1024 * 1024))));
    QByteArray bytes;
    QString why;
    if (!ReadRegularFile(path, kMaxGeometryBytes, bytes, &why))
        return Fail(error, GEOM_UNREADABLE, QStringLiteral("%1: %2").arg(file, why));
    if (bytes.isEmpty()) return Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_EMPTY));

    int status;
    if (LooksLikeStep(bytes)) {
        status = ReadStep(bytes, out, error, Part(progress, 0.05, 1.0));
    } else if (LooksLikeStl(bytes) || path.endsWith(QStringLiteral(".stl"), Qt::CaseInsensitive)) {
        if (!unit) return Fail(error, GEOM_NEEDS_UNIT, LoadKestString(IDS_GEOM_NEEDS_UNIT));
        bytes.squeeze();
        status = StlGeometry(bytes, *unit, out, error, Part(progress, 0.05, 1.0));
    } else {
        return Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_NOT_CAD));
    }
    if (status != GEOM_OK) return status;
    if (progress && !progress(1.0)) return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED));

    if (std::none_of(out.solids.begin(), out.solids.end(), [](const CCadSolid& s) { return s.measurable; })) {
        QStringList problems;
        for (const CCadSolid& s : out.solids) {
            if (problems.size() == 5) {
                problems << QStringLiteral("…");
                break;
            }
            problems << QStringLiteral("%1: %2").arg(s.name, s.problem);
        }
        return Fail(error, GEOM_NO_SOLIDS,
                    LoadKestString(IDS_GEOM_NOTHING_MEASURABLE).arg(problems.join(QStringLiteral(" "))));
    }
    return GEOM_OK;
}

}  // namespace

int ReadGeometryFile(const QString& path, std::optional<LengthUnit> unit, CCadGeometry& out, QString& error,
                     const CProgress& progress) {
    out = CCadGeometry();
    error.clear();
    int status;
    try {
        status = ReadGeometry(path, unit, out, error, progress);
    } catch (const std::bad_alloc&) {
        status = Fail(error, GEOM_TOO_LARGE,
                      LoadKestString(IDS_FILE_TOO_LARGE).arg(kMaxGeometryBytes / (1024 * 1024)));
    } catch (...) {
        status = Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_NOT_CAD));
    }
    // Unmeasurable solids stay listed when nothing else was found.
    if (status != GEOM_OK && status != GEOM_NO_SOLIDS) out = CCadGeometry();
    return status;
}

}  // namespace kest::cad
