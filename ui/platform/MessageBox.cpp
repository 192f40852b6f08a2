#include "MessageBox.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <cstdio>

namespace kest {
namespace {

MessageBoxHandler& BoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

FileDialogHandler& DialogHandler() {
    static FileDialogHandler handler;
    return handler;
}

int ShowRealMessageBox(const QString& text, const QString& caption, unsigned flags) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0u) {
        case KEST_MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
        case KEST_MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case KEST_MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
        case KEST_MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (flags & 0x0Fu) {
        case KEST_MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case KEST_MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case KEST_MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return IDYES;
        case QMessageBox::No: return IDNO;
        case QMessageBox::Cancel: return IDCANCEL;
        default: return (flags & 0x0Fu) == KEST_MB_OK ? IDOK : IDCANCEL;
    }
}

// "Name (*.ext)|*.ext|All Files (*.*)|*.*||" -> Qt's "Name (*.ext);;All Files (*)"
QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString label = parts[i];
        const int paren = label.indexOf(QLatin1Char('('));
        if (paren > 0) label = label.left(paren).trimmed();
        out << QStringLiteral("%1 (%2)").arg(label, pattern);
    }
    return out.join(QStringLiteral(";;"));
}

// Icons by the kind of entry alone. Qt's own provider reads a file's first
// bytes to find its type, and a special file (in /proc, a device) can block
// that read forever: the dialog, and with it the whole window, would hang.
class CKindIconProvider : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QAbstractFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override {
        if (info.isRoot()) return icon(Drive);
        return icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override {
        return info.isDir() ? QStringLiteral("Folder") : info.suffix();
    }
};

QString ShowRealFileDialog(QWidget* parent, const FileDialogRequest& r) {
    static CKindIconProvider icons;
    QFileDialog dlg(parent, QString(), QString(), QtFilter(r.filter));
    dlg.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::ReadOnly, false);
    // Qt's own dialog speaks the program's language; a desktop's would speak the session's.
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setIconProvider(&icons);
    dlg.setDefaultSuffix(r.defaultExtension);
    // A name ending in '/' is the folder to start in, with no file name proposed.
    if (r.defaultName.endsWith(QLatin1Char('/')))
        dlg.setDirectory(r.defaultName);
    else if (!r.defaultName.isEmpty())
        dlg.selectFile(r.defaultName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    return QFileInfo(dlg.selectedFiles().first()).absoluteFilePath();
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { BoxHandler() = std::move(handler); }

QString AppName() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("KestLoad") : name;
}

int KestMessageBox(const QString& text, unsigned flags) {
    if (BoxHandler()) return BoxHandler()(text, AppName(), flags);
    // Without a display (or a user) a modal box would wait forever: write the
    // text and take "No" for a question, "OK" otherwise.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(AppName()), qPrintable(text));
        const unsigned buttons = flags & 0x0Fu;
        if (buttons == KEST_MB_YESNO || buttons == KEST_MB_YESNOCANCEL) return IDNO;
        return buttons == KEST_MB_OK ? IDOK : IDCANCEL;
    }
    return ShowRealMessageBox(text, AppName(), flags);
}

void SetFileDialogHandler(FileDialogHandler handler) { DialogHandler() = std::move(handler); }

QString KestFileDialog(QWidget* parent, const FileDialogRequest& request) {
    if (DialogHandler()) return DialogHandler()(parent, request);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return QString();  // nobody to choose
    return ShowRealFileDialog(parent, request);
}

namespace {

UrlOpener& Opener() {
    static UrlOpener opener;
    return opener;
}

ProcessStarter& Starter() {
    static ProcessStarter starter;
    return starter;
}

}  // namespace

void SetUrlOpener(UrlOpener opener) { Opener() = std::move(opener); }

bool KestOpenDocument(const QString& path) {
    if (Opener()) return Opener()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetProcessStarter(ProcessStarter starter) { Starter() = std::move(starter); }

bool KestStartProcess(const QString& program, const QStringList& arguments, const QStringList& environment) {
    if (Starter()) return Starter()(program, arguments, environment);
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& kv : environment) {
        const int eq = kv.indexOf(QLatin1Char('='));
        if (eq > 0) env.insert(kv.left(eq), kv.mid(eq + 1));
    }
    process.setProcessEnvironment(env);
    return process.startDetached();
}

}  // namespace kest

extern "C" int KestMessageBoxW(const char16_t* text, unsigned int flags) {
    return kest::KestMessageBox(text ? QString::fromUtf16(text) : QString(), flags);
}
