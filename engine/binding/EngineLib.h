// The engine library loaded from a folder and its four exports bound by name,
// as the program, kestmech, the engine tests and the benchmarks use it.
#pragma once

#include <string>

#include "Tarn_Kest.h"

class CEngineLib {
public:
    CEngineLib() = default;
    ~CEngineLib();
    CEngineLib(const CEngineLib&) = delete;
    CEngineLib& operator=(const CEngineLib&) = delete;

    // Loads libTarn_Kest.so from `folder`; false with a reason in `error`.
    // MissingExport names the first export the library lacks (null when it
    // could not be loaded at all).
    bool Open(const std::string& folder, std::string& error);
    const char* MissingExport() const { return m_missing; }

    PFN_Tarn_CreateInstance CreateInstance = nullptr;
    PFN_Tarn_DeleteInstance DeleteInstance = nullptr;
    PFN_EncryptMechData EncryptMechData = nullptr;
    PFN_DecryptMechData DecryptMechData = nullptr;

private:
    void* m_handle = nullptr;
    const char* m_missing = nullptr;
};

// The folder of the running executable, with a trailing '/'.
std::string ExecutableFolder();

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
