#include "VerdictBox.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DrawMath.h"
#include "KestDC.h"
#include "Verdict.h"

using namespace kest;

int DrawVerdictBox(CKestDC& dc, const QRect& R, const QString& name, const CVerdict* verdict, bool grey,
                   bool print, int smallestDetailPx) {
    dc.SaveDC();
    dc.SelectPen(CKestPen::Solid(1, print ? CLR_BLACK : CLR_STEEL));
    dc.SelectBrush(CKestBrush::SolidColor(CLR_WHITE));
    dc.Rectangle(R);
    if (verdict == nullptr) {
        dc.RestoreDC();
        return 0;
    }
    const int W = R.width();
    const int H = R.height();
    const QRect N = LTRB(R.left(), R.top(), R.left() + Trunc(0.28 * W), R.top() + Trunc(0.35 * H));
    const QRect V = LTRB(Right(N) - N.height() / 12, R.top(), Right(R), Bottom(N));
    const QRect D = LTRB(R.left(), Bottom(N), Right(R), Bottom(R));
    // The name and the verdict stay whole: in a wide box the band's font is
    // no larger than they allow.
    const int F = Trunc(0.71 * N.height());
    int boldH = F;
    QFont bold = GdiFont(QStringLiteral("Arial"), boldH, 700);
    while (boldH > 6 && (QFontMetrics(bold).horizontalAdvance(name) > N.width() - F / 4 ||
                         QFontMetrics(bold).horizontalAdvance(verdict->text) > V.width() - F)) {
        bold = GdiFont(QStringLiteral("Arial"), --boldH, 700);
    }
    const QFont normal = GdiFont(QStringLiteral("Arial"), Trunc((print ? 0.8 : 0.9) * F), 400);

    dc.SetBkMode(TRANSPARENT);
    dc.SelectBrush(CKestBrush::SolidColor(CLR_DARK));
    dc.SetTextColor(CLR_WHITE);
    dc.SelectFont(bold);
    dc.Rectangle(N);
    dc.DrawText(name, N, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    dc.SetTextColor(CLR_BLACK);
    QColor band = CLR_WHITE;
    if (verdict->code == 0) {
        band = CLR_LIGHTGRAY;  // no result: not in the data, or nothing analysed
    } else if (!grey) {
        if (verdict->code == 1) {
            band = CLR_GREEN;
        } else if (verdict->code == 2) {
            band = CLR_YELLOW;
        } else {
            band = CLR_RED;
            dc.SetTextColor(CLR_WHITE);
        }
    }
    dc.SelectBrush(CKestBrush::SolidColor(band));
    dc.Rectangle(V);
    dc.DrawText(verdict->text, Shrink(V, F / 2, 0, F / 2, 0),
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    dc.SetTextColor(CLR_BLACK);
    // The detail lines stay inside the frame: the font gets smaller until they
    // fit, but on screen never smaller than the dialog's own font (the box is
    // laid out to hold them at that size). Each line is "label<TAB>value"; the
    // values start in one column after the widest label, so they line up at
    // any font size.
    const QRect detail = Shrink(D, F / 2, 0, F / 2, 2);
    const QStringList lines = verdict->detail.split(QStringLiteral("\r\n"));
    QFont small = normal;
    const int smallest = smallestDetailPx;
    if (small.pixelSize() < smallest) small.setPixelSize(smallest);
    dc.SelectFont(small);
    while (small.pixelSize() > smallest &&
           static_cast<int>(lines.size()) * dc.GetTextExtent(QStringLiteral("Ag")).height() >
               detail.height()) {
        small.setPixelSize(small.pixelSize() - 1);
        dc.SelectFont(small);
    }
    // A line too long for the box (an English level word with its note) may
    // take the font a little below the smallest size, rather than be cut.
    int labelWidth = 0;
    const int narrowest = std::max(6, smallest - 3);
    for (;;) {
        labelWidth = 0;
        int valueWidth = 0;
        for (const QString& line : lines) {
            const int tab = line.indexOf(QLatin1Char('\t'));
            if (tab >= 0) labelWidth = std::max(labelWidth, dc.GetTextExtent(line.left(tab)).width());
            valueWidth = std::max(valueWidth, dc.GetTextExtent(line.mid(tab + 1)).width());
        }
        if (labelWidth + valueWidth <= detail.width() || small.pixelSize() <= narrowest) break;
        small.setPixelSize(small.pixelSize() - 1);
        dc.SelectFont(small);
    }
    const int lineHeight = dc.GetTextExtent(QStringLiteral("Ag")).height();
    const unsigned format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    for (int k = 0; k < lines.size(); ++k) {
        const QRect row(detail.left(), detail.top() + k * lineHeight, detail.width(), lineHeight);
        const int tab = lines[k].indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            dc.DrawText(lines[k], row, format);
            continue;
        }
        dc.DrawText(lines[k].left(tab), row, format);
        dc.DrawText(lines[k].mid(tab + 1), LTRB(row.left() + labelWidth, row.top(), Right(row), Bottom(row)),
                    format);
    }
    dc.RestoreDC();
    return small.pixelSize();
}
