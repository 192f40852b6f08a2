#include "PredefLoadList.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>

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

bool ReadNumber(const QString& text, double& v) {
    bool ok = false;
    v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v);
}

}  // namespace

bool ReadPredefLoads(const QString& path, QVector<PredefLoadInfo>& out, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QXmlStreamReader xml(&file);
    bool inLoad = false;
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView tag = xml.name();
            if (tag == QLatin1String("Load")) {
                out.append(PredefLoadInfo());
                out.last().name = xml.attributes().value(QLatin1String("Name")).toString();
                inLoad = true;
                continue;
            }
            if (!inLoad) continue;
            PredefLoadInfo& cur = out.last();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            static const char* const kNumbers[] = {"Mass", "L_X", "L_Y", "L_Z", "I_X", "I_Y", "I_Z"};
            double* const fields[] = {&cur.mass, &cur.L[0], &cur.L[1], &cur.L[2],
                                      &cur.I[0], &cur.I[1], &cur.I[2]};
            bool numeric = false;
            for (int i = 0; i < 7; ++i) {
                if (tag != QLatin1String(kNumbers[i])) continue;
                numeric = true;
                if (!ReadNumber(text, *fields[i])) {
                    error = QStringLiteral("%1: load \"%2\": %3 is not a finite number: \"%4\"")
                                .arg(path, cur.name, QLatin1String(kNumbers[i]), text);
                    return false;
                }
            }
            if (numeric) continue;
            if (tag == QLatin1String("Img"))
                cur.img = text.trimmed();
            else if (tag == QLatin1String("Mount"))
                cur.mount = text;
            else if (tag == QLatin1String("Appl"))
                cur.appl = text;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("Load")) {
            inLoad = false;
            const PredefLoadInfo& cur = out.last();
            if (cur.name.isEmpty()) {
                error = QStringLiteral("%1: a load has no name").arg(path);
                return false;
            }
            if (!IsPictureName(cur.img)) {
                error =
                    QStringLiteral("%1: load \"%2\": picture \"%3\" is not a PNG file name under Image/Load/")
                        .arg(path, cur.name, cur.img);
                return false;
            }
        }
    }
    if (xml.hasError()) {
        error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}
