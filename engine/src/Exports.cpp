// The object exports of the engine library.
#include <new>

#include "Exports.h"
#include "TarnKest.h"

TARN_EXPORT ITarn* Tarn_CreateInstance() { return new (std::nothrow) kest::CTarn_Kest(); }

TARN_EXPORT int Tarn_DeleteInstance(ITarn* instance) {
    // The object was allocated here, so it is destroyed here.
    delete static_cast<kest::CTarn_Kest*>(instance);
    return 0;
}
