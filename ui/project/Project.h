// The project document: everything a project file holds, as one value that
// the window shows and edits, the files read and write, the analysis checks
// and the report and the command line draw from. No window is involved.
#pragma once

#include <QString>
#include <QVector>

#include "KestLoadLibExport.h"
#include "LoadCalcLists.h"
#include "MngLegend.h"
#include "ProjectLoads.h"
#include "ToolCalcInputs.h"

// One named set of the four loads: the gripper empty, with the part, ...
struct KESTLOADLIB_API CLoadCase {
    QString Name;  // any text; empty: shown as "Load case N" by position
    CProjectLoads Loads;
};

// A project holds 1 to this many load cases.
constexpr int kMaxLoadCases = 32;

class KESTLOADLIB_API CProject {
public:
    // General information.
    QString Company, Project, Application, Line, RobotNum, Engineer, Comment;
    // The robots compared, in order, at most three; one of them is the current one.
    CMngLegend Robots;
    // The four loads of the current load case: the window shows and edits
    // these, as the file's root elements hold them.
    CProjectLoads Loads;
    // The load cases in order, 1 to kMaxLoadCases. The current one's loads are
    // `Loads` (its entry here keeps its name; its own `Loads` are brought up to
    // date only when another case becomes current): read them with CaseLoads.
    QVector<CLoadCase> Cases{CLoadCase()};
    int CurrentCase = 0;
    // The calculators' inputs and lists, saved with the project.
    CLoadCalcLists LoadCalc;
    CToolCalcInputs ToolCalc;

    // A new project: no text, no robot, one unnamed case with all loads 0,
    // empty calculators.
    void Clear() { *this = CProject(); }

    int CaseCount() const { return static_cast<int>(Cases.size()); }
    // Case i's loads (`Loads` for the current case).
    const CProjectLoads& CaseLoads(int i) const;
    // Case i's name, or "부하 조건 N" / "Load case N" (N = i + 1) for an empty
    // one; never written into a file.
    QString CaseDisplayName(int i) const;
    // Makes case i current: `Loads` becomes its loads. False (nothing changes)
    // for an index outside the list.
    bool SelectCase(int i);
    // A copy of the current case named `name`, after the last, made current.
    // False when the project holds kMaxLoadCases already.
    bool AddCase(const QString& name);
    // Removes case i; the last case cannot be removed. The current case stays
    // current (the one after it, or the new last, when it was removed).
    bool RemoveCase(int i);
    // Moves case `from` to position `to`; the current case moves with it.
    bool MoveCase(int from, int to);
    bool RenameCase(int i, const QString& name);
    // Whether the file needs its Load-Cases element: more than one case, or a
    // named one.
    bool HasNamedOrSeveralCases() const { return Cases.size() > 1 || !Cases[0].Name.isEmpty(); }
};
