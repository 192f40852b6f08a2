#include "Commands.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "FileBytes.h"
#include "MechLint.h"
#include "MemCrypt.h"
#include "TblMech.h"
#include "Utf16.h"

bool g_showTrace = false;
bool g_noLint = false;

namespace {

struct EngineDeleter {
    CEngineLib* lib;
    void operator()(ITarn* t) const { lib->DeleteInstance(t); }
};
using EnginePtr = std::unique_ptr<ITarn, EngineDeleter>;

std::string Narrow(const char16_t* text) { return kest::Utf16ToUtf8(text); }

// Creates the engine and loads the chosen table; null after a message.
EnginePtr OpenEngine(CEngineLib& lib, const std::string& folder, bool old) {
    EnginePtr engine(lib.CreateInstance(), EngineDeleter{&lib});
    if (!engine) {
        std::fprintf(stderr, "kestmech: the engine object could not be created\n");
        return engine;
    }
    std::string dir = folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const std::u16string wdir = kest::Utf8ToUtf16(dir);
    int rc;
    {
        CQuietStdout quiet(!g_showTrace);
        rc = old ? engine->LoadMechData(wdir.c_str(), 0) : engine->Init(wdir.c_str());
    }
    if (rc < 0) {
        std::fprintf(stderr, "kestmech: loading the mechanism data from %s failed (code %d)\n", dir.c_str(),
                     rc);
        engine.reset();
    }
    return engine;
}

void PrintRatios(const char* title, const AxisRatios& r) {
    std::printf("%-16s S %9.3f  H %9.3f  V %9.3f  R2 %9.3f  B %9.3f  R1 %9.3f\n", title, r.v[0], r.v[1],
                r.v[2], r.v[3], r.v[4], r.v[5]);
}

}  // namespace

int RunConvert(CEngineLib& lib, bool encrypt, const std::string& src, const std::string& dst) {
    // A table with problems is not encrypted, as in the window: the program
    // would use it without a word.
    if (encrypt && !g_noLint) {
        const kest::MechLintReport report = kest::LintMechTableFile(src);
        if (!report.readable) {
            std::fprintf(stderr, "kestmech: %s\n", report.problem.c_str());
            return 1;
        }
        if (!report.Clean()) {
            for (const kest::MechLintFinding& f : report.findings)
                std::fprintf(stderr, "%s: %s\n", src.c_str(), f.Text().c_str());
            std::fprintf(stderr, "kestmech: %s has %zu problem%s; nothing was encrypted\n", src.c_str(),
                         report.findings.size(), report.findings.size() == 1 ? "" : "s");
            return 4;
        }
    }
    const std::u16string s = kest::Utf8ToUtf16(src);
    const std::u16string d = kest::Utf8ToUtf16(dst);
    int rc;
    {
        CQuietStdout quiet(!g_showTrace);
        rc = encrypt ? lib.EncryptMechData(s.c_str(), d.c_str()) : lib.DecryptMechData(s.c_str(), d.c_str());
    }
    return rc == 0 ? 0 : (rc < 0 ? -rc : 1);
}

int RunList(CEngineLib& lib, const std::string& folder, bool old) {
    EnginePtr engine = OpenEngine(lib, folder, old);
    if (!engine) return 2;
    char16_t buf[260];
    engine->GetMechDataVer(buf, 50);
    std::printf("Mechanism data (%s): version %s\n",
                old ? "controller software V40.24.14 and earlier" : "controller software V40.24.15 and later",
                Narrow(buf).c_str());
    std::printf("%-24s %10s %12s %12s %12s %12s\n", "Mechanism", "Payload kg", "R1 kgf·m", "R2/B kgf·m",
                "R1 kg·m²", "R2/B kg·m²");
    for (int i = 0; engine->GetMechName(i, buf, 24) == 0; ++i) {
        engine->SelectMech(buf);
        double m1 = 0, m2 = 0, j1 = 0, j2 = 0;
        engine->GetAllowMoment(AXIS_R1, &m1);
        engine->GetAllowMoment(AXIS_R2, &m2);
        engine->GetAllowInertia(AXIS_R1, &j1);
        engine->GetAllowInertia(AXIS_R2, &j2);
        std::printf("%-24s %10.1f %12.3f %12.3f %12.3f %12.3f\n", Narrow(buf).c_str(),
                    engine->GetMaxPayload(), m1, m2, j1, j2);
    }
    return 0;
}

