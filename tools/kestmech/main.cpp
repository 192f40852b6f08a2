// kestmech: encrypt, decrypt, list and check mechanism data through the engine
// library next to this executable.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"
#include "EngineLib.h"
#include "NumText.h"

namespace {

void Usage() {
    std::fputs(
        "usage: kestmech [--trace] [--no-lint] encrypt SRC DST\n"
        "       kestmech [--trace] decrypt SRC DST\n"
        "       kestmech [--trace] list FOLDER [--old]\n"
        "       kestmech lint TABLE.xml|TABLE.bin\n"
        "       kestmech [--trace] check FOLDER MECH --tool m,x,y,z,ixx,iyy,izz\n"
        "                [--v m,x,y,z,ixx,iyy,izz] [--h ...] [--s ...] [--old]\n"
        "Masses in kg, positions in mm, inertias in kg·m². --old reads the table of\n"
        "controller software V40.24.14 and earlier. --trace shows the decryption trace.\n"
        "lint reports every model whose constants the load check cannot use, and\n"
        "exits with 1 when it finds anything. encrypt lints SRC first and encrypts\n"
        "nothing (exit 4) when it finds anything, unless --no-lint is given.\n"
        "encrypt and decrypt write DST atomically and only as a regular file.\n",
        stderr);
}

// Seven comma-separated numbers: mass, x, y, z, Ixx, Iyy, Izz.
bool ParseLoad(const char* text, LoadRec& out) {
    double v[7];
    std::string s(text);
    size_t pos = 0;
    for (int i = 0; i < 7; ++i) {
        const size_t comma = s.find(',', pos);
        if ((comma == std::string::npos) != (i == 6)) return false;
        const std::string item = s.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        if (!kest::ParseDouble(item.c_str(), v[i]) || !std::isfinite(v[i])) return false;
        pos = comma + 1;
    }
    out = LoadRec{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args;
    bool old = false;
    bool haveTool = false;
    CheckLoads loads;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        LoadRec* target = nullptr;
        if (std::strcmp(a, "--old") == 0) {
            old = true;
        } else if (std::strcmp(a, "--trace") == 0) {
            // The engine traces its decryption only when the environment asks.
            g_showTrace = true;
            setenv("KEST_ENGINE_TRACE", "1", 1);
        } else if (std::strcmp(a, "--no-lint") == 0) {
            g_noLint = true;
        } else if (std::strcmp(a, "--tool") == 0) {
            target = &loads.tool;
            haveTool = true;
        } else if (std::strcmp(a, "--v") == 0) {
            target = &loads.v;
        } else if (std::strcmp(a, "--h") == 0) {
            target = &loads.h;
        } else if (std::strcmp(a, "--s") == 0) {
            target = &loads.s;
        } else if (a[0] == '-' && a[1] == '-') {
            std::fprintf(stderr, "kestmech: unknown option %s\n", a);
            Usage();
            return 64;
        } else {
            args.emplace_back(a);
        }
        if (target != nullptr) {
            if (i + 1 >= argc || !ParseLoad(argv[i + 1], *target)) {
                std::fprintf(stderr, "kestmech: %s needs seven finite numbers: m,x,y,z,ixx,iyy,izz\n", a);
                return 64;
            }
            ++i;
        }
    }
    const std::string cmd = args.empty() ? std::string() : args[0];
    const bool known = (cmd == "encrypt" || cmd == "decrypt") ? args.size() == 3
                       : cmd == "list" || cmd == "lint"       ? args.size() == 2
                       : cmd == "check"                       ? args.size() == 3 && haveTool
                                                              : false;
    if (!known) {
        Usage();
        return 64;
    }

    CEngineLib lib;
    std::string error;
    if (!lib.Open(ExecutableFolder(), error)) {
        std::fprintf(stderr, "kestmech: %s\n", error.c_str());
        return 70;
    }
    if (cmd == "encrypt" || cmd == "decrypt") return RunConvert(lib, cmd == "encrypt", args[1], args[2]);
    if (cmd == "list") return RunList(lib, args[1], old);
    if (cmd == "lint") return RunLint(args[1]);
    return RunCheck(lib, args[1], args[2], old, loads);
}
