// One load of the project (SI units inside, millimetres on screen and in files)
// and a named load of the load calculator.
#pragma once

#include <QString>
#include <QVector>

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CPrmLoadSub {
public:
    double Mass = 0.0;  // kg
    double Lx = 0.0;    // centre of gravity, m
    double Ly = 0.0;
    double Lz = 0.0;
    double Ixx = 0.0;  // kg·m²
    double Iyy = 0.0;
    double Izz = 0.0;

    void Clear() { *this = CPrmLoadSub(); }
    void Set(double mass, double lx, double ly, double lz, double ixx, double iyy, double izz);
    // Seven display values (positions in mm) in field order.
    void FromDisplay(const double display[7]);
    void ToDisplay(double display[7]) const;
    bool operator==(const CPrmLoadSub& o) const;
};

class KESTLOADLIB_API CLoad {
public:
    QString Name;
    QString Description;
    QString Img;
    QString Mount;
    QString Appl;
    CPrmLoadSub prm;
    // A predefined load's description for the English interface (the
    // predefined-load file's DescriptionEn); never saved with a project.
    QString DescriptionEn;

    void Clear() { *this = CLoad(); }
};

// A list of loads, copied in and out by value.
using CLoadArray = QVector<CLoad>;
