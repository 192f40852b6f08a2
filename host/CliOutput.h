// The command line's output: every write to standard output is checked, so
// that output lost to a full disk, a closed descriptor or a broken pipe ends
// in exit status 2 instead of a silent 0; and texts from files are shown with
// their control characters escaped, so that no name can forge a line.
#pragma once

#include <QString>

// Ignores SIGPIPE (a broken pipe then fails the write, which is checked) and
// gives a closed standard input, output or error /dev/null, so that no file
// opened later takes its number. A closed standard output is remembered and
// counts as lost output.
void PrepareStandardStreams();

// Writes `text` as UTF-8 to standard output; false when it was lost (also
// remembered for FinishOutput).
bool Print(const QString& text);

// Flushes standard output; false with the reason when any output was lost.
bool FinishOutput(QString* reason);

// "kestload: <text>" and a line end on standard error.
void PrintError(const QString& text);

// `text` with control characters (C0, DEL, C1, line and paragraph separators,
// bidirectional overrides) written as \n, \r, \t, \xNN or \u{NNNN}, and the
// bytes of a file name that are not UTF-8 as \xNN. With `keepTabs` a tab stays.
QString Shown(const QString& text, bool keepTabs = false);

// Only the bytes of a file name that are not UTF-8 written as \xNN (for JSON,
// which escapes control characters itself).
QString ShownBytes(const QString& text);
