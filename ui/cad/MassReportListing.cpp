// Layouts of listings with upper-case labels and value rows: the Creo-style
// .m_p file, the listing of the common NX-style measurement journal (one
// "label: v, v, v" line per group, products in yz, xz, xy order) and a
// geometry kernel's Python console (volume-based "mass" at density 1, mm).
#include <QRegularExpression>

#include "MassReportScan.h"

namespace kest::cad::report {
namespace {

// The text between "with respect to" and "coordinate frame".
QString FrameName(const QString& line) {
    static const QRegularExpression kFrame(QStringLiteral("with respect to\\s+(.*?)\\s+coordinate frame"),
                                           QRegularExpression::CaseInsensitiveOption);
    return kFrame.match(line).captured(1).trimmed();
}

}  // namespace

bool ReadCreoLayout(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("Creo mass properties");
    enum Mode { None, Com, AtCom, AtOrigin, Principal } mode = None;
    static const QRegularExpression kRow(QStringLiteral("^I([xyz])[xyz]\\s+I[xyz][xyz]\\s+I[xyz][xyz]\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression kUpperLabel(QStringLiteral("^[A-Z][A-Z ]*[A-Z]\\s*="));
    bool found = false;
    CRawReport r;
    r.format = format;
    QString pendingUnit;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        const QRegularExpressionMatch label = kUpperLabel.match(line);
        if (label.hasMatch()) {
            const QString name = label.captured(0).chopped(1).trimmed().toUpper();
            const std::optional<CNum> n = FirstNumber(line, label.capturedEnd());
            if (name == QLatin1String("MASS")) {
                if (r.mass) NextReport(r, out, format);
                if (n) {
                    r.mass = n->value;
                    r.massStep = n->step;
                    r.massUnit = UnitAfter(line, *n);
                }
            } else if (name.endsWith(QLatin1String("DENSITY")) && n) {
                r.density = n->value;
                r.densityUnit = UnitAfter(line, *n);
            } else if (name == QLatin1String("VOLUME") && n) {
                r.volume = n->value;
                r.volumeUnit = UnitAfter(line, *n);
            }
            mode = None;
        } else if (Starts(line, "CENTER OF GRAVITY") || Starts(line, "CENTRE OF GRAVITY")) {
            mode = Com;
            if (r.coordinateSystem.isEmpty()) r.coordinateSystem = FrameName(line);
        } else if (Starts(line, "INERTIA at CENTER OF GRAVITY") ||
                   Starts(line, "INERTIA at CENTRE OF GRAVITY")) {
            found = true;
            mode = AtCom;
            pendingUnit = UnitInBrackets(line);
            r.atCom.unit = pendingUnit;
        } else if (Starts(line, "INERTIA with respect to")) {
            mode = AtOrigin;
            r.atOrigin.unit = UnitInBrackets(line);
            if (r.coordinateSystem.isEmpty()) r.coordinateSystem = FrameName(line);
        } else if (Starts(line, "INERTIA TENSOR")) {
            found = true;
        } else if (Starts(line, "PRINCIPAL MOMENTS")) {
            mode = Principal;
            r.principalUnit = UnitInBrackets(line);
        } else if (Starts(line, "ROTATION") || Starts(line, "RADII")) {
            mode = None;
        } else if (mode == Com && Starts(line, "X")) {
            const std::vector<CNum> nums = ScanNumbers(line, 1);
            for (size_t i = 0; i < nums.size() && i < 3; ++i) r.PutCom(static_cast<int>(i), nums[i]);
            if (nums.size() >= 3) r.comUnit = UnitAfter(line, nums[2]);
            mode = None;
        } else if (mode == AtCom || mode == AtOrigin) {
            const QRegularExpressionMatch m = kRow.match(line);
            if (!m.hasMatch()) continue;
            const std::vector<CNum> nums = ScanNumbers(line, m.capturedEnd());
            CRawBlock& b = mode == AtCom ? r.atCom : r.atOrigin;
            for (size_t i = 0; i < nums.size() && i < 3; ++i)
                b.Put(AxisIndex(m.captured(1)[0]), static_cast<int>(i), nums[i]);
        } else if (mode == Principal && Starts(line, "I1")) {
            const std::vector<CNum> nums = ScanNumbers(line, 2);
            if (nums.size() >= 3)
                r.principal = std::array<double, 3>{nums[0].value, nums[1].value, nums[2].value};
            mode = None;
        }
    }
    NextReport(r, out, format);
    for (CRawReport& each : out)
        if (each.format == format) each.sign = ProductSign::Tensor;
    return found;
}

bool ReadNxLayout(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("NX mass properties listing");
    bool found = false;
    CRawReport r;
    r.format = format;
    QString massUnit, lengthUnit;
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0) continue;
        const QString label = line.left(colon).trimmed().toLower();
        const std::vector<CNum> nums = ScanNumbers(line, colon + 1);
        const auto triple = [&](CRawBlock& b, bool products) {
            if (nums.size() < 3) return;
            if (!products) {
                for (int i = 0; i < 3; ++i) b.Put(i, i, nums[static_cast<size_t>(i)]);
                return;
            }
            // Products in the order yz, xz, xy.
            b.Put(1, 2, nums[0]);
            b.Put(0, 2, nums[1]);
            b.Put(0, 1, nums[2]);
        };
        if (label == QLatin1String("units")) {
            const QStringList parts = line.mid(colon + 1).split(QLatin1Char(','));
            massUnit = parts.value(0).trimmed();
            lengthUnit = parts.value(1).trimmed();
        } else if (label == QLatin1String("mass")) {
            if (r.mass) NextReport(r, out, format);
            if (!nums.empty()) r.mass = nums[0].value;
        } else if (label == QLatin1String("volume") && !nums.empty()) {
            r.volume = nums[0].value;
        } else if (label == QLatin1String("density") && !nums.empty()) {
            r.density = nums[0].value;
        } else if (label.startsWith(QLatin1String("center of mass")) ||
                   label.startsWith(QLatin1String("centre of mass"))) {
            for (size_t i = 0; i < nums.size() && i < 3; ++i) r.PutCom(static_cast<int>(i), nums[i]);
        } else if (label == QLatin1String("moments of inertia (centroidal)")) {
            found = true;
            triple(r.atCom, false);
        } else if (label == QLatin1String("moments of inertia (wcs)")) {
            triple(r.atOrigin, false);
        } else if (label == QLatin1String("inertia products (centroidal)") ||
                   label == QLatin1String("products of inertia (centroidal)")) {
            triple(r.atCom, true);
        } else if (label == QLatin1String("inertia products (wcs)") ||
                   label == QLatin1String("products of inertia (wcs)")) {
            triple(r.atOrigin, true);
        } else if (label.startsWith(QLatin1String("principal moments")) && nums.size() >= 3) {
            r.principal = std::array<double, 3>{nums[0].value, nums[1].value, nums[2].value};
        }
    }
    NextReport(r, out, format);
    for (CRawReport& each : out) {
        if (each.format != format) continue;
        each.sign = ProductSign::PositiveIntegral;
        each.judgeDigits = false;
        each.coordinateSystem = QStringLiteral("WCS");
        each.massUnit = massUnit;
        each.comUnit = lengthUnit;
        if (!massUnit.isEmpty() && !lengthUnit.isEmpty()) {
            const QString inertia = massUnit + QLatin1Char(' ') + lengthUnit + QLatin1String("^2");
            each.atCom.unit = each.atOrigin.unit = each.principalUnit = inertia;
            each.densityUnit = massUnit + QLatin1String(" / ") + lengthUnit + QLatin1String("^3");
            each.volumeUnit = lengthUnit + QLatin1String("^3");
        }
    }
    return found;
}

