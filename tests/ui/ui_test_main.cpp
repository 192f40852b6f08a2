// Test program of the user interface: a QApplication on the offscreen platform
// with the build's application folder and recorded message boxes. The tests
// read Korean texts: the language is Korean whatever the machine's locale, and
// settings go to a temporary folder, never to the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "Language.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "SettingsFile.h"
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

QString SettingsFile() { return kest::UserSettingsPath(QStringLiteral("KestLoad")); }

SettingsGuard::SettingsGuard() : m_lang(kest::CurrentLanguage()) {
    // Only a regular file is kept: reading a FIFO would block.
    m_bExisted = QFileInfo(SettingsFile()).isFile();
    if (m_bExisted) m_bytes = ReadAll(SettingsFile());
}

SettingsGuard::~SettingsGuard() {
    const QString path = SettingsFile();
    QFile::remove(path);
    if (m_bExisted) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(m_bytes);
    }
    kest::SetCurrentLanguage(m_lang);
}

}  // namespace kesttest

namespace {

// What a test may change for its own run and must put back for the next one:
// the settings file, the language of the process, the application folder and
// the variables that choose folders and language.
QString SharedState() {
    QString state = QStringLiteral("language %1, application folder %2")
                        .arg(kest::LanguageCode(kest::CurrentLanguage()), AppFolder());
    const QFileInfo settings(kesttest::SettingsFile());
    if (settings.exists()) {
        state +=
            QStringLiteral(", settings file: ") +
            (settings.isFile() ? QString::fromUtf8(kesttest::ReadAll(settings.filePath()).toPercentEncoding())
                               : QStringLiteral("not a regular file"));
    }
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_DATA_DIRS", "LC_ALL",
                             "LC_MESSAGES", "LANG", "KESTLOAD_WINDOW_POS"}) {
        if (qEnvironmentVariableIsSet(name))
            state += QStringLiteral(", %1=%2").arg(QLatin1String(name), qEnvironmentVariable(name));
    }
    return state;
}

// Names every test that leaves the shared state changed, and fails the run:
// the next test, in whatever order, would otherwise start from it.
class LeftoverCheck : public ::testing::EmptyTestEventListener {
public:
    bool failed = false;

private:
    void OnTestStart(const ::testing::TestInfo&) override { m_before = SharedState(); }
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const QString after = SharedState();
        if (after == m_before) return;
        failed = true;
        std::fprintf(stderr, "%s.%s did not put back what it changed\n  before: %s\n  after:  %s\n",
                     test.test_suite_name(), test.name(), qPrintable(m_before), qPrintable(after));
    }
    QString m_before;
};

}  // namespace

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
    auto* leftovers = new LeftoverCheck;  // owned by the listener list
    ::testing::UnitTest::GetInstance()->listeners().Append(leftovers);
    const int status = RUN_ALL_TESTS();
    return status != 0 ? status : leftovers->failed ? 1 : 0;
}
