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

// While alive, the engine's decryption trace lines on standard output are
// discarded so that the command's own output stays readable.
class CQuietStdout {
public:
    explicit CQuietStdout(bool quiet);
    ~CQuietStdout();
    CQuietStdout(const CQuietStdout&) = delete;
    CQuietStdout& operator=(const CQuietStdout&) = delete;

private:
    int m_saved = -1;
};

extern bool g_showTrace;
