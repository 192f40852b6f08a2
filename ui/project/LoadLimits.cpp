#include "LoadLimits.h"

#include <cmath>

#include "PrmLoadSub.h"
#include "Strings.h"

bool LoadValueInRange(int field, double displayValue) {
    const double limit = field == 0 ? kMaxLoadMass : field <= 3 ? kMaxLoadPositionMm : kMaxLoadInertia;
    return std::fabs(displayValue) <= limit;
}

QString NegativeLoadProblem(const CPrmLoadSub& load, const QString& name) {
    const double values[7] = {load.Mass, load.Lx, load.Ly, load.Lz, load.Ixx, load.Iyy, load.Izz};
    const char* const fields[7] = {nullptr, "Lx", "Ly", "Lz", "Ixx", "Iyy", "Izz"};
    for (int i = 0; i < 7; ++i) {
        if (!LoadFieldIsNonNegative(i) || !(values[i] < 0)) continue;
        const QString field = i == 0 ? kest::LoadKestString(kest::IDS_MASS) : QString::fromLatin1(fields[i]);
        return kest::LoadKestString(kest::IDS_LOAD_NEGATIVE).arg(name, field);
    }
    return QString();
}
