// Fuzz target: the predefined-load file of the load calculator. Until the load
// calculator's reader is on this branch it reads through PredefLoadMirror,
// which follows the file's format (see tests/fuzz/README.md).
#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "PredefLoadMirror.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PredefLoadData read;
    if (ReadPredefLoadText(reinterpret_cast<const char*>(data), size, read) != 0) return 0;
    for (const PredefLoadEntry& load : read.loads) {
        for (double v : {load.mass, load.lx, load.ly, load.lz, load.ixx, load.iyy, load.izz}) {
            FUZZ_CHECK(std::isfinite(v), "a load with a number that is not finite was accepted");
        }
    }
    return 0;
}
