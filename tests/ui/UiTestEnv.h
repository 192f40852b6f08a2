// The fixed environment of the user-interface tests: offscreen platform, the
// build's application folder, a temporary data home, and message boxes and file
// dialogs recorded and answered instead of shown.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "Language.h"

namespace kesttest {

struct ShownMessage {
    QString text;
    QString caption;
    unsigned flags;
};

// Everything shown since the last Reset, and the answers to give (IDOK when none).
struct MessageLog {
    std::vector<ShownMessage> shown;
    std::deque<int> answers;
    std::deque<QString> chosenFiles;  // answers of file dialogs; empty text cancels
    QStringList offeredNames;         // the default names the file dialogs offered
    void Reset() {
        shown.clear();
        answers.clear();
        chosenFiles.clear();
        offeredNames.clear();
    }
    QStringList Texts() const {
        QStringList t;
        for (const ShownMessage& m : shown) t << m.text;
        return t;
    }
};

MessageLog& Messages();

// The application folder of the build (with its trailing '/').
QString BuildAppFolder();

// The whole file, or nothing when it cannot be read.
QByteArray ReadAll(const QString& path);

// The user's settings file (KestLoad.conf in the tests' temporary
// configuration folder).
QString SettingsFile();

// For a test that changes a setting (View > Language, the report dialog's
// choices, the settings file itself) or the language of the process: puts
// the settings file back as it was when the guard was made (gone, if it was
// missing; whatever the test wrote or put in its place is removed) and the
// process' language, so that no later test sees them.
class SettingsGuard {
public:
    SettingsGuard();
    ~SettingsGuard();
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    bool m_bExisted = false;
    QByteArray m_bytes;
    kest::Lang m_lang;
};

}  // namespace kesttest

// QStrings in test failures as readable text.
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
