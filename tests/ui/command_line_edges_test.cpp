// kestload's command line at its edges: usage mistakes, lost output, file
// names that are not UTF-8, names that would forge lines, reports that must
// never replace each other or a project, the mechanism data asked for, and
// JSON for machines. Every run is the real program.
#include <sys/inotify.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "CliRun.h"
#include "FileNameBytes.h"
#include "UiTestEnv.h"

using kesttest::CliRun;
using kesttest::Example;
using kesttest::Kestload;
using kesttest::SpawnKestload;
using kesttest::StdoutTo;

using kesttest::ReadAll;

namespace {

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

QJsonObject FirstFile(const CliRun& run) {
    return QJsonDocument::fromJson(run.out)
        .object()
        .value(QStringLiteral("files"))
        .toArray()
        .at(0)
        .toObject();
}

// A mistake in the options is exit 2 with a message, quickly, and never a
// window: under offscreen a window would never return (the run would time out).
TEST(CommandLineEdges, UsageMistakesAreErrorsAndNeverOpenTheWindow) {
    QTemporaryDir dir;
    const QString project = Example("light-gripper-small-robot.kestload");
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    struct {
        QStringList args;
        const char* says;
    } const mistakes[] = {
        {{QStringLiteral("--frobnicate"), project}, "--frobnicate"},
        {{QStringLiteral("--json"), project}, "--json"},
        {{QStringLiteral("--report"), pdf, project}, "--report"},
        {{QStringLiteral("--report=") + pdf, project}, "--report"},
        {{QStringLiteral("--grey"), project}, "--grey"},
        {{QStringLiteral("--old-data"), project}, "--old-data"},
        {{QStringLiteral("--check"), project, QStringLiteral("--report"), QString()}, "--report"},
        {{QStringLiteral("--check"), project, QStringLiteral("--report=")}, "--report"},
        {{QStringLiteral("--check"), QStringLiteral("--report"), QString(), project}, "--report"},
    };
    for (const auto& m : mistakes) {
        const CliRun r = Kestload(QStringList{QStringLiteral("--lang"), QStringLiteral("en")} + m.args);
        EXPECT_EQ(r.status, 2) << m.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(m.says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    // After "--" every argument is a file, even one named like an option.
    for (const char* name : {"--version", "-h", "--help", "--check"})
        ASSERT_TRUE(QFile::copy(project, dir.filePath(QLatin1String(name))));
    const CliRun files =
        Kestload({QStringLiteral("--check"), QStringLiteral("--"), QStringLiteral("--version"),
                  QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("--check")},
                 QString(), dir.path());
    EXPECT_EQ(files.status, 0) << files.err.toStdString();
    EXPECT_EQ(files.out.count("TK6-1400: 합격 (code 1)"), 4) << files.out.toStdString();
    EXPECT_FALSE(files.out.contains("kestload 1.0"));
    EXPECT_FALSE(files.out.contains("kestload --help"));
}

// Output that cannot be written is a failure, exit 2 with the reason on
// standard error, in text and in JSON: a full device, a closed standard output
// and a pipe nobody reads.
TEST(CommandLineEdges, LostOutputIsAFailure) {
    QTemporaryDir dir;
    const QByteArray project = QFile::encodeName(Example("light-gripper-small-robot.kestload"));
    for (const std::vector<QByteArray>& args :
         {std::vector<QByteArray>{"--lang", "en", "--check", project},
          std::vector<QByteArray>{"--lang", "en", "--check", "--json", project},
          std::vector<QByteArray>{"--lang", "en", "--fit", project},
          std::vector<QByteArray>{"--lang", "en", "--help"},
          std::vector<QByteArray>{"--lang", "en", "--version"}}) {
        const CliRun fine = SpawnKestload(args, StdoutTo::File, dir.path());
        EXPECT_EQ(fine.status, 0) << args[args.size() - 1].toStdString() << fine.err.toStdString();
        EXPECT_FALSE(fine.out.isEmpty());
        for (StdoutTo to : {StdoutTo::DevFull, StdoutTo::Closed, StdoutTo::BrokenPipe}) {
            const CliRun lost = SpawnKestload(args, to, dir.path());
            EXPECT_EQ(lost.status, 2) << static_cast<int>(to) << " " << args[args.size() - 1].toStdString();
            EXPECT_TRUE(lost.err.contains("could not be written")) << lost.err.toStdString();
        }
    }
    // A closed standard output is never taken over by a file the run writes.
    const QByteArray pdf = QFile::encodeName(dir.filePath(QStringLiteral("r.pdf")));
    const CliRun closed =
        SpawnKestload({"--lang", "en", "--check", project, "--report", pdf}, StdoutTo::Closed, dir.path());
    EXPECT_EQ(closed.status, 2);
    EXPECT_TRUE(PdfText(QFile::decodeName(pdf)).contains(QLatin1String("TK6-1400")));
}

// A file name that is not UTF-8 is the file itself, for the project and the
// report alike; a look-alike with U+FFFD is never taken instead.
TEST(CommandLineEdges, FileNamesKeepTheirBytes) {
    QTemporaryDir dir;
    const QByteArray raw = "a\xff.kestload";
    const QByteArray lookAlike = "a\xef\xbf\xbd.kestload";
    const QString folder = dir.path() + QLatin1Char('/');
    // Written through the system, by bytes.
    auto copyTo = [&](const QString& from, const QByteArray& name) {
        const QByteArray bytes = ReadAll(from);
        const QByteArray path = QFile::encodeName(folder) + name;
        FILE* f = std::fopen(path.constData(), "wb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), f),
                  static_cast<size_t>(bytes.size()));
        std::fclose(f);
    };
    copyTo(Example("palletising.kestload"), raw);                      // fails: exit 1
    copyTo(Example("light-gripper-small-robot.kestload"), lookAlike);  // passes
    const CliRun r =
        SpawnKestload({"--lang", "en", "--check", raw, "--report", "a\xff.pdf"}, StdoutTo::File, dir.path());
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("TK120-2500: Fail")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("a\\xFF.kestload\n"));
    EXPECT_TRUE(r.out.contains("report: a\\xFF.pdf"));
    EXPECT_EQ(access((QFile::encodeName(folder) + "a\xff.pdf").constData(), F_OK), 0);
    EXPECT_NE(access((QFile::encodeName(folder) + "a\xef\xbf\xbd.pdf").constData(), F_OK), 0);
    const CliRun json = SpawnKestload({"--check", "--json", raw}, StdoutTo::File, dir.path());
    EXPECT_EQ(QJsonDocument::fromJson(json.out)
                  .object()
                  .value(QStringLiteral("files"))
                  .toArray()
                  .at(0)
                  .toObject()
                  .value(QStringLiteral("file"))
                  .toString(),
              QStringLiteral("a\\xFF.kestload"));
    // A missing name that is not UTF-8 is named on standard error as its bytes show.
    const CliRun missing = SpawnKestload({"--check", "b\xfe.kestload"}, StdoutTo::File, dir.path());
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("b\\xFE.kestload")) << missing.err.toStdString();
    // Every byte sequence comes back as it was, and valid UTF-8 is plain text.
    std::mt19937 random(17);
    for (int n = 0; n < 20000; ++n) {
        QByteArray bytes(static_cast<qsizetype>(random() % 8), '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 8 == 0 ? random() % 0x80 : 0x80 + random() % 0x80);
        EXPECT_EQ(kest::FileNameToBytes(kest::FileNameFromBytes(bytes)), bytes)
            << bytes.toHex().toStdString();
    }
    const char* const utf8 = "plain \xc3\xa9 \xed\x9f\xbf \xf0\x9f\x98\x80";
    EXPECT_EQ(kest::FileNameFromBytes(utf8), QString::fromUtf8(utf8));
    auto rawChars = [](std::initializer_list<char16_t> bytes) {
        QString s;
        for (char16_t b : bytes) s += QChar(static_cast<char16_t>(0xDC00 + b));
        return s;
    };
    EXPECT_EQ(kest::FileNameFromBytes("\xf0\x9f\x98\x80\xff"),
              QString::fromUtf8("\xf0\x9f\x98\x80") + rawChars({0xFF}));
    EXPECT_EQ(kest::FileNameFromBytes("\xed\xa0\x80"), rawChars({0xED, 0xA0, 0x80}));  // an encoded surrogate
    EXPECT_EQ(kest::FileNameFromBytes("\xc0\x80"), rawChars({0xC0, 0x80}));            // an overlong form
    // Qt's own names cannot reach these files: they are removed by their bytes.
    for (const QByteArray& name : {raw, QByteArray("a\xff.pdf")})
        EXPECT_EQ(unlink((QFile::encodeName(folder) + name).constData()), 0);
}

// Line breaks and other control characters in names and texts are shown
// escaped, so no project can print a line of its own into the output.
TEST(CommandLineEdges, NamesCannotForgeLines) {
    QTemporaryDir dir;
    QByteArray text = ReadAll(Example("palletising.kestload"));
    ASSERT_TRUE(text.contains("MechName0=\"TK120-2500\""));
    text.replace("MechName0=\"TK120-2500\"", "MechName0=\"X&#10;  TK120-2500: Pass (code 1)\"");
    const QString forged =
        dir.filePath(QStringLiteral("forged\nTK1: Pass\r\x1b[2J\u0085\u2028\u202e.kestload"));
    ASSERT_TRUE(WriteAll(forged, text));
    const CliRun r =
        Kestload({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--check"), forged});
    EXPECT_EQ(r.status, 1);
    for (const QByteArray& line : r.out.split('\n')) {
        EXPECT_FALSE(line.startsWith("  TK120-2500: Pass")) << r.out.toStdString();
        EXPECT_FALSE(line.startsWith("TK1: Pass"));
        EXPECT_FALSE(line.contains('\r') || line.contains('\x1b'));
    }
    EXPECT_TRUE(r.out.contains("  X\\n  TK120-2500: Pass (code 1): ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("forged\\nTK1: Pass\\r\\x1B[2J\\x85\\u{2028}\\u{202E}.kestload\n"));
    // The detail's own tabs stay.
    EXPECT_TRUE(r.out.contains("Moment   \t  :  "));
}

// Reports of same-named projects get their own names; a report never replaces
// a project, however its path is spelt; a report that was not written shows
// in the JSON.
TEST(CommandLineFiles, ReportsNeverReplaceEachOtherOrAProject) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("a"));
    QDir(dir.path()).mkpath(QStringLiteral("b"));
    QDir(dir.path()).mkpath(QStringLiteral("out"));
    const QString failing = dir.filePath(QStringLiteral("a/x.kestload"));
    const QString passing = dir.filePath(QStringLiteral("b/x.kestload"));
    ASSERT_TRUE(QFile::copy(Example("palletising.kestload"), failing));
    ASSERT_TRUE(QFile::copy(Example("light-gripper-small-robot.kestload"), passing));
    const QString out = dir.filePath(QStringLiteral("out"));
    const CliRun two =
        Kestload({QStringLiteral("--check"), failing, passing, QStringLiteral("--report"), out});
    EXPECT_EQ(two.status, 1) << two.err.toStdString();
    const QString first = dir.filePath(QStringLiteral("out/x.pdf")),
                  second = dir.filePath(QStringLiteral("out/x-2.pdf"));
    EXPECT_TRUE(two.out.contains("report: " + first.toUtf8() + "\n")) << two.out.toStdString();
    EXPECT_TRUE(two.out.contains("report: " + second.toUtf8() + "\n"));
    EXPECT_TRUE(PdfText(first).contains(QLatin1String("TK120-2500")));
    EXPECT_TRUE(PdfText(second).contains(QLatin1String("TK6-1400")));
    // The same file twice, and in JSON.
    const CliRun json = Kestload({QStringLiteral("--check"), QStringLiteral("--json"), passing, passing,
                                  QStringLiteral("--report"), out});
    const QJsonArray files =
        QJsonDocument::fromJson(json.out).object().value(QStringLiteral("files")).toArray();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].toObject().value(QStringLiteral("report")).toString(), first);
    EXPECT_EQ(files[1].toObject().value(QStringLiteral("report")).toString(), second);

    // The project itself, another spelling of it, a link to it, and a folder
    // where <name>.pdf is the project: refused, the project untouched.
    const QByteArray before = ReadAll(passing);
    ASSERT_TRUE(QFile::link(passing, dir.filePath(QStringLiteral("link.pdf"))));
    const QString pdfNamed = dir.filePath(QStringLiteral("out/p.pdf"));  // a project named .pdf
    ASSERT_TRUE(QFile::copy(passing, pdfNamed));
    const QByteArray pdfNamedBefore = ReadAll(pdfNamed);
    struct {
        QStringList args;
        QString project;
    } const refusals[] = {
        {{passing, QStringLiteral("--report"), passing}, passing},
        {{passing, QStringLiteral("--report"), dir.filePath(QStringLiteral("a/../b/./x.kestload"))}, passing},
        {{passing, QStringLiteral("--report"), dir.filePath(QStringLiteral("link.pdf"))}, passing},
        {{pdfNamed, QStringLiteral("--report"), out}, pdfNamed},
        {{passing, pdfNamed, QStringLiteral("--report"), out}, pdfNamed},
    };
    for (const auto& refusal : refusals) {
        const CliRun r =
            Kestload(QStringList{QStringLiteral("--check"), QStringLiteral("--json")} + refusal.args);
        EXPECT_EQ(r.status, 2) << refusal.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(refusal.project.toUtf8())) << r.err.toStdString();
        const QJsonArray fs =
            QJsonDocument::fromJson(r.out).object().value(QStringLiteral("files")).toArray();
        const QJsonObject refused = fs.last().toObject();
        EXPECT_TRUE(refused.value(QStringLiteral("report")).isNull()) << r.out.toStdString();
        EXPECT_FALSE(refused.value(QStringLiteral("reportError")).toString().isEmpty());
        EXPECT_EQ(ReadAll(passing), before);
        EXPECT_EQ(ReadAll(pdfNamed), pdfNamedBefore);
    }
    // A report that cannot be written: null with the system's reason, exit 2.
    const CliRun nowhere = Kestload({QStringLiteral("--check"), QStringLiteral("--json"), passing,
                                     QStringLiteral("--report"), dir.filePath(QStringLiteral("none/r.pdf"))});
    EXPECT_EQ(nowhere.status, 2);
    const QJsonObject entry = FirstFile(nowhere);
    EXPECT_TRUE(entry.contains(QStringLiteral("report")) && entry.value(QStringLiteral("report")).isNull());
    EXPECT_FALSE(entry.value(QStringLiteral("reportError")).toString().isEmpty())
        << nowhere.out.toStdString();
    EXPECT_TRUE(entry.value(QStringLiteral("passes")).toBool());  // the verdict itself stands
}

// The check and the report come from one reading of each project: the file is
// opened once per run, so a file replaced in between cannot give a verdict of
// one project and a report of another.
TEST(CommandLineFiles, ReportDrawsFromTheReadingTheVerdictCameFrom) {
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("p.kestload"));
    ASSERT_TRUE(QFile::copy(Example("palletising.kestload"), project));
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    // Closes are watched too: the system merges identical events that follow each other.
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(project).constData(), IN_OPEN | IN_CLOSE), 0);
    const CliRun r = Kestload({QStringLiteral("--check"), project, QStringLiteral("--report"),
                               dir.filePath(QStringLiteral("p.pdf"))});
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    int opens = 0;
    alignas(inotify_event) char buf[4096];
    for (ssize_t n; (n = read(watch, buf, sizeof buf)) > 0;) {
        for (char* p = buf; p < buf + n;
             p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len) {
            if (reinterpret_cast<inotify_event*>(p)->mask & IN_OPEN) ++opens;
        }
    }
    close(watch);
    EXPECT_EQ(opens, 1);
    EXPECT_TRUE(PdfText(dir.filePath(QStringLiteral("p.pdf"))).contains(QLatin1String("TK120-2500")));
}

