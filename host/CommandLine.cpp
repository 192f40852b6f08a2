#include "CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "CliMassProps.h"
#include "CliOutput.h"
#include "CliReports.h"
#include "EngineBinding.h"
#include "EngineLib.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "ProjectCheck.h"
#include "ProjectFile.h"
#include "ProjectResult.h"
#include "Report.h"
#include "ReportOutput.h"
#include "Strings.h"
#include "Tarn_Kest.h"

using kest::LoadKestString;

namespace {

struct Options {
    bool check = false, fit = false, oldData = false, json = false, grey = false;
    bool reportGiven = false;
    QString report;
    QStringList files;
};

QString Version() {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(KEST_VERSION_MAJOR)
        .arg(KEST_VERSION_MINOR)
        .arg(KEST_VERSION_PATCH)
        .arg(KEST_VERSION_TWEAK);
}

// The arguments before "--": only these can be options.
QStringList OptionPart(const QStringList& args) {
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    return end < 0 ? args : args.mid(0, end);
}

// Parses the options; false with the reason in `error`.
bool Parse(const QStringList& args, Options& o, QString& error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--check")) {
            o.check = true;
        } else if (a == QLatin1String("--fit")) {
            o.fit = true;
        } else if (a == QLatin1String("--old-data")) {
            o.oldData = true;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--grey")) {
            o.grey = true;
        } else if (a == QLatin1String("--report") || a.startsWith(QLatin1String("--report="))) {
            if (a == QLatin1String("--report") && i + 1 < args.size()) o.report = args[++i];
            if (a != QLatin1String("--report")) o.report = a.mid(9);
            o.reportGiven = true;
            if (o.report.isEmpty()) {
                error = LoadKestString(kest::IDS_CLI_REPORT_NEEDS_FILE);
                return false;
            }
        } else if (a == QLatin1String("--")) {
            o.files += args.mid(i + 1);
            break;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            error = LoadKestString(kest::IDS_CLI_UNKNOWN_OPTION).arg(Shown(a));
            return false;
        } else {
            o.files << a;
        }
    }
    if (!o.check && !o.fit) {
        // An option of a check without the check itself is a mistake, not a window.
        for (const auto& [given, name] : {std::pair{o.json, "--json"}, std::pair{o.reportGiven, "--report"},
                                          std::pair{o.grey, "--grey"}, std::pair{o.oldData, "--old-data"}}) {
            if (given) {
                error = LoadKestString(kest::IDS_CLI_NEEDS_CHECK).arg(QLatin1String(name));
                return false;
            }
        }
    }
    if (o.check == o.fit) {
        error = QStringLiteral("give either --check or --fit");
        return false;
    }
    if (o.files.isEmpty()) {
        error = QStringLiteral("no project file given");
        return false;
    }
    if (o.fit && (o.files.size() != 1 || o.reportGiven || o.grey)) {
        error = QStringLiteral("--fit takes one project file and no report");
        return false;
    }
    if (o.grey && !o.reportGiven) {
        error = QStringLiteral("--grey goes with --report");
        return false;
    }
    return true;
}

