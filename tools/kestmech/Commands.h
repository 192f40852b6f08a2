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
int RunCheck(CEngineLib& lib, const std::string& folder, const std::string& mech, bool old,
             const CheckLoads& loads);

extern bool g_showTrace;
