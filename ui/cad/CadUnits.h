// Units of the loads read from CAD: every conversion to SI of this import is
// done here, once. Unit texts are read as CAD programs print them: words
// ("grams", "square millimeters"), symbols ("g", "Kg", "mm^2", "kg·m²",
// "lbm in^2") and upper case ("KILOGRAM * MM^2"), with "*", "x", "·", "." or
// a space between the parts.
#pragma once

#include <QString>
#include <optional>

#include "KestLoadLibExport.h"

namespace kest::cad {

enum class MassUnit { Gram, Kilogram, Pound, Tonne };
enum class LengthUnit { Millimetre, Centimetre, Metre, Inch, Foot };

// Factors to SI: kilograms and metres.
KESTLOADLIB_API double ToKg(MassUnit unit);
KESTLOADLIB_API double ToMetre(LengthUnit unit);

// Symbols for messages and the command line: "g", "kg", "lb", "t"; "mm",
// "cm", "m", "in", "ft".
KESTLOADLIB_API QString UnitSymbol(MassUnit unit);
KESTLOADLIB_API QString UnitSymbol(LengthUnit unit);

// A unit text (a word, a symbol, any case, singular or plural); nothing for
// anything else.
KESTLOADLIB_API std::optional<MassUnit> ParseMassUnit(const QString& text);
KESTLOADLIB_API std::optional<LengthUnit> ParseLengthUnit(const QString& text);

// The factor that turns a moment of inertia in the unit `text` into kg·m²:
// mass × length² ("g mm^2", "grams *  square millimeters", "Kg.m^2",
// "KILOGRAM * MM^2", "lb·in²", "lb·ft²") and the force-based units
// "kgf·cm·s²" and "kgf·m·s²" (standard gravity 9.80665 m/s²). Nothing for a
// text that is not such a unit.
KESTLOADLIB_API std::optional<double> InertiaUnitFactor(const QString& text);

// The factor that turns a density in `text` into kg/m³ ("g / mm^3",
// "grams per cubic millimeter", "KILOGRAM / MM^3", "lb/in^3", "kg/m³").
KESTLOADLIB_API std::optional<double> DensityUnitFactor(const QString& text);

}  // namespace kest::cad
