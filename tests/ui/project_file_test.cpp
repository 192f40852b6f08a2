// Project files: byte-exact writing against hand-made golden files, the
// reader's rules, round trips, and files that cannot be read or written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <sys/stat.h>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <QDir>
#include <QFileInfo>
#include <array>
#include <pugixml.hpp>

#include "ProjectFile.h"
#include "UiTestEnv.h"

using kesttest::ReadAll;

namespace {

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QString Golden(const char* name) {
    return QStringLiteral(KEST_SOURCE_DIR "tests/data/") + QLatin1String(name);
}

CProject OneRobot() {
    CProject p;
    p.Company = QStringLiteral("Kest Robotics");
    p.Project = QStringLiteral("Cell 7");
    p.Application = QStringLiteral("Handling");
    p.Line = QStringLiteral("L2");
    p.RobotNum = QStringLiteral("R-03");
    p.Engineer = QStringLiteral("J. Park");
    p.Robots.Add(QStringLiteral("TK50-2100"));
    p.Loads.tool.Set(12.5, 0.0125, -0.0304, 0.150, 0.05, 0.06, 0.025);
    return p;
}

TEST(ProjectFile, WrittenByteForByteAsTheFormatLaysItOut) {
    EXPECT_EQ(WriteProjectText(OneRobot()), ReadAll(Golden("golden_one_robot.kestload")));
}

TEST(ProjectFile, ReadBackGivesTheSameProject) {
    CProject p;
    ASSERT_EQ(ReadProjectFile(Golden("golden_three_robots.kestload"), p), 0);
    EXPECT_EQ(p.Company, QStringLiteral("A&B \"Robo\" <Kor>"));
    EXPECT_EQ(p.Comment, QStringLiteral("first line\nsecond line"));  // the line break survives
    EXPECT_EQ(p.Engineer, QStringLiteral("김 엔지니어"));
    EXPECT_EQ(p.Robots.Names().size(), 3);
    EXPECT_EQ(p.Loads.tool.Mass, -1.5);
    EXPECT_DOUBLE_EQ(p.Loads.tool.Lx, -0.0123456);
    EXPECT_EQ(p.LoadCalc.m_arrLoad[1].size(), 3);
    EXPECT_EQ(p.LoadCalc.m_arrLoad[1][0].Name, QStringLiteral("밸브 박스"));
    EXPECT_EQ(p.LoadCalc.m_arrLoad[1][1].Name, QStringLiteral("Cable & hose"));
    EXPECT_EQ(p.LoadCalc.m_arrLoad[1][2].Name, QString());
    EXPECT_DOUBLE_EQ(p.LoadCalc.m_arrLoad[1][0].prm.Ly, -0.035);
    EXPECT_EQ(p.ToolCalc.ComWkZ, 140.0);  // no unit conversion
    EXPECT_EQ(p.ToolCalc.MiWkX, 0.0051);
    // Saving what was read gives the file again.
    EXPECT_EQ(WriteProjectText(p), ReadAll(Golden("golden_three_robots.kestload")));
}

TEST(ProjectFile, RandomProjectsRoundTrip) {
    QRandomGenerator rng(20261207);
    QTemporaryDir dir;
    auto number = [&rng] { return (rng.bounded(2000000) - 1000000) / 1000.0; };
    auto text = [&rng] {
        static const QString pieces[] = {QStringLiteral("a"),  QStringLiteral("&"),    QStringLiteral("<"),
                                         QStringLiteral("\""), QStringLiteral("용접"), QStringLiteral("\t"),
                                         QStringLiteral("\n"), QStringLiteral(" "),    QStringLiteral(">"),
                                         QStringLiteral("'")};
        QString s;
        const int n = rng.bounded(8);
        for (int i = 0; i < n; ++i) s += pieces[rng.bounded(10)];
        return s.trimmed().isEmpty() ? QStringLiteral("x") + s : s;
    };
    for (int round = 0; round < 25; ++round) {
        CProject p;
        p.Company = text();
        p.Comment = text();
        p.Line = text();
        for (int i = 0; i < rng.bounded(4); ++i) p.Robots.Add(QStringLiteral("TK%1").arg(rng.bounded(900)));
        for (CPrmLoadSub* l : {&p.Loads.tool, &p.Loads.v, &p.Loads.h, &p.Loads.s}) {
            l->FromDisplay(
                std::array<double, 7>{number(), number(), number(), number(), number(), number(), number()}
                    .data());
        }
        for (auto& list : p.LoadCalc.m_arrLoad) {
            for (int i = 0; i < rng.bounded(4); ++i) {
                CLoad load;
                load.Name = text();
                load.prm.Set(number(), number() / 1000, 0, number() / 1000, number(), 0, 1);
                list.append(load);
            }
        }
        p.ToolCalc.MiWkZ = number();
        const QString path = dir.filePath(QStringLiteral("r%1.kestload").arg(round));
        ASSERT_EQ(WriteProjectFile(path, p), 0);
        CProject back;
        ASSERT_EQ(ReadProjectFile(path, back), 0);
        EXPECT_EQ(back.Company, p.Company);
        EXPECT_EQ(back.Comment, p.Comment);
        EXPECT_EQ(back.Robots.Names(), p.Robots.Names());
        EXPECT_EQ(WriteProjectText(back), ReadAll(path)) << round;
    }
}

// A small file with the root and the four loads, and what else `extra` adds.
QByteArray Minimal(const QByteArray& rootAttrs, const QByteArray& body) {
    return "<KestLoadProject " + rootAttrs + ">" + body + "</KestLoadProject>";
}
const QByteArray kLoads = "<Tool Mass=\"3\"/><AddLoad-V/><AddLoad-H/><AddLoad-S/>";

TEST(ProjectFile, ReaderRules) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.kestload"));
    CProject p;
    p.Company = QStringLiteral("kept");
    p.Loads.tool.Lx = 0.111;
    p.LoadCalc.m_arrLoad[2].append(CLoad());
    p.ToolCalc.MassHnd = 7;
    WriteAll(path, Minimal("SchemaHi=\"99\" Project=\" padded \" MechName0=\" TK6-1400 \" MechName1=\"   \" "
                           "MechName2=\"TK20-1700\"",
                           "<Tool Ly=\"250\" Lz=\"12.5mm\" Mass=\"abc\"/><AddLoad-V/><AddLoad-H/><AddLoad-S/>"
                           "<Load-Calculator><Tool><Load/><Load Name=\"b\" Lx=\"1000\"/></Tool>"
                           "<AddLoad-V></AddLoad-V></Load-Calculator>"));
    ASSERT_EQ(ReadProjectFile(path, p), 0);
    EXPECT_EQ(p.Company, QStringLiteral("kept"));      // absent: kept
    EXPECT_EQ(p.Project, QStringLiteral(" padded "));  // not trimmed
    EXPECT_EQ(p.Robots.Names(), (QStringList{QStringLiteral("TK6-1400"), QStringLiteral("TK20-1700")}));
    EXPECT_EQ(p.Loads.tool.Lx, 0.111);   // absent Lx keeps its metres
    EXPECT_EQ(p.Loads.tool.Ly, 0.25);    // 250 mm
    EXPECT_EQ(p.Loads.tool.Lz, 0.0125);  // leading number of the text
    EXPECT_EQ(p.Loads.tool.Mass, 0.0);   // no number: 0
    ASSERT_EQ(p.LoadCalc.m_arrLoad[0].size(), 2);
    EXPECT_EQ(p.LoadCalc.m_arrLoad[0][0].Name, QString());  // a Load without attributes
    EXPECT_EQ(p.LoadCalc.m_arrLoad[0][0].prm, CPrmLoadSub());
    EXPECT_EQ(p.LoadCalc.m_arrLoad[0][1].prm.Lx, 1.0);
    EXPECT_TRUE(p.LoadCalc.m_arrLoad[1].isEmpty());  // present but empty: emptied
    EXPECT_EQ(p.LoadCalc.m_arrLoad[2].size(), 1);    // missing list: kept
    EXPECT_EQ(p.ToolCalc.MassHnd, 7.0);              // no Tool-Calculator: kept

