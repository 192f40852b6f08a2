#include "Project.h"

#include "Strings.h"

const CProjectLoads& CProject::CaseLoads(int i) const {
    return i == CurrentCase || i < 0 || i >= CaseCount() ? Loads : Cases[i].Loads;
}

QString CProject::CaseDisplayName(int i) const {
    if (i < 0 || i >= CaseCount()) return QString();
    if (!Cases[i].Name.isEmpty()) return Cases[i].Name;
    return kest::LoadKestString(kest::IDS_LOAD_CASE_N).arg(i + 1);
}

bool CProject::SelectCase(int i) {
    if (i < 0 || i >= CaseCount()) return false;
    if (i == CurrentCase) return true;
    Cases[CurrentCase].Loads = Loads;
    CurrentCase = i;
    Loads = Cases[i].Loads;
    return true;
}

bool CProject::AddCase(const QString& name) {
    if (CaseCount() >= kMaxLoadCases) return false;
    Cases[CurrentCase].Loads = Loads;
    Cases.append(CLoadCase{name, Loads});
    CurrentCase = CaseCount() - 1;
    return true;
}

bool CProject::RemoveCase(int i) {
    if (CaseCount() <= 1 || i < 0 || i >= CaseCount()) return false;
    Cases[CurrentCase].Loads = Loads;
    Cases.removeAt(i);
    if (i < CurrentCase) {
        --CurrentCase;
    } else if (i == CurrentCase) {
        if (CurrentCase >= CaseCount()) CurrentCase = CaseCount() - 1;
        Loads = Cases[CurrentCase].Loads;
    }
    return true;
}

bool CProject::MoveCase(int from, int to) {
    if (from < 0 || from >= CaseCount() || to < 0 || to >= CaseCount()) return false;
    if (from == to) return true;
    Cases[CurrentCase].Loads = Loads;
    const int current = CurrentCase;
    Cases.move(from, to);
    if (current == from) {
        CurrentCase = to;
    } else if (from < current && to >= current) {
        --CurrentCase;
    } else if (from > current && to <= current) {
        ++CurrentCase;
    }
    return true;
}

bool CProject::RenameCase(int i, const QString& name) {
    if (i < 0 || i >= CaseCount()) return false;
    Cases[i].Name = name;
    return true;
}
