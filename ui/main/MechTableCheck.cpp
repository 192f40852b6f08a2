#include "MechTableCheck.h"

#include <QFile>

#include "MechLint.h"

QString MechTableProblems(const QString& path) {
    const kest::MechLintReport report = kest::LintMechTableFile(QFile::encodeName(path).toStdString());
    if (!report.readable || report.Clean()) return QString();
    const int count = static_cast<int>(report.findings.size());
    QString text = QStringLiteral("The mechanism table has %1 problem%2 and was not encrypted:")
                       .arg(count)
                       .arg(count == 1 ? QString() : QStringLiteral("s"));
    for (int i = 0; i < count && i < kMechProblemsListed; ++i) {
        text += QLatin1Char('\n') + QString::fromStdString(report.findings[static_cast<size_t>(i)].Text());
    }
    if (count > kMechProblemsListed)
        text += QStringLiteral("\n... and %1 more.").arg(count - kMechProblemsListed);
    return text;
}