    // Without MechName attributes at all the legend is empty.
    WriteAll(path, Minimal("", kLoads));
    ASSERT_EQ(ReadProjectFile(path, p), 0);
    EXPECT_TRUE(p.Robots.Names().isEmpty());
}

TEST(ProjectFile, ErrorCodes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.kestload"));
    CProject p;
    EXPECT_EQ(ReadProjectFile(dir.filePath(QStringLiteral("missing.kestload")), p), -2);
    WriteAll(path, "<KestLoadProject><Tool></KestLoadProject>");
    EXPECT_EQ(ReadProjectFile(path, p), -2);
    WriteAll(path, "");
    EXPECT_EQ(ReadProjectFile(path, p), -2);
    WriteAll(path, "<Other/>");
    EXPECT_EQ(ReadProjectFile(path, p), -3);
    WriteAll(path, Minimal("", "<AddLoad-V/><AddLoad-H/><AddLoad-S/>"));
    EXPECT_EQ(ReadProjectFile(path, p), -4);
    WriteAll(path, Minimal("", "<Tool/><AddLoad-H/><AddLoad-S/>"));
    EXPECT_EQ(ReadProjectFile(path, p), -5);
    WriteAll(path, Minimal("", "<Tool/><AddLoad-V/><AddLoad-S/>"));
    EXPECT_EQ(ReadProjectFile(path, p), -6);
    WriteAll(path, Minimal("", "<Tool/><AddLoad-V/><AddLoad-H/>"));
    EXPECT_EQ(ReadProjectFile(path, p), -7);
}

