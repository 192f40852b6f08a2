#include "CliMassProps.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

#include "CadSource.h"
#include "CliOutput.h"
#include "NumText.h"

using namespace kest::cad;

namespace {

struct MassPropsOptions {
    QString file;
    std::optional<double> mass, density;
    CReportUnits units;
    CFlangeFrame frame;
    std::array<double, 6> frameValues{};  // as given: origin in the length unit, angles in degrees
    bool json = false;
    bool conservative = false;
};

bool Number(const QString& text, double& out) {
    return kest::ParseDouble(text.toUtf8().constData(), out) && std::isfinite(out);
}

// The value of an option given as "--name VALUE" or "--name=VALUE".
bool TakeValue(const QStringList& args, int& i, const QString& name, QString& value) {
    const QString& a = args[i];
    if (a == name) {
        if (i + 1 >= args.size()) return false;
        value = args[++i];
        return true;
    }
    value = a.mid(name.size() + 1);
    return true;
}

bool Parse(const QStringList& args, MassPropsOptions& o, QString& error) {
    bool fileGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString name = a.section(QLatin1Char('='), 0, 0);
        QString value;
        auto needs = [&](const char* what) {
            if (!TakeValue(args, i, name, value) || value.isEmpty()) {
                error = QStringLiteral("%1 needs %2").arg(name, QLatin1String(what));
                return false;
            }
            return true;
        };
        if (a == QLatin1String("--")) {
            if (i + 1 < args.size()) o.file = args[i + 1], fileGiven = true;
            break;
        } else if (name == QLatin1String("--mass-props")) {
            if (!needs("a file")) return false;
            o.file = value;
            fileGiven = true;
        } else if (name == QLatin1String("--mass") || name == QLatin1String("--density")) {
            const bool isMass = name == QLatin1String("--mass");
            double v = 0.0;
            if (!needs(isMass ? "a mass in kg" : "a density in kg/m³")) return false;
            if (!Number(value, v) || !(v > 0.0)) {
                error = QStringLiteral("%1: %2 is not a positive number").arg(name, Shown(value));
                return false;
            }
            (isMass ? o.mass : o.density) = v;
        } else if (name == QLatin1String("--unit")) {
            if (!needs("mm, cm, m, in or ft")) return false;
            o.units.length = ParseLengthUnit(value);
            if (!o.units.length) {
                error = QStringLiteral("--unit: %1 is not mm, cm, m, in or ft").arg(Shown(value));
                return false;
            }
        } else if (name == QLatin1String("--mass-unit")) {
            if (!needs("g, kg, lb or t")) return false;
            o.units.mass = ParseMassUnit(value);
            if (!o.units.mass) {
                error = QStringLiteral("--mass-unit: %1 is not g, kg, lb or t").arg(Shown(value));
                return false;
            }
        } else if (name == QLatin1String("--frame")) {
            if (!needs("\"X Y Z RX RY RZ\"")) return false;
            const QStringList parts =
                value.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
            bool ok = parts.size() == 6;
            for (int k = 0; ok && k < 6; ++k) ok = Number(parts[k], o.frameValues[k]);
            if (!ok) {
                error =
                    QStringLiteral("--frame needs six numbers \"X Y Z RX RY RZ\", not %1").arg(Shown(value));
                return false;
            }
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--conservative")) {
            o.conservative = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            error = QStringLiteral("%1 does not go with --mass-props").arg(Shown(a));
            return false;
        } else if (!fileGiven) {
            o.file = a;
            fileGiven = true;
        } else {
            error = QStringLiteral("--mass-props takes one file");
            return false;
        }
    }
    if (o.file.isEmpty()) {
        error = QStringLiteral("--mass-props needs a file");
        return false;
    }
    if (o.mass && o.density) {
        error = QStringLiteral("give --mass or --density, not both");
        return false;
    }
    return true;
}

QString Fixed(double v, const char* format) { return QString::fromStdString(kest::FormatC(format, v)); }

// A position in m as mm with three decimals; a rounded −0 reads 0.
QString Mm(double m) { return Fixed(std::round(m * 1e6) / 1e3 + 0.0, "%.3f"); }

QJsonObject Xyz(const CVec3& v, double scale) {
    QJsonObject o;
    o.insert(QStringLiteral("x"), v.x * scale);
    o.insert(QStringLiteral("y"), v.y * scale);
    o.insert(QStringLiteral("z"), v.z * scale);
    return o;
}

