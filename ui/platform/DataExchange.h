// Dialog data exchange: controls found by id exchange their text with members,
// numbers through locale-independent text. A number that cannot be read shows
// "Enter a number.", puts the focus on the edit and stops the exchange.
#pragma once

#include <QString>
#include <cmath>
#include <functional>

#include "KestLoadLibExport.h"

class QWidget;

namespace kest {

class KESTLOADLIB_API CDataExchange {
public:
    CDataExchange(QWidget* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    QWidget* m_pDlgWnd;
    bool m_bSaveAndValidate;  // true: controls -> members
    bool m_bFailed = false;   // a value could not be read; later exchanges are skipped
    // Named in the message before the field's own label ("Tool" in "Tool Ly: ...").
    QString m_strContext;
    // Called before the message about a bad value, with the control's id (for
    // example to bring the page holding it to the front).
    std::function<void(int)> m_onFail;
};

KESTLOADLIB_API void DDX_Text(CDataExchange* pDX, int id, QString& value);
// A bad value shows "<context> <label>: Enter a number." (or just "Enter a
// number." without either), then selects the edit.
KESTLOADLIB_API void DDX_Text(CDataExchange* pDX, int id, double& value, const QString& label = QString());

// The range a number may take. A value above `max` shows "Enter a number.", one
// below `min` shows `belowMin` (or "Enter a number." when it is empty). A value
// equal to the one the member already holds is kept as it is, so an opened
// file's values reach the analysis, which says what is wrong with them.
struct NumberBounds {
    double min = -HUGE_VAL;
    double max = HUGE_VAL;
    QString belowMin;
};
KESTLOADLIB_API void DDX_Text(CDataExchange* pDX, int id, double& value, const QString& label,
                              const NumberBounds& bounds);

// How the exchange judges a typed number against the member's value `held`
// and the bounds, without a message: Ok puts the number into `value`.
enum class NumberCheck { Ok, NotNumber, BelowMin };
KESTLOADLIB_API NumberCheck CheckNumberText(const QString& text, double held, const NumberBounds& bounds,
                                            double& value);

// A double as the exchange writes it: 15 significant digits ("%.15g").
KESTLOADLIB_API QString DoubleToText(double value);
// Reads a whole text as a finite number (white space around it allowed):
// "nan", "inf" and "1e400" are not numbers.
KESTLOADLIB_API bool TextToDouble(const QString& text, double& value);

}  // namespace kest
