// kestpics OUTDIR TABLE.xml...: draws Image/wrist.png, Image/wrist_g.png and
// Image/Mech/<name>.png for every mechanism of the tables.
#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

#include "MechGeometry.h"
#include "MechPicture.h"
#include "WristPicture.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kestpics OUTDIR TABLE.xml...\n");
        return 64;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.filePath(QStringLiteral("Mech")))) {
        std::fprintf(stderr, "kestpics: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = DrawWristPicture(false).save(out.filePath(QStringLiteral("wrist.png"))) &&
              DrawWristPicture(true).save(out.filePath(QStringLiteral("wrist_g.png")));
    QSet<QString> done;
    for (int i = 2; i < argc; ++i) {
        QVector<MechGeometry> mechs;
        QString error;
        if (!ReadMechGeometry(QString::fromLocal8Bit(argv[i]), mechs, error)) {
            std::fprintf(stderr, "kestpics: %s\n", qPrintable(error));
            return 1;
        }
        for (const MechGeometry& m : mechs) {
            if (m.name.isEmpty() || done.contains(m.name)) continue;  // the current table's geometry wins
            done.insert(m.name);
            ok = DrawMechPicture(m).save(out.filePath(QStringLiteral("Mech/%1.png").arg(m.name))) && ok;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "kestpics: a picture could not be written\n");
        return 1;
    }
    return 0;
}
