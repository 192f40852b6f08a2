// The project document: everything a project file holds, as one value that
// the window shows and edits, the files read and write, the analysis checks
// and the report and the command line draw from. No window is involved.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"
#include "LoadCalcLists.h"
#include "MngLegend.h"
#include "ProjectLoads.h"
#include "ToolCalcInputs.h"

class KESTLOADLIB_API CProject {
public:
    // General information.
    QString Company, Project, Application, Line, RobotNum, Engineer, Comment;
    // The robots compared, in order, at most three; one of them is the current one.
    CMngLegend Robots;
    // The four loads checked: those of the current load case (a project holds
    // one today; further cases will be kept beside it, as the file's root
    // elements hold the current case's loads).
    CProjectLoads Loads;
    // The calculators' inputs and lists, saved with the project.
    CLoadCalcLists LoadCalc;
    CToolCalcInputs ToolCalc;

    // A new project: no text, no robot, all loads 0, empty calculators.
    void Clear() { *this = CProject(); }
};
