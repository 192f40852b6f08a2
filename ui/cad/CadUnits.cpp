#include "CadUnits.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <vector>

namespace kest::cad {
namespace {

constexpr double kPoundKg = 0.45359237;
constexpr double kStandardGravity = 9.80665;  // m/s²

// One factor of a unit text: a mass, a length, a force or seconds, with its
// power (negative after "per" or "/").
struct CTerm {
    enum Kind { Mass, Length, Force, Second } kind;
    double toSi;  // kg, m, N or s
    int power;
};

std::optional<CTerm> TermOf(const QString& word) {
    static const struct {
        const char* names;
        CTerm::Kind kind;
        double toSi;
    } kWords[] = {
        {"g gr gram grams gramme grammes", CTerm::Mass, 1e-3},
        {"kg kgs kilogram kilograms kilogramme kilogrammes", CTerm::Mass, 1.0},
        {"lb lbs lbm pound pounds", CTerm::Mass, kPoundKg},
        {"t tonne tonnes", CTerm::Mass, 1000.0},
        {"mm millimeter millimeters millimetre millimetres", CTerm::Length, 1e-3},
        {"cm centimeter centimeters centimetre centimetres", CTerm::Length, 1e-2},
        {"m meter meters metre metres", CTerm::Length, 1.0},
        {"in inch inches", CTerm::Length, 0.0254},
        {"ft foot feet", CTerm::Length, 0.3048},
        {"kgf kp", CTerm::Force, kStandardGravity},
        {"lbf", CTerm::Force, kPoundKg * kStandardGravity},
        {"s sec secs second seconds", CTerm::Second, 1.0},
    };
    for (const auto& w : kWords) {
        const QStringList names = QString::fromLatin1(w.names).split(QLatin1Char(' '));
        if (names.contains(word)) return CTerm{w.kind, w.toSi, 1};
    }
    return std::nullopt;
}

// The factors of a unit text, or nothing when a part of it is not a unit.
std::optional<std::vector<CTerm>> Terms(const QString& text) {
    QString t = text.trimmed().toLower();
    t.replace(QChar(0x00B2), QLatin1String("^2")).replace(QChar(0x00B3), QLatin1String("^3"));
    // Separators: "*", "·", "⋅", "×", ".", "-", and "/" read as "per".
    for (const QChar c : {QChar(u'*'), QChar(0x00B7), QChar(0x22C5), QChar(0x00D7), QChar(u'.'), QChar(u'-')})
        t.replace(c, QLatin1Char(' '));
    t.replace(QLatin1Char('/'), QLatin1String(" per "));
    const QStringList words = t.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) return std::nullopt;

    static const QRegularExpression kPowered(QStringLiteral("^([a-z]+)\\^?([1-3])?$"));
    std::vector<CTerm> terms;
    int pending = 1;  // "square" or "cubic" before the next length
    int sign = 1;     // −1 after "per"
    for (const QString& w : words) {
        if (w == QLatin1String("x")) continue;  // "kilograms x square meters"
        if (w == QLatin1String("per")) {
            if (sign < 0) return std::nullopt;
            sign = -1;
            continue;
        }
        if (w == QLatin1String("square") || w == QLatin1String("sq")) {
            pending = 2;
            continue;
        }
        if (w == QLatin1String("cubic") || w == QLatin1String("cu")) {
            pending = 3;
            continue;
        }
        const QRegularExpressionMatch m = kPowered.match(w);
        if (!m.hasMatch()) return std::nullopt;
        std::optional<CTerm> term = TermOf(m.captured(1));
        if (!term) return std::nullopt;
        int power = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
        if (pending != 1) {
            if (power != 1) return std::nullopt;
            power = pending;
            pending = 1;
        }
        term->power = sign * power;
        terms.push_back(*term);
    }
    if (pending != 1) return std::nullopt;
    return terms;
}

// The one term of the given kind and power, or nothing when the text has any
// other term or more than one.
template <class Pred>
std::optional<double> Single(const std::vector<CTerm>& terms, Pred pred) {
    if (terms.size() != 1 || !pred(terms[0])) return std::nullopt;
    return terms[0].toSi;
}

}  // namespace

