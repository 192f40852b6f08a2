#include "CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "DlgMain.h"
#include "EngineBinding.h"
#include "EngineLib.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "ProjectCheck.h"
#include "ProjectData.h"
#include "Report.h"
#include "ReportOutput.h"

namespace {

const char* const kUsage =
    "Usage: kestload [--lang ko|en] [PROJECT.kestload]\n"
    "       kestload --check FILE.kestload... [--old-data] [--json] [--report OUT.pdf] [--grey]\n"
    "       kestload --fit FILE.kestload [--old-data] [--json]\n"
    "       kestload --help | --version\n"
    "\n"
    "Without options the main window opens (with the project, if one is given).\n"
    "\n"
    "  --check      analyse every robot of each project's comparison list, as the\n"
    "               window does, and print its verdict, details and governing limit\n"
    "  --fit        check the project's loads against every model of the mechanism\n"
    "               data, from the most headroom to the least\n"
    "  --old-data   use the mechanism data of controller software V40.24.14 and earlier\n"
    "  --json       print one JSON document instead of text\n"
    "  --report F   write the two-page report of the project to the PDF file F\n"
    "               (with several projects F is a folder: one PDF per project)\n"
    "  --grey       draw the report in grey scale\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  --lang L     texts in Korean (ko) or English (en): verdicts, details and\n"
    "               the report; without it the setting of View > Language, else\n"
    "               English for an en_* locale and Korean for any other\n"
    "\n"
    "Exit status: 0 every robot passes (--fit: at least one model carries the load),\n"
    "1 a robot fails or is not in the mechanism data, 2 a usage, file or data error.\n";

struct Options {
    bool check = false, fit = false, oldData = false, json = false, grey = false;
    QString report;
    QStringList files;
};

void Out(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

void Err(const QString& text) { std::fputs(("kestload: " + text + "\n").toUtf8().constData(), stderr); }

QString Version() {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(KEST_VERSION_MAJOR)
        .arg(KEST_VERSION_MINOR)
        .arg(KEST_VERSION_PATCH)
        .arg(KEST_VERSION_TWEAK);
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
        } else if (a == QLatin1String("--report")) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("--report needs an output file");
                return false;
            }
            o.report = args[++i];
        } else if (a.startsWith(QLatin1String("--report="))) {
            o.report = a.mid(9);
        } else if (a == QLatin1String("--")) {
            o.files += args.mid(i + 1);
            break;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            error = QStringLiteral("unknown option %1").arg(a);
            return false;
        } else {
            o.files << a;
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
    if (o.fit && (o.files.size() != 1 || !o.report.isEmpty() || o.grey)) {
        error = QStringLiteral("--fit takes one project file and no report");
        return false;
    }
    if (o.grey && o.report.isEmpty()) {
        error = QStringLiteral("--grey goes with --report");
        return false;
    }
    return true;
}

QString Detail(const QString& detail) {
    QString d = detail;
    d.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString out;
    for (const QString& line : d.split(QLatin1Char('\n')))
        out += QStringLiteral("    ") + line.trimmed() + QLatin1Char('\n');
    return out;
}

// The report PDF of one project: drawn by the window's own report code on an
// off-screen main window that opens the project as the window does.
bool WriteReport(const QString& file, const QString& pdf, bool oldData, bool grey, QString& error) {
    CQuietStdout quiet(true);  // the window's engine prints its decryption trace
    CDlgMain dlg;
    dlg.show();
    if (dlg.m_pEngine == nullptr) {
        error = QStringLiteral("the calculation engine cannot be loaded");
        return false;
    }
    if (oldData) dlg.OnHelpVersion();
    dlg.SetPathName(QFileInfo(file).absoluteFilePath());
    if (dlg.OpenPrj(dlg.GetPathName()) < 0) {
        error = QStringLiteral("cannot be read");
        return false;
    }
    dlg.DoAnalyse();
    const int rc = WriteReportPdf(&dlg, pdf, grey ? 1 : 0, CReport::CHART_BOTH, &error);
    dlg.OnFileExit();
    return rc == 0;
}

// Where the report of `file` goes: the --report path itself for one project,
// or <folder>/<project name>.pdf when several share a folder.
QString ReportPath(const QString& report, const QString& file, bool several) {
    if (!several && !QFileInfo(report).isDir()) return report;
    return QDir(report).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".pdf"));
}

QString RobotText(const CRobotResult& r) {
    QString t = QStringLiteral("  %1: %2 (code %3)\n").arg(r.name, r.verdict.text).arg(r.verdict.code);
    t += QStringLiteral("    governing limit: %1\n")
             .arg(r.analysed            ? r.governing.Text()
                  : r.refusal.isEmpty() ? QStringLiteral("none (not in the mechanism data)")
                                        : QStringLiteral("none (%1)").arg(r.refusal));
    // The detail's last line repeats the governing limit printed above.
    QString detail = r.verdict.detail;
    if (r.analysed) detail.truncate(std::max<qsizetype>(0, detail.lastIndexOf(QStringLiteral("\r\n"))));
    t += Detail(detail);
    return t;
}

}  // namespace

bool IsCommandLineRequest(const QStringList& args) {
    for (const QString& a : args) {
        if (a == QLatin1String("--check") || a == QLatin1String("--fit") || a == QLatin1String("--help") ||
            a == QLatin1String("-h") || a == QLatin1String("--version"))
            return true;
    }
    return false;
}