bool ReadConsoleLayout(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("FreeCAD console");
    enum Want { None, Volume, Mass, Principal } want = None;
    bool found = false;
    CRawReport r;
    r.format = format;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        if (line.startsWith(QLatin1String(">>>"))) {
            want = None;
            if (line.endsWith(QLatin1String(".Volume"))) want = Volume;
            if (line.endsWith(QLatin1String(".Mass"))) want = Mass;
            if (Has(line, "PrincipalProperties") && Has(line, "Moments")) want = Principal;
            continue;
        }
        if (Starts(line, "Vector")) {
            const std::vector<CNum> nums = ScanNumbers(line, 6, true);
            for (size_t i = 0; i < nums.size() && i < 3; ++i) r.PutCom(static_cast<int>(i), nums[i]);
        } else if (Starts(line, "Matrix")) {
            found = true;
            if (r.atCom.present) NextReport(r, out, format);
            const std::vector<CNum> nums = ScanNumbers(line, 6, true);
            // A 4×4 matrix row by row: the upper-left 3×3 is the tensor.
            if (nums.size() >= 11)
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j) r.atCom.Put(i, j, nums[static_cast<size_t>(i * 4 + j)]);
        } else if (want != None) {
            const std::vector<CNum> nums = ScanNumbers(line, 0, true);
            if (want == Volume && !nums.empty()) r.volume = nums[0].value;
            if (want == Mass && !nums.empty()) {
                if (r.mass) NextReport(r, out, format);
                r.mass = nums[0].value;
            }
            if (want == Principal && nums.size() >= 3)
                r.principal = std::array<double, 3>{nums[0].value, nums[1].value, nums[2].value};
        }
        want = None;
    }
    NextReport(r, out, format);
    for (CRawReport& each : out) {
        if (each.format != format) continue;
        each.sign = ProductSign::Tensor;
        each.needsDensity = true;
        each.judgeDigits = false;
        if (!each.mass) each.mass = each.volume;
    }
    return found;
}

}  // namespace kest::cad::report
