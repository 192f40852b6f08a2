// Reading mass-property reports, shared by the layouts: the values of one
// report as printed (numbers in the report's units and sign convention), and
// the scanning of lines, numbers and unit texts. Internal to ui/cad.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "MassReport.h"

namespace kest::cad::report {

// A number as printed: its value and the step of its last printed digit
// (0.01 for "12.00", 1e3 for "4.200E+06"); 0 when the text is a shortest
// round-trip form whose precision says nothing (JSON, a script's repr).
struct CNum {
    double value = 0.0;
    double step = 0.0;
    qsizetype begin = 0;  // position in the scanned text
    qsizetype end = 0;
};

// The numbers in `text` from `from` on: signed decimals with an optional
// e/E exponent; "nan" and "inf" are read as such so that they are refused
// later rather than skipped. Digits inside words ("I1", "mm^2", "R2") are not
// numbers. Digits on both sides of a comma ("2,5", "1,234") are a decimal
// comma or a thousands separator, which no known report prints: they are read
// as one number that is not finite, so that the report is refused rather than
// read wrong, unless `commaLists` says the text lists numbers as "1,0,0".
std::vector<CNum> ScanNumbers(const QString& text, qsizetype from = 0, bool commaLists = false);

// The first number within `window` characters after `from` (a value right
// after its label), with positions in `text`.
std::optional<CNum> FirstNumber(const QString& text, qsizetype from, qsizetype window = 80);

// The text of the last "( … )" or "[ … ]" in `text`, trimmed; empty when none.
QString UnitInBrackets(const QString& text);

// The unit printed after a number: the text after `num` up to a comma, an
// opening bracket or the end, trimmed.
QString UnitAfter(const QString& text, const CNum& num);

// The lines of the text with CRLF or CR endings and leading and trailing white
// space removed.
QStringList SplitLines(const QString& text);

// A 3×3 block as printed, possibly filled in parts.
struct CRawBlock {
    std::array<std::array<double, 3>, 3> v{};
    std::array<std::array<bool, 3>, 3> set{};
    std::array<std::array<bool, 3>, 3> mirrored{};  // copied from the symmetric entry
    QString unit;
    double step = 0.0;  // the coarsest printed step of its values
    bool present = false;

    void Put(int row, int col, const CNum& num);
    // Whether every entry is known once the symmetric ones are copied over.
    bool Complete();
};

// One report as printed.
struct CRawReport {
    QString format;
    QString name;
    QString coordinateSystem;
    std::optional<double> mass;
    QString massUnit;
    double massStep = 0.0;
    std::array<double, 3> com{};
    std::array<bool, 3> comSet{};
    QString comUnit;
    double comStep = 0.0;
    CRawBlock atCom;     // about the centre of mass, axes of the output frame
    CRawBlock atOrigin;  // about the output frame's origin
    std::optional<std::array<double, 3>> principal;
    QString principalUnit;
    std::optional<ProductSign> sign;  // the layout's convention; none when not stated
    std::optional<double> density;
    QString densityUnit;
    bool needsDensity = false;  // "mass" is the volume at density 1, lengths in mm
    std::optional<double> volume;
    QString volumeUnit;
    QStringList overridden;    // the labels marked as overridden by the user
    QStringList warnings;      // already known while reading (in the user's language)
    int massMissingCount = 0;  // bodies without a mass (no material) left out of the values
    bool judgeDigits = true;   // false when numbers are printed in shortest round-trip form

    bool Started() const;
    void PutCom(int axis, const CNum& num);
};

// Closes the report being read (kept when it holds anything) and starts the next.
void NextReport(CRawReport& r, std::vector<CRawReport>& out, const QString& format);

// The layouts. Each reads the lines of a whole paste and appends one report per
// body it finds; false when the text is not that layout.
bool ReadSolidWorksLayout(const QStringList& lines, std::vector<CRawReport>& out);
bool ReadInventorLayout(const QStringList& lines, std::vector<CRawReport>& out);
bool ReadFusionLayout(const QStringList& lines, std::vector<CRawReport>& out);
bool ReadCreoLayout(const QStringList& lines, std::vector<CRawReport>& out);
bool ReadNxLayout(const QStringList& lines, std::vector<CRawReport>& out);
bool ReadConsoleLayout(const QStringList& lines, std::vector<CRawReport>& out);
bool ReadPlainTable(const QStringList& lines, std::vector<CRawReport>& out);
// A JSON answer with a "bodies" object; `isJson` tells whether the text was
// JSON at all.
bool ReadJsonBodies(const QByteArray& text, std::vector<CRawReport>& out, bool& isJson);

// Case-insensitive helpers for anchors.
inline bool Has(const QString& line, const char* anchor) {
    return line.contains(QLatin1String(anchor), Qt::CaseInsensitive);
}
inline bool Starts(const QString& line, const char* anchor) {
    return line.startsWith(QLatin1String(anchor), Qt::CaseInsensitive);
}

// The axis index of "x", "y" or "z" (any case), −1 otherwise.
int AxisIndex(QChar c);

}  // namespace kest::cad::report
