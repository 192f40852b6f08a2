#include "MechTableCheck.h"

#include <QFile>
#include <QRegularExpression>

#include "MechLint.h"
#include "Strings.h"

namespace {

// The lint's sentences in Korean: each English pattern (matched whole) with
// its Korean form; a sentence without one stays as the lint wrote it.
struct ProblemPattern {
    const char* english;
    const char* korean;
};
const ProblemPattern kProblemPatterns[] = {
    {R"(the FileHeader has no (Version|LastModifiedDate) attribute)", "FileHeader에 \\1 속성이 없습니다"},
    {R"(the table holds no Mech element)", "테이블에 Mech 요소가 없습니다"},
    {R"(the text is not well-formed XML: (.*))", "올바른 형식의 XML이 아닙니다: \\1"},
    {R"(elements nest deeper than (\d+) levels)", "요소가 \\1단계보다 깊게 중첩되어 있습니다"},
    {R"(there is no FileHeader element inside a MechTable element)",
     "MechTable 요소 안에 FileHeader 요소가 없습니다"},
    {R"(the table cannot be read \(code (-?\d+)\))", "테이블을 읽을 수 없습니다 (코드 \\1)"},
    {R"(the Mech element has no Name attribute, so the program skips it)",
     "Mech 요소에 Name 속성이 없어 프로그램이 이 요소를 건너뜁니다"},
    {R"(the name is empty)", "이름이 비어 있습니다"},
    {R"(the name has (\d+) characters; at most (\d+) fit)", "이름이 \\1자입니다. 최대 \\2자까지 들어갑니다"},
    {R"(the name is already used on line (\d+); the program only finds the first)",
     "이름이 이미 \\1행에서 쓰였습니다. 프로그램은 첫 번째 것만 찾습니다"},
    {R"(the rated load is not real: Tau_uR2B \((.+)\) must be larger than Tau_uR1 \((.+)\))",
     "정격 부하가 성립하지 않습니다: Tau_uR2B (\\1)가 Tau_uR1 (\\2)보다 커야 합니다"},
    {R"(the rated load is not real: Tau_uR2B / Tau_uR1 puts its centre of gravity (.+) mm short of the flange)",
     "정격 부하가 성립하지 않습니다: Tau_uR2B / Tau_uR1에 따르면 무게중심이 플랜지에서 \\1 mm 모자랍니다"},
    {R"(the rated load is not real: (I_R2B|I_R1) \((.+)\) must be larger than M_Tmax times the squared (R2/B|R1) lever \((.+)\))",
     "정격 부하가 성립하지 않습니다: \\1 (\\2)이(가) M_Tmax × \\3 레버의 제곱 (\\4)보다 커야 합니다"},
    {R"(the allowable V-axis moment comes out as (.+); it must be a positive number)",
     "V축 허용 모멘트가 \\1(으)로 계산됩니다. 양수여야 합니다"},
    {R"(the allowable H-axis moment comes out as (.+); it must be a positive number)",
     "H축 허용 모멘트가 \\1(으)로 계산됩니다. 양수여야 합니다"},
    {R"(the allowable ([VHS])-axis inertia comes out as (.+); it must be a positive number)",
     "\\1축 허용 관성이 \\2(으)로 계산됩니다. 양수여야 합니다"},
    {R"((\S+) is missing)", "\\1 값이 없습니다"},
    {R"((\S+) is given (\d+) times; the program uses the last)",
     "\\1 값이 \\2번 있습니다. 프로그램은 마지막 값을 씁니다"},
    {R"((\S+) (".*") is not a number)", "\\1 \\2은(는) 숫자가 아닙니다"},
    {R"((\S+) (".*") is not a plain number; the program reads (.+))",
     "\\1 \\2은(는) 올바른 숫자가 아닙니다. 프로그램은 \\3(으)로 읽습니다"},
    {R"((\S+) (".*") is not a finite single-precision number)",
     "\\1 \\2은(는) 유한한 단정밀도 숫자가 아닙니다"},
    {R"((\S+) is (\S+); it must be positive)", "\\1 값이 \\2입니다. 양수여야 합니다"},
};

QString ProblemSentence(const QString& english) {
    if (kest::CurrentLanguage() == kest::Lang::English) return english;
    for (const ProblemPattern& p : kProblemPatterns) {
        const QRegularExpression re(QRegularExpression::anchoredPattern(QString::fromUtf8(p.english)));
        const QRegularExpressionMatch m = re.match(english);
        if (!m.hasMatch()) continue;
        QString korean = QString::fromUtf8(p.korean);
        for (int i = re.captureCount(); i >= 1; --i)
            korean.replace(QStringLiteral("\\%1").arg(i), m.captured(i));
        return korean;
    }
    return english;
}

}  // namespace

QString MechProblemText(const kest::MechLintFinding& finding) {
    QString out;
    if (finding.line > 0) out = kest::LoadKestString(kest::IDS_MECH_PROBLEM_LINE).arg(finding.line);
    if (!finding.mech.empty())
        out += (out.isEmpty() ? QString() : QStringLiteral(", ")) + QString::fromStdString(finding.mech);
    const QString sentence = ProblemSentence(QString::fromStdString(finding.problem)) + QLatin1Char('.');
    return out.isEmpty() ? sentence : out + QStringLiteral(": ") + sentence;
}

QString MechTableProblems(const QString& path) {
    const kest::MechLintReport report = kest::LintMechTableFile(QFile::encodeName(path).toStdString());
    if (!report.readable || report.Clean()) return QString();
    const int count = static_cast<int>(report.findings.size());
    QString text = count == 1 ? kest::LoadKestString(kest::IDS_MECH_PROBLEM_ONE)
                              : kest::LoadKestString(kest::IDS_MECH_PROBLEMS).arg(count);
    for (int i = 0; i < count && i < kMechProblemsListed; ++i)
        text += QLatin1Char('\n') + MechProblemText(report.findings[static_cast<size_t>(i)]);
    if (count > kMechProblemsListed)
        text += QLatin1Char('\n') +
                kest::LoadKestString(kest::IDS_MECH_PROBLEMS_MORE).arg(count - kMechProblemsListed);
    return text;
}
