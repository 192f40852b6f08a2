// Reading the report's PDF files back with the poppler tools (a dependency of
// the build).
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kesttest {

// The output of a poppler tool; fails the test when the tool fails.
inline QString Poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    EXPECT_TRUE(ok) << tool.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of one page (numbered from 1).
inline QString PdfText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, "-"});
}

}  // namespace kesttest
