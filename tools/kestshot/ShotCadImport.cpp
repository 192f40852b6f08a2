// kestshot's picture of the import from CAD: the dialog with a file read, a
// density and the flange frame typed, as a user would leave it before "Add".
#include "ShotCadImport.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QThread>
#include <cstdio>

#include "DlgCadImport.h"

bool ShootCadImport(QWidget* parent, const CCadShot& shot) {
    CDlgCadImport dlg(parent);
    if (shot.size.isValid()) dlg.resize(shot.size);
    dlg.show();
    if (!shot.unit.isEmpty()) {
        const int unit = dlg.m_pLengthUnit->findText(shot.unit);
        if (unit < 0) {
            std::fprintf(stderr, "kestshot: unknown length unit %s\n", qPrintable(shot.unit));
            return false;
        }
        dlg.m_pLengthUnit->setCurrentIndex(unit);
    }
    dlg.ReadFile(shot.file);
    QElapsedTimer clock;
    clock.start();
    while (dlg.IsReading() && clock.elapsed() < 600000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    if (dlg.IsReading()) return false;
    if (!shot.density.isEmpty()) {
        const int material = dlg.m_pMaterial->findData(shot.density.toDouble());
        if (material > 0) {
            dlg.m_pMaterial->setCurrentIndex(material);
            dlg.OnMaterialChanged();
        } else {
            dlg.m_pDensity->setText(shot.density);
        }
    }
    const QStringList frame = shot.frame.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < 6 && frame.size() == 6; ++i)
        (i < 3 ? dlg.m_pOrigin[i] : dlg.m_pAngle[i - 3])->setText(frame[i]);
    dlg.OnAnglesEdited();
    if (!dlg.Result().ok)
        std::fprintf(stderr, "kestshot: the import has no result: %s\n", qPrintable(dlg.Result().error));
    QApplication::processEvents();
    return dlg.grab().save(shot.out);
}