// Messages the engine or the library would show in a window go to standard error.
void SendMessagesToStandardError() {
    kest::SetMessageBoxHandler([](const QString& text, const QString&, unsigned) {
        PrintError(Shown(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")), true));
        return static_cast<int>(kest::IDOK);
    });
}

QString Detail(const QString& detail) {
    QString d = detail;
    d.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString out;
    for (const QString& line : d.split(QLatin1Char('\n')))
        out += QStringLiteral("    ") + Shown(line.trimmed(), true) + QLatin1Char('\n');
    return out;
}

QString WarningsText(const QVector<CLoadWarning>& warnings) {
    QString t;
    for (const CLoadWarning& w : warnings)
        t += QStringLiteral("  %1: %2 [%3]\n")
                 .arg(LoadKestString(kest::IDS_LOAD_WARNING), Shown(w.text), w.code);
    return t;
}

// Every load case with its loads, the results of every robot and its warnings.
QJsonArray CasesToJson(const CProject& project, const CProjectResult& result) {
    QJsonArray cases;
    for (int c = 0; c < result.cases.size(); ++c) {
        QJsonObject o;
        o.insert(QStringLiteral("index"), c);
        // The stored name: an unnamed case is "" here (its index names it), so
        // that the JSON does not change with the language.
        o.insert(QStringLiteral("name"), project.Cases.value(c).Name);
        o.insert(QStringLiteral("current"), c == result.currentCase);
        o.insert(QStringLiteral("loads"), LoadsToJson(project.CaseLoads(c)));
        QJsonArray robots;
        for (const CRobotResult& r : result.cases[c].robots) robots.append(RobotToJson(r));
        o.insert(QStringLiteral("robots"), robots);
        o.insert(QStringLiteral("warnings"), WarningsToJson({}, result.cases[c].warnings));
        cases.append(o);
    }
    return cases;
}

QString RobotText(const CRobotResult& r) {
    QString t =
        QStringLiteral("  %1: %2 (code %3)\n").arg(Shown(r.name), Shown(r.verdict.text)).arg(r.verdict.code);
    t += QStringLiteral("    governing limit: %1\n")
             .arg(r.analysed            ? r.governing.Text()
                  : r.refusal.isEmpty() ? QStringLiteral("none (not in the mechanism data)")
                                        : QStringLiteral("none (%1)").arg(r.refusal));
    // The detail's last two lines repeat the governing limit and the headroom,
    // printed above.
    QStringList lines = r.verdict.detail.split(QStringLiteral("\r\n"));
    if (r.analysed) {
        t += QStringLiteral("    %1: %2\n")
                 .arg(LoadKestString(kest::IDS_HEADROOM).remove(QLatin1Char(' ')), HeadroomText(r.headroom));
        lines.resize(std::max<qsizetype>(0, lines.size() - 2));
    }
    t += Detail(lines.join(QStringLiteral("\r\n")));
    return t;
}

// The mechanism table from `folder`; 0, or 2 with the reason on standard error.
int LoadEngine(CEngineBinding& binding, bool current) {
    CQuietStdout quiet(true);  // the engine's decryption trace would mix with the output
    const int rc = binding.Load(AppFolder(), current);
    if (rc == CEngineBinding::LOAD_NO_TABLE) {
        PrintError(LoadKestString(kest::IDS_CLI_TABLE_FAILED)
                       .arg(Shown(AppFolder() + QLatin1String(CEngineBinding::MechDataFileName(current))))
                       .arg(binding.TableError()));
        return 2;
    }
    if (rc != CEngineBinding::LOAD_OK) {
        PrintError(QStringLiteral("the calculation engine cannot be loaded from %1 (code %2)")
                       .arg(Shown(AppFolder()))
                       .arg(rc));
        return 2;
    }
    return 0;
}

// The checks of every file; the exit status.
int RunChecks(const Options& o) {
    SendMessagesToStandardError();
    CEngineBinding binding;
    if (LoadEngine(binding, !o.oldData) != 0) return 2;
    ITarn& engine = *binding.Engine();
    char16_t version[64] = {};
    engine.GetMechDataVer(version, 64);
    const QString generation =
        o.oldData ? QStringLiteral("V40.24.14 and earlier") : QStringLiteral("V40.24.15 and later");
    const QString tableFile = AppFolder() + QLatin1String(CEngineBinding::MechDataFileName(!o.oldData));
    if (!o.json) {
        Print(LoadKestString(kest::IDS_CLI_MECH_DATA)
                  .arg(LoadKestString(o.oldData ? kest::IDS_CLI_GEN_OLD : kest::IDS_CLI_GEN_CURRENT),
                       Shown(tableFile), Shown(QString::fromUtf16(version))) +
              QLatin1Char('\n'));
    }

    const QVector<CReportTarget> reports =
        o.reportGiven ? PlanReports(o.report, o.files) : QVector<CReportTarget>();
    int status = 0;
    auto worsen = [&status](int s) { status = std::max(status, s); };
    QJsonArray files;
    for (qsizetype f = 0; f < o.files.size(); ++f) {
        const QString& file = o.files[f];
        CProject project;
        QString why;
        QJsonObject entry;
        entry.insert(QStringLiteral("file"), ShownBytes(file));
        QStringList warnings;
        if (ReadProjectFile(file, project, &why, &warnings) < 0) {
            if (why.isEmpty()) why = QStringLiteral("cannot be read");
            PrintError(QStringLiteral("%1: %2").arg(Shown(file), Shown(why)));
            entry.insert(QStringLiteral("error"), why);
            files.append(entry);
            worsen(2);
            continue;
        }
        for (const QString& w : warnings) PrintError(QStringLiteral("%1: %2").arg(Shown(file), Shown(w)));
        QString refused;  // no verdict for any robot in that case
        for (int c = 0; c < project.CaseCount() && refused.isEmpty(); ++c) {
            refused = NegativeLoadsProblem(project.CaseLoads(c));
            if (!refused.isEmpty() && project.CaseCount() > 1)
                refused = project.CaseDisplayName(c) + QStringLiteral(": ") + refused;
        }
        if (!refused.isEmpty()) {
            PrintError(QStringLiteral("%1: %2").arg(Shown(file), Shown(refused)));
            entry.insert(QStringLiteral("error"), refused);
            worsen(2);
        }
        entry.insert(QStringLiteral("loads"), LoadsToJson(project.Loads));
        // The check analyses the project's own robots (the inertia checked), the
        // fit every model of the table.
        CProjectResult checked;
        if (o.fit) {
            checked.warnings = CheckLoadPlausibility(project.Loads, LargestRatedPayload(engine));
            checked.robots = FitProject(engine, project);
        } else {
            checked = AnalyseProject(engine, project, true, o.oldData);
        }
        // A check stands for each robot by its worst case; the fit's models are that already.
        QVector<CRobotResult> results = checked.robots;
        if (!o.fit) {
            for (int i = 0; i < results.size(); ++i) {
                const int worst = checked.WorstCase(i);
                if (worst >= 0) results[i] = checked.cases[worst].robots[i];
            }
            entry.insert(QStringLiteral("cases"), CasesToJson(project, checked));
        }
        // Warnings never change the exit status.
        entry.insert(QStringLiteral("warnings"), WarningsToJson(warnings, checked.warnings));
        QJsonArray robots;
        QString text = Shown(file) + QLatin1Char('\n');
        if (o.fit || project.CaseCount() == 1) text += WarningsText(checked.warnings);
        bool any = false, all = !results.isEmpty();
        for (const CRobotResult& r : results) {
            robots.append(RobotToJson(r));
            any = any || Passes(r);
            all = all && Passes(r);
            if (o.fit) {
                text += QStringLiteral("  %1 %2 %3\n")
                            .arg(Shown(r.name), -24)
                            .arg(r.analysed ? r.governing.Text() : QStringLiteral("-"), -22)
                            .arg(Shown(r.verdict.text));
            } else if (project.CaseCount() == 1) {
                text += RobotText(r);
            }
        }
        if (!o.fit && project.CaseCount() > 1) {
            // Every case in turn, each with its warnings and its robots.
            for (int c = 0; c < checked.cases.size(); ++c) {
                const CCaseResult& cr = checked.cases[c];
                text += QStringLiteral("  %1 %2%3\n")
                            .arg(LoadKestString(kest::IDS_CLI_LOAD_CASE).arg(c + 1))
                            .arg(QLatin1Char('"') + Shown(cr.name) + QLatin1Char('"'))
                            .arg(c == checked.currentCase ? LoadKestString(kest::IDS_CLI_CURRENT_CASE)
                                                          : QString());
                text += WarningsText(cr.warnings);
                for (const CRobotResult& r : cr.robots) text += RobotText(r);
            }
        }
        if (results.isEmpty()) {
            text += QStringLiteral("  no robot in the comparison list: nothing was checked\n");
            PrintError(QStringLiteral("%1: no robot in the comparison list").arg(Shown(file)));
        }
        if (o.reportGiven) {
            const CReportTarget& target = reports[f];
            QString reportWhy = target.error;
            // Drawn from the check's own project and results: no window, no second engine.
            const CReportSource source{&project, &checked, Version(), file};
            if (reportWhy.isEmpty() &&
                WriteReportPdf(source, target.path, o.grey ? 1 : 0, CReport::CHART_BOTH, &reportWhy) == 0) {
                entry.insert(QStringLiteral("report"), ShownBytes(target.path));
                text += QStringLiteral("  report: %1\n").arg(Shown(target.path));
            } else {
                PrintError(LoadKestString(kest::IDS_CLI_REPORT_NOT_WRITTEN)
                               .arg(Shown(file), Shown(target.path), Shown(reportWhy)));
                entry.insert(QStringLiteral("report"), QJsonValue(QJsonValue::Null));
                entry.insert(QStringLiteral("reportError"), reportWhy);
                worsen(2);
            }
        }
        entry.insert(o.fit ? QStringLiteral("models") : QStringLiteral("robots"), robots);
        entry.insert(QStringLiteral("passes"), o.fit ? any : all);
        files.append(entry);
        worsen((o.fit ? any : all) ? 0 : 1);
        if (!o.json) Print(text);
    }
    if (o.json) {
        QJsonObject root;
        root.insert(QStringLiteral("program"), QStringLiteral("kestload"));
        root.insert(QStringLiteral("version"), Version());
        root.insert(QStringLiteral("command"), o.fit ? QStringLiteral("fit") : QStringLiteral("check"));
        QJsonObject data;
        data.insert(QStringLiteral("controllerSoftware"), generation);
        data.insert(QStringLiteral("version"), QString::fromUtf16(version));
        data.insert(QStringLiteral("file"), ShownBytes(tableFile));
        root.insert(QStringLiteral("mechanismData"), data);
        root.insert(QStringLiteral("files"), files);
        Print(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
    }
    return status;
}

}  // namespace

bool IsCommandLineRequest(const QStringList& args) {
    const QStringList options = OptionPart(args);
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& a = options[i];
        if (i == 0 && (a == QLatin1String("--smoke-test") || a == QLatin1String("--quit-after-first-paint")))
            continue;
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1) return true;
    }
    return false;
}

int RunCommandLine(const QStringList& args) {
    const QStringList options = OptionPart(args);
    int status = 0;
    if (options.contains(QStringLiteral("--help")) || options.contains(QStringLiteral("-h"))) {
        Print(LoadKestString(kest::IDS_CLI_USAGE));
    } else if (options.contains(QStringLiteral("--version"))) {
        Print(QStringLiteral("kestload %1\n").arg(Version()));
    } else if (IsMassPropsRequest(args)) {
        status = RunMassProps(args);
    } else {
        Options o;
        QString error;
        if (!Parse(args, o, error)) {
            PrintError(error);
            std::fputs((LoadKestString(kest::IDS_CLI_TRY_HELP) + QLatin1Char('\n')).toUtf8().constData(),
                       stderr);
            return 2;
        }
        status = RunChecks(o);
    }
    // Output that did not arrive is a failure, whatever the checks said.
    QString lost;
    if (!FinishOutput(&lost)) {
        PrintError(LoadKestString(kest::IDS_CLI_OUTPUT_LOST).arg(lost));
        return 2;
    }
    return status;
}
