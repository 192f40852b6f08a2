// Layouts of "label = value" and "label<TAB>value unit" lines: the clipboard
// text of the SolidWorks-style evaluation, the Inventor-style physical
// properties (tolerant: its text layout is only known roughly) and the
// Fusion-style properties copy.
#include <QRegularExpression>

#include "MassReportScan.h"

namespace kest::cad::report {
namespace {

// The text after the first ":" or "=", trimmed.
QString AfterColon(const QString& line) {
    qsizetype i = line.indexOf(QLatin1Char(':'));
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (i < 0 || (eq >= 0 && eq < i)) i = eq;
    return i < 0 ? QString() : line.mid(i + 1).trimmed();
}

// A sign convention stated in a heading.
std::optional<ProductSign> StatedSign(const QString& line) {
    if (Has(line, "positive tensor") || Has(line, "positive integral")) return ProductSign::PositiveIntegral;
    if (Has(line, "negative integral") || Has(line, "tensor convention")) return ProductSign::Tensor;
    return std::nullopt;
}

// "Ixy" (or "Lxy") at the start of `line`: row and column, with the label's end.
bool ProductLabel(const QString& line, QChar prefix, int& row, int& col, qsizetype& end) {
    if (line.size() < 3 || line[0].toUpper() != prefix.toUpper()) return false;
    row = AxisIndex(line[1]);
    col = AxisIndex(line[2]);
    if (row < 0 || col < 0) return false;
    if (line.size() > 3 && line[3].isLetterOrNumber()) return false;
    end = 3;
    return true;
}

// "Mass …", "Density …" and "Volume …" lines of the label-and-value layouts:
// the value after the label and the unit after the value. A second mass
// starts the next report.
void TakeMass(const QString& line, CRawReport& r, std::vector<CRawReport>& out, const QString& format) {
    if (r.mass) NextReport(r, out, format);
    if (auto n = FirstNumber(line, 4)) {
        r.mass = n->value;
        r.massStep = n->step;
        r.massUnit = UnitAfter(line, *n);
    }
}

bool TakeDensityOrVolume(const QString& line, CRawReport& r) {
    const bool density = Starts(line, "Density");
    if (!density && !Starts(line, "Volume")) return false;
    if (auto n = FirstNumber(line, density ? 7 : 6)) {
        (density ? r.density : r.volume) = n->value;
        (density ? r.densityUnit : r.volumeUnit) = UnitAfter(line, *n);
    }
    return true;
}

}  // namespace

bool ReadSolidWorksLayout(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("SolidWorks mass properties");
    enum Mode { None, Com, Principal, Inertia, AtCom, AtOrigin } mode = None;
    static const QRegularExpression kEntry(QStringLiteral("\\b([LI])([xyzXYZ])([xyzXYZ])\\s*="));
    static const QRegularExpression kPrincipal(QStringLiteral("\\bP([xyzXYZ])\\s*="));
    bool found = false;
    CRawReport r;
    r.format = format;
    QString blockUnit;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        if (Starts(line, "Mass properties of")) {
            found = true;
            NextReport(r, out, format);
            r.name = line.mid(18).trimmed();
            mode = None;
        } else if (Starts(line, "Coordinate system:")) {
            r.coordinateSystem = AfterColon(line);
        } else if (Starts(line, "Density")) {
            if (auto n = FirstNumber(line, 7)) {
                r.density = n->value;
                r.densityUnit = UnitAfter(line, *n);
            }
            if (Has(line, "overridden")) r.overridden << QStringLiteral("Density");
        } else if (Starts(line, "Mass =") || Starts(line, "Mass (")) {
            if (r.mass) NextReport(r, out, format);
            if (auto n = FirstNumber(line, 4)) {
                r.mass = n->value;
                r.massStep = n->step;
                r.massUnit = UnitAfter(line, *n);
            }
            if (Has(line, "overridden")) r.overridden << QStringLiteral("Mass");
            mode = None;
        } else if (Starts(line, "Volume")) {
            if (auto n = FirstNumber(line, 6)) {
                r.volume = n->value;
                r.volumeUnit = UnitAfter(line, *n);
            }
        } else if (Starts(line, "Center of mass") || Starts(line, "Centre of mass")) {
            mode = Com;
            r.comUnit = UnitInBrackets(line);
            if (Has(line, "overridden")) r.overridden << QStringLiteral("Center of mass");
        } else if (Starts(line, "Principal axes of inertia")) {
            mode = Principal;
            r.principalUnit = UnitInBrackets(line);
        } else if (Starts(line, "Moments of inertia")) {
            mode = Inertia;
            blockUnit = UnitInBrackets(line);
            if (Has(line, "overridden")) r.overridden << QStringLiteral("Moments of inertia");
        } else if (Starts(line, "Taken at the center of mass") ||
                   Starts(line, "Taken at the centre of mass")) {
            found = true;
            if (mode == Inertia) {
                mode = AtCom;
                r.atCom.unit = blockUnit;
            }
            if (auto s = StatedSign(line)) r.sign = s;
        } else if (Starts(line, "Taken at the output coordinate system")) {
            if (mode == Inertia) {
                mode = AtOrigin;
                r.atOrigin.unit = blockUnit;
            }
        } else if (mode == Com && line.size() > 1 && AxisIndex(line[0]) >= 0 &&
                   (line[1] == QLatin1Char('=') || line[1].isSpace())) {
            if (auto n = FirstNumber(line, 1)) r.PutCom(AxisIndex(line[0]), *n);
        } else if (mode == Principal) {
            for (auto it = kPrincipal.globalMatch(line); it.hasNext();) {
                const auto m = it.next();
                if (auto n = FirstNumber(line, m.capturedEnd())) {
                    if (!r.principal) r.principal = std::array<double, 3>{};
                    (*r.principal)[AxisIndex(m.captured(1)[0])] = n->value;
                }
            }
        } else if (mode == AtCom || mode == AtOrigin) {
            CRawBlock& b = mode == AtCom ? r.atCom : r.atOrigin;
            for (auto it = kEntry.globalMatch(line); it.hasNext();) {
                const auto m = it.next();
                if (auto n = FirstNumber(line, m.capturedEnd()))
                    b.Put(AxisIndex(m.captured(2)[0]), AxisIndex(m.captured(3)[0]), *n);
            }
        }
    }
    NextReport(r, out, format);
    for (CRawReport& each : out)
        if (each.format == format) each.sign = ProductSign::PositiveIntegral;
    return found;
}

