// Turns a dialog template into Qt widgets: dialog units become pixels the way
// Windows computes them from the dialog font, and every control carries its
// numeric id so that it can be found again with GetDlgItem.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include "DlgTemplate.h"
#include "KestLoadLibExport.h"

class QHelpEvent;

namespace kest {

// Dialog base units of a font: the average width of the 52 Latin letters and
// the character cell height, as the dialog manager computes them.
class KESTLOADLIB_API CDlgUnits {
public:
    explicit CDlgUnits(const QFont& font);
    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }
    int ToPixelX(int dluX) const;
    int ToPixelY(int dluY) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    int m_baseX;
    int m_baseY;
};

// Windows' MulDiv: a * b / c rounded half away from zero.
KESTLOADLIB_API int MulDiv(int a, int b, int c);

// The font of a template: face and point size at 96 dots per inch.
KESTLOADLIB_API QFont DialogFont(const DlgTemplate& t);
// A GDI-style font: `height` > 0 is the character cell height in pixels
// (ascent + descent), < 0 the character height (em size).
KESTLOADLIB_API QFont GdiFont(const QString& face, int height, int weight, bool underline = false);

// Creates the template's controls as children of `dialog`, with the texts of
// the current language, sizes `dialog` to the template and returns the client
// size in pixels.
KESTLOADLIB_API QSize BuildDialogControls(QWidget* dialog, const DlgTemplate& t);

// The control with `id` among the direct children of `dialog`, or null.
KESTLOADLIB_API QWidget* GetDlgItem(const QWidget* dialog, int id);
template <class T>
T* DlgItem(const QWidget* dialog, int id) {
    return qobject_cast<T*>(GetDlgItem(dialog, id));
}
// The numeric id of a control, or -1.
KESTLOADLIB_API int DlgCtrlId(const QWidget* control);
// Gives a control made in code a numeric id, so GetDlgItem finds it as it
// finds the template's controls.
KESTLOADLIB_API void SetDlgCtrlId(QWidget* control, int id);

KESTLOADLIB_API QString GetDlgItemText(const QWidget* dialog, int id);
KESTLOADLIB_API void SetDlgItemText(QWidget* dialog, int id, const QString& text);
// Answers a tool-tip request on `widget` with `text` (none when it is empty).
KESTLOADLIB_API void ShowToolTipText(QWidget* widget, const QHelpEvent* event, const QString& text);

}  // namespace kest