int RunLint(const std::string& file) {
    const bool encrypted = file.size() > 4 && file.compare(file.size() - 4, 4, ".bin") == 0;
    kest::MechLintReport report;
    if (encrypted) {
        // Decrypted and verified in memory with the engine's own cipher: no
        // plain copy of the table ever reaches a file.
        std::vector<unsigned char> bytes;
        const kest::ReadFileResult read = kest::ReadWholeFile(file, bytes, kest::kMaxMechFileBytes);
        if (read != kest::ReadFileResult::Ok) {
            std::fprintf(stderr, "kestmech: %s %s\n", file.c_str(),
                         read == kest::ReadFileResult::TooLarge
                             ? "is larger than the limit of the mechanism data"
                             : "cannot be read (missing, unreadable or not a regular file)");
            return 2;
        }
        kest::CMemCrypt crypt;
        int rc;
        {
            CQuietStdout quiet(!g_showTrace);
            rc = crypt.Prepare(bytes.data(), static_cast<int>(bytes.size()), kest::CTblMech::kPassword);
            if (rc >= 0) rc = crypt.Decrypt();
            std::fflush(stdout);
        }
        if (rc < 0) {
            std::printf("%s: the file cannot be decrypted: it is damaged or not a mechanism table.\n",
                        file.c_str());
            return 1;
        }
        report = kest::LintMechTable(reinterpret_cast<const char*>(crypt.GetOutput()),
                                     static_cast<size_t>(crypt.GetOutputLength()));
    } else {
        report = kest::LintMechTableFile(file);
    }
    if (!report.readable) {
        std::fprintf(stderr, "kestmech: %s\n", report.problem.c_str());
        return 2;
    }
    for (const kest::MechLintFinding& f : report.findings) {
        std::printf("%s: %s\n", file.c_str(), f.Text().c_str());
    }
    if (report.Clean()) {
        std::printf("%s: %d mechanisms, no problems\n", file.c_str(), report.mechanisms);
        return 0;
    }
    std::printf("%s: %zu problem%s\n", file.c_str(), report.findings.size(),
                report.findings.size() == 1 ? "" : "s");
    return 1;
}

int RunCheck(CEngineLib& lib, const std::string& folder, const std::string& mech, bool old,
             const CheckLoads& loads) {
    EnginePtr engine = OpenEngine(lib, folder, old);
    if (!engine) return 2;
    const std::u16string name = kest::Utf8ToUtf16(mech);
    if (engine->SelectMech(name.c_str()) != 0) {
        std::fprintf(stderr, "kestmech: no mechanism named \"%s\"\n", mech.c_str());
        return 3;
    }
    // A load the engine refuses gives no result rather than one for another load.
    if (engine->SetLoad(LOAD_TOOL, &loads.tool) < 0 || engine->SetLoad(LOAD_S, &loads.s) < 0 ||
        engine->SetLoad(LOAD_H, &loads.h) < 0 || engine->SetLoad(LOAD_V, &loads.v) < 0) {
        std::fprintf(stderr, "kestmech: the engine refused a load (values must be finite)\n");
        return 3;
    }
    engine->Calculate();

    AxisRatios load{}, moment{}, inertia{};
    engine->GetLoadRatios(&load);
    engine->GetMomentRatios(&moment);
    engine->GetInertiaRatios(&inertia);
    std::printf("Mechanism        %s (rated payload %.1f kg)\n", mech.c_str(), engine->GetMaxPayload());
    std::printf("Tool             %.3f kg at x %.3f, y %.3f, z %.3f mm; Ixx %.4f, Iyy %.4f, Izz %.4f kg·m²\n",
                loads.tool.Mass, loads.tool.x, loads.tool.y, loads.tool.z, loads.tool.Ixx, loads.tool.Iyy,
                loads.tool.Izz);
    std::printf("Payload point    R %.3f mm, Z %.3f mm\n", engine->GetPayloadR(), engine->GetPayloadZ());
    std::printf("Limits           R %.3f mm, distance %.3f mm, Z %.3f mm%s\n", engine->GetLimitR(),
                engine->GetLimitDist(), engine->GetLimitZ(),
                engine->IsLimitInvalid() ? " (invalid: negative mass or torque)" : "");
    PrintRatios("Load ratio %", load);
    PrintRatios("Moment ratio %", moment);
    PrintRatios("Inertia ratio %", inertia);
    std::printf("Levels           mass %d, moment %d, inertia %d\n", engine->GetMassLevel(),
                engine->GetMomentLevel(), engine->GetInertiaLevel());
    const int env = engine->IsInEnvelope();
    std::printf("Envelope         %s\n", env == 1 ? "inside" : env == 0 ? "outside" : "not calculated");
    std::printf("Overload         %s\n", engine->IsOverload() == 1 ? "yes" : "no");
    return 0;
}
