// kestdesktop: writes the desktop files of an installed KestLoad (the desktop
// entry, the MIME type of .kestload files and the two icons) into a share
// folder, with the very code that registers the program under a user's data
// home, so that the installed files and a user's registration cannot differ.
//   kestdesktop SHARE_FOLDER PROGRAM
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "DesktopIntegration.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: kestdesktop SHARE_FOLDER PROGRAM\n", stderr);
        return 64;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The registration writes below the data home; here that is the share folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(QString::fromLocal8Bit(argv[1])).absolutePath()));
    if (RegisterOpenCommand(QString::fromLocal8Bit(argv[2])) != 0 || RegisterDefaultIcon() != 0) {
        std::fprintf(stderr, "kestdesktop: cannot write the desktop files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
