#include "DlgToolCalc.h"

const CDlgToolCalc::Field* CDlgToolCalc::SavedFields(int* count) {
    static const Field kFields[] = {
        {"MassHnd", &CDlgToolCalc::MassHnd},   {"MassWk", &CDlgToolCalc::MassWk},
        {"ComHndX", &CDlgToolCalc::ComHndX},   {"ComHndY", &CDlgToolCalc::ComHndY},
        {"ComHndZ", &CDlgToolCalc::ComHndZ},   {"ComWkX", &CDlgToolCalc::ComWkX},
        {"ComWkY", &CDlgToolCalc::ComWkY},     {"ComWkZ", &CDlgToolCalc::ComWkZ},
        {"SizeHndX", &CDlgToolCalc::SizeHndX}, {"SizeHndY", &CDlgToolCalc::SizeHndY},
        {"SizeHndZ", &CDlgToolCalc::SizeHndZ}, {"SizeWkX", &CDlgToolCalc::SizeWkX},
        {"SizeWkY", &CDlgToolCalc::SizeWkY},   {"SizeWkZ", &CDlgToolCalc::SizeWkZ},
        {"MiHndX", &CDlgToolCalc::MiHndX},     {"MiHndY", &CDlgToolCalc::MiHndY},
        {"MiHndZ", &CDlgToolCalc::MiHndZ},     {"MiWkX", &CDlgToolCalc::MiWkX},
        {"MiWkY", &CDlgToolCalc::MiWkY},       {"MiWkZ", &CDlgToolCalc::MiWkZ},
    };
    if (count) *count = static_cast<int>(sizeof kFields / sizeof kFields[0]);
    return kFields;
}
