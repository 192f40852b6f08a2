#include "RecoveryStore.h"

#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <atomic>
#include <cerrno>

#include "AtomicFile.h"
#include "ProjectFile.h"
#include "RegularFile.h"

namespace {

// The largest side file that is read (it holds a path and a time).
constexpr qint64 kMaxInfoBytes = 64 * 1024;

// Which run of the machine and which process: the boot's id and the
// process's start time (clock ticks after boot), both from /proc. A pid alone
// is not enough: after a restart, or once the pid is given to another
// program, a copy would never be offered.
QString BootId() {
    QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.read(256).trimmed()) : QString();
}

// The state letter and start time of `pid` from /proc/<pid>/stat; false when
// there is no such process.
bool ProcessStat(qint64 pid, char& state, QByteArray& start) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray stat = f.read(4096);
    // The command name may hold blanks and parentheses: fields follow the last ')'.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 1).simplified().split(' ');
    if (fields.size() < 20 || fields[0].isEmpty()) return false;
    state = fields[0][0];
    start = fields[19];
    return true;
}

QByteArray OwnStartTime() {
    char state = 0;
    QByteArray start;
    ProcessStat(QCoreApplication::applicationPid(), state, start);
    return start;
}

// Whether the window that wrote a copy still runs: the same boot, a live
// process (not a zombie) with that pid and, where recorded, that start time.
bool WriterRuns(qint64 pid, const QString& boot, const QByteArray& start) {
    if (pid <= 0 || pid > 0x7fffffff) return false;
    if (!boot.isEmpty() && !BootId().isEmpty() && boot != BootId()) return false;
    char state = 0;
    QByteArray now;
    if (ProcessStat(pid, state, now))
        return state != 'Z' && state != 'X' && (start.isEmpty() || start == now);
    // Without /proc: a process that exists but belongs to someone else (EPERM) still runs.
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int NextWindowNumber() {
    static std::atomic<int> counter{0};
    return ++counter;
}

}  // namespace

QString RecoveryFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = !state.isEmpty() && QDir::isAbsolutePath(state)
                             ? state
                             : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/kestload/");
}

CRecoveryStore::CRecoveryStore() {
    const QString stem =
        QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(NextWindowNumber());
    m_strCopy = stem + QStringLiteral(".kestload");
    m_strInfo = stem + QStringLiteral(".json");
}

bool CRecoveryStore::Write(const CProject& project, const QString& originalPath, QString* error) {
    const QString folder = RecoveryFolder();
    // The folder is the user's own: nobody else reads unsaved projects.
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (WriteProjectFile(folder + m_strCopy, project, error) < 0) return false;
    QJsonObject info;
    info.insert(QStringLiteral("path"), originalPath);
    info.insert(QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    info.insert(QStringLiteral("pid"), QCoreApplication::applicationPid());
    info.insert(QStringLiteral("boot"), BootId());
    info.insert(QStringLiteral("start"), QString::fromLatin1(OwnStartTime()));
    if (!WriteFileAtomically(folder + m_strInfo, QJsonDocument(info).toJson(), error)) return false;
    m_bWritten = true;
    return true;
}

void CRecoveryStore::Remove() {
    if (!m_bWritten) return;
    const QString folder = RecoveryFolder();
    QFile::remove(folder + m_strInfo);
    QFile::remove(folder + m_strCopy);
    m_bWritten = false;
}

QList<CRecoveryCopy> CRecoveryStore::StaleCopies() {
    QList<CRecoveryCopy> found;
    const QDir dir(RecoveryFolder());
    const qint64 self = QCoreApplication::applicationPid();
    for (const QFileInfo& fi : dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files)) {
        CRecoveryCopy c;
        c.infoPath = fi.absoluteFilePath();
        c.copyPath =
            fi.absolutePath() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral(".kestload");
        QByteArray bytes;
        if (!ReadRegularFile(c.infoPath, kMaxInfoBytes, bytes)) continue;
        const QJsonObject info = QJsonDocument::fromJson(bytes).object();
        c.pid = info.value(QStringLiteral("pid")).toInteger();
        c.originalPath = info.value(QStringLiteral("path")).toString();
        c.time = QDateTime::fromString(info.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
        // Copies of running windows (this process's too) are theirs.
        const QString boot = info.value(QStringLiteral("boot")).toString();
        const QByteArray start = info.value(QStringLiteral("start")).toString().toLatin1();
        if (c.pid <= 0 || c.pid == self || WriterRuns(c.pid, boot, start) || !QFileInfo(c.copyPath).isFile())
            continue;
        found << c;
    }
    std::sort(found.begin(), found.end(),
              [](const CRecoveryCopy& a, const CRecoveryCopy& b) { return a.time > b.time; });
    return found;
}

int CRecoveryStore::Read(const CRecoveryCopy& copy, CProject& project, QString* error) {
    return ReadProjectFile(copy.copyPath, project, error);
}

void CRecoveryStore::Discard(const CRecoveryCopy& copy) {
    QFile::remove(copy.infoPath);
    QFile::remove(copy.copyPath);
}
