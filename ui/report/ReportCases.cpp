#include "ReportCases.h"

#include "Project.h"
#include "ProjectResult.h"
#include "Strings.h"

namespace {

bool SeveralCases(const CProject* project) { return project != nullptr && project->CaseCount() > 1; }

}  // namespace

int ReportPageCount(const CProject* project) {
    return SeveralCases(project) ? 1 + 2 * project->CaseCount() : 2;
}

CReportPage ReportPageAt(const CProject* project, int page) {
    CReportPage at;
    if (page < 1 || page > ReportPageCount(project)) return at;
    if (!SeveralCases(project)) {
        at.sheet = page;
        return at;
    }
    if (page == 1) {
        at.sheet = CReportPage::MATRIX;
        return at;
    }
    at.sheet = (page - 2) % 2 + 1;
    at.caseIndex = (page - 2) / 2;
    return at;
}

QStringList ReportPageNames(const CProject* project) {
    QStringList names;
    const int count = ReportPageCount(project);
    for (int page = 1; page <= count; ++page) {
        const CReportPage at = ReportPageAt(project, page);
        if (at.caseIndex < 0 && at.sheet != CReportPage::MATRIX) {
            names << QString::number(page);
        } else if (at.sheet == CReportPage::MATRIX) {
            names << QStringLiteral("%1: %2").arg(page).arg(kest::LoadKestString(kest::IDS_RPT_CASES_TITLE));
        } else {
            names << QStringLiteral("%1: %2 (%3/2)")
                         .arg(page)
                         .arg(project->CaseDisplayName(at.caseIndex))
                         .arg(at.sheet);
        }
    }
    return names;
}

void ReportCaseView(const CProject& project, const CProjectResult& result, int k, CProject* caseProject,
                    CProjectResult* caseResult) {
    *caseProject = project;
    caseProject->SelectCase(k);
    *caseResult = result;
    // Each case's pages show that case alone; the matrix page compares them.
    caseResult->robots.clear();
    caseResult->warnings.clear();
    if (k >= 0 && k < result.cases.size()) {
        caseResult->robots = result.cases[k].robots;
        caseResult->warnings = result.cases[k].warnings;
        caseResult->currentCase = k;
    }
}
