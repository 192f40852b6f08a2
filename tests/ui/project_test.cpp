// Project records, path helpers and the verdict of one robot.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "PathHelpers.h"
#include "PrmLoadSub.h"
#include "Verdict.h"

namespace {

TEST(PrmLoadSub, DisplayUnitsAreMillimetresForPositionsOnly) {
    CPrmLoadSub p;
    const double shown[7] = {12.5, 123.4567, -250, 0.5, 0.1, 0.2, 0.3};
    p.FromDisplay(shown);
    EXPECT_EQ(p.Mass, 12.5);
    EXPECT_EQ(p.Lx, 123.4567 / 1000.0);
    EXPECT_EQ(p.Ly, -0.25);
    EXPECT_EQ(p.Lz, 0.0005);
    EXPECT_EQ(p.Ixx, 0.1);
    double back[7];
    p.ToDisplay(back);
    EXPECT_NEAR(back[1], 123.4567, 1e-12);
    EXPECT_EQ(back[2], -250.0);
    EXPECT_EQ(back[6], 0.3);
    p.Clear();
    EXPECT_EQ(p, CPrmLoadSub());
    CLoad l;
    l.Name = QStringLiteral("그리퍼");
    l.prm.Set(1, 2, 3, 4, 5, 6, 7);
    const CLoad copy = l;
    EXPECT_EQ(copy.Name, l.Name);
    EXPECT_EQ(copy.prm.Izz, 7.0);
    l.Clear();
    EXPECT_TRUE(l.Name.isEmpty());
    EXPECT_EQ(l.prm.Mass, 0.0);
}

TEST(PathHelpers, NameFolderAndExtension) {
    QString folder;
    EXPECT_EQ(FileNameOfPath(QStringLiteral("/home/eng/cells/line 3.kestload"), &folder),
              QStringLiteral("line 3.kestload"));
    EXPECT_EQ(folder, QStringLiteral("/home/eng/cells/"));
    EXPECT_EQ(FileNameOfPath(QStringLiteral("/home/eng/cells//")), QStringLiteral("cells"));
    // '\' is an ordinary character of a name: only '/' separates.
    EXPECT_EQ(FileNameOfPath(QStringLiteral("/work/x\\y.kestload"), &folder),
              QStringLiteral("x\\y.kestload"));
    EXPECT_EQ(folder, QStringLiteral("/work/"));
    EXPECT_EQ(StripExtension(FileNameOfPath(QStringLiteral("/w/x\\y.kestload"))), QStringLiteral("x\\y"));
    EXPECT_EQ(FileNameOfPath(QStringLiteral("/work/a\\")), QStringLiteral("a\\"));
    EXPECT_EQ(FileNameOfPath(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(StripExtension(QStringLiteral("line 3.kestload")), QStringLiteral("line 3"));
    EXPECT_EQ(StripExtension(QStringLiteral("archive.tar.gz")), QStringLiteral("archive.tar"));
    EXPECT_EQ(StripExtension(QStringLiteral("name.")), QString());
    EXPECT_EQ(StripExtension(QStringLiteral("noext")), QStringLiteral("noext"));
}

TEST(PathHelpers, ExistenceAndApplicationFolder) {
    QTemporaryDir dir;
    EXPECT_TRUE(PathExists(dir.path()));
    EXPECT_TRUE(PathExists(dir.path() + QStringLiteral("/")));
    EXPECT_FALSE(PathExists(dir.path() + QStringLiteral("/missing")));
    EXPECT_TRUE(PathExists(QStringLiteral("/")));
    EXPECT_FALSE(PathExists(QString()));
    EXPECT_TRUE(AppFolder().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(PathExists(AppFolder() + QStringLiteral("libTarn_Kest.so")));
}

TEST(Verdict, CodesAndTexts) {
    struct Case {
        int env, mass, moment, inertia;
        bool show;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, 0, 0, true, 1, "합격"},
        {1, 1, 0, 0, true, 2, "합격 (High-load (고부하))"},
        {0, 0, 0, 0, true, 2, "합격 (High-load (고부하))"},  // outside the envelope, no level
        {1, 0, 1, 1, true, 2, "합격 (High-load (고부하))"},
        {1, 0, 2, 0, true, 3, "불합격 (추가 분석이 필요합니다.)"},
        {1, 0, 0, 2, true, 3, "불합격 (추가 분석이 필요합니다.)"},
        {1, 3, 0, 0, true, 4, "불합격 (지원되지 않음)"},
        {0, 0, 2, 3, true, 4, "불합격 (지원되지 않음)"},
        {1, 0, 0, 3, false, 1, "합격"},  // hidden inertia does not count
        {1, 0, 2, 3, false, 3, "불합격 (추가 분석이 필요합니다.)"},
    };
    for (const Case& c : cases) {
        const CVerdict v = BuildVerdict(c.env, c.mass, c.moment, c.inertia, c.show);
        EXPECT_EQ(v.code, c.code) << c.env << c.mass << c.moment << c.inertia << c.show;
        EXPECT_EQ(v.text, QString::fromUtf8(c.text));
        EXPECT_EQ(v.massOverload, c.mass == 3);
    }
}

TEST(Verdict, DetailTextByteForByte) {
    EXPECT_EQ(BuildVerdict(1, 0, 0, 0, true).detail.toUtf8(),
              QByteArray("   중   량\t  :  O.K.\r\n   모멘트   \t  :  O.K.\r\n   이너셔\t  :  O.K."));
    EXPECT_EQ(BuildVerdict(1, 3, 2, 1, true).detail.toUtf8(),
              QByteArray("   중   량\t  :  Hyper-Overload (적용 불가)\r\n"
                         "   모멘트   \t  :  Statically Overload (예외 허용)\r\n"
                         "   이너셔\t  :  Dynamically High-load (고부하)"));
    EXPECT_EQ(BuildVerdict(1, 1, 3, 3, false).detail.toUtf8(),
              QByteArray("   중   량\t  :  High-load (고부하)\r\n   모멘트   \t  :  Statically "
                         "Hyper-Overload (적용 불가)"));
    // Mass level 2 does not occur; anything but 1 and 3 reads O.K.
    EXPECT_TRUE(BuildVerdict(1, 2, 0, 0, false).detail.startsWith(QStringLiteral("   중   량\t  :  O.K.")));
}

}  // namespace
