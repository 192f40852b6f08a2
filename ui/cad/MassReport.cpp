#include "MassReport.h"

#include <QStringDecoder>
#include <algorithm>
#include <cmath>

#include "MassReportScan.h"
#include "NumText.h"
#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {

using namespace report;

namespace {

QString Tr(int id) { return LoadKestString(id); }

QString Num(double v) { return QString::fromStdString(FormatC("%.6g", v)); }

QString SignText(ProductSign s) {
    return s == ProductSign::Tensor ? QStringLiteral("Ixy = −∫xy dm") : QStringLiteral("Ixy = +∫xy dm");
}

// The text of the paste: a byte-order mark chooses the encoding, otherwise
// UTF-8, or Latin-1 when the bytes are not UTF-8.
QString Decode(const QByteArray& bytes) {
    QString text;
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(bytes);
    if (bom && *bom != QStringConverter::Utf8) {
        QStringDecoder decoder(*bom);
        text = decoder.decode(bytes);
    } else {
        QStringDecoder decoder(QStringConverter::Utf8);
        text = decoder.decode(bytes);
        if (decoder.hasError()) text = QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

// The reports of the paste in the layout its anchors name, or in the plain
// table when no layout's anchors are found.
std::vector<CRawReport> Recognise(const QString& text) {
    std::vector<CRawReport> out;
    const QString head = text.trimmed();
    if (head.startsWith(QLatin1Char('{'))) {
        bool isJson = false;
        if (ReadJsonBodies(head.toUtf8(), out, isJson) || isJson) return out;
        out.clear();
    }
    const QStringList lines = SplitLines(text);
    bool found = false;
    if (Has(text, "Mass properties of") || Has(text, "Taken at the center of mass"))
        found = ReadSolidWorksLayout(lines, out);
    else if (Has(text, "Moment of Inertia at"))
        found = ReadFusionLayout(lines, out);
    else if (text.contains(QLatin1String("INERTIA TENSOR")) ||
             text.contains(QLatin1String("CENTER OF GRAVITY with respect to")))
        found = ReadCreoLayout(lines, out);
    else if (Has(text, "moments of inertia (centroidal)"))
        found = ReadNxLayout(lines, out);
    else if (text.contains(QLatin1String("MatrixOfInertia")) || text.contains(QLatin1String("Matrix (")))
        found = ReadConsoleLayout(lines, out);
    else if (Has(text, "Physical Properties") || Has(text, "Mass Moments of Inertia") ||
             Has(text, "Moments of Inertia with respect to"))
        found = ReadInventorLayout(lines, out);
    if (found) return out;
    out.clear();
    if (!ReadPlainTable(lines, out)) out.clear();
    for (CRawReport& r : out) r.format = QStringLiteral("Mass-property table");
    return out;
}

bool Full(const CRawBlock& b) {
    for (const auto& row : b.set)
        if (!row[0] || !row[1] || !row[2]) return false;
    return true;
}

bool Finite3(const std::array<double, 3>& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

bool FiniteBlock(const CRawBlock& b) {
    for (const auto& row : b.v)
        if (!Finite3(row)) return false;
    return true;
}

// What is wrong with the values as printed, independent of units; empty when
// nothing is.
QString Problem(CRawReport& r, const QString& label) {
    if (!r.mass) return Tr(IDS_CAD_REPORT_MISSING_VALUE).arg(label, Tr(IDS_CAD_REPORT_WORD_MASS));
    if (!std::isfinite(*r.mass))
        return Tr(IDS_CAD_REPORT_NOT_FINITE).arg(label, Tr(IDS_CAD_REPORT_WORD_MASS));
    if (!(*r.mass > 0.0)) return Tr(IDS_CAD_REPORT_MASS_NOT_POSITIVE).arg(label, Num(*r.mass));
    if (!r.comSet[0] || !r.comSet[1] || !r.comSet[2])
        return Tr(IDS_CAD_REPORT_MISSING_VALUE).arg(label, Tr(IDS_CAD_REPORT_WORD_COM));
    if (!Finite3(r.com)) return Tr(IDS_CAD_REPORT_NOT_FINITE).arg(label, Tr(IDS_CAD_REPORT_WORD_COM));
    const bool atCom = r.atCom.Complete();
    const bool atOrigin = r.atOrigin.Complete();
    if (!atCom && !atOrigin)
        return Tr(IDS_CAD_REPORT_MISSING_VALUE).arg(label, Tr(IDS_CAD_REPORT_WORD_INERTIA));
    if ((atCom && !FiniteBlock(r.atCom)) || (atOrigin && !FiniteBlock(r.atOrigin)) ||
        (r.principal && !Finite3(*r.principal)))
        return Tr(IDS_CAD_REPORT_NOT_FINITE).arg(label, Tr(IDS_CAD_REPORT_WORD_INERTIA));
    return QString();
}

// Factors to SI of one report's values.
struct CFactors {
    double mass = 1.0, length = 1.0, inertia = 1.0, origin = 1.0, principal = 1.0;
    bool missingMass = false, missingLength = false, missingInertia = false;
};

CFactors Factors(const CRawReport& r, const CReportUnits& given) {
    CFactors f;
    if (r.needsDensity) {
        // Volume in mm³, lengths in mm, the tensor in mm⁵ (per unit density).
        f.mass = 1e-9;
        f.length = 1e-3;
        f.inertia = f.origin = f.principal = 1e-15;
        return f;
    }
    if (const auto u = ParseMassUnit(r.massUnit))
        f.mass = ToKg(*u);
    else if (given.mass)
        f.mass = ToKg(*given.mass);
    else
        f.missingMass = true;
    if (const auto u = ParseLengthUnit(r.comUnit))
        f.length = ToMetre(*u);
    else if (given.length)
        f.length = ToMetre(*given.length);
    else
        f.missingLength = true;
    const CRawBlock& block = Full(r.atCom) ? r.atCom : r.atOrigin;
    if (const auto k = InertiaUnitFactor(block.unit))
        f.inertia = *k;
    else if (given.mass && given.length)
        f.inertia = ToKg(*given.mass) * ToMetre(*given.length) * ToMetre(*given.length);
    else
        f.missingInertia = true;
    f.origin = InertiaUnitFactor(r.atOrigin.unit).value_or(f.inertia);
    f.principal = InertiaUnitFactor(r.principalUnit).value_or(f.inertia);
    return f;
}

bool ProductsZero(const CMat3& m) { return m[0][1] == 0.0 && m[0][2] == 0.0 && m[1][2] == 0.0; }

// The printed block times `k`, made symmetric: a pair printed with different
// values is named and its mean used.
CMat3 Printed(const CRawBlock& b, double k, QStringList& warnings) {
    CMat3 m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = b.v[i][j] * k;
    const double largest = std::max({std::fabs(b.v[0][0]), std::fabs(b.v[1][1]), std::fabs(b.v[2][2])});
    static const char* const kNames[3][3] = {
        {"Ixx", "Ixy", "Ixz"}, {"Iyx", "Iyy", "Iyz"}, {"Izx", "Izy", "Izz"}};
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            if (b.mirrored[i][j] || b.mirrored[j][i]) continue;
            if (std::fabs(b.v[i][j] - b.v[j][i]) > 1e-6 * largest + b.step)
                warnings << Tr(IDS_CAD_REPORT_NOT_SYMMETRIC)
                                .arg(QLatin1String(kNames[i][j]), Num(b.v[i][j]), QLatin1String(kNames[j][i]),
                                     Num(b.v[j][i]));
            m[i][j] = m[j][i] = 0.5 * (m[i][j] + m[j][i]);
        }
    return m;
}

// Decides the sign of the printed products and checks the origin block by the
// parallel-axis rule; warnings name what does not agree.
ProductSign DecideSign(const CRawReport& r, const CReportUnits& given, const CFactors& f, double m,
                       const CVec3& c, const CMat3& atCom, const CMat3& atOrigin, bool haveBoth,
                       QStringList& warnings) {
    const std::optional<ProductSign> stated = given.sign ? given.sign : r.sign;
    const CMat3& printed = Full(r.atCom) ? atCom : atOrigin;
    if (!haveBoth) {
        if (!stated && !ProductsZero(printed)) warnings << Tr(IDS_CAD_REPORT_SIGN_UNSTATED);
        return stated.value_or(ProductSign::Tensor);
    }
    const double cv[3] = {c.x, c.y, c.z};
    double maxDiag = 0.0, maxC = 0.0;
    for (int i = 0; i < 3; ++i) {
        maxDiag = std::max(maxDiag, std::fabs(atOrigin[i][i]));
        maxC = std::max(maxC, std::fabs(cv[i]));
    }
    // What rounding of the printed values allows.
    const double massRel = *r.mass > 0.0 ? r.massStep / *r.mass : 0.0;
    const double tol = 2e-3 * maxDiag + 2.0 * (r.atCom.step * f.inertia + r.atOrigin.step * f.origin) +
                       m * maxC * maxC * massRel + 2.0 * m * maxC * r.comStep * f.length;
    bool diagOk = true, fitsTensor = true, fitsPositive = true;
    const double c2 = cv[0] * cv[0] + cv[1] * cv[1] + cv[2] * cv[2];
    for (int i = 0; i < 3; ++i) {
        if (std::fabs(atOrigin[i][i] - (atCom[i][i] + m * (c2 - cv[i] * cv[i]))) > tol) diagOk = false;
        for (int j = i + 1; j < 3; ++j) {
            const double mxy = m * cv[i] * cv[j];
            if (std::fabs(atOrigin[i][j] - (atCom[i][j] - mxy)) > tol) fitsTensor = false;
            if (std::fabs(atOrigin[i][j] - (atCom[i][j] + mxy)) > tol) fitsPositive = false;
        }
    }
    if (!diagOk) {
        warnings << Tr(IDS_CAD_REPORT_ORIGIN_MISMATCH);
        if (!stated && !ProductsZero(atCom)) warnings << Tr(IDS_CAD_REPORT_SIGN_UNSTATED);
        return stated.value_or(ProductSign::Tensor);
    }
    if (stated) {
        const bool fits = *stated == ProductSign::Tensor ? fitsTensor : fitsPositive;
        const bool other = *stated == ProductSign::Tensor ? fitsPositive : fitsTensor;
        const ProductSign otherSign =
            *stated == ProductSign::Tensor ? ProductSign::PositiveIntegral : ProductSign::Tensor;
        if (!fits && other)
            warnings << Tr(IDS_CAD_REPORT_SIGN_MISMATCH).arg(SignText(otherSign), SignText(*stated));
        else if (!fits)
            warnings << Tr(IDS_CAD_REPORT_ORIGIN_MISMATCH);
        return *stated;
    }
    if (fitsTensor && !fitsPositive) return ProductSign::Tensor;
    if (fitsPositive && !fitsTensor) return ProductSign::PositiveIntegral;
    if (!fitsTensor && !fitsPositive) warnings << Tr(IDS_CAD_REPORT_ORIGIN_MISMATCH);
    if (!ProductsZero(atCom)) warnings << Tr(IDS_CAD_REPORT_SIGN_UNSTATED);
    return ProductSign::Tensor;
}

CMat3 AsTensor(CMat3 m, ProductSign sign) {
    if (sign == ProductSign::PositiveIntegral)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                if (i != j) m[i][j] = -m[i][j];
    return m;
}

// Precision, overrides and the report's own remarks.
void NoteWarnings(const CRawReport& r, const CFactors& f, const CMassProps& p, QStringList& warnings) {
    if (r.judgeDigits) {
        const auto few = [](double largest, double step) { return step > 0.0 && largest < 1000.0 * step; };
        if (few(std::fabs(*r.mass), r.massStep))
            warnings << Tr(IDS_CAD_REPORT_LOW_PRECISION).arg(Tr(IDS_CAD_REPORT_WORD_MASS));
        const double maxC = std::max({std::fabs(r.com[0]), std::fabs(r.com[1]), std::fabs(r.com[2])});
        if (few(maxC, r.comStep))
            warnings << Tr(IDS_CAD_REPORT_LOW_PRECISION).arg(Tr(IDS_CAD_REPORT_WORD_COM));
        const double step = Full(r.atCom) ? r.atCom.step * f.inertia : r.atOrigin.step * f.origin;
        const double maxI = std::max({p.inertia[0][0], p.inertia[1][1], p.inertia[2][2]});
        if (few(maxI, step))
            warnings << Tr(IDS_CAD_REPORT_LOW_PRECISION).arg(Tr(IDS_CAD_REPORT_WORD_INERTIA));
    }
    if (r.density && *r.density == 0.0) warnings << Tr(IDS_CAD_REPORT_DENSITY_ZERO);
    if (!r.overridden.isEmpty())
        warnings << Tr(IDS_CAD_REPORT_OVERRIDDEN).arg(r.overridden.join(QStringLiteral(", ")));
    if (r.massMissingCount > 0) warnings << Tr(IDS_CAD_REPORT_MASS_MISSING_PARTS).arg(r.massMissingCount);
    if (r.needsDensity) warnings << Tr(IDS_CAD_REPORT_NEEDS_DENSITY);
    if (r.principal) {
        std::array<double, 3> given = *r.principal;
        for (double& v : given) v *= f.principal;
        std::sort(given.begin(), given.end());
        const std::array<double, 3> eig = PrincipalMoments(p.inertia);
        const double step = (Full(r.atCom) ? r.atCom.step * f.inertia : r.atOrigin.step * f.origin);
        const double tol = 2e-3 * std::fabs(eig[2]) + 4.0 * step;
        bool agree = true;
        for (int i = 0; i < 3; ++i)
            if (std::fabs(given[static_cast<size_t>(i)] - eig[static_cast<size_t>(i)]) > tol) agree = false;
        if (!agree) {
            const auto list = [](const std::array<double, 3>& v) {
                return QStringLiteral("%1, %2, %3").arg(Num(v[0]), Num(v[1]), Num(v[2]));
            };
            warnings << Tr(IDS_CAD_REPORT_PRINCIPAL_MISMATCH).arg(list(given), list(eig));
        }
    }
}

CMassReport Convert(const CRawReport& r, const CReportUnits& given, const CFactors& f) {
    CMassReport out;
    out.format = r.format;
    out.name = r.name;
    out.coordinateSystem = r.coordinateSystem;
    out.needsDensity = r.needsDensity;
    out.warnings = r.warnings;
    CMassProps& p = out.props;
    p.massKg = *r.mass * f.mass;
    p.comM = {r.com[0] * f.length, r.com[1] * f.length, r.com[2] * f.length};
    const bool haveCom = Full(r.atCom);
    const bool haveOrigin = Full(r.atOrigin);
    QStringList unused;  // the origin block only checks the centre block
    const CMat3 atCom = haveCom ? Printed(r.atCom, f.inertia, out.warnings) : CMat3{};
    const CMat3 atOrigin =
        haveOrigin ? Printed(r.atOrigin, f.origin, haveCom ? unused : out.warnings) : CMat3{};
    const ProductSign sign =
        DecideSign(r, given, f, p.massKg, p.comM, atCom, atOrigin, haveCom && haveOrigin, out.warnings);
    if (haveCom) {
        p.inertia = AsTensor(atCom, sign);
    } else {
        // Moved from the origin to the centre of mass: I_C = I_O − m(|c|²E − c·cᵀ).
        p.inertia = AsTensor(atOrigin, sign);
        const double c[3] = {p.comM.x, p.comM.y, p.comM.z};
        const double c2 = c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) p.inertia[i][j] -= p.massKg * ((i == j ? c2 : 0.0) - c[i] * c[j]);
        out.warnings << Tr(IDS_CAD_REPORT_FROM_ORIGIN);
    }
    if (r.volume) {
        const double k = r.needsDensity
                             ? 1e-9
                             : 1.0 / DensityUnitFactor(QStringLiteral("kg / ") + r.volumeUnit).value_or(0.0);
        if (std::isfinite(k) && k > 0.0) out.volumeM3 = *r.volume * k;
    }
    if (r.density) {
        if (const auto k = DensityUnitFactor(r.densityUnit)) out.densityKgM3 = *r.density * *k;
    }
    NoteWarnings(r, f, p, out.warnings);
    return out;
}

QString Label(const CRawReport& r, size_t index, size_t count) {
    if (!r.name.isEmpty()) return r.name;
    if (count > 1) return QStringLiteral("%1 #%2").arg(r.format).arg(index + 1);
    return r.format;
}

}  // namespace

CReportRead ReadMassReport(const QByteArray& text, const CReportUnits& given) {
    CReportRead read;
    if (text.size() > kMaxReportBytes) {
        read.status = ReportStatus::Invalid;
        read.message = Tr(IDS_CAD_REPORT_TOO_LARGE).arg(kMaxReportBytes / (1024 * 1024));
        return read;
    }
    std::vector<CRawReport> raws = Recognise(Decode(text));
    if (raws.empty()) {
        read.status = ReportStatus::NotRecognised;
        read.message = Tr(IDS_CAD_REPORT_NOT_RECOGNISED);
        return read;
    }
    // Values first: a unit given later cannot mend a missing or broken value.
    for (size_t i = 0; i < raws.size(); ++i) {
        const QString problem = Problem(raws[i], Label(raws[i], i, raws.size()));
        if (!problem.isEmpty()) {
            read.status = ReportStatus::Invalid;
            read.message = problem;
            return read;
        }
    }
    for (CRawReport& r : raws) {
        // Shortest round-trip numbers are exact as printed: no rounding to allow for.
        if (!r.judgeDigits) r.massStep = r.comStep = r.atCom.step = r.atOrigin.step = 0.0;
    }
    std::vector<CFactors> factors;
    bool mass = false, length = false, inertia = false;
    for (const CRawReport& r : raws) {
        factors.push_back(Factors(r, given));
        mass |= factors.back().missingMass;
        length |= factors.back().missingLength;
        inertia |= factors.back().missingInertia;
    }
    if (mass || length || inertia) {
        read.status = ReportStatus::MissingUnit;
        read.needsMassUnit = mass || (inertia && !given.mass);
        read.needsLengthUnit = length || (inertia && !given.length);
        QStringList what;
        if (mass) what << Tr(IDS_CAD_REPORT_WORD_MASS);
        if (length) what << Tr(IDS_CAD_REPORT_WORD_COM);
        if (inertia) what << Tr(IDS_CAD_REPORT_WORD_INERTIA);
        read.message = Tr(IDS_CAD_REPORT_MISSING_UNIT).arg(what.join(QStringLiteral(", ")));
        return read;
    }
    for (size_t i = 0; i < raws.size(); ++i) {
        CMassReport report = Convert(raws[i], given, factors[i]);
        if (!IsFinite(report.props) || !(report.props.massKg > 0.0)) {
            const CMassProps& p = report.props;
            const int word =
                !(std::isfinite(p.massKg) && p.massKg > 0.0) ? IDS_CAD_REPORT_WORD_MASS
                : !(std::isfinite(p.comM.x) && std::isfinite(p.comM.y) && std::isfinite(p.comM.z))
                    ? IDS_CAD_REPORT_WORD_COM
                    : IDS_CAD_REPORT_WORD_INERTIA;
            read.status = ReportStatus::Invalid;
            read.message = Tr(IDS_CAD_REPORT_NOT_FINITE).arg(Label(raws[i], i, raws.size()), Tr(word));
            read.reports.clear();
            return read;
        }
        read.reports.push_back(report);
    }
    read.status = ReportStatus::Ok;
    return read;
}

}  // namespace kest::cad
