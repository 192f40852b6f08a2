#include "DesktopIntegration.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include "AtomicFile.h"
#include "Icons.h"

namespace {

const char* const kMimeType = "application/x-kestload";

// Writes `bytes` unless the file already holds them; false on failure.
bool WriteIfChanged(const QString& path, const QByteArray& bytes, bool* changed = nullptr) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
        if (changed) *changed = false;
        return true;
    }
    if (!QDir().mkpath(QFileInfo(path).path()) || !WriteFileAtomically(path, bytes)) return false;
    if (changed) *changed = true;
    return true;
}

bool WriteIcon(const QString& path, const QImage& image) {
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    return WriteIfChanged(path, png);
}

}  // namespace

QString DesktopDataHome() {
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return QDir::cleanPath(xdg);
    const QString home = QDir::homePath();
    if (home.isEmpty() || home == QLatin1String("/")) return QString();
    return home + QStringLiteral("/.local/share");
}

QString DesktopExecLine(const QString& executable) {
    // Quoted as desktop entries require: inside the quotes
    // `"`, `` ` ``, `$` and `\` are escaped with `\`; then, as for every string
    // value, `\` itself is written `\\`, and `%` is written `%%`.
    QString quoted;
    for (const QChar c : executable) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    QString value = QLatin1Char('"') + quoted + QLatin1Char('"');
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return value + QStringLiteral(" %f");
}

int RegisterOpenCommand(const QString& executable) {
    const QString home = DesktopDataHome();
    if (home.isEmpty() || executable.isEmpty()) return -20;
    // A line break in the program's path would start a new key of the entry
    // (a second Exec line): such a path is not registered at all.
    for (const QChar c : executable) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return -20;
    }
    const QString entry = QStringLiteral(
                              "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=KestLoad\n"
                              "GenericName=Robot payload check\n"
                              "Comment=Checks tool and arm loads against the robot's allowable values\n"
                              "Exec=%1\n"
                              "Icon=kestload\n"
                              "MimeType=%2;\n"
                              "Terminal=false\n"
                              "Categories=Engineering;Science;\n")
                              .arg(DesktopExecLine(executable), QLatin1String(kMimeType));
    const bool ok = WriteIfChanged(home + QStringLiteral("/applications/kestload.desktop"), entry.toUtf8()) &&
                    WriteIcon(home + QStringLiteral("/icons/hicolor/256x256/apps/kestload.png"),
                              kest::DrawKestIcon(kest::IconId::App, 256));
    return ok ? 0 : -20;
}

int RegisterDefaultIcon() {
    const QString home = DesktopDataHome();
    if (home.isEmpty()) return -20;
    const QByteArray package =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"application/x-kestload\">\n"
        "    <comment>KestLoad project</comment>\n"
        "    <icon name=\"application-x-kestload\"/>\n"
        "    <glob pattern=\"*.kestload\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    bool changed = false;
    const bool ok =
        WriteIfChanged(home + QStringLiteral("/mime/packages/kestload.xml"), package, &changed) &&
        WriteIcon(home + QStringLiteral("/icons/hicolor/256x256/mimetypes/application-x-kestload.png"),
                  kest::DrawKestIcon(kest::IconId::Document, 256));
    if (!ok) return -20;
    // The desktop reads the package through its cache; refresh it when it changed.
    if (changed) {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (!tool.isEmpty()) QProcess::startDetached(tool, {home + QStringLiteral("/mime")});
    }
    return 0;
}

bool SystemDesktopFilesExist() {
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty()) dirs = QStringLiteral("/usr/local/share/:/usr/share/");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Relative entries are invalid and ignored, as the base-directory rules say.
        if (!QDir::isAbsolutePath(dir)) continue;
        if (QFileInfo::exists(dir + QStringLiteral("/applications/kestload.desktop")) &&
            QFileInfo::exists(dir + QStringLiteral("/mime/packages/kestload.xml"))) {
            return true;
        }
    }
    return false;
}
