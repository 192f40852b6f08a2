// kestpics IMAGEDIR TABLE.xml... [--loads PredefLoad.xml]: draws the wrist,
// coordinate-system and tool-calculator pictures, Mech/<name>.png for every
// mechanism of the tables, and the document icon (KestLoadDt.ico and .png)
// beside IMAGEDIR. With --loads also the load calculator's guide picture
// Load/guide.png and every predefined load's picture at its Img path. The
// pictures with words have English twins of the same name below IMAGEDIR/en.
#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <cstdio>

#include "CrdSysPicture.h"
#include "Icons.h"
#include "Language.h"
#include "LoadGuidePicture.h"
#include "LoadPicture.h"
#include "MechGeometry.h"
#include "MechPicture.h"
#include "PredefLoadList.h"
#include "WristPicture.h"

namespace {

// The guide and one picture per predefined load. Pictures left over from
// loads that were renamed or removed are deleted first.
bool DrawLoadPictures(const QDir& imageDir, const QString& predefPath) {
    QVector<PredefLoadInfo> loads;
    QString error;
    if (!ReadPredefLoads(predefPath, loads, error)) {
        std::fprintf(stderr, "kestpics: %s\n", qPrintable(error));
        return false;
    }
    QDir loadDir(imageDir.filePath(QStringLiteral("Load")));
    if (!QDir().mkpath(loadDir.path())) {
        std::fprintf(stderr, "kestpics: cannot create %s\n", qPrintable(loadDir.path()));
        return false;
    }
    for (const QString& old : loadDir.entryList({QStringLiteral("*.png")}, QDir::Files)) loadDir.remove(old);
    bool ok = DrawLoadGuidePicture().save(loadDir.filePath(QStringLiteral("guide.png")));
    const QString englishLoadDir = imageDir.filePath(QStringLiteral("en/Load"));
    ok = QDir().mkpath(englishLoadDir) &&
         DrawLoadGuidePicture(true).save(QDir(englishLoadDir).filePath(QStringLiteral("guide.png"))) && ok;
    QDir appDir(imageDir);
    appDir.cdUp();
    QSet<QString> done;
    for (const PredefLoadInfo& load : loads) {
        if (done.contains(load.img)) continue;  // a picture shared by several loads is drawn once
        done.insert(load.img);
        const QImage img = DrawLoadPicture(load, error);
        if (img.isNull()) {
            std::fprintf(stderr, "kestpics: %s: %s\n", qPrintable(predefPath), qPrintable(error));
            return false;
        }
        ok = img.save(appDir.filePath(load.img)) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    kest::SetCurrentLanguage(kest::Lang::English);  // the reader's messages, for the build's log
    QStringList tables;
    QString predefPath;
    bool badOption = false;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--loads") && i + 1 < argc)
            predefPath = QString::fromLocal8Bit(argv[++i]);
        else if (arg.startsWith(QLatin1String("--")))
            badOption = true;
        else
            tables.append(arg);
    }
    if (tables.isEmpty() || badOption) {
        std::fprintf(stderr, "usage: kestpics OUTDIR TABLE.xml... [--loads PredefLoad.xml]\n");
        return 64;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.filePath(QStringLiteral("Mech")))) {
        std::fprintf(stderr, "kestpics: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir en(out.filePath(QStringLiteral("en")));
    bool ok = QDir().mkpath(en.path()) &&
              DrawCrdSysPicture(false, true).save(en.filePath(QStringLiteral("crdsys.png"))) &&
              DrawCrdSysPicture(true, true).save(en.filePath(QStringLiteral("crdsys_g.png"))) &&
              DrawToolCalcFramePicture(true).save(en.filePath(QStringLiteral("tc_crd.png")));
    ok = DrawWristPicture(false).save(out.filePath(QStringLiteral("wrist.png"))) &&
         DrawWristPicture(true).save(out.filePath(QStringLiteral("wrist_g.png"))) &&
         DrawCrdSysPicture(false).save(out.filePath(QStringLiteral("crdsys.png"))) &&
         DrawCrdSysPicture(true).save(out.filePath(QStringLiteral("crdsys_g.png"))) &&
         DrawToolCalcFramePicture().save(out.filePath(QStringLiteral("tc_crd.png"))) && ok;
    // The document icon beside the program: an .ico and a PNG copy for the desktop.
    QDir appDir(out);
    appDir.cdUp();
    ok = kest::DrawKestIcon(kest::IconId::Document, 48)
             .save(appDir.filePath(QStringLiteral("KestLoadDt.ico")), "ICO") &&
         kest::DrawKestIcon(kest::IconId::Document, 256)
             .save(appDir.filePath(QStringLiteral("KestLoadDt.png"))) &&
         ok;
    QSet<QString> done;
    for (const QString& table : tables) {
        QVector<MechGeometry> mechs;
        QString error;
        if (!ReadMechGeometry(table, mechs, error)) {
            std::fprintf(stderr, "kestpics: %s\n", qPrintable(error));
            return 1;
        }
        for (const MechGeometry& m : mechs) {
            if (m.name.isEmpty() || done.contains(m.name)) continue;  // the current table's geometry wins
            done.insert(m.name);
            ok = DrawMechPicture(m).save(out.filePath(QStringLiteral("Mech/%1.png").arg(m.name))) && ok;
        }
    }
    if (!predefPath.isEmpty() && !DrawLoadPictures(out, predefPath)) return 1;
    if (!ok) {
        std::fprintf(stderr, "kestpics: a picture could not be written\n");
        return 1;
    }
    return 0;
}
