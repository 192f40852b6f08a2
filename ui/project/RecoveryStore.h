// Recovery copies of unsaved work: each window writes its project now and then
// to the user's state folder, so that a crash or a kill costs little. A copy
// is a project file plus a side file naming the project's own path and the
// time; copies of processes that are no longer running are the ones offered
// at the next start.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "KestLoadLibExport.h"

class CProject;

// $XDG_STATE_HOME/kestload/ (an absolute XDG_STATE_HOME only), otherwise
// ~/.local/state/kestload/; with its trailing '/'.
KESTLOADLIB_API QString RecoveryFolder();

// One copy found in the folder.
struct KESTLOADLIB_API CRecoveryCopy {
    QString copyPath;      // the project file
    QString infoPath;      // its side file
    QString originalPath;  // where the project lives (empty: never saved)
    QDateTime time;        // when the copy was written (UTC)
    qint64 pid = 0;        // the process that wrote it
};

class KESTLOADLIB_API CRecoveryStore {
public:
    // The copy of one window: named by this process's id and a number that
    // is new for every store of the process ("<pid>-<n>.kestload").
    CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;

    // Writes the project and its side file atomically; false with the reason.
    bool Write(const CProject& project, const QString& originalPath, QString* error = nullptr);
    // Deletes this window's copy (nothing when there is none).
    void Remove();
    bool HasCopy() const { return m_bWritten; }
    QString CopyPath() const { return m_strCopy; }

    // Copies of processes that no longer run, the newest first.
    static QList<CRecoveryCopy> StaleCopies();
    // Reads a copy into `project` (all or nothing, as a project file); 0 or < 0.
    static int Read(const CRecoveryCopy& copy, CProject& project, QString* error = nullptr);
    // Deletes a copy and its side file.
    static void Discard(const CRecoveryCopy& copy);

private:
    QString m_strCopy, m_strInfo;
    bool m_bWritten = false;
};
