#include "PredefLoadList.h"

#include <QRegularExpression>

#include "PredefLoads.h"

QString PredefLoadInfo::SingleMount() const {
    const QStringList tokens = mount.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    return tokens.size() == 1 ? tokens.first() : QString();
}

namespace {

// Pictures are written below the application folder: only a plain file name
// under Image/Load/ is accepted, so a load cannot steer the output elsewhere.
bool IsPictureName(const QString& img) {
    static const QRegularExpression re(QStringLiteral("^Image/Load/[A-Za-z0-9_][A-Za-z0-9_.-]*\\.png$"));
    return re.match(img).hasMatch() && !img.contains(QStringLiteral(".."));
}

}  // namespace

bool ReadPredefLoads(const QString& path, QVector<PredefLoadInfo>& out, QString& error) {
    CPredefLoads file;
    QString reason;
    if (ReadPredefFile(path, file, &reason) != 0) {
        error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    if (!file.skipped.isEmpty()) {
        error = file.skipped.join(QLatin1Char('\n'));
        return false;
    }
    for (size_t i = 0; i < file.loads.size(); ++i) {
        const CLoad& load = file.loads[i];
        PredefLoadInfo info;
        info.name = load.Name;
        info.img = load.Img;
        info.mount = load.Mount;
        info.appl = load.Appl;
        // The pictures are drawn from the numbers as written.
        const std::array<double, 7>& written = file.written[i];
        info.mass = written[0];
        for (int k = 0; k < 3; ++k) {
            info.L[k] = written[1 + k];
            info.I[k] = written[4 + k];
        }
        if (info.name.isEmpty()) {
            error = QStringLiteral("%1: a load has no name").arg(path);
            return false;
        }
        if (!IsPictureName(info.img)) {
            error = QStringLiteral("%1: load \"%2\": picture \"%3\" is not a PNG file name under Image/Load/")
                        .arg(path, info.name, info.img);
            return false;
        }
        out.append(info);
    }
    return true;
}