QString Text(const MassPropsOptions& o, const CCadSource& source, const CCadResult& r,
             const QString& unitName) {
    const CMat3& i = r.flange.inertia;
    QString t = QStringLiteral("%1: %2, %3 bod%4\n")
                    .arg(Shown(o.file), source.format)
                    .arg(r.bodies.size())
                    .arg(r.bodies.size() == 1 ? QStringLiteral("y") : QStringLiteral("ies"));
    if (!source.coordinateSystem.isEmpty())
        t += QStringLiteral("  output coordinate system of the report: %1\n")
                 .arg(Shown(source.coordinateSystem));
    for (const CCadBodyResult& b : r.bodies) {
        t += QStringLiteral("  %1: ").arg(Shown(b.name));
        if (b.volumeM3) t += QStringLiteral("volume %1 cm³, ").arg(Fixed(*b.volumeM3 * 1e6, "%.6g"));
        t += b.included ? QStringLiteral("mass %1 kg\n").arg(Fixed(b.massKg, "%.6g"))
                        : QStringLiteral("left out (%1)\n").arg(Shown(b.problem));
    }
    t += QStringLiteral("flange frame: origin %1 %2 %3 %4, RX %5° RY %6° RZ %7° (R = Rz·Ry·Rx)\n")
             .arg(Fixed(o.frameValues[0], "%g"), Fixed(o.frameValues[1], "%g"), Fixed(o.frameValues[2], "%g"),
                  unitName, Fixed(o.frameValues[3], "%g"), Fixed(o.frameValues[4], "%g"),
                  Fixed(o.frameValues[5], "%g"));
    t += QStringLiteral("mass: %1 kg\n").arg(Fixed(r.flange.massKg, "%.4f"));
    t += QStringLiteral("centre of gravity: X %1 mm, Y %2 mm, Z %3 mm\n")
             .arg(Mm(r.flange.comM.x), Mm(r.flange.comM.y), Mm(r.flange.comM.z));
    t += QStringLiteral("inertia about the centre of gravity, flange axes (kg·m²):\n");
    t += QStringLiteral("  Ixx %1  Iyy %2  Izz %3\n")
             .arg(Fixed(i[0][0], "%.6g"), Fixed(i[1][1], "%.6g"), Fixed(i[2][2], "%.6g"));
    // Rounding noise of a symmetric part (1e-20 beside 1e-3) reads as 0.
    const double scale = std::max({i[0][0], i[1][1], i[2][2]}) * 1e-12;
    auto product = [scale](double v) { return Fixed(std::fabs(v) < scale ? 0.0 : v, "%.6g"); };
    t += QStringLiteral("  Ixy %1  Ixz %2  Iyz %3  (tensor products: Ixy = −∫x·y dm)\n")
             .arg(product(i[0][1]), product(i[0][2]), product(i[1][2]));
    t +=
        QStringLiteral("principal moments (kg·m²): %1  %2  %3\n")
            .arg(Fixed(r.principal[0], "%.6g"), Fixed(r.principal[1], "%.6g"), Fixed(r.principal[2], "%.6g"));
    const auto load = r.LoadInertia();
    t += QStringLiteral("load for KestLoad: %1 kg at (%2, %3, %4) mm, Ixx %5, Iyy %6, Izz %7 kg·m²%8\n")
             .arg(Fixed(r.flange.massKg, "%.4f"), Mm(r.flange.comM.x), Mm(r.flange.comM.y),
                  Mm(r.flange.comM.z), Fixed(load[0], "%.6g"), Fixed(load[1], "%.6g"), Fixed(load[2], "%.6g"),
                  r.conservative ? QStringLiteral(" (conservative)") : QString());
    for (const QString& w : source.notes) t += QStringLiteral("warning: %1\n").arg(Shown(w));
    for (const QString& w : r.warnings) t += QStringLiteral("warning: %1\n").arg(Shown(w));
    return t;
}

