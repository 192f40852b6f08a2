#include "EngineBinding.h"

#include <dlfcn.h>

#include <QFile>

int CEngineBinding::Load(const QString& folder) {
    if (m_hLib != nullptr) return -1;
    const QString path = folder + QString::fromLatin1(FileName());
    m_hLib = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (m_hLib == nullptr) return -2;
    struct Entry {
        const char* name;
        void** target;
        int code;
    };
    const Entry entries[] = {
        {TARN_CREATE_INSTANCE_NAME, reinterpret_cast<void**>(&m_pfnCreate), -3},
        {TARN_DELETE_INSTANCE_NAME, reinterpret_cast<void**>(&m_pfnDelete), -4},
        {TARN_ENCRYPT_NAME, reinterpret_cast<void**>(&m_pfnEncrypt), -5},
        {TARN_DECRYPT_NAME, reinterpret_cast<void**>(&m_pfnDecrypt), -6},
    };
    for (const Entry& e : entries) {
        *e.target = dlsym(m_hLib, e.name);
        if (*e.target == nullptr) {
            m_failedExport = e.name;
            return e.code;
        }
    }
    m_pEngine = m_pfnCreate();
    if (m_pEngine == nullptr) return -11;
    const std::u16string f = folder.toStdU16String();
    if (m_pEngine->Init(f.c_str()) < 0) return -12;
    return 0;
}

int CEngineBinding::Unload() {
    const int rc = m_pEngine == nullptr ? -1 : 0;
    if (m_pEngine != nullptr) m_pfnDelete(m_pEngine);
    if (m_hLib != nullptr) dlclose(m_hLib);
    m_hLib = nullptr;
    m_pEngine = nullptr;
    m_pfnCreate = nullptr;
    m_pfnDelete = nullptr;
    m_pfnEncrypt = nullptr;
    m_pfnDecrypt = nullptr;
    return rc;
}
