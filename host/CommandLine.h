// kestload's command line: checks of project files without a window.
//
//   kestload --check FILE.kestload... [--old-data] [--json] [--report OUT.pdf] [--grey]
//   kestload --fit FILE.kestload [--old-data] [--json]
//   kestload --help | --version
// (--lang ko|en is taken out of the arguments and applied by main.) After
// "--" every argument is a file name.
#pragma once

#include <QStringList>

// Whether the arguments ask for the command line rather than the window: any
// option before "--" other than the window's own first argument
// (--smoke-test, --quit-after-first-paint). Unknown options are the command
// line's usage errors, never a window.
bool IsCommandLineRequest(const QStringList& args);

// Runs the request (the arguments without the program name) and returns the
// exit status: 0 every robot passes (--fit: some model carries the load),
// 1 a robot fails or is not in the data, 2 a usage, file, data or output error.
int RunCommandLine(const QStringList& args);
