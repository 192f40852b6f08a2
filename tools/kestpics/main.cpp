// kestpics IMAGEDIR TABLE.xml...: draws the wrist, coordinate-system and
// tool-calculator pictures, Mech/<name>.png for every mechanism of the tables,
// and the document icon (KestLoadDt.ico and .png) beside IMAGEDIR.
#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

#include "CrdSysPicture.h"
#include "Icons.h"
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
              DrawWristPicture(true).save(out.filePath(QStringLiteral("wrist_g.png"))) &&
              DrawCrdSysPicture(false).save(out.filePath(QStringLiteral("crdsys.png"))) &&
              DrawCrdSysPicture(true).save(out.filePath(QStringLiteral("crdsys_g.png"))) &&
              DrawToolCalcFramePicture().save(out.filePath(QStringLiteral("tc_crd.png")));
    // The document icon beside the program: an .ico and a PNG copy for the desktop.
    QDir appDir(out);
    appDir.cdUp();
    ok = kest::DrawKestIcon(kest::IconId::Document, 48)
             .save(appDir.filePath(QStringLiteral("KestLoadDt.ico")), "ICO") &&
         kest::DrawKestIcon(kest::IconId::Document, 256)
             .save(appDir.filePath(QStringLiteral("KestLoadDt.png"))) &&
         ok;
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
