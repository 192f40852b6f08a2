// Everything a project file holds, as one value: what the window saves and what
// an opened file replaces in one step.
#pragma once

#include <QString>
#include <QStringList>

#include "DlgLoadCalc.h"
#include "DlgToolCalc.h"
#include "KestLoadLibExport.h"
#include "PrmLoadSub.h"

struct KESTLOADLIB_API CProjectData {
    QString Company, Project, Application, Line, RobotNum, Engineer, Comment;
    QStringList MechNames;  // the legend list, at most three names
    CPrmLoadSub Tool, AddLoadV, AddLoadH, AddLoadS;
    CDlgLoadCalc LoadCalc;
    CDlgToolCalc ToolCalc;
};

// The file's bytes: UTF-8 with byte-order mark, CR LF, TAB indentation,
// numbers "%.4f" in the C locale, text values escaped.
KESTLOADLIB_API QByteArray WriteProjectText(const CProjectData& project);
// Writes the file atomically (a temporary file renamed over the target).
// 0, or -1 with the system's reason in `error`.
KESTLOADLIB_API int WriteProjectFile(const QString& path, const CProjectData& project,
                                     QString* error = nullptr);
// The largest project file that is read.
constexpr qint64 kMaxProjectFileBytes = 64LL * 1024 * 1024;

// Reads a file into `project`, starting from the values it holds (what the file
// lacks keeps its value). All or nothing: on failure `project` is unchanged.
// 0, or -2 unreadable, not a regular file, too large or not XML, -3 no
// KestLoadProject, -4 to -7 no Tool, AddLoad-V, AddLoad-H, AddLoad-S, -8 a
// number that is not finite or a load value beyond any real load (LoadLimits.h);
// the reason for the user in `error`. A value that is not a plain number
// ("12,5", "12 kg") is read by its leading number and named in `warnings`
// ("Tool Mass: '12,5' read as 12"), which is cleared first.
KESTLOADLIB_API int ReadProjectFile(const QString& path, CProjectData& project, QString* error = nullptr,
                                    QStringList* warnings = nullptr);
// The same from the bytes of a file already read.
KESTLOADLIB_API int ReadProjectText(const QByteArray& bytes, CProjectData& project, QString* error = nullptr,
                                    QStringList* warnings = nullptr);
