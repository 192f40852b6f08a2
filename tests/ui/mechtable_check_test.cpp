// The service key (Ctrl+E) lints KestMechData.xml first: a table with problems
// is not encrypted, and the message lists the first ten and counts the rest.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "DialogFixture.h"
#include "Language.h"
#include "MechLint.h"
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
    // The Korean window says it all in Korean.
    EXPECT_EQ(lines[2], QStringLiteral("기구 테이블에 문제가 %1개 있어 암호화하지 않았습니다:").arg(models));
    EXPECT_EQ(lines[3], QStringLiteral("5행, TK6-1400: KI_V 값이 0입니다. 양수여야 합니다."));
    for (int i = 3; i < 3 + kMechProblemsListed; ++i)
        EXPECT_TRUE(lines[i].contains(QStringLiteral(": KI_V 값이 0입니다.")));
    EXPECT_EQ(lines.last(), QStringLiteral("... 외 %1개.").arg(models - kMechProblemsListed));

    // One problem is listed without a count; the sound table is encrypted.
    table = BundledTable();
    table.replace(QByteArray("Name=\"TK20-1700\""), QByteArray("Name=\"TK6-1400\""));
    Write(xml, table);
    pressServiceKey();
    ASSERT_EQ(Messages().shown.size(), 1u);
    // TK20-1700 stands on line 86 of the bundled table.
    EXPECT_TRUE(Messages().shown[0].text.endsWith(QStringLiteral(
        "문제가 1개 있어 암호화하지 않았습니다:\n86행, TK6-1400: 이름이 이미 5행에서 쓰였습니다. "
        "프로그램은 첫 번째 것만 찾습니다.")))
        << Messages().shown[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(bin));
    Write(xml, BundledTable());
    pressServiceKey();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.endsWith(bin)) << Messages().shown[0].text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(bin));
}

// Every sentence the lint writes reads in Korean in the Korean window, and as
// the lint wrote it in the English one.
TEST(MechProblemText, EveryLintSentenceInBothLanguages) {
    const char* const sentences[] = {
        "the FileHeader has no Version attribute",
        "the FileHeader has no LastModifiedDate attribute",
        "the table holds no Mech element",
        "the text is not well-formed XML: Error parsing start element tag",
        "elements nest deeper than 64 levels",
        "there is no FileHeader element inside a MechTable element",
        "the table cannot be read (code -7)",
        "the Mech element has no Name attribute, so the program skips it",
        "the name is empty",
        "the name has 80 characters; at most 63 fit",
        "the name is already used on line 5; the program only finds the first",
        "M_Tmax is missing",
        "M_Tmax is given 2 times; the program uses the last",
        "M_Tmax \"abc\" is not a number",
        "M_Tmax \"12kg\" is not a plain number; the program reads 12",
        "M_Tmax \"1e39\" is not a finite single-precision number",
        "KI_V is -1; it must be positive",
        "the rated load is not real: Tau_uR2B (1) must be larger than Tau_uR1 (2)",
        "the rated load is not real: Tau_uR2B / Tau_uR1 puts its centre of gravity 12.5 mm short of the "
        "flange",
        "the rated load is not real: I_R2B (0.1) must be larger than M_Tmax times the squared R2/B lever "
        "(0.2)",
        "the rated load is not real: I_R1 (0.1) must be larger than M_Tmax times the squared R1 lever (0.2)",
        "the allowable V-axis moment comes out as -1; it must be a positive number",
        "the allowable H-axis moment comes out as 0; it must be a positive number",
        "the allowable S-axis inertia comes out as nan; it must be a positive number",
    };
    // Words of running English text; names such as FileHeader, M_Tmax or
    // TK6-1400 and the parser's own description may stay.
    const QRegularExpression english(QStringLiteral("\\b(the|is|has|must|be|than|of|no|program|line)\\b"));
    for (const char* sentence : sentences) {
        SCOPED_TRACE(sentence);
        const MechLintFinding finding{12, "TK6-1400", sentence};
        SetCurrentLanguage(Lang::Korean);
        const QString korean = MechProblemText(finding);
        EXPECT_TRUE(korean.startsWith(QStringLiteral("12행, TK6-1400: "))) << korean.toStdString();
        EXPECT_FALSE(korean.section(QStringLiteral(": "), 1).contains(english)) << korean.toStdString();
        SetCurrentLanguage(Lang::English);
        EXPECT_EQ(MechProblemText(finding), QString::fromStdString(finding.Text()));
    }
    SetCurrentLanguage(Lang::Korean);
}

}  // namespace