QJsonObject Json(const MassPropsOptions& o, const CCadSource& source, const CCadResult& r) {
    const CMat3& i = r.flange.inertia;
    QJsonObject root;
    root.insert(QStringLiteral("command"), QStringLiteral("mass-props"));
    root.insert(QStringLiteral("file"), ShownBytes(o.file));
    root.insert(QStringLiteral("format"), source.format);
    root.insert(QStringLiteral("mass"), r.flange.massKg);
    root.insert(QStringLiteral("cog"), Xyz(r.flange.comM, 1000.0));
    QJsonObject inertia;
    const std::pair<const char*, double> entries[] = {{"ixx", i[0][0]}, {"iyy", i[1][1]}, {"izz", i[2][2]},
                                                      {"ixy", i[0][1]}, {"ixz", i[0][2]}, {"iyz", i[1][2]}};
    for (const auto& [key, value] : entries) inertia.insert(QLatin1String(key), value);
    root.insert(QStringLiteral("inertia"), inertia);
    root.insert(QStringLiteral("principal"), QJsonArray{r.principal[0], r.principal[1], r.principal[2]});
    root.insert(QStringLiteral("conservative"), r.conservative);
    const auto load = r.LoadInertia();
    QJsonObject loadObject;
    loadObject.insert(QStringLiteral("ixx"), load[0]);
    loadObject.insert(QStringLiteral("iyy"), load[1]);
    loadObject.insert(QStringLiteral("izz"), load[2]);
    root.insert(QStringLiteral("loadInertia"), loadObject);
    QJsonArray solids;
    for (const CCadBodyResult& b : r.bodies) {
        QJsonObject s;
        s.insert(QStringLiteral("name"), b.name);
        s.insert(QStringLiteral("volume"), b.volumeM3 ? QJsonValue(*b.volumeM3 * 1e9) : QJsonValue());
        s.insert(QStringLiteral("mass"), b.included ? QJsonValue(b.massKg) : QJsonValue());
        s.insert(QStringLiteral("included"), b.included);
        if (!b.problem.isEmpty()) s.insert(QStringLiteral("problem"), b.problem);
        solids.append(s);
    }
    root.insert(QStringLiteral("solids"), solids);
    QJsonArray warnings;
    for (const QString& w : source.notes) warnings.append(w);
    for (const QString& w : r.warnings) warnings.append(w);
    root.insert(QStringLiteral("warnings"), warnings);
    return root;
}

}  // namespace

bool IsMassPropsRequest(const QStringList& args) {
    for (const QString& a : args) {
        if (a == QLatin1String("--")) return false;
        if (a == QLatin1String("--mass-props") || a.startsWith(QLatin1String("--mass-props="))) return true;
    }
    return false;
}

int RunMassProps(const QStringList& args) {
    MassPropsOptions o;
    QString error;
    if (!Parse(args, o, error)) {
        PrintError(error);
        return 2;
    }
    const CCadSource source = ReadCadFile(o.file, o.units);
    if (source.status != CAD_READ_OK) {
        QString why = source.error;
        if (source.status == CAD_READ_NEEDS_UNIT) {
            QStringList give;
            if (source.needsLengthUnit) give << QStringLiteral("--unit");
            if (source.needsMassUnit) give << QStringLiteral("--mass-unit");
            why = QStringLiteral("%1 (give %2)").arg(why, give.join(QStringLiteral(" and ")));
        }
        // The reader's reason may name the file already.
        PrintError(why.contains(QFileInfo(o.file).fileName())
                       ? Shown(why)
                       : QStringLiteral("%1: %2").arg(Shown(o.file), Shown(why)));
        return 2;
    }
    // The origin is in the file's length unit: --unit, else millimetres.
    const LengthUnit unit = o.units.length.value_or(LengthUnit::Millimetre);
    o.frame.originM = {o.frameValues[0] * ToMetre(unit), o.frameValues[1] * ToMetre(unit),
                       o.frameValues[2] * ToMetre(unit)};
    o.frame.rotation = RotationFromAngles(o.frameValues[3], o.frameValues[4], o.frameValues[5]);
    CMassDefault fallback;
    fallback.totalMassKg = o.mass;
    fallback.densityKgM3 = o.density;
    const CCadResult r = ComputeCadResult(source.bodies, {}, fallback, o.frame, o.conservative);
    if (!r.ok) {
        PrintError(QStringLiteral("%1: %2").arg(Shown(o.file), Shown(r.error)));
        return 2;
    }
    if (o.json)
        Print(QString::fromUtf8(QJsonDocument(Json(o, source, r)).toJson(QJsonDocument::Indented)));
    else
        Print(Text(o, source, r, UnitSymbol(unit)));
    return 0;
}