bool ReadInventorLayout(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("Inventor physical properties");
    enum Mode { None, Com, AtCom, AtOrigin, Principal } mode = None;
    bool found = false;
    CRawReport r;
    r.format = format;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        if (Has(line, "overridden")) r.overridden << line.section(QLatin1Char('\t'), 0, 0).trimmed();
        int row = 0, col = 0;
        qsizetype end = 0;
        if (Starts(line, "Physical Properties for")) {
            found = true;
            NextReport(r, out, format);
            r.name = line.mid(23).trimmed();
            mode = None;
        } else if (Starts(line, "Mass Moments of Inertia") || Starts(line, "Moments of Inertia")) {
            found = true;
            const bool atCom = Has(line, "Center of Gravity") || Has(line, "Centre of Gravity") ||
                               Has(line, "Center of Mass") || Has(line, "Centre of Mass");
            mode = atCom ? AtCom : AtOrigin;
            if (auto s = StatedSign(line)) r.sign = s;
        } else if (Starts(line, "Principal Moments")) {
            mode = Principal;
        } else if (Starts(line, "Center of Gravity") || Starts(line, "Centre of Gravity")) {
            found = true;
            mode = Com;
        } else if (Starts(line, "Rotation") || Starts(line, "General Properties")) {
            mode = None;
        } else if (Starts(line, "Mass")) {
            TakeMass(line, r, out, format);
        } else if (TakeDensityOrVolume(line, r)) {
            // taken
        } else if (mode == Com && AxisIndex(line[0]) >= 0 && line.size() > 1 && !line[1].isLetterOrNumber()) {
            if (auto n = FirstNumber(line, 1)) {
                r.PutCom(AxisIndex(line[0]), *n);
                r.comUnit = UnitAfter(line, *n);
            }
        } else if ((mode == AtCom || mode == AtOrigin) &&
                   ProductLabel(line, QLatin1Char('I'), row, col, end)) {
            if (auto n = FirstNumber(line, end)) {
                CRawBlock& b = mode == AtCom ? r.atCom : r.atOrigin;
                b.Put(row, col, *n);
                b.unit = UnitAfter(line, *n);
            }
        } else if (mode == Principal && line.size() > 2 && line[0].toUpper() == QLatin1Char('I') &&
                   line[1] >= QLatin1Char('1') && line[1] <= QLatin1Char('3')) {
            if (auto n = FirstNumber(line, 2)) {
                if (!r.principal) r.principal = std::array<double, 3>{};
                (*r.principal)[line[1].unicode() - '1'] = n->value;
                r.principalUnit = UnitAfter(line, *n);
            }
        }
    }
    NextReport(r, out, format);
    return found;
}

bool ReadFusionLayout(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("Fusion properties");
    enum Mode { None, AtCom, AtOrigin } mode = None;
    bool found = false;
    CRawReport r;
    r.format = format;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        int row = 0, col = 0;
        qsizetype end = 0;
        if (Starts(line, "Moment of Inertia at")) {
            found = true;
            mode = Has(line, "Center of Mass") || Has(line, "Centre of Mass") ? AtCom : AtOrigin;
            (mode == AtCom ? r.atCom : r.atOrigin).unit = UnitInBrackets(line);
        } else if (Starts(line, "#Name")) {
            NextReport(r, out, format);
            r.name = line.mid(5).trimmed();
            mode = None;
        } else if (Starts(line, "Mass") && line.size() > 4 && !line[4].isLetter()) {
            TakeMass(line, r, out, format);
            mode = None;
        } else if (TakeDensityOrVolume(line, r)) {
            // taken
        } else if (Starts(line, "Center of Mass") || Starts(line, "Centre of Mass")) {
            const std::vector<CNum> nums = ScanNumbers(line, 14);
            for (size_t i = 0; i < nums.size() && i < 3; ++i) r.PutCom(static_cast<int>(i), nums[i]);
            if (!nums.empty()) r.comUnit = UnitAfter(line, nums.front());
        } else if (mode != None && ProductLabel(line, QLatin1Char('I'), row, col, end)) {
            if (auto n = FirstNumber(line, end)) (mode == AtCom ? r.atCom : r.atOrigin).Put(row, col, *n);
        } else if (!line.contains(QLatin1Char('\t')) && !line.contains(QLatin1Char('=')) &&
                   !Starts(line, "Component Instances") && !Starts(line, "Bounding Box") &&
                   !Starts(line, "Physical Material") && !Starts(line, "World") &&
                   ScanNumbers(line).empty()) {
            // A line of its own before the values is the component's name;
            // after a finished inertia block it starts the next component.
            if (mode != None && r.atCom.present) {
                NextReport(r, out, format);
                mode = None;
            }
            if (!r.Started() && r.name.isEmpty()) r.name = line;
        }
    }
    NextReport(r, out, format);
    for (CRawReport& each : out)
        if (each.format == format) each.sign = ProductSign::Tensor;
    return found;
}

}  // namespace kest::cad::report
