#include "CadSource.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "RegularFile.h"
#include "StepReader.h"

namespace kest::cad {

bool LooksLikeGeometry(const QString& path, const QByteArray& head, qint64 size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("step") || suffix == QLatin1String("stp") || suffix == QLatin1String("stl"))
        return true;
    if (LooksLikeStep(head)) return true;
    if (head.trimmed().startsWith("solid") && head.contains("facet")) return true;
    // Binary STL: an 80-byte header, a triangle count and 50 bytes a triangle.
    if (head.size() >= 84 && size >= 84) {
        quint32 count = 0;
        std::memcpy(&count, head.constData() + 80, 4);
        return size == 84 + 50 * static_cast<qint64>(count);
    }
    return false;
}

CCadSource ReadCadText(const QByteArray& text, const CReportUnits& units) {
    CCadSource source;
    const CReportRead read = ReadMassReport(text, units);
    source.needsLengthUnit = read.needsLengthUnit;
    source.needsMassUnit = read.needsMassUnit;
    if (read.status == ReportStatus::MissingUnit) {
        source.status = CAD_READ_NEEDS_UNIT;
        source.error = read.message;
        return source;
    }
    if (read.status != ReportStatus::Ok) {
        source.error = read.message;
        return source;
    }
    source.bodies = BodiesFromReport(read);
    for (const CMassReport& report : read.reports) {
        if (source.format.isEmpty()) source.format = report.format;
        if (source.coordinateSystem.isEmpty()) source.coordinateSystem = report.coordinateSystem;
        for (const QString& w : report.warnings) source.notes << w;
    }
    source.status = CAD_READ_OK;
    return source;
}

CCadSource ReadCadFile(const QString& path, const CReportUnits& units, const CProgress& progress) {
    QByteArray head;
    qint64 size = 0;
    {
        QFile file(path);
        if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
            head = file.read(1024);
            size = file.size();
        }
    }
    if (!LooksLikeGeometry(path, head, size)) {
        QByteArray bytes;
        CCadSource source;
        if (!ReadRegularFile(path, kMaxReportBytes, bytes, &source.error)) return source;
        return ReadCadText(bytes, units);
    }
    CCadSource source;
    source.geometry = true;
    CCadGeometry geometry;
    const int status = ReadGeometryFile(path, units.length, geometry, source.error, progress);
    source.format = LooksLikeStep(head) ? QStringLiteral("STEP") : QStringLiteral("STL");
    if (status == GEOM_NEEDS_UNIT) {
        source.status = CAD_READ_NEEDS_UNIT;
        source.needsLengthUnit = true;
        return source;
    }
    if (status == GEOM_CANCELLED) {
        source.status = CAD_READ_CANCELLED;
        return source;
    }
    if (status != GEOM_OK) return source;
    source.bodies = BodiesFromGeometry(geometry);
    source.notes << geometry.notes;
    source.status = CAD_READ_OK;
    return source;
}

}  // namespace kest::cad
