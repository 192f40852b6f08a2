#include "EngineBinding.h"

#include <QFile>
#include <string>

#include "EngineLib.h"

CEngineBinding::CEngineBinding() = default;

CEngineBinding::~CEngineBinding() { Unload(); }

int CEngineBinding::Load(const QString& folder, bool current) {
    if (m_lib != nullptr) return LOAD_ALREADY;
    m_lib = std::make_unique<CEngineLib>();
    std::string error;
    if (!m_lib->Open(QFile::encodeName(folder).toStdString(), error)) {
        m_failedExport = m_lib->MissingExport();
        if (m_failedExport == nullptr) {
            m_lib.reset();
            return LOAD_NO_LIBRARY;
        }
        const std::string name = m_failedExport;
        // One code per export, in the order of the library's four.
        return name == TARN_CREATE_INSTANCE_NAME   ? LOAD_NO_EXPORT
               : name == TARN_DELETE_INSTANCE_NAME ? LOAD_NO_EXPORT - 1
               : name == TARN_ENCRYPT_NAME         ? LOAD_NO_EXPORT - 2
                                                   : LOAD_NO_EXPORT - 3;
    }
    m_pEngine = m_lib->CreateInstance();
    if (m_pEngine == nullptr) return LOAD_NO_OBJECT;
    const std::u16string f = folder.toStdU16String();
    const int rc = current ? m_pEngine->Init(f.c_str()) : m_pEngine->LoadMechData(f.c_str(), 0);
    m_tableError = rc < 0 ? rc : 0;
    if (rc < 0) return LOAD_NO_TABLE;
    return LOAD_OK;
}

int CEngineBinding::Unload() {
    const int rc = m_pEngine == nullptr ? -1 : 0;
    if (m_pEngine != nullptr) m_lib->DeleteInstance(m_pEngine);
    m_pEngine = nullptr;
    m_lib.reset();  // frees the library
    return rc;
}

PFN_EncryptMechData CEngineBinding::EncryptFunction() const {
    return m_lib != nullptr ? m_lib->EncryptMechData : nullptr;
}
