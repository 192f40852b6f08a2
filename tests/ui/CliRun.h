// Running the real kestload of the build's application folder (or a copy of
// it) from the tests: through QProcess, or by posix_spawn with raw-byte
// arguments and a chosen standard output.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "UiTestEnv.h"

extern char** environ;

namespace kesttest {

struct CliRun {
    int status = -1;  // -1 not finished in time, -2 killed by a signal
    QByteArray out, err;
};

inline QString Example(const char* name) {
    return QStringLiteral(KEST_SOURCE_DIR "examples/") + QLatin1String(name);
}

// kestload with `args` and the environment of the tests, in Korean (as the
// window of the tests) unless `args` or `locale` say otherwise: with `locale`
// set, no --lang is added and the locale variables hold it. `program`
// replaces the build's kestload (a copy of the application folder).
inline CliRun Kestload(const QStringList& args, const QString& locale = QString(),
                       const QString& workDir = QString(), const QString& program = QString()) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the command line needs no display
    QStringList all = args;
    if (locale.isEmpty()) {
        if (!args.contains(QStringLiteral("--lang")))
            all = QStringList{QStringLiteral("--lang"), QStringLiteral("ko")} + args;
    } else {
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), locale);
    }
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    p.start(program.isEmpty() ? BuildAppFolder() + QStringLiteral("kestload") : program, all);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// Where a spawned kestload's standard output goes.
enum class StdoutTo { File, DevFull, Closed, BrokenPipe };

// kestload with the arguments as raw bytes (in `workDir`), standard output as
// `to` says; `out` holds what reached the file (StdoutTo::File).
inline CliRun SpawnKestload(const std::vector<QByteArray>& args, StdoutTo to, const QString& workDir) {
    CliRun r;
    QTemporaryDir tmp;
    const QByteArray outPath = QFile::encodeName(tmp.filePath(QStringLiteral("out")));
    const QByteArray errPath = QFile::encodeName(tmp.filePath(QStringLiteral("err")));
    const QByteArray program = QFile::encodeName(BuildAppFolder() + QStringLiteral("kestload"));
    std::vector<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& a : args) argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    int pipeFds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    switch (to) {
        case StdoutTo::File:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.constData(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0600);
            break;
        case StdoutTo::DevFull:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
        case StdoutTo::Closed: posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO); break;
        case StdoutTo::BrokenPipe:
            // The reading end is closed before the program starts.
            if (pipe(pipeFds) != 0) return r;
            close(pipeFds[0]);
            posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
            posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
            break;
    }
    const QByteArray dir = QFile::encodeName(workDir);
    posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeFds[1] >= 0) close(pipeFds[1]);
    if (rc != 0) return r;
    int wstatus = 0;
    if (waitpid(pid, &wstatus, 0) != pid) return r;
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -2;
    QFile out(QFile::decodeName(outPath)), err(QFile::decodeName(errPath));
    if (out.open(QIODevice::ReadOnly)) r.out = out.readAll();
    if (err.open(QIODevice::ReadOnly)) r.err = err.readAll();
    return r;
}

}  // namespace kesttest