double ToKg(MassUnit unit) {
    switch (unit) {
        case MassUnit::Gram: return 1e-3;
        case MassUnit::Kilogram: return 1.0;
        case MassUnit::Pound: return kPoundKg;
        case MassUnit::Tonne: return 1000.0;
    }
    return 1.0;
}

double ToMetre(LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Millimetre: return 1e-3;
        case LengthUnit::Centimetre: return 1e-2;
        case LengthUnit::Metre: return 1.0;
        case LengthUnit::Inch: return 0.0254;
        case LengthUnit::Foot: return 0.3048;
    }
    return 1.0;
}

QString UnitSymbol(MassUnit unit) {
    switch (unit) {
        case MassUnit::Gram: return QStringLiteral("g");
        case MassUnit::Kilogram: return QStringLiteral("kg");
        case MassUnit::Pound: return QStringLiteral("lb");
        case MassUnit::Tonne: return QStringLiteral("t");
    }
    return QString();
}

QString UnitSymbol(LengthUnit unit) {
    switch (unit) {
        case LengthUnit::Millimetre: return QStringLiteral("mm");
        case LengthUnit::Centimetre: return QStringLiteral("cm");
        case LengthUnit::Metre: return QStringLiteral("m");
        case LengthUnit::Inch: return QStringLiteral("in");
        case LengthUnit::Foot: return QStringLiteral("ft");
    }
    return QString();
}

std::optional<MassUnit> ParseMassUnit(const QString& text) {
    const auto terms = Terms(text);
    if (!terms) return std::nullopt;
    const auto kg = Single(*terms, [](const CTerm& t) { return t.kind == CTerm::Mass && t.power == 1; });
    if (!kg) return std::nullopt;
    for (MassUnit u : {MassUnit::Gram, MassUnit::Kilogram, MassUnit::Pound, MassUnit::Tonne})
        if (ToKg(u) == *kg) return u;
    return std::nullopt;
}

std::optional<LengthUnit> ParseLengthUnit(const QString& text) {
    const auto terms = Terms(text);
    if (!terms) return std::nullopt;
    const auto m = Single(*terms, [](const CTerm& t) { return t.kind == CTerm::Length && t.power == 1; });
    if (!m) return std::nullopt;
    for (LengthUnit u : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre, LengthUnit::Inch,
                         LengthUnit::Foot})
        if (ToMetre(u) == *m) return u;
    return std::nullopt;
}

std::optional<double> InertiaUnitFactor(const QString& text) {
    const auto terms = Terms(text);
    if (!terms) return std::nullopt;
    // Powers of kg, m and s; a force is kg·m·s⁻².
    int kg = 0, m = 0, s = 0;
    bool force = false;
    double factor = 1.0;
    for (const CTerm& t : *terms) {
        factor *= std::pow(t.toSi, t.power);
        switch (t.kind) {
            case CTerm::Mass: kg += t.power; break;
            case CTerm::Length: m += t.power; break;
            case CTerm::Second: s += t.power; break;
            case CTerm::Force:
                force = true;
                kg += t.power;
                m += t.power;
                s -= 2 * t.power;
                break;
        }
    }
    if (kg != 1 || m != 2 || s != 0) return std::nullopt;
    // A mass times a length squared, or a force times a length times s².
    if (!force && terms->size() != 2) return std::nullopt;
    if (force && terms->size() != 3) return std::nullopt;
    return factor;
}

std::optional<double> DensityUnitFactor(const QString& text) {
    const auto terms = Terms(text);
    if (!terms || terms->size() != 2) return std::nullopt;
    const CTerm& a = (*terms)[0];
    const CTerm& b = (*terms)[1];
    if (a.kind != CTerm::Mass || a.power != 1 || b.kind != CTerm::Length || b.power != -3)
        return std::nullopt;
    return a.toSi / std::pow(b.toSi, 3);
}

}  // namespace kest::cad
