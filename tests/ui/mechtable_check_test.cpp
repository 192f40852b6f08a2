// The service key (Ctrl+E) lints KestMechData.xml first: a table with problems
// is not encrypted, and the message lists the first ten and counts the rest.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "DialogFixture.h"
#include "MechTableCheck.h"
#include "PathHelpers.h"
#include "Tarn_Kest.h"

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

namespace {

QByteArray BundledTable() {
    QFile f(QStringLiteral(KEST_SOURCE_DIR "data/mech/KestMechData.xml"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST_F(MainDialog, ServiceKeyRefusesATableWithProblems) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(AppFolder() + QStringLiteral("libTarn_Kest.so"),
                            dir.filePath(QStringLiteral("libTarn_Kest.so"))));
    const QString xml = dir.filePath(QStringLiteral("KestMechData.xml"));
    const QString bin = dir.filePath(QStringLiteral("KestMechData.bin"));
    // Every model's V-axis inertia factor zeroed: one problem per model.
    QByteArray table = BundledTable();
    const int models = static_cast<int>(table.count("<Mech "));
    ASSERT_GT(models, kMechProblemsListed);
    Write(xml, QString::fromUtf8(table)
                   .replace(QRegularExpression(QStringLiteral("<KI_V>[^<]*</KI_V>")),
                            QStringLiteral("<KI_V>0</KI_V>"))
                   .toUtf8());

    auto* engineer = DlgItem<QLineEdit>(dlg->Client(), IDC_ENGINEER);
    engineer->setText(QStringLiteral("tulip284"));
    auto pressServiceKey = [&] {
        Messages().Reset();
        SetAppFolderOverride(dir.path());
        QTest::keyClick(engineer, Qt::Key_E, Qt::ControlModifier);
        SetAppFolderOverride(kesttest::BuildAppFolder());
    };
    pressServiceKey();
    ASSERT_EQ(Messages().shown.size(), 1u);
    const kesttest::ShownMessage& m = Messages().shown[0];
    EXPECT_FALSE(QFileInfo::exists(bin)) << "a table with problems was encrypted";
    EXPECT_EQ(m.flags, static_cast<unsigned>(KEST_MB_OK | KEST_MB_ICONSTOP));
    const QStringList lines = m.text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3 + kMechProblemsListed + 1) << m.text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("기구 데이터 파일을 암호화하지 못했습니다."));
    EXPECT_EQ(lines[1], xml);
    EXPECT_EQ(lines[2],
              QStringLiteral("The mechanism table has %1 problems and was not encrypted:").arg(models));
    EXPECT_EQ(lines[3], QStringLiteral("line 5, TK6-1400: KI_V is 0; it must be positive."));
    for (int i = 3; i < 3 + kMechProblemsListed; ++i)
        EXPECT_TRUE(lines[i].contains(QStringLiteral(": KI_V is 0;")));
    EXPECT_EQ(lines.last(), QStringLiteral("... and %1 more.").arg(models - kMechProblemsListed));

    // One problem is listed without a count; the sound table is encrypted.
    table = BundledTable();
    table.replace(QByteArray("Name=\"TK20-1700\""), QByteArray("Name=\"TK6-1400\""));
    Write(xml, table);
    pressServiceKey();
    ASSERT_EQ(Messages().shown.size(), 1u);
    // TK20-1700 stands on line 86 of the bundled table.
    EXPECT_TRUE(Messages().shown[0].text.endsWith(
        QStringLiteral("has 1 problem and was not encrypted:\nline 86, TK6-1400: the name is already used on "
                       "line 5; the program only finds the first.")))
        << Messages().shown[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(bin));
    Write(xml, BundledTable());
    pressServiceKey();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.endsWith(bin)) << Messages().shown[0].text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(bin));
}

}  // namespace
