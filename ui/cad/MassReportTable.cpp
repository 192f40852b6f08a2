// The plain table: "mass, centre of mass, inertia tensor" as an engineer types
// it, one label per line ("mass = 2.5 kg", "centre of mass: 12, -8, 45 mm",
// "inertia [kg mm^2]" followed by three rows, or "Ixx = 4200 kg mm^2" lines,
// optionally "inertia at origin" and "products: tensor" or "positive"; a
// table of Ixx, Iyy and Izz alone has products of 0); and
// the JSON answer of a mass-properties web service (SI units, tensor).
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "MassReportScan.h"

namespace kest::cad::report {
namespace {

struct CLabelled {
    QString label;  // lower case, without a bracketed unit
    QString bracketUnit;
    qsizetype valueFrom = 0;
};

CLabelled SplitLabel(const QString& line) {
    CLabelled l;
    qsizetype cut = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char(':') || c == QLatin1Char('=')) {
            cut = i;
            l.valueFrom = i + 1;
            break;
        }
        const bool signedNumber = (c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < line.size() &&
                                  (line[i + 1].isDigit() || line[i + 1] == QLatin1Char('.'));
        if (c.isDigit() || signedNumber || c == QLatin1Char('\t')) {
            // Digits of a word or a power ("I1", "mm2", "mm^2") belong to the label.
            if (i > 0 && c.isDigit() && (line[i - 1].isLetter() || line[i - 1] == QLatin1Char('^'))) continue;
            cut = i;
            l.valueFrom = i;
            break;
        }
    }
    if (cut < 0) cut = l.valueFrom = line.size();
    QString label = line.left(cut).trimmed();
    l.bracketUnit = UnitInBrackets(label);
    const qsizetype open = std::max(label.indexOf(QLatin1Char('(')), label.indexOf(QLatin1Char('[')));
    if (open >= 0) label = label.left(open).trimmed();
    l.label = label.toLower();
    return l;
}

bool IsComLabel(const QString& l) {
    for (const char* w : {"centre of mass", "center of mass", "centre of gravity", "center of gravity", "com",
                          "cog", "cg", "centroid"})
        if (l == QLatin1String(w)) return true;
    return false;
}

// "Ixy", "I_xy", "Jxy": row and column.
bool TensorLabel(const QString& l, int& row, int& col) {
    static const QRegularExpression kLabel(QStringLiteral("^[ij]_?([xyz])([xyz])$"));
    const QRegularExpressionMatch m = kLabel.match(l);
    if (!m.hasMatch()) return false;
    row = AxisIndex(m.captured(1)[0]);
    col = AxisIndex(m.captured(2)[0]);
    return true;
}

}  // namespace

