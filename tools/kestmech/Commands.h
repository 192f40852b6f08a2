// The sub-commands of kestmech. Each returns the process exit status.
#pragma once

#include <string>

#include "EngineLib.h"

struct CheckLoads {
    LoadRec tool{};
    LoadRec v{}, h{}, s{};
};

// Encrypts or decrypts through the engine, which writes DST atomically and only
// as a regular file. Encryption lints SRC first and refuses a table with
// problems (exit 4) unless g_noLint. Exit 0, or the engine's code negated.
int RunConvert(CEngineLib& lib, bool encrypt, const std::string& src, const std::string& dst);
int RunList(CEngineLib& lib, const std::string& folder, bool old);
// Lints a plain (.xml) or encrypted (.bin) table: 0 clean, 1 problems found,
// 2 the file cannot be read. A .bin is decrypted in memory.
int RunLint(const std::string& file);
int RunCheck(CEngineLib& lib, const std::string& folder, const std::string& mech, bool old,
             const CheckLoads& loads);

extern bool g_showTrace;
extern bool g_noLint;  // --no-lint: encrypt without the lint (damaged tables for tests)