int RunCommandLine(const QStringList& args) {
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        Out(QString::fromLatin1(kUsage));
        return 0;
    }
    if (args.contains(QStringLiteral("--version"))) {
        Out(QStringLiteral("kestload %1\n").arg(Version()));
        return 0;
    }
    Options o;
    QString error;
    if (!Parse(args, o, error)) {
        Err(error);
        std::fputs("Try 'kestload --help'.\n", stderr);
        return 2;
    }
    // Messages the engine or the library would show in a window go to standard error.
    kest::SetMessageBoxHandler([](const QString& text, const QString&, unsigned) {
        Err(QString(text)
                .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                .replace(QLatin1Char('\n'), QLatin1Char(' ')));
        return static_cast<int>(kest::IDOK);
    });

    CEngineBinding binding;
    {
        // The engine's decryption trace would mix with the output.
        CQuietStdout quiet(true);
        const int rc = binding.Load(AppFolder());
        if (rc == 0 && o.oldData) {
            const std::u16string folder = AppFolder().toStdU16String();
            if (binding.Engine()->LoadMechData(folder.c_str(), 0) < 0) {
                Err(QStringLiteral("the older mechanism data cannot be loaded from %1").arg(AppFolder()));
                return 2;
            }
        }
        if (rc != 0) {
            Err(QStringLiteral("the calculation engine cannot be loaded from %1 (code %2)")
                    .arg(AppFolder())
                    .arg(rc));
            return 2;
        }
    }
    ITarn& engine = *binding.Engine();
    char16_t version[64] = {};
    engine.GetMechDataVer(version, 64);
    const QString generation =
        o.oldData ? QStringLiteral("V40.24.14 and earlier") : QStringLiteral("V40.24.15 and later");

    int status = 0;
    auto worsen = [&status](int s) { status = std::max(status, s); };
    QJsonArray files;
    for (const QString& file : o.files) {
        CProjectData project;
        QString why;
        QJsonObject entry;
        entry.insert(QStringLiteral("file"), file);
        QStringList warnings;
        if (ReadProjectFile(file, project, &why, &warnings) < 0) {
            Err(QStringLiteral("%1: %2").arg(file, why.isEmpty() ? QStringLiteral("cannot be read") : why));
            entry.insert(QStringLiteral("error"), why);
            files.append(entry);
            worsen(2);
            continue;
        }
        for (const QString& w : warnings) Err(QStringLiteral("%1: %2").arg(file, w));
        entry.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(warnings));
        const QString refused = NegativeLoadsProblem(LoadsOf(project));  // no verdict for any robot
        if (!refused.isEmpty()) {
            Err(QStringLiteral("%1: %2").arg(file, refused));
            entry.insert(QStringLiteral("error"), refused);
            worsen(2);
        }
        entry.insert(QStringLiteral("loads"), LoadsToJson(LoadsOf(project)));
        const QVector<CRobotResult> results =
            o.fit ? FitProject(engine, project) : CheckProject(engine, project);
        QJsonArray robots;
        QString text = QStringLiteral("%1\n").arg(file);
        bool any = false, all = !results.isEmpty();
        for (const CRobotResult& r : results) {
            robots.append(RobotToJson(r));
            any = any || Passes(r);
            all = all && Passes(r);
            if (o.fit) {
                text += QStringLiteral("  %1 %2 %3\n")
                            .arg(r.name, -24)
                            .arg(r.analysed ? r.governing.Text() : QStringLiteral("-"), -22)
                            .arg(r.verdict.text);
            } else {
                text += RobotText(r);
            }
        }
        if (results.isEmpty()) {
            text += QStringLiteral("  no robot in the comparison list: nothing was checked\n");
            Err(QStringLiteral("%1: no robot in the comparison list").arg(file));
        }
        if (!o.report.isEmpty()) {
            const QString pdf = ReportPath(o.report, file, o.files.size() > 1);
            QString why;
            if (WriteReport(file, pdf, o.oldData, o.grey, why)) {
                entry.insert(QStringLiteral("report"), pdf);
                text += QStringLiteral("  report: %1\n").arg(pdf);
            } else {
                Err(QStringLiteral("%1: the report %2 was not written: %3").arg(file, pdf, why));
                worsen(2);
            }
        }
        entry.insert(o.fit ? QStringLiteral("models") : QStringLiteral("robots"), robots);
        entry.insert(QStringLiteral("passes"), o.fit ? any : all);
        files.append(entry);
        worsen((o.fit ? any : all) ? 0 : 1);
        if (!o.json) Out(text);
    }
    if (o.json) {
        QJsonObject root;
        root.insert(QStringLiteral("program"), QStringLiteral("kestload"));
        root.insert(QStringLiteral("version"), Version());
        root.insert(QStringLiteral("command"), o.fit ? QStringLiteral("fit") : QStringLiteral("check"));
        QJsonObject data;
        data.insert(QStringLiteral("controllerSoftware"), generation);
        data.insert(QStringLiteral("version"), QString::fromUtf16(version));
        root.insert(QStringLiteral("mechanismData"), data);
        root.insert(QStringLiteral("files"), files);
        Out(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
    }
    return status;
}
