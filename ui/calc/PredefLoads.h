// The reader of PredefLoad.xml, the predefined part loads that the load
// calculator offers (and whose pictures the build draws).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

// The predefined part loads of PredefLoad.xml, in document order.
struct KESTLOADLIB_API CPredefLoads {
    int nVersion = 0;
    QString strDate;
    std::vector<CLoad> loads;
    // The seven numbers of each of `loads` as the file writes them, in double
    // precision: mass (kg), L_X, L_Y, L_Z (mm), I_X, I_Y, I_Z (kg·m²). The
    // loads hold them rounded to single precision, as the calculator reads them.
    std::vector<std::array<double, 7>> written;
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
