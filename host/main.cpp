// kestload: starts KestLoad's main window, optionally with a project file, or
// checks project files from the command line (see CommandLine.h, --help).
//
//   kestload [--lang ko|en] [PROJECT.kestload]
//   kestload --smoke-test    open, analyse the first mechanism with its rated
//                            load, print the verdict and close (for CI)
//   kestload --quit-after-first-paint [PROJECT.kestload]
//                            close as soon as the window has painted, printing
//                            its position and title (start-up benchmark, tests)
//
// --lang chooses the language of every text, before the user's setting
// (View > Language) and the locale (English for en_*, otherwise Korean). The
// command line never follows the setting: scripts parse what it prints, so
// only --lang and the locale decide there.
#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "CliOutput.h"
#include "CommandLine.h"
#include "DesktopIntegration.h"
#include "DlgBuilder.h"
#include "DlgMain.h"
#include "FileNameBytes.h"
#include "Icons.h"
#include "Language.h"
#include "MessageBox.h"
#include "Templates.h"

namespace {

// KESTLOAD_WINDOW_POS=x,y places the window (a new window asks for it).
bool WindowPosFromEnvironment(QPoint& pos) {
    const QByteArray v = qgetenv("KESTLOAD_WINDOW_POS");
    const QList<QByteArray> parts = v.split(',');
    if (parts.size() != 2) return false;
    bool okX = false, okY = false;
    pos = QPoint(parts[0].trimmed().toInt(&okX), parts[1].trimmed().toInt(&okY));
    return okX && okY;
}

int RunSmokeTest(CDlgMain& dlg) {
    int rc = 1;
    QTimer::singleShot(0, &dlg, [&dlg, &rc] {
        QListWidget* list = kest::DlgItem<QListWidget>(dlg.Client(), kest::IDC_LB_MECH);
        if (list == nullptr || list->count() == 0 || dlg.m_pEngine == nullptr) {
            std::fprintf(stderr, "smoke test: no mechanisms\n");
            dlg.done(2);
            return;
        }
        list->setCurrentRow(0);
        dlg.OnBnClickedAddLeg();
        dlg.OnBnClickedDefault();
        std::printf("%s: %s\n", qPrintable(list->item(0)->text()), qPrintable(dlg.m_strVerdict[0]));
        rc = dlg.m_nVerdict[0] == 1 ? 0 : 3;
        dlg.OnFileExit();
    });
    const int result = dlg.exec();
    return result == 1 ? rc : 4;
}

// Ends the program at the first paint of the main window's client area.
class CFirstPaintQuit : public QObject {
public:
    explicit CFirstPaintQuit(CDlgMain& dlg) : m_dlg(dlg) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_dlg.Client() && event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, &m_dlg, [this] {
                std::printf("window at %d,%d\ntitle: %s\npath: %s\n", m_dlg.pos().x(), m_dlg.pos().y(),
                            qPrintable(m_dlg.windowTitle()), qPrintable(m_dlg.GetPathName()));
                m_dlg.done(1);
            });
        }
        return false;
    }

private:
    CDlgMain& m_dlg;
    bool m_done = false;
};

// The language of this process, with Qt's own texts in it.
void StartLanguage(const QString& option) {
    const kest::Lang lang = kest::ApplyStartupLanguage(option);
    kest::InstallQtTranslation(lang);
}

}  // namespace

int main(int argc, char** argv) {
    // File names keep their bytes, also those that are not UTF-8.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << kest::FileNameFromBytes(QByteArray(argv[i]));
    QString lang, langError;
    if (!kest::TakeLanguageOption(args, &lang, &langError)) {
        std::fprintf(stderr, "kestload: %s\nTry 'kestload --help'.\n", qPrintable(langError));
        return 2;
    }
    if (IsCommandLineRequest(args)) {
        PrepareStandardStreams();
        // No window: no display is needed (the report is drawn off screen).
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Only the command's own messages reach standard error, not Qt's notes.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("KestLoad"));
        const kest::Lang cliLang = kest::ChooseLanguage(lang, QString(), kest::ProcessMessageLocale());
        kest::SetCurrentLanguage(cliLang);
        kest::InstallQtTranslation(cliLang);
        return RunCommandLine(args);
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "kestload: no display found. Run it in a desktop session, or set "
                     "QT_QPA_PLATFORM=offscreen to run without one.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KestLoad"));
    QApplication::setWindowIcon(kest::KestIcon(kest::IconId::App));
    StartLanguage(lang);

    const bool smoke = args.size() == 1 && args[0] == QLatin1String("--smoke-test");
    CDlgMain dlg(nullptr);
    if (smoke) return RunSmokeTest(dlg);
    const bool quitAfterPaint = !args.isEmpty() && args[0] == QLatin1String("--quit-after-first-paint");
    int fileArg = quitAfterPaint ? 1 : 0;
    if (args.size() > fileArg && args[fileArg] == QLatin1String("--"))
        ++fileArg;  // a file named like an option
    // A relative path is made absolute here: the title, Properties and Save use it.
    if (args.size() > fileArg) dlg.SetPathName(QFileInfo(args[fileArg]).absoluteFilePath());
    // The desktop opens .kestload files with this program, and only with it:
    // tools and tests that show the main window never register (failures ignored).
    // An installed package brings the system's files; then nothing is written.
    if (!SystemDesktopFilesExist()) {
        RegisterOpenCommand(QCoreApplication::applicationFilePath());
        RegisterDefaultIcon();
    }
    QPoint pos;
    if (WindowPosFromEnvironment(pos)) dlg.move(pos);
    CFirstPaintQuit firstPaint(dlg);
    if (quitAfterPaint) {
        dlg.Client()->installEventFilter(&firstPaint);
        return dlg.exec() == 1 ? 0 : 1;
    }
    // Work left by a window that did not close cleanly is offered first (not
    // without a screen, where nobody could answer and the copies would go).
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QTimer::singleShot(0, &dlg, [&dlg] { dlg.OfferRecovery(); });
    dlg.exec();
    return 0;
}
