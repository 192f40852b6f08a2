#include "MassReportScan.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "NumText.h"

namespace kest::cad::report {
namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('^'); }

// "nan", "inf" or "infinity" as a whole word at `i`: its length, 0 otherwise.
qsizetype NonFiniteWord(const QString& s, qsizetype i) {
    const char16_t first = s[i].toLower().unicode();
    if (first != u'i' && first != u'n') return 0;
    for (const char* w : {"infinity", "inf", "nan"}) {
        const QLatin1String word(w);
        if (s.mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0) continue;
        const qsizetype end = i + word.size();
        if (end < s.size() && IsWordChar(s[end])) continue;
        return word.size();
    }
    return 0;
}

// The ASCII characters of s[from, to) (digits, point, sign, exponent).
std::string Ascii(const QString& s, qsizetype from, qsizetype to) {
    std::string out;
    out.reserve(static_cast<size_t>(to - from));
    for (qsizetype k = from; k < to; ++k) out.push_back(static_cast<char>(s[k].unicode()));
    return out;
}

std::vector<CNum> ScanNumbersIn(const QString& s, qsizetype from, qsizetype n, size_t maxCount,
                                bool commaDigits) {
    std::vector<CNum> out;
    qsizetype i = std::max<qsizetype>(from, 0);
    while (i < n && out.size() < maxCount) {
        const qsizetype start = i;
        if (start > 0 && (IsWordChar(s[start - 1]) || s[start - 1] == QLatin1Char('.'))) {
            ++i;
            continue;
        }
        qsizetype p = i;
        bool negative = false;
        if (s[p] == QLatin1Char('-') || s[p] == QLatin1Char('+') || s[p] == QChar(0x2212)) {
            negative = s[p] != QLatin1Char('+');
            ++p;
        }
        if (p < n && s[p].isLetter()) {
            const qsizetype len = NonFiniteWord(s, p);
            if (len > 0) {
                const double v = Has(s.mid(p, 3), "nan") ? std::numeric_limits<double>::quiet_NaN()
                                                         : std::numeric_limits<double>::infinity();
                out.push_back({negative ? -v : v, 0.0, start, p + len});
                i = p + len;
                continue;
            }
            i = start + 1;
            continue;
        }
        // Mantissa: digits, an optional point and digits; at least one digit.
        qsizetype intDigits = 0, fracDigits = 0;
        while (p + intDigits < n && IsDigit(s[p + intDigits])) ++intDigits;
        qsizetype q = p + intDigits;
        if (q < n && s[q] == QLatin1Char('.')) {
            while (q + 1 + fracDigits < n && IsDigit(s[q + 1 + fracDigits])) ++fracDigits;
            q += fracDigits > 0 || intDigits > 0 ? 1 + fracDigits : 0;
        }
        if (intDigits + fracDigits == 0) {
            i = start + 1;
            continue;
        }
        // "2,5" or "1,234": a decimal comma or a thousands separator, which
        // the reports never print; read as no number rather than as 2 and 5.
        if (!commaDigits && fracDigits == 0 && q == p + intDigits && q + 1 < n && s[q] == QLatin1Char(',') &&
            IsDigit(s[q + 1])) {
            while (q + 1 < n && s[q] == QLatin1Char(',') && IsDigit(s[q + 1])) {
                ++q;
                while (q < n && (IsDigit(s[q]) || s[q] == QLatin1Char('.'))) ++q;
            }
            out.push_back({std::numeric_limits<double>::quiet_NaN(), 0.0, start, q});
            i = q;
            continue;
        }
        // Exponent.
        int exponent = 0;
        if (q < n && (s[q] == QLatin1Char('e') || s[q] == QLatin1Char('E'))) {
            qsizetype e = q + 1;
            if (e < n && (s[e] == QLatin1Char('-') || s[e] == QLatin1Char('+'))) ++e;
            qsizetype digits = 0;
            while (e + digits < n && IsDigit(s[e + digits])) ++digits;
            if (digits > 0) {
                double ev = 0.0;
                ParseDouble(Ascii(s, q + 1, e + digits).c_str(), ev);
                exponent = static_cast<int>(std::clamp(ev, -1000.0, 1000.0));
                q = e + digits;
            }
        }
        std::string token = Ascii(s, p, q);
        if (negative) token.insert(token.begin(), '-');
        double value = 0.0;
        if (!ParseDouble(token.c_str(), value)) {
            i = q;
            continue;
        }
        const double step = std::pow(10.0, static_cast<double>(exponent) - static_cast<double>(fracDigits));
        out.push_back({value, step, start, q});
        i = q;
    }
    return out;
}

}  // namespace

