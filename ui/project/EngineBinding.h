// The calculation engine, loaded at run time from the application folder by
// file name (libTarn_Kest.so) and bound through its four exports. Used by the
// main window and by the command line alike.
#pragma once

#include <QString>
#include <memory>

#include "KestLoadLibExport.h"
#include "Tarn_Kest.h"

class CEngineLib;

class KESTLOADLIB_API CEngineBinding {
public:
    CEngineBinding();
    ~CEngineBinding();
    CEngineBinding(const CEngineBinding&) = delete;
    CEngineBinding& operator=(const CEngineBinding&) = delete;

    // Loads the library of `folder` (with its trailing '/'), binds the exports,
    // creates the engine object and initialises it with the folder's mechanism
    // data: the current table, or with `current` false only the older one.
    // What Load gives. A failure leaves nothing loaded but the library of
    // LOAD_NO_OBJECT and LOAD_NO_TABLE, which Unload releases.
    enum LoadStatus : int {
        LOAD_OK = 0,
        LOAD_ALREADY = -1,     // an engine is loaded already
        LOAD_NO_LIBRARY = -2,  // the library cannot be loaded
        LOAD_NO_EXPORT = -3,   // -3 to -6: an export is missing (FailedExport names it)
        LOAD_NO_OBJECT = -11,  // the object cannot be created
        LOAD_NO_TABLE = -12,   // the table cannot be loaded (TableError gives the engine's code)
    };
    // LoadStatus.
    int Load(const QString& folder, bool current = true);
    // Deletes the object through the engine's own export, then frees the library.
    // 0, or -1 when no object existed (a library alone is still freed).
    int Unload();

    ITarn* Engine() const { return m_pEngine; }
    PFN_EncryptMechData EncryptFunction() const;
    const char* FailedExport() const { return m_failedExport; }
    // The engine's code of the failed table load behind -12 (0 otherwise).
    int TableError() const { return m_tableError; }
    static const char* FileName() { return "libTarn_Kest.so"; }
    // The mechanism table of the current or the older controller generation.
    static const char* MechDataFileName(bool current) {
        return current ? "KestMechData.bin" : "KestMechData_old.bin";
    }

private:
    std::unique_ptr<CEngineLib> m_lib;
    ITarn* m_pEngine = nullptr;
    const char* m_failedExport = nullptr;
    int m_tableError = 0;
};
