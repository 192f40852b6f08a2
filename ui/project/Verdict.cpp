#include "Verdict.h"

#include "Strings.h"

using kest::LoadKestString;

namespace {

// The word of a moment or inertia level, with its "Statically " or
// "Dynamically " prefix for levels 1 to 3.
QString LevelWord(int level, int prefixId) {
    switch (level) {
        case 3: return LoadKestString(prefixId) + LoadKestString(kest::IDS_HYPER_OVERLOAD);
        case 2: return LoadKestString(prefixId) + LoadKestString(kest::IDS_OVERLOAD);
        case 1: return LoadKestString(prefixId) + LoadKestString(kest::IDS_HIGH_LOAD);
        default: return LoadKestString(kest::IDS_OK);
    }
}

}  // namespace

int VerdictCode(int inEnvelope, int massLevel, int momentLevel, int inertiaLevel, bool showInertia) {
    int highest = massLevel > momentLevel ? massLevel : momentLevel;
    if (showInertia && inertiaLevel > highest) highest = inertiaLevel;
    if (inEnvelope == 1 && highest == 0) return 1;
    if (highest > 2) return 4;
    if (highest > 1) return 3;
    return 2;
}

CVerdict BuildVerdict(int inEnvelope, int massLevel, int momentLevel, int inertiaLevel, bool showInertia) {
    CVerdict v;
    v.code = VerdictCode(inEnvelope, massLevel, momentLevel, inertiaLevel, showInertia);
    const QString pass = LoadKestString(kest::IDS_PASS);
    const QString fail = LoadKestString(kest::IDS_FAIL);
    switch (v.code) {
        case 1: v.text = pass; break;
        case 4:
            v.text =
                fail + QStringLiteral(" (") + LoadKestString(kest::IDS_NOT_SUPPORTED) + QStringLiteral(")");
            break;
        case 3:
            v.text = fail + QStringLiteral(" (") + LoadKestString(kest::IDS_NEED_FURTHER_ANALYSIS) +
                     QStringLiteral(")");
            break;
        default:
            v.text = pass + QStringLiteral(" (") + LoadKestString(kest::IDS_HIGH_LOAD) + QStringLiteral(")");
    }

    v.massOverload = massLevel == 3;
    v.detail = QStringLiteral("   ") + LoadKestString(kest::IDS_DETAIL_MASS) + QStringLiteral("\t  :  ") +
               DetailWord(0, massLevel);
    v.detail += QStringLiteral("\r\n   ") + LoadKestString(kest::IDS_DETAIL_MOMENT) +
                QStringLiteral("   \t  :  ") + DetailWord(1, momentLevel);
    if (showInertia) {
        v.detail += QStringLiteral("\r\n   ") + LoadKestString(kest::IDS_DETAIL_INERTIA) +
                    QStringLiteral("\t  :  ") + DetailWord(2, inertiaLevel);
    }
    return v;
}

QString DetailWord(int quantity, int level) {
    if (quantity == 0) {
        return level == 3   ? LoadKestString(kest::IDS_HYPER_OVERLOAD)
               : level == 1 ? LoadKestString(kest::IDS_HIGH_LOAD)
                            : LoadKestString(kest::IDS_OK);
    }
    return LevelWord(level, quantity == 1 ? kest::IDS_STATICALLY : kest::IDS_DYNAMICALLY);
}
