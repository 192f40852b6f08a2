// Fuzz target: the mechanism table. The input is the plain table text; it is
// encrypted with the engine's cipher into KestMechData.bin of a private folder
// and loaded by the engine object exactly as the program loads it (regular-file
// read, decryption, digest, XML). Every mechanism is then checked with its rated
// tool and reference load, an ordinary tool and no tool, and every level,
// envelope and result getter is read. The same bytes also go through the
// decryption as if they were an encrypted file, and through the lint.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "FuzzCheck.h"
#include "MechLint.h"
#include "MemCrypt.h"
#include "TarnKest.h"
#include "Tarn_Kest.h"
#include "TblMech.h"
#include "Utf16.h"

namespace {

std::string g_folder;  // private folder of KestMechData.bin, with a trailing '/'

void RemoveFolder() {
    unlink((g_folder + "KestMechData.bin").c_str());
    rmdir(g_folder.c_str());
}

std::vector<unsigned char> Crypt(const unsigned char* data, size_t size, bool encrypt, int& rc) {
    kest::CMemCrypt crypt;
    rc = crypt.Prepare(data, static_cast<int>(size), kest::CTblMech::kPassword);
    if (rc == 0) rc = encrypt ? crypt.Encrypt() : crypt.Decrypt();
    if (rc != 0) return {};
    return std::vector<unsigned char>(crypt.GetOutput(), crypt.GetOutput() + crypt.GetOutputLength());
}

bool IsLevel(int v) { return v >= 0 && v <= 3; }

// One load check of the selected mechanism and every getter after it.
void CheckOnce(ITarn& engine, const LoadRec& tool, const LoadRec& upperArm) {
    const LoadRec none{};
    // A load that is not finite (a rated tool from a damaged table) is refused
    // and the slot keeps its previous load.
    const int rc = engine.SetLoad(LOAD_TOOL, &tool);
    FUZZ_CHECK(rc == 0 || rc == -2, "SetLoad gave %d", rc);
    engine.SetLoad(LOAD_V, &upperArm);
    FUZZ_CHECK(engine.SetLoad(LOAD_H, &none) == 0 && engine.SetLoad(LOAD_S, &none) == 0, "SetLoad of zeros");
    FUZZ_CHECK(engine.Calculate() == 0, "Calculate failed with a mechanism selected");

    const int mass = engine.GetMassLevel();
    const int moment = engine.GetMomentLevel();
    const int inertia = engine.GetInertiaLevel();
    const int envelope = engine.IsInEnvelope();
    const int overload = engine.IsOverload();
    const int invalid = engine.IsLimitInvalid();
    FUZZ_CHECK(IsLevel(mass) && IsLevel(moment) && IsLevel(inertia), "levels %d %d %d", mass, moment,
               inertia);
    FUZZ_CHECK(envelope == 0 || envelope == 1, "IsInEnvelope gave %d after Calculate", envelope);
    FUZZ_CHECK(overload == 0 || overload == 1, "IsOverload gave %d", overload);
    FUZZ_CHECK(invalid == 0 || invalid == 1, "IsLimitInvalid gave %d", invalid);

    AxisRatios ratios[3] = {};
    FUZZ_CHECK(engine.GetLoadRatios(&ratios[0]) == 0 && engine.GetMomentRatios(&ratios[1]) == 0 &&
                   engine.GetInertiaRatios(&ratios[2]) == 0,
               "ratio getters failed");
    volatile double sink = engine.GetPayloadZ() + engine.GetPayloadR() + engine.GetLimitZ() +
                           engine.GetLimitR() + engine.GetLimitDist() + engine.GetMaxPayload();
    for (int axis = 0; axis <= 7; ++axis) {
        double v = 0.0;
        engine.GetAllowMoment(axis, &v);
        engine.GetAllowInertia(axis, &v);
        sink = sink + v;
    }
    double lenB = 0.0;
    FUZZ_CHECK(engine.GetLenB(&lenB) == 0, "GetLenB failed");
    (void)sink;

    // A result that cannot be trusted never reads as a pass.
    if (envelope == 1 && mass == 0 && moment == 0 && inertia == 0 && overload == 0) {
        for (const AxisRatios& r : ratios) {
            for (double v : r.v) FUZZ_CHECK(!std::isnan(v), "a pass with a ratio that is not a number");
        }
    }
}

void CheckMechanism(ITarn& engine, const char16_t* name) {
    FUZZ_CHECK(engine.SelectMech(name) == 0, "a listed mechanism cannot be selected");
    LoadRec rated{}, reference{};
    FUZZ_CHECK(engine.GetDefaultLoad(LOAD_TOOL, &rated) == 0, "no rated tool");
    FUZZ_CHECK(engine.GetDefaultLoad(LOAD_V, &reference) == 0, "no reference load");
    const LoadRec ordinary{10, 50, 0, 100, 0.1, 0.1, 0.05}, none{};
    CheckOnce(engine, rated, reference);
    CheckOnce(engine, ordinary, none);
    CheckOnce(engine, none, none);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The cipher writes trace lines to standard output; nobody reads them here.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) return 0;
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/kest-fuzz-XXXXXX";
    if (mkdtemp(&tmpl[0]) == nullptr) {
        std::perror("fuzz_mechtable: mkdtemp");
        std::exit(2);
    }
    g_folder = tmpl + "/";
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size + kest::CMemCrypt::kDigestSize > kest::kMaxMechFileBytes) return 0;  // never read

    // The bytes as an encrypted file: the digest decides.
    int rc = 0;
    const std::vector<unsigned char> decrypted = Crypt(data, size, false, rc);
    FUZZ_CHECK(rc == 0 || rc == kest::CMemCrypt::kErrDigest, "decryption gave %d", rc);
    if (rc == 0) FUZZ_CHECK(decrypted.size() + kest::CMemCrypt::kDigestSize == size, "decrypted length");

    // The bytes as a table: encrypted as the build does, and back.
    const std::vector<unsigned char> encrypted = Crypt(data, size, true, rc);
    FUZZ_CHECK(rc == 0 && encrypted.size() == size + kest::CMemCrypt::kDigestSize, "encryption gave %d", rc);
    const std::vector<unsigned char> back = Crypt(encrypted.data(), encrypted.size(), false, rc);
    FUZZ_CHECK(rc == 0 && back == std::vector<unsigned char>(data, data + size), "the cipher lost the text");
    FUZZ_CHECK(kest::WriteWholeFile(g_folder + "KestMechData.bin", encrypted.data(), encrypted.size()),
               "cannot write %sKestMechData.bin", g_folder.c_str());

    kest::CTarn_Kest engine;
    const int init = engine.Init(kest::Utf8ToUtf16(g_folder).c_str());
    const kest::MechLintReport lint = kest::LintMechTable(reinterpret_cast<const char*>(data), size);
    // A table the engine refuses never passes the lint.
    FUZZ_CHECK(init == 0 || !lint.Clean(), "the lint passed a table the engine refuses (code %d)", init);
    if (init != 0) return 0;

    char16_t name[24];  // the window lists names in 24-character buffers
    int count = 0;
    for (; engine.GetMechName(count, name, 24) == 0; ++count) {
        if (engine.SelectMech(name) != 0) {
            FUZZ_CHECK(!lint.Clean(), "the lint passed a name the window cannot select");
            continue;
        }
        CheckMechanism(engine, name);
    }
    if (lint.Clean())
        FUZZ_CHECK(count == lint.mechanisms, "the engine lists %d of %d", count, lint.mechanisms);
    return 0;
}
