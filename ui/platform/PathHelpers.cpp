#include "PathHelpers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <climits>

#include "Language.h"

namespace {

QString& Override() {
    static QString folder;
    return folder;
}

QString StripTrailingSeparators(QString path) {
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

}  // namespace

void SetAppFolderOverride(const QString& folder) {
    Override() = folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString AppFolder() {
    if (!Override().isEmpty()) return Override();
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return QStringLiteral("./");
    QString folder;
    FileNameOfPath(QFile::decodeName(QByteArray(buf, static_cast<int>(n))), &folder);
    return folder;
}

QString LanguageAppFile(const QString& relative) {
    const QLatin1String images("Image/");
    if (kest::CurrentLanguage() == kest::Lang::English && relative.startsWith(images)) {
        const QString twin = AppFolder() + images + QStringLiteral("en/") + relative.mid(images.size());
        if (QFile::exists(twin)) return twin;
    }
    return AppFolder() + relative;
}

QString FileNameOfPath(const QString& path, QString* folder) {
    const QString p = StripTrailingSeparators(path);
    const int sep = p.lastIndexOf(QLatin1Char('/'));
    if (sep < 0) {
        if (folder) folder->clear();
        return p;
    }
    if (folder) *folder = p.left(sep + 1);
    return p.mid(sep + 1);
}

QString StripExtension(const QString& name) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return name;
    if (dot == name.size() - 1) return QString();  // a name ending in '.'
    return name.left(dot);
}

bool PathExists(const QString& path) {
    const QString p = StripTrailingSeparators(path);
    if (p.isEmpty()) return path.startsWith(QLatin1Char('/'));  // the root folder
    struct stat st;
    return stat(QFile::encodeName(p).constData(), &st) == 0;
}