// --old-data needs only the old table, a damaged table is named with its file,
// and the text output names the data once per run.
TEST(CommandLineData, OnlyTheTableAskedForIsLoadedAndNamed) {
    QTemporaryDir dir;
    const QString app = dir.filePath(QStringLiteral("app/"));
    QDir().mkpath(app);
    for (const char* f :
         {"kestload", "libKestLoadLib.so", "libTarn_Kest.so", "KestMechData.bin", "KestMechData_old.bin"}) {
        ASSERT_TRUE(QFile::copy(kesttest::BuildAppFolder() + QLatin1String(f), app + QLatin1String(f))) << f;
    }
    const QString program = app + QStringLiteral("kestload");
    const QString project = Example("palletising.kestload");
    const QString report = dir.filePath(QStringLiteral("old.pdf"));
    const CliRun good = Kestload(
        {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--check"), project, project},
        QString(), QString(), program);
    EXPECT_EQ(good.out.count("mechanism data: "), 1) << good.out.toStdString();
    EXPECT_TRUE(good.out.startsWith("mechanism data: controller software V40.24.15 and later, " +
                                    app.toUtf8() + "KestMechData.bin, data version "))
        << good.out.toStdString();

    // The current table damaged: --old-data still checks and reports.
    ASSERT_TRUE(WriteAll(app + QStringLiteral("KestMechData.bin"), QByteArray("damaged")));
    const CliRun old = Kestload({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--check"),
                                 QStringLiteral("--old-data"), project, QStringLiteral("--report"), report},
                                QString(), QString(), program);
    EXPECT_NE(old.status, 2) << old.err.toStdString();
    EXPECT_TRUE(old.err.isEmpty()) << old.err.toStdString();
    EXPECT_TRUE(old.out.startsWith("mechanism data: controller software V40.24.14 and earlier, " +
                                   app.toUtf8() + "KestMechData_old.bin, data version "))
        << old.out.toStdString();
    EXPECT_TRUE(PdfText(report).contains(QLatin1String("TK120-2500")));
    const CliRun current = Kestload({QStringLiteral("--check"), project}, QString(), QString(), program);
    EXPECT_EQ(current.status, 2);
    EXPECT_TRUE(current.err.contains(app.toUtf8() + "KestMechData.bin")) << current.err.toStdString();
    // The old table damaged: named too.
    ASSERT_TRUE(WriteAll(app + QStringLiteral("KestMechData_old.bin"), QByteArray()));
    const CliRun oldBad = Kestload({QStringLiteral("--fit"), QStringLiteral("--old-data"), project},
                                   QString(), QString(), program);
    EXPECT_EQ(oldBad.status, 2);
    EXPECT_TRUE(oldBad.err.contains(app.toUtf8() + "KestMechData_old.bin")) << oldBad.err.toStdString();
}

// JSON for machines: the detail lines as data beside the detail text, and the
// engine's single-precision numbers as their shortest text.
TEST(CommandLineJson, DetailsAsDataAndShortestNumbers) {
    const CliRun run = Kestload({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--check"),
                                 QStringLiteral("--json"), Example("palletising.kestload")});
    ASSERT_EQ(run.status, 1);
    const QJsonArray robots = FirstFile(run).value(QStringLiteral("robots")).toArray();
    ASSERT_EQ(robots.size(), 3);
    const char* const quantities[3] = {"mass", "moment", "inertia"};
    for (const QJsonValue& rv : robots) {
        const QJsonObject r = rv.toObject();
        const QJsonObject verdict = r.value(QStringLiteral("verdict")).toObject();
        const QJsonArray details = verdict.value(QStringLiteral("details")).toArray();
        ASSERT_EQ(details.size(), 3);
        const QStringList lines =
            verdict.value(QStringLiteral("detail")).toString().split(QStringLiteral("\r\n"));
        for (int q = 0; q < 3; ++q) {
            const QJsonObject d = details[q].toObject();
            EXPECT_EQ(d.value(QStringLiteral("quantity")).toString(), QLatin1String(quantities[q]));
            EXPECT_EQ(
                d.value(QStringLiteral("level")).toInt(),
                r.value(QStringLiteral("levels")).toObject().value(QLatin1String(quantities[q])).toInt());
            EXPECT_TRUE(lines[q].endsWith(QStringLiteral(":  ") + d.value(QStringLiteral("word")).toString()))
                << lines[q].toStdString();
        }
    }
    // TK120-2500: moment overload (level 2), inertia high load (level 1).
    const QJsonArray d0 = robots[0]
                              .toObject()
                              .value(QStringLiteral("verdict"))
                              .toObject()
                              .value(QStringLiteral("details"))
                              .toArray();
    EXPECT_EQ(d0[1].toObject().value(QStringLiteral("word")).toString(),
              QStringLiteral("Statically overloaded (exception allowed)"));
    // No number carries the digits of a float widened to a double.
    const QRegularExpression widened(QStringLiteral("\\d\\.\\d*0000\\d|\\d\\.\\d*9999\\d"));
    EXPECT_FALSE(widened.match(QString::fromUtf8(run.out)).hasMatch())
        << widened.match(QString::fromUtf8(run.out)).captured().toStdString();
}

}  // namespace
