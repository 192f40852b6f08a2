// The project file (.kestload): a CProject written and read as a whole.
#pragma once

#include <QString>
#include <QStringList>

#include "KestLoadLibExport.h"
#include "Project.h"

// What writing and reading a project file give (the values earlier releases gave).
enum ProjectFileStatus : int {
    PRJ_OK = 0,
    PRJ_WRITE_FAILED = -1,  // the file could not be written (the reason in `error`)
    PRJ_UNREADABLE = -2,    // unreadable, not a regular file, too large or not XML
    PRJ_NO_ROOT = -3,       // no KestLoadProject element
    PRJ_NO_TOOL = -4,       // no Tool element
    PRJ_NO_ADDLOAD_V = -5,  // no AddLoad-V element
    PRJ_NO_ADDLOAD_H = -6,  // no AddLoad-H element
    PRJ_NO_ADDLOAD_S = -7,  // no AddLoad-S element
    PRJ_BAD_NUMBER = -8,    // a number that is not finite, or a load value beyond any real load
    PRJ_BAD_CASES = -9,     // Load-Cases: more than 32 cases, Current outside the list, a case without a load
};

// The file's bytes: UTF-8 with byte-order mark, CR LF, TAB indentation,
// numbers "%.4f" in the C locale, text values escaped. The root's four loads
// are the current case's; a project with more than one case, or a named one,
// adds a Load-Cases element with every case (a project with one unnamed case
// is written as files were before there were cases).
KESTLOADLIB_API QByteArray WriteProjectText(const CProject& project);
// Writes the file atomically (a temporary file renamed over the target).
// PRJ_OK, or PRJ_WRITE_FAILED with the system's reason in `error`.
KESTLOADLIB_API int WriteProjectFile(const QString& path, const CProject& project, QString* error = nullptr);
// The largest project file that is read.
constexpr qint64 kMaxProjectFileBytes = 64LL * 1024 * 1024;

// Reads a file into `project`, starting from the values it holds (what the file
// lacks keeps its value). All or nothing: on failure `project` is unchanged.
// PRJ_OK, or PRJ_UNREADABLE to PRJ_BAD_NUMBER (load values: LoadLimits.h) with
// the reason for the user in `error`. A value that is not a plain number
// ("12,5", "12 kg") is read by its leading number and named in `warnings`
// ("Tool Mass: '12,5' read as 12"), which is cleared first. The root's loads
// are the current case's; Load-Cases gives the others (without it the
// project has one unnamed case).
KESTLOADLIB_API int ReadProjectFile(const QString& path, CProject& project, QString* error = nullptr,
                                    QStringList* warnings = nullptr);
// The same from the bytes of a file already read.
KESTLOADLIB_API int ReadProjectText(const QByteArray& bytes, CProject& project, QString* error = nullptr,
                                    QStringList* warnings = nullptr);