std::vector<CNum> ScanNumbers(const QString& s, qsizetype from, bool commaLists) {
    return ScanNumbersIn(s, from, s.size(), static_cast<size_t>(-1), commaLists);
}

std::optional<CNum> FirstNumber(const QString& text, qsizetype from, qsizetype window) {
    if (from < 0 || from >= text.size()) return std::nullopt;
    const qsizetype to = std::min(text.size(), from + window);
    const std::vector<CNum> nums = ScanNumbersIn(text, from, to, 1, false);
    if (nums.empty()) return std::nullopt;
    // A number cut by the window is not read.
    if (nums.front().end == to && to < text.size() && text[to].isDigit()) return std::nullopt;
    return nums.front();
}

QString UnitInBrackets(const QString& text) {
    const qsizetype close = std::max(text.lastIndexOf(QLatin1Char(')')), text.lastIndexOf(QLatin1Char(']')));
    if (close < 0) return QString();
    const QChar closing = text[close];
    const QChar opening = closing == QLatin1Char(')') ? QLatin1Char('(') : QLatin1Char('[');
    const qsizetype open = text.lastIndexOf(opening, close);
    if (open < 0) return QString();
    return text.mid(open + 1, close - open - 1).trimmed();
}

QString UnitAfter(const QString& text, const CNum& num) {
    qsizetype end = num.end;
    const qsizetype stop = std::min(text.size(), num.end + 64);
    while (end < stop && text[end] != QLatin1Char(',') && text[end] != QLatin1Char('(') &&
           text[end] != QLatin1Char('['))
        ++end;
    return text.mid(num.end, end - num.end).trimmed();
}

QStringList SplitLines(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = t.split(QLatin1Char('\n'));
    for (QString& line : lines) line = line.trimmed();
    return lines;
}

int AxisIndex(QChar c) {
    switch (c.toLower().unicode()) {
        case 'x': return 0;
        case 'y': return 1;
        case 'z': return 2;
        default: return -1;
    }
}

void CRawBlock::Put(int row, int col, const CNum& num) {
    if (row < 0 || row > 2 || col < 0 || col > 2) return;
    v[row][col] = num.value;
    set[row][col] = true;
    step = std::max(step, num.step);
    present = true;
}

bool CRawBlock::Complete() {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (!set[r][c] && set[c][r]) {
                v[r][c] = v[c][r];
                set[r][c] = true;
                mirrored[r][c] = true;
            }
    for (const auto& row : set)
        for (bool b : row)
            if (!b) return false;
    return true;
}

bool CRawReport::Started() const {
    return mass.has_value() || comSet[0] || comSet[1] || comSet[2] || atCom.present || atOrigin.present;
}

void CRawReport::PutCom(int axis, const CNum& num) {
    if (axis < 0 || axis > 2) return;
    com[axis] = num.value;
    comSet[axis] = true;
    comStep = std::max(comStep, num.step);
}

void NextReport(CRawReport& r, std::vector<CRawReport>& out, const QString& format) {
    if (r.Started()) out.push_back(r);
    r = CRawReport{};
    r.format = format;
}

}  // namespace kest::cad::report
