// The arm geometry of each mechanism, read from a plain mechanism table.
#pragma once

#include <QString>
#include <QVector>

struct MechGeometry {
    QString name;
    double L_HX = 0, L_HZ = 0, L_VX = 0, L_VZ = 0, L_B = 0;
    double payload = 0;  // rated payload, kg
};

// The mechanisms of one table in file order; false with a reason on error.
bool ReadMechGeometry(const QString& path, QVector<MechGeometry>& out, QString& error);
