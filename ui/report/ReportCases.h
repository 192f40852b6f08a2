// The report's pages when a project holds several load cases: first the
// matrix of robots by cases, then pages 1 and 2 of every case in the
// project's order, numbered through. A project with one case keeps the two
// pages of its loads.
#pragma once

#include <QStringList>

#include "KestLoadLibExport.h"

class CProject;
struct CProjectResult;

// What one page of the report shows.
struct KESTLOADLIB_API CReportPage {
    enum Sheet { NONE = -1, MATRIX = 0, LOADS = 1, TABLES = 2 };
    int sheet = NONE;    // NONE: a number past the last page (the frame only)
    int caseIndex = -1;  // the case of a LOADS or TABLES page; -1: the project's current loads
};

// The pages of the report of `project` (2 without a project).
KESTLOADLIB_API int ReportPageCount(const CProject* project);
// Page `page` (from 1) of the report of `project`.
KESTLOADLIB_API CReportPage ReportPageAt(const CProject* project, int page);
// The report dialog's page list: "1" and "2" for one case; with several,
// "1: Results by load case", "2: <case> (1/2)", "3: <case> (2/2)", ...
KESTLOADLIB_API QStringList ReportPageNames(const CProject* project);

// Case k of `project` and `result` as a project and results of their own:
// the project with case k current, and the results with case k's robots and
// warnings (as the analysis of a one-case project with its loads gives them).
KESTLOADLIB_API void ReportCaseView(const CProject& project, const CProjectResult& result, int k,
                                    CProject* caseProject, CProjectResult* caseResult);
