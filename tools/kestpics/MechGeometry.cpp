#include "MechGeometry.h"

#include <QFile>
#include <QXmlStreamReader>

bool ReadMechGeometry(const QString& path, QVector<MechGeometry>& out, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QXmlStreamReader xml(&file);
    MechGeometry* cur = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView tag = xml.name();
            if (tag == QLatin1String("Mech")) {
                out.append(MechGeometry());
                cur = &out.last();
                cur->name = xml.attributes().value(QLatin1String("Name")).toString();
            } else if (cur != nullptr) {
                const QString text = xml.readElementText();
                const double v = text.trimmed().toDouble();
                if (tag == QLatin1String("L_HX"))
                    cur->L_HX = v;
                else if (tag == QLatin1String("L_HZ"))
                    cur->L_HZ = v;
                else if (tag == QLatin1String("L_VX"))
                    cur->L_VX = v;
                else if (tag == QLatin1String("L_VZ"))
                    cur->L_VZ = v;
                else if (tag == QLatin1String("L_B"))
                    cur->L_B = v;
                else if (tag == QLatin1String("M_Tmax"))
                    cur->payload = v;
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("Mech")) {
            cur = nullptr;
        }
    }
    if (xml.hasError()) {
        error = QStringLiteral("%1: %2").arg(path, xml.errorString());
        return false;
    }
    return true;
}
