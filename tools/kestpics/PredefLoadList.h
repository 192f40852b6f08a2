// The predefined part loads of the load calculator, read from PredefLoad.xml
// by the load calculator's own reader, for drawing their pictures.
#pragma once

#include <QString>
#include <QVector>

struct PredefLoadInfo {
    QString name;
    QString img;    // picture file relative to the application folder
    QString mount;  // "Tool", "V", "H", "S" tokens; empty = any
    QString appl;
    double mass = 0;          // kg
    double L[3] = {0, 0, 0};  // centre of gravity, mm
    double I[3] = {0, 0, 0};  // Ixx, Iyy, Izz about the centre of gravity, kg*m^2

    // The single load kind the part is meant for, or empty when it names
    // none or several.
    QString SingleMount() const;
};

// The loads in file order. False with a reason when the reader refuses the
// file (not a regular file, too large, not well-formed) or would leave a load
// out (a number that is not one finite number), or a load has no name or a
// picture outside Image/Load/: every load the program offers needs a picture.
bool ReadPredefLoads(const QString& path, QVector<PredefLoadInfo>& out, QString& error);
