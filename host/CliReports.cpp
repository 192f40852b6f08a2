#include "CliReports.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <utility>

#include "FileNameBytes.h"
#include "Strings.h"

namespace {

using FileId = std::pair<dev_t, ino_t>;

bool IdentityOf(const QString& path, FileId* id, bool* isDir = nullptr) {
    struct stat st;
    if (stat(kest::FileNameToBytes(path).constData(), &st) != 0) return false;
    *id = FileId(st.st_dev, st.st_ino);
    if (isDir) *isDir = S_ISDIR(st.st_mode);
    return true;
}

}  // namespace

QVector<CReportTarget> PlanReports(const QString& report, const QStringList& files) {
    QVector<std::pair<FileId, QString>> inputs;
    for (const QString& f : files) {
        FileId id;
        if (IdentityOf(f, &id)) inputs.append({id, f});
    }
    FileId reportId;
    bool reportIsDir = false;
    IdentityOf(report, &reportId, &reportIsDir);
    const bool inFolder = files.size() > 1 || reportIsDir;

    QVector<CReportTarget> targets;
    QSet<QString> used;
    for (const QString& file : files) {
        CReportTarget t;
        if (inFolder) {
            const QString base = QFileInfo(file).completeBaseName();
            QString name = base + QStringLiteral(".pdf");
            for (int n = 2; used.contains(name); ++n) name = QStringLiteral("%1-%2.pdf").arg(base).arg(n);
            used.insert(name);
            t.path = QDir(report).filePath(name);
        } else {
            t.path = report;
        }
        FileId id;
        if (IdentityOf(t.path, &id)) {
            for (const auto& input : inputs) {
                if (input.first == id)
                    t.error = kest::LoadKestString(kest::IDS_CLI_REPORT_IS_INPUT).arg(input.second);
            }
        }
        targets.append(t);
    }
    return targets;
}