bool ReadPlainTable(const QStringList& lines, std::vector<CRawReport>& out) {
    const QString format = QStringLiteral("table");
    enum Mode { None, Com, AtCom, AtOrigin } mode = None;
    CRawReport r;
    r.format = format;
    int rows = 0;  // tensor rows read in the current block
    const auto next = [&]() {
        NextReport(r, out, format);
        mode = None;
    };
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        const CLabelled l = SplitLabel(line);
        const std::vector<CNum> nums = ScanNumbers(line, l.valueFrom);
        const QString unitAfterLast = nums.empty() ? QString() : UnitAfter(line, nums.back());
        const QString unit = !l.bracketUnit.isEmpty() ? l.bracketUnit : unitAfterLast;
        int row = 0, col = 0;
        if ((l.label.contains(QLatin1String("product")) || l.label.contains(QLatin1String("sign")) ||
             l.label.contains(QLatin1String("convention"))) &&
            nums.empty()) {
            const QString rest = line.mid(l.valueFrom).toLower();
            if (rest.contains(QLatin1String("positive")) || rest.contains(QLatin1String("+")))
                r.sign = ProductSign::PositiveIntegral;
            else if (rest.contains(QLatin1String("tensor")) || rest.contains(QLatin1String("negative")))
                r.sign = ProductSign::Tensor;
        } else if (l.label == QLatin1String("name") || l.label == QLatin1String("part") ||
                   l.label == QLatin1String("body")) {
            if (r.Started()) next();
            r.name = line.mid(l.valueFrom).trimmed();
        } else if (l.label == QLatin1String("mass") || l.label == QLatin1String("m")) {
            if (r.mass) next();
            if (!nums.empty()) {
                r.mass = nums[0].value;
                r.massStep = nums[0].step;
                r.massUnit = !l.bracketUnit.isEmpty() ? l.bracketUnit : UnitAfter(line, nums[0]);
            }
            mode = None;
        } else if (l.label == QLatin1String("density") && !nums.empty()) {
            r.density = nums[0].value;
            r.densityUnit = unit;
        } else if (l.label == QLatin1String("volume") && !nums.empty()) {
            r.volume = nums[0].value;
            r.volumeUnit = unit;
        } else if (IsComLabel(l.label)) {
            for (size_t i = 0; i < nums.size() && i < 3; ++i) r.PutCom(static_cast<int>(i), nums[i]);
            r.comUnit = unit;
            mode = nums.size() < 3 ? Com : None;
        } else if (mode == Com && l.label.size() == 1 && AxisIndex(l.label[0]) >= 0 && !nums.empty()) {
            r.PutCom(AxisIndex(l.label[0]), nums[0]);
            if (r.comUnit.isEmpty()) r.comUnit = UnitAfter(line, nums[0]);
        } else if (l.label.contains(QLatin1String("principal"))) {
            if (nums.size() >= 3)
                r.principal = std::array<double, 3>{nums[0].value, nums[1].value, nums[2].value};
            r.principalUnit = unit;
            mode = None;
        } else if (l.label.contains(QLatin1String("inertia")) || l.label.contains(QLatin1String("tensor"))) {
            mode = l.label.contains(QLatin1String("origin")) ? AtOrigin : AtCom;
            CRawBlock& b = mode == AtCom ? r.atCom : r.atOrigin;
            if (!unit.isEmpty()) b.unit = unit;
            rows = 0;
            if (nums.size() >= 9) {
                for (int i = 0; i < 9; ++i) b.Put(i / 3, i % 3, nums[static_cast<size_t>(i)]);
                rows = 3;
            }
        } else if (TensorLabel(l.label, row, col) && !nums.empty()) {
            CRawBlock& b = mode == AtOrigin ? r.atOrigin : r.atCom;
            b.Put(row, col, nums[0]);
            if (b.unit.isEmpty())
                b.unit = !l.bracketUnit.isEmpty() ? l.bracketUnit : UnitAfter(line, nums[0]);
        } else if ((mode == AtCom || mode == AtOrigin) && rows < 3 && l.label.isEmpty() && nums.size() >= 3) {
            CRawBlock& b = mode == AtCom ? r.atCom : r.atOrigin;
            for (int i = 0; i < 3; ++i) b.Put(rows, i, nums[static_cast<size_t>(i)]);
            if (b.unit.isEmpty()) b.unit = unitAfterLast;
            ++rows;
        }
    }
    next();
    // A table of Ixx, Iyy and Izz alone states products of 0.
    for (CRawReport& each : out) {
        for (CRawBlock* b : {&each.atCom, &each.atOrigin}) {
            const bool diagonal = b->set[0][0] && b->set[1][1] && b->set[2][2];
            const bool products =
                b->set[0][1] || b->set[0][2] || b->set[1][2] || b->set[1][0] || b->set[2][0] || b->set[2][1];
            if (diagonal && !products)
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j)
                        if (i != j) b->Put(i, j, CNum{});
        }
    }
    bool found = false;
    for (const CRawReport& each : out)
        if (each.format == format && each.mass && (each.atCom.present || each.atOrigin.present)) found = true;
    return found;
}

bool ReadJsonBodies(const QByteArray& text, std::vector<CRawReport>& out, bool& isJson) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    isJson = error.error == QJsonParseError::NoError;
    if (!isJson || !doc.isObject()) return false;
    const QJsonObject root = doc.object();
    const QJsonValue bodies = root.value(QLatin1String("bodies"));
    if (!bodies.isObject()) return false;
    const auto first = [](const QJsonValue& v, int i, std::optional<double>& outValue) {
        const QJsonArray a = v.toArray();
        if (i < a.size() && a.at(i).isDouble()) outValue = a.at(i).toDouble();
    };
    const auto num = [](double v) { return CNum{v, 0.0, 0, 0}; };
    const QJsonObject all = bodies.toObject();
    for (auto it = all.begin(); it != all.end(); ++it) {
        const QJsonObject b = it.value().toObject();
        CRawReport r;
        r.format = QStringLiteral("Onshape mass properties (JSON)");
        r.name = it.key();
        r.sign = ProductSign::Tensor;
        r.judgeDigits = false;
        r.massUnit = QStringLiteral("kg");
        r.comUnit = QStringLiteral("m");
        r.atCom.unit = r.principalUnit = QStringLiteral("kg m^2");
        r.volumeUnit = QStringLiteral("m^3");
        first(b.value(QLatin1String("mass")), 0, r.mass);
        first(b.value(QLatin1String("volume")), 0, r.volume);
        for (int i = 0; i < 3; ++i) {
            std::optional<double> c;
            first(b.value(QLatin1String("centroid")), i, c);
            if (c) r.PutCom(i, num(*c));
        }
        for (int i = 0; i < 9; ++i) {
            std::optional<double> v;
            first(b.value(QLatin1String("inertia")), i, v);
            if (v) r.atCom.Put(i / 3, i % 3, num(*v));
        }
        const QJsonArray p = b.value(QLatin1String("principalInertia")).toArray();
        if (p.size() >= 3 && p.at(0).isDouble() && p.at(1).isDouble() && p.at(2).isDouble())
            r.principal = std::array<double, 3>{p.at(0).toDouble(), p.at(1).toDouble(), p.at(2).toDouble()};
        const int missing = b.value(QLatin1String("massMissingCount")).toInt(0);
        if (missing > 0) r.massMissingCount = missing;
        if (b.value(QLatin1String("hasMass")) == QJsonValue(false)) r.massMissingCount = std::max(missing, 1);
        out.push_back(r);
    }
    return !all.isEmpty();
}

}  // namespace kest::cad::report
