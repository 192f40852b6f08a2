// Dialog data exchange: controls found by id exchange their text with members,
// numbers through locale-independent text. A number that cannot be read shows
// "Enter a number.", puts the focus on the edit and stops the exchange.
#pragma once

#include <QString>

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
};

KESTLOADLIB_API void DDX_Text(CDataExchange* pDX, int id, QString& value);
KESTLOADLIB_API void DDX_Text(CDataExchange* pDX, int id, double& value);

// A double as the exchange writes it: 15 significant digits ("%.15g").
KESTLOADLIB_API QString DoubleToText(double value);
// Reads a whole text as a number (white space around it allowed).
KESTLOADLIB_API bool TextToDouble(const QString& text, double& value);
// The leading number of a text, 0.0 when there is none (like the C runtime's atof).
KESTLOADLIB_API double TextToDoublePrefix(const QString& text);

}  // namespace kest
