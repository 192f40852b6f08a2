// A drawing context with the GDI operations the drawings use, over QPainter.
// Drawings are written once against it and draw unchanged into a widget, a
// QImage, a printer or a PDF page.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <vector>

#include "KestLoadLibExport.h"

namespace kest {

// Colour from red, green, blue as GDI writes it.
inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

enum PenStyle { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_NULL = 5, PS_USERSTYLE = 7 };
enum HatchStyle { HS_BDIAGONAL = 3, HS_FDIAGONAL = 2, HS_CROSS = 4 };
enum BkMode { TRANSPARENT = 1, OPAQUE = 2 };

// DrawText format flags.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
};

// TextOut alignment flags.
enum : unsigned {
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

struct KESTLOADLIB_API CKestPen {
    int style = PS_SOLID;
    int width = 1;
    QColor color = Qt::black;
    std::vector<int> dashes;  // on/off lengths in pixels for PS_USERSTYLE
    static CKestPen Solid(int width, const QColor& color) { return CKestPen{PS_SOLID, width, color, {}}; }
    static CKestPen User(int width, const QColor& color, std::vector<int> dashes) {
        return CKestPen{PS_USERSTYLE, width, color, std::move(dashes)};
    }
};

struct KESTLOADLIB_API CKestBrush {
    enum Kind { Null, Solid, Hatch } kind = Solid;
    QColor color = Qt::white;
    int hatch = HS_BDIAGONAL;
    static CKestBrush SolidColor(const QColor& c) { return CKestBrush{Solid, c, 0}; }
    static CKestBrush Hatched(int hatch, const QColor& c) { return CKestBrush{Hatch, c, hatch}; }
    static CKestBrush None() { return CKestBrush{Null, Qt::transparent, 0}; }
};

class KESTLOADLIB_API CKestDC {
public:
    explicit CKestDC(QPainter* painter);
    QPainter* painter() const { return m_p; }

    // Selected objects; each Select returns the previous one for restoring.
    CKestPen SelectPen(const CKestPen& pen);
    CKestBrush SelectBrush(const CKestBrush& brush);
    QFont SelectFont(const QFont& font);
    int SetBkMode(int mode);
    QColor SetBkColor(const QColor& color);
    QColor SetTextColor(const QColor& color);
    unsigned SetTextAlign(unsigned align);
    int SaveDC();
    void RestoreDC(int saved = -1);

    // Shapes: Rectangle outlines with the pen and fills with the brush the area
    // from (left, top) up to but not including (right, bottom).
    void Rectangle(const QRect& rc);
    void FillSolidRect(const QRect& rc, const QColor& color);
    void FrameRect(const QRect& rc, const QColor& color);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const QVector<QPoint>& points);

    // Text.
    int DrawText(const QString& text, QRect rc, unsigned format);
    void TextOut(int x, int y, const QString& text);
    QSize GetTextExtent(const QString& text) const;

    // Pictures: the image stretched to the rectangle.
    void DrawImage(const QRect& rc, const QImage& image);

private:
    void ApplyPen();
    void ApplyBrush();

    struct State {
        CKestPen pen;
        CKestBrush brush;
        QFont font;
        int bkMode = OPAQUE;
        QColor bkColor = Qt::white;
        QColor textColor = Qt::black;
        unsigned textAlign = TA_LEFT | TA_TOP;
        QPoint pos;
    };
    QPainter* m_p;
    State m_s;
    std::vector<State> m_saved;
};

}  // namespace kest
