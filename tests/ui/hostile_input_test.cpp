// Hostile files and values beyond the reader's own rules: truncated and binary
// projects, entities, deep nesting, NUL bytes, foreign encodings, enormous
// names, save targets that cannot hold a file, typed text that is not a number,
// and data homes that cannot be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include "AtomicFile.h"
#include "DataExchange.h"
#include "DesktopIntegration.h"
#include "DlgBuilder.h"
#include "ProjectFile.h"
#include "Templates.h"
#include "UiTestEnv.h"

using namespace kest;

using kesttest::ReadAll;

namespace {

const QByteArray kLoads = "<Tool Mass=\"3\"/><AddLoad-V/><AddLoad-H/><AddLoad-S/>";

// Reads `bytes` as a project over a project that holds "Before"; the project
// must be unchanged whenever the read fails.
int Read(const QByteArray& bytes, CProject& p, QString* error = nullptr) {
    p = CProject();
    p.Company = QStringLiteral("Before");
    const int rc = ReadProjectText(bytes, p, error);
    if (rc != 0) {
        EXPECT_EQ(p.Company, QStringLiteral("Before"));
    }
    return rc;
}

TEST(HostileProject, TruncatedAndBinaryFilesAreRefusedWithAReason) {
    const QByteArray golden =
        ReadAll(QStringLiteral(KEST_SOURCE_DIR "tests/data/golden_three_robots.kestload"));
    ASSERT_GT(golden.size(), 1000);
    CProject p;
    QString error;
    // Cut anywhere before its end tag, the file is not XML.
    for (const qsizetype cut : {qsizetype(3), qsizetype(100), golden.size() / 2, golden.size() - 22}) {
        error.clear();
        EXPECT_EQ(Read(golden.left(cut), p, &error), -2) << cut;
        EXPECT_FALSE(error.isEmpty());
    }
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
    EXPECT_EQ(Read(binary, p, &error), -2);
    EXPECT_EQ(Read(golden, p), 0);
}

// Entities that would grow to gigabytes and an external one naming a local
// file: neither is expanded, nothing else is read.
TEST(HostileProject, EntitiesAreNeverExpanded) {
    QByteArray dtd = "<!DOCTYPE KestLoadProject [<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        dtd += "<!ENTITY l" + QByteArray::number(i) + " \"" +
               QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    }
    dtd += "<!ENTITY ext SYSTEM \"file:///etc/hostname\">]>";
    CProject p;
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(
        Read(dtd + "<KestLoadProject Company=\"&l9;\" Project=\"&ext;\">" + kLoads + "</KestLoadProject>", p),
        0);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(p.Company, QStringLiteral("&l9;"));
    EXPECT_EQ(p.Project, QStringLiteral("&ext;"));
}

// 100,000 nested elements around and inside the project: read without
// recursion, in moments.
TEST(HostileProject, DeepNestingOpensWithoutRecursion) {
    const int depth = 100000;
    CProject p;
    QElapsedTimer timer;
    timer.start();
    const QByteArray inside = "<KestLoadProject Company=\"deep\">" + kLoads +
                              QByteArray("<x>").repeated(depth) + QByteArray("</x>").repeated(depth) +
                              "</KestLoadProject>";
    EXPECT_EQ(Read(inside, p), 0);
    EXPECT_EQ(p.Company, QStringLiteral("deep"));
    const QByteArray around = QByteArray("<a>").repeated(depth) + "<KestLoadProject Company=\"deep\">" +
                              kLoads + "</KestLoadProject>" + QByteArray("</a>").repeated(depth);
    EXPECT_EQ(Read(around, p), 0);
    EXPECT_EQ(p.Loads.tool.Mass, 3.0);
    EXPECT_LT(timer.elapsed(), 10000);
}

