// Test program of the user interface: a QApplication on the offscreen platform
// with the build's application folder and recorded message boxes. The tests
// read Korean texts: the language is Korean whatever the machine's locale, and
// settings go to a temporary folder, never to the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "Language.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "UiTestEnv.h"

namespace kesttest {

MessageLog& Messages() {
    static MessageLog log;
    return log;
}

QString BuildAppFolder() { return QStringLiteral(KEST_APP_DIR); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace kesttest

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir dataHome;
    setenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()).constData(), 1);
    setenv("XDG_RUNTIME_DIR", QFile::encodeName(dataHome.path()).constData(), 1);
    QTemporaryDir stateHome;  // recovery copies
    setenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()).constData(), 1);
    QTemporaryDir configHome;
    setenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()).constData(), 1);
    kest::SetCurrentLanguage(kest::Lang::Korean);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KestLoad"));
    SetAppFolderOverride(kesttest::BuildAppFolder());
    kest::SetMessageBoxHandler([](const QString& text, const QString& caption, unsigned flags) {
        auto& log = kesttest::Messages();
        log.shown.push_back({text, caption, flags});
        if (log.answers.empty()) return static_cast<int>(kest::IDOK);
        const int a = log.answers.front();
        log.answers.pop_front();
        return a;
    });
    kest::SetFileDialogHandler([](QWidget*, const kest::FileDialogRequest& request) {
        auto& log = kesttest::Messages();
        log.offeredNames << request.defaultName;
        if (log.chosenFiles.empty()) return QString();
        const QString f = log.chosenFiles.front();
        log.chosenFiles.pop_front();
        return f;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
