// Where the command line writes each project's report: one path per project,
// never the same path twice in a run, and never a file that is one of the
// projects being checked.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct CReportTarget {
    QString path;   // where the PDF goes
    QString error;  // why it must not be written there (empty: it may)
};

// The report paths of `files` for the --report value `report`: the value
// itself for one project (unless it is a folder), otherwise
// <folder>/<project name>.pdf, with -2, -3, ... before ".pdf" for a name
// already given in this run. A path that is the same file as one of `files`
// (compared by device and inode, so also through links and other spellings)
// gets an error instead.
QVector<CReportTarget> PlanReports(const QString& report, const QStringList& files);
