// Checks of a whole project without a window: every model of the mechanism
// table ("which models carry this load") through the same analysis as the
// window (AnalyseProject checks the project's own list); and results as JSON.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include "Analysis.h"
#include "KestLoadLibExport.h"
#include "LoadWarnings.h"
#include "Project.h"

class ITarn;

// The project's loads on every model of the loaded mechanism table, from the
// most headroom to the least (the governing ratio, lowest first; a ratio that
// is not a number last); equal ratios keep the table's order.
KESTLOADLIB_API QVector<CRobotResult> FitProject(ITarn& engine, const CProject& project);

// One robot's inputs-free result as JSON: ratios, levels, envelope, limits,
// verdict with its detail lines as data, and governing limit. A number that is
// not finite is null, with "<name>Text" beside it: "nan", "inf" or "-inf";
// those of the engine (ratios, envelope) are written with the shortest text
// that reads back to the same single-precision value.
KESTLOADLIB_API QJsonObject RobotToJson(const CRobotResult& r);
// The warnings of a file as JSON objects with `code`, `load` and `text`: the
// values read only by their leading number (code "number-read-in-part", load
// null: the text names the element) and then the loads' plausibility warnings.
KESTLOADLIB_API QJsonArray WarningsToJson(const QStringList& readWarnings,
                                          const QVector<CLoadWarning>& loadWarnings);
// The project's four loads as JSON (positions in mm).
KESTLOADLIB_API QJsonObject LoadsToJson(const CProjectLoads& loads);
