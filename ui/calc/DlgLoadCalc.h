// The load calculator: its window over the project's lists (LoadCalcLists.h),
// the predefined part loads it offers and the filters of its name box.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "KestLoadLibExport.h"
#include "LoadCalcLists.h"
#include "PrmLoadSub.h"

class QWidget;

// The predefined part loads of PredefLoad.xml, in document order.
struct KESTLOADLIB_API CPredefLoads {
    int nVersion = 0;
    QString strDate;
    std::vector<CLoad> loads;
    // One line for each load that was left out because one of its numbers is
    // not one finite number: file, line, load, field and text.
    QStringList skipped;
};
// The largest predefined-load file that is read.
constexpr qint64 kMaxPredefFileBytes = 16LL * 1024 * 1024;
// Reads a predefined-load file (a load's DescriptionEn is its description in
// the English interface). A load with a number that is not one finite number
// is left out and named in `out.skipped`; the others are read. 0, or -1 with
// the reason for the user in `error` (not a regular file, too large, not
// well-formed) and `out` left as it was.
KESTLOADLIB_API int ReadPredefFile(const QString& path, CPredefLoads& out, QString* error = nullptr);
// The same for the file's bytes; `fileName` names the file in the lines of
// `out.skipped`.
KESTLOADLIB_API int ReadPredefText(const QByteArray& bytes, const QString& fileName, CPredefLoads& out,
                                   QString* error = nullptr);
// The filters of the name box: a load's Mount accepts the load kind ("Tool",
// "V", "H", "S") when it is empty or names it; its Appl accepts the checked
// applications ("Spot,Arc,Handling" or part of it) when it is empty or names
// one of them. Tokens are separated by commas and/or blanks, letter case aside.
KESTLOADLIB_API bool MountAccepts(const QString& strMount, const QString& strKind);
KESTLOADLIB_API bool ApplAccepts(const QString& strAppl, const QString& strChecked);

// The line of the calculator's window that names the load pages "Input" writes.
KESTLOADLIB_API QString InputPagesText(const CLoadCalcLists& calc);

class KESTLOADLIB_API CDlgLoadCalc : public CLoadCalcLists {
public:
    CDlgLoadCalc() = default;
    explicit CDlgLoadCalc(const CLoadCalcLists& lists) : CLoadCalcLists(lists) {}

    // Runs the calculator's window over the lists, modally: IDOK (1) when it
    // ends with "Input", IDCANCEL (2) with "Cancel" (or closing): the lists
    // are then as they were before.
    int DoModal(QWidget* parent);
};