TEST(HostileProject, NulBytesAndForeignEncodings) {
    CProject p;
    QString error;
    // A NUL byte inside the project makes it unreadable; after it, it is ignored.
    QByteArray nul = "<KestLoadProject Company=\"A";
    nul += '\0';
    nul += "B\">" + kLoads + "</KestLoadProject>";
    EXPECT_EQ(Read(nul, p, &error), -2);
    EXPECT_FALSE(error.isEmpty());
    QByteArray tail = "<KestLoadProject Company=\"A\">" + kLoads + "</KestLoadProject>";
    tail += '\0';
    tail += "<junk";
    ASSERT_EQ(Read(tail, p), 0);
    EXPECT_EQ(p.Company, QStringLiteral("A"));

    // UTF-16 with a byte-order mark, and a declared ISO-8859-1.
    const QString korean = QStringLiteral("로봇 셀");
    const QString text = QStringLiteral("<KestLoadProject Company=\"") + korean + QStringLiteral("\">") +
                         QString::fromLatin1(kLoads) + QStringLiteral("</KestLoadProject>");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    ASSERT_EQ(Read(utf16, p), 0);
    EXPECT_EQ(p.Company, korean);
    ASSERT_EQ(Read("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><KestLoadProject Company=\"Gr\xE9ifer\">" +
                       kLoads + "</KestLoadProject>",
                   p),
              0);
    EXPECT_EQ(p.Company, QStringLiteral("Gr\u00E9ifer"));
    // Bytes that are not UTF-8 in a file that says nothing: replacement characters.
    ASSERT_EQ(Read("<KestLoadProject Company=\"A\xFF\">" + kLoads + "</KestLoadProject>", p), 0);
    EXPECT_EQ(p.Company, QStringLiteral("A\uFFFD"));
}

// A legend name of 100,000 characters opens and saves back unchanged.
TEST(HostileProject, HundredThousandCharacterNames) {
    const QByteArray name(100000, 'N');
    CProject p;
    ASSERT_EQ(Read("<KestLoadProject MechName0=\"" + name +
                       "\"><Tool/><AddLoad-V/><AddLoad-H/><AddLoad-S/>"
                       "<Load-Calculator><Tool><Load Name=\"" +
                       name + "\"/></Tool></Load-Calculator></KestLoadProject>",
                   p),
              0);
    ASSERT_EQ(p.Robots.Names().size(), 1);
    EXPECT_EQ(p.Robots.Names()[0].size(), 100000);
    EXPECT_EQ(p.LoadCalc.m_arrLoad[0].value(0).Name.size(), 100000);
    const QByteArray saved = WriteProjectText(p);
    CProject back;
    ASSERT_EQ(ReadProjectText(saved, back), 0);
    EXPECT_EQ(WriteProjectText(back), saved);
}

