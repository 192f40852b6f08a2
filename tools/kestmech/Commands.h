// The sub-commands of kestmech. Each returns the process exit status.
#pragma once

#include <string>

#include "EngineLib.h"

struct CheckLoads {
    LoadRec tool{};
    LoadRec v{}, h{}, s{};
};

int RunConvert(CEngineLib& lib, bool encrypt, const std::string& src, const std::string& dst);
int RunList(CEngineLib& lib, const std::string& folder, bool old);
// Lints a plain (.xml) or encrypted (.bin) table: 0 clean, 1 problems found,
// 2 the file cannot be read.
int RunLint(CEngineLib& lib, const std::string& file);
int RunCheck(CEngineLib& lib, const std::string& folder, const std::string& mech, bool old,
             const CheckLoads& loads);

extern bool g_showTrace;
