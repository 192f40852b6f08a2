// kestshot's picture of the import from CAD.
#pragma once

#include <QSize>
#include <QString>

class QWidget;

struct CCadShot {
    QString out;      // the picture
    QString file;     // STEP, STL or a mass-property report
    QString unit;     // length unit of a file that does not state it ("mm", …)
    QString density;  // kg/m³; a listed material's density picks the material
    QString frame;    // "X Y Z RX RY RZ": origin in the length unit, angles in degrees
    QSize size;       // the dialog's size; its own when not valid
};

// Opens the dialog over `parent`, reads the file, types the rest and saves the
// picture; false (with a message) when that fails.
bool ShootCadImport(QWidget* parent, const CCadShot& shot);