TEST(ProjectFile, FailedWriteLeavesThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.kestload"));
    ASSERT_EQ(WriteProjectFile(path, OneRobot()), 0);
    const QByteArray before = ReadAll(path);
    // Files may not grow beyond 100 bytes: the write fails even for root.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    CProject bigger = OneRobot();
    bigger.Comment = QStringLiteral("longer text");
    QString error;
    const int rc = WriteProjectFile(path, bigger, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &old, nullptr);
    EXPECT_EQ(rc, -1);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(WriteProjectFile(dir.filePath(QStringLiteral("no/such/folder/x.kestload")), OneRobot(), &error),
              -1);
}

// A save writes the file a link points to and keeps the link, never replaces
// a read-only file, keeps the permission bits, and works for the longest name.
TEST(ProjectFile, SavingKeepsTheFilesIdentity) {
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.kestload"));
    const QString link = dir.filePath(QStringLiteral("link.kestload"));
    ASSERT_EQ(WriteProjectFile(real, CProject()), 0);
    ASSERT_EQ(chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("real.kestload"), link));  // relative link
    ASSERT_EQ(WriteProjectFile(link, OneRobot()), 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(real), ReadAll(Golden("golden_one_robot.kestload")));
    struct stat st;
    ASSERT_EQ(stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // A link to a file that does not exist yet creates that file.
    const QString dangling = dir.filePath(QStringLiteral("dangling.kestload"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("later.kestload")), dangling));
    ASSERT_EQ(WriteProjectFile(dangling, OneRobot()), 0);
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("later.kestload"))), ReadAll(real));

    // Read-only: refused with the system's reason (also for the superuser), untouched.
    const QString locked = dir.filePath(QStringLiteral("locked.kestload"));
    ASSERT_EQ(WriteProjectFile(locked, CProject()), 0);
    const QByteArray before = ReadAll(locked);
    ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0444), 0);
    QString error;
    EXPECT_EQ(WriteProjectFile(locked, OneRobot(), &error), -1);
    EXPECT_EQ(error, QStringLiteral("Permission denied"));
    EXPECT_EQ(ReadAll(locked), before);

    // A 250-byte name (the limit is 255) still saves; nothing else is left beside it.
    QDir sub(dir.filePath(QStringLiteral("long")));
    ASSERT_TRUE(sub.mkpath(QStringLiteral(".")));
    const QString longName = sub.filePath(QString(241, QLatin1Char('n')) + QStringLiteral(".kestload"));
    ASSERT_EQ(QFileInfo(longName).fileName().toUtf8().size(), 250);
    EXPECT_EQ(WriteProjectFile(longName, OneRobot(), &error), 0) << error.toStdString();
    EXPECT_EQ(sub.entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Text that XML cannot hold is left out, so any parser reads every saved file.
TEST(ProjectFile, TextThatXmlCannotHoldIsLeftOut) {
    CProject p = OneRobot();
    p.Company = QStringLiteral(
        "A\x01"
        "B\x1f\x0b"
        "C\tD");
    p.Project = QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") + QChar(0xDC00) + QChar(0xFFFF);
    p.Engineer = QStringLiteral("\U0001F600 ok");  // a paired surrogate stays
    CLoad part;
    part.Name = QStringLiteral(
        "bad\x02"
        "name");
    p.LoadCalc.m_arrLoad[2] = {part};
    const QByteArray text = WriteProjectText(p);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(text.constData(), static_cast<size_t>(text.size())));
    const pugi::xml_node root = doc.child("KestLoadProject");
    EXPECT_STREQ(root.attribute("Company").value(), "ABC\tD");
    EXPECT_EQ(QString::fromUtf8(root.attribute("Project").value()), QStringLiteral("xy"));
    EXPECT_EQ(QString::fromUtf8(root.attribute("Engineer").value()), p.Engineer);
    for (const char c : text)
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n');
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clean.kestload"));
    ASSERT_EQ(WriteProjectFile(path, p), 0);
    CProject back;
    ASSERT_EQ(ReadProjectFile(path, back), 0);
    EXPECT_EQ(back.LoadCalc.m_arrLoad[2].value(0).Name, QStringLiteral("badname"));
}

