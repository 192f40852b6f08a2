#include "TblLayout.h"

#include <QRegularExpression>

#include "DrawMath.h"
#include "KestDC.h"

void CTblLayout::Reset() {
    nCols = nRows = 0;
    m_cut.clear();
    for (int i = 0; i < kMax; ++i) colEdge[i] = rowEdge[i] = 0.0;
}

void CTblLayout::SetRect(int l, int t, int r, int b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
}

void CTblLayout::AddCol(double w) {
    if (nCols >= kMax) return;
    colEdge[nCols] = (nCols == 0 ? 0.0 : colEdge[nCols - 1]) + w;
    ++nCols;
}

void CTblLayout::AddRow(double h) {
    if (nRows >= kMax) return;
    rowEdge[nRows] = (nRows == 0 ? 0.0 : rowEdge[nRows - 1]) + h;
    ++nRows;
}

QRect CTblLayout::Cell(int k, int r) const {
    const int w = right - left;
    const int h = bottom - top;
    const int l = k == 0 ? left : static_cast<int>(left + w * colEdge[k - 1]);
    const int rr = static_cast<int>(left + w * colEdge[k]);
    const int t = r == 0 ? top : static_cast<int>(top + h * rowEdge[r - 1]);
    const int b = static_cast<int>(top + h * rowEdge[r]);
    return kest::LTRB(l, t, rr, b);
}

void CTblLayout::DrawGrid(kest::CKestDC& dc) const {
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
    const int w = right - left;
    const int h = bottom - top;
    for (int k = 0; k + 1 < nCols; ++k) {
        const int x = static_cast<int>(left + w * colEdge[k]);
        dc.MoveTo(x, top);
        dc.LineTo(x, bottom);
    }
    for (int r = 0; r + 1 < nRows; ++r) {
        const int y = static_cast<int>(top + h * rowEdge[r]);
        dc.MoveTo(left, y);
        dc.LineTo(right, y);
    }
}

namespace {

// A plain decimal number ("-12.3456") rounded half away from zero to
// `decimals` places, done on the digits so that the text's own value is
// rounded and not its nearest binary double. Empty text for any other text.
QString RoundDecimalText(const QString& text, int decimals) {
    static const QRegularExpression kDecimal(QStringLiteral("^([-+]?)([0-9]+)\\.([0-9]+)$"));
    const QRegularExpressionMatch m = kDecimal.match(text);
    if (!m.hasMatch()) return QString();
    const QString sign = m.captured(1);
    QString digits = m.captured(2) + m.captured(3);
    const int intLen = static_cast<int>(m.captured(2).size());
    const int keep = intLen + decimals;
    const bool up = keep < digits.size() && digits.at(keep) >= QLatin1Char('5');
    digits.truncate(keep);
    for (int i = keep - 1; up && i >= 0; --i) {
        if (digits.at(i) == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
            if (i == 0) digits.prepend(QLatin1Char('1'));
            continue;
        }
        digits[i] = QChar(digits.at(i).unicode() + 1);
        break;
    }
    const int newIntLen = static_cast<int>(digits.size()) - decimals;
    QString out = digits.left(newIntLen);
    if (decimals > 0) out += QLatin1Char('.') + digits.mid(newIntLen);
    // What rounds to zero shows no sign.
    const bool zero = !digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (zero || sign == QLatin1String("+") ? QString() : sign) + out;
}

}  // namespace

QString CTblLayout::FitText(const kest::CKestDC& dc, const QString& text, const QRect& cell) const {
    if (dc.GetTextExtent(text).width() <= cell.width()) return text;
    // A number gives up decimals first (123.178: 123.18, 123.2, 123); only
    // when its whole part does not fit does the cell show "###". Either way
    // the full text is kept for the tool tip.
    m_cut.append({cell, text});
    const int dot = static_cast<int>(text.indexOf(QLatin1Char('.')));
    const int decimals = dot < 0 ? 0 : static_cast<int>(text.size()) - dot - 1;
    for (int d = decimals - 1; d >= 0; --d) {
        const QString shorter = RoundDecimalText(text, d);
        if (shorter.isEmpty()) break;
        if (dc.GetTextExtent(shorter).width() <= cell.width()) return shorter;
    }
    return QStringLiteral("###");
}

QString CTblLayout::CutTextAt(const QPoint& pt) const {
    for (const CutCell& c : m_cut) {
        if (c.rc.contains(pt)) return c.text;
    }
    return QString();
}