// A save never replaces what is not a regular file, and says why when the
// folder cannot take a file; opening links that lead nowhere says why too.
TEST(HostileProject, PlacesThatCannotHoldAProject) {
    QTemporaryDir dir;
    const CProject p;
    QString error;

    const QString fifo = dir.filePath(QStringLiteral("pipe.kestload"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(WriteProjectFile(fifo, p, &error), -1);
    EXPECT_EQ(error, QStringLiteral("일반 파일이 아닙니다."));
    struct stat st;
    ASSERT_EQ(lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";
    // The same through a link to it.
    const QString toFifo = dir.filePath(QStringLiteral("to-pipe.kestload"));
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    EXPECT_FALSE(WriteFileAtomically(toFifo, "x", &error));
    ASSERT_EQ(lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    EXPECT_EQ(WriteProjectFile(dir.path(), p, &error), -1);  // a folder
    EXPECT_EQ(error, QStringLiteral("Is a directory"));
    // /proc takes no new files, not even from the superuser.
    EXPECT_EQ(WriteProjectFile(QStringLiteral("/proc/kestload-test.kestload"), p, &error), -1);
    EXPECT_FALSE(error.isEmpty());
    if (geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkpath(locked));
        ASSERT_EQ(chmod(QFile::encodeName(locked).constData(), 0555), 0);
        EXPECT_EQ(WriteProjectFile(locked + QStringLiteral("/p.kestload"), p, &error), -1);
        EXPECT_EQ(error, QStringLiteral("Permission denied"));
    }

    // Links in a loop and links to nothing.
    const QString loopA = dir.filePath(QStringLiteral("a.kestload"));
    const QString loopB = dir.filePath(QStringLiteral("b.kestload"));
    ASSERT_TRUE(QFile::link(loopB, loopA));
    ASSERT_TRUE(QFile::link(loopA, loopB));
    EXPECT_EQ(WriteProjectFile(loopA, p, &error), -1);
    EXPECT_EQ(error, QStringLiteral("Too many levels of symbolic links"));
    CProject read;
    EXPECT_EQ(ReadProjectFile(loopA, read, &error), -2);
    EXPECT_EQ(error, QStringLiteral("Too many levels of symbolic links"));
    const QString dangling = dir.filePath(QStringLiteral("dangling.kestload"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone.kestload")), dangling));
    EXPECT_EQ(ReadProjectFile(dangling, read, &error), -2);
    EXPECT_EQ(error, QStringLiteral("No such file or directory"));
}

// Temporary files that a killed save left beside a project: ours (".kl." and
// six characters, a regular file older than a minute) go at the next save;
// fresh ones, links, folders and other names stay.
TEST(HostileProject, StaleTemporaryFilesOfAKilledSaveGo) {
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("p.kestload"));
    for (const char* name : {".kl.Old123", ".kl.New123", ".kl.Old12", "a.kl.Old123"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".kl.Dir123")));
    ASSERT_TRUE(QFile::link(project, dir.filePath(QStringLiteral(".kl.Lnk123"))));
    const timespec old[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
    for (const char* name : {".kl.Old123", ".kl.Old12", "a.kl.Old123", ".kl.Dir123", ".kl.Lnk123"}) {
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(dir.filePath(QLatin1String(name))).constData(), old,
                            AT_SYMLINK_NOFOLLOW),
                  0);
    }
    ASSERT_TRUE(WriteFileAtomically(project, "x"));
    EXPECT_EQ(
        QDir(dir.path(), QString(), QDir::Name,
             QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System)
            .entryList(),
        (QStringList{".kl.Dir123", ".kl.Lnk123", ".kl.New123", ".kl.Old12", "a.kl.Old123", "p.kestload"}));
}

// Typed text that is not one finite number stops the exchange.
TEST(HostileTypedValues, OnlyFiniteNumbersAreTaken) {
    QWidget page;
    BuildDialogControls(&page, *FindDlgTemplate(IDD_PG_ADDLOAD));
    for (const char* text : {"nan", "NaN", "inf", "-infinity", "1e400", "-1e309", "", "   ", "1,5", "12 kg",
                             "--1", "1e", "0x", "\xEB\xA1\x9C"}) {
        kesttest::Messages().Reset();
        SetDlgItemText(&page, IDC_MASS, QString::fromUtf8(text));
        CDataExchange in(&page, true);
        double value = 42.0;
        DDX_Text(&in, IDC_MASS, value);
        EXPECT_TRUE(in.m_bFailed) << text;
        EXPECT_EQ(value, 42.0) << text;
        EXPECT_EQ(kesttest::Messages().shown.size(), 1u) << text;
    }
    for (const auto& ok :
         {std::pair<const char*, double>{" 1e308 ", 1e308}, {"-0", -0.0}, {"4.9e-324", 4.9e-324}}) {
        SetDlgItemText(&page, IDC_MASS, QString::fromLatin1(ok.first));
        CDataExchange in(&page, true);
        double value = 42.0;
        DDX_Text(&in, IDC_MASS, value);
        EXPECT_FALSE(in.m_bFailed) << ok.first;
        EXPECT_EQ(value, ok.second) << ok.first;
    }
}

// A data home that cannot be written: the registration fails quietly. The
// system's files are found only where the base-directory rules look.
TEST(HostileDesktop, UnwritableDataHomeAndSystemFiles) {
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    const QByteArray savedDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", "/proc/kestload-test");
    EXPECT_EQ(RegisterOpenCommand(QStringLiteral("/opt/kestload/kestload")), -20);
    EXPECT_EQ(RegisterDefaultIcon(), -20);
    qputenv("XDG_DATA_HOME", savedHome);

    QTemporaryDir system;
    const QString share = system.filePath(QStringLiteral("share"));
    ASSERT_TRUE(QDir().mkpath(share + QStringLiteral("/applications")));
    ASSERT_TRUE(QDir().mkpath(share + QStringLiteral("/mime/packages")));
    QFile(share + QStringLiteral("/applications/kestload.desktop")).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_DIRS", QFile::encodeName(QStringLiteral("relative/share:") + share));
    EXPECT_FALSE(SystemDesktopFilesExist());  // the MIME type is missing
    QFile(share + QStringLiteral("/mime/packages/kestload.xml")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(SystemDesktopFilesExist());
    qputenv("XDG_DATA_DIRS", "share");  // relative folders do not count
    const bool relativeCounts = QDir::setCurrent(system.path()) && SystemDesktopFilesExist();
    EXPECT_FALSE(relativeCounts);
    if (savedDirs.isNull()) {
        qunsetenv("XDG_DATA_DIRS");
    } else {
        qputenv("XDG_DATA_DIRS", savedDirs);
    }
}

}  // namespace