// Numbers that are not finite make the open fail, naming where they stand,
// and leave the project as it was.
TEST(ProjectFile, NonFiniteNumbersFailTheOpen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nan.kestload"));
    const struct {
        const char* body;
        const char* where;
    } cases[] = {
        {"<Tool Mass=\"nan\"/><AddLoad-V/><AddLoad-H/><AddLoad-S/>", "Tool 요소의 Mass 값 \"nan\""},
        {"<Tool/><AddLoad-V Lz=\"1e400\"/><AddLoad-H/><AddLoad-S/>", "AddLoad-V 요소의 Lz 값 \"1e400\""},
        {"<Tool/><AddLoad-V/><AddLoad-H/><AddLoad-S Ixx=\" -INF\"/>", "AddLoad-S 요소의 Ixx 값 \" -INF\""},
        {"<Tool/><AddLoad-V/><AddLoad-H/><AddLoad-S/><Load-Calculator><Tool><Load Mass=\"1\"/>"
         "<Load Ly=\"infinity\"/></Tool></Load-Calculator>",
         "Load-Calculator Tool Load 2 요소의 Ly 값 \"infinity\""},
        {"<Tool/><AddLoad-V/><AddLoad-H/><AddLoad-S/><Tool-Calculator MiWkZ=\"NaN(1)\"/>",
         "Tool-Calculator 요소의 MiWkZ 값 \"NaN(1)\""},
    };
    for (const auto& c : cases) {
        WriteAll(path, Minimal("Company=\"Before\"", c.body));
        CProject p = OneRobot();
        QString error;
        EXPECT_EQ(ReadProjectFile(path, p, &error), -8) << c.body;
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.where))) << error.toStdString();
        EXPECT_EQ(WriteProjectText(p), WriteProjectText(OneRobot())) << c.body;  // all or nothing
    }
    // Prefix numbers as before: "12abc" reads 12, text without a number reads 0.
    WriteAll(path, Minimal("", "<Tool Mass=\"12abc\" Lx=\"x\"/><AddLoad-V/><AddLoad-H/><AddLoad-S/>"));
    CProject p;
    ASSERT_EQ(ReadProjectFile(path, p), 0);
    EXPECT_EQ(p.Loads.tool.Mass, 12.0);
    EXPECT_EQ(p.Loads.tool.Lx, 0.0);
}

}  // namespace
