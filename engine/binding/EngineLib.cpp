#include "EngineLib.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

CEngineLib::~CEngineLib() {
    if (m_handle != nullptr) dlclose(m_handle);
}

bool CEngineLib::Open(const std::string& folder, std::string& error) {
    const std::string path = folder + "libTarn_Kest.so";
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        const char* why = dlerror();
        error = "loading " + path + " failed: " + (why ? why : "unknown error");
        return false;
    }
    const struct {
        const char* name;
        void** target;
    } exports[] = {{TARN_CREATE_INSTANCE_NAME, reinterpret_cast<void**>(&CreateInstance)},
                   {TARN_DELETE_INSTANCE_NAME, reinterpret_cast<void**>(&DeleteInstance)},
                   {TARN_ENCRYPT_NAME, reinterpret_cast<void**>(&EncryptMechData)},
                   {TARN_DECRYPT_NAME, reinterpret_cast<void**>(&DecryptMechData)}};
    for (const auto& e : exports) {
        *e.target = dlsym(m_handle, e.name);
        if (*e.target == nullptr) {
            m_missing = e.name;
            error = path + " lacks the export " + e.name;
            return false;
        }
    }
    return true;
}

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

CQuietStdout::CQuietStdout(bool quiet) {
    if (!quiet) return;
    std::fflush(stdout);
    m_saved = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (m_saved < 0 || devNull < 0) {
        if (devNull >= 0) close(devNull);
        return;
    }
    dup2(devNull, STDOUT_FILENO);
    close(devNull);
}

CQuietStdout::~CQuietStdout() {
    if (m_saved < 0) return;
    std::fflush(stdout);
    dup2(m_saved, STDOUT_FILENO);
    close(m_saved);
}
