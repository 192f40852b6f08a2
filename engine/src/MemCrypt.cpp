#include "MemCrypt.h"

#include <nettle/md5.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kest {
namespace {

// Trace lines of the cipher go to standard output, and only when asked for
// with KEST_ENGINE_TRACE=1 in the environment (kestmech --trace sets it).
void Trace(const char* line) {
    const char* on = std::getenv("KEST_ENGINE_TRACE");
    if (on != nullptr && std::strcmp(on, "1") == 0) std::fputs(line, stdout);
}

}  // namespace

CMemCrypt::CMemCrypt() = default;

CMemCrypt::~CMemCrypt() {
    std::free(m_work);
    if (m_ownsOutput) std::free(m_output);
    std::memset(&m_key, 0, sizeof m_key);
    std::memset(m_keyBytes, 0, sizeof m_keyBytes);
}

int CMemCrypt::Prepare(const unsigned char* input, int inputLength, const char* password) {
    if (inputLength < 0 || (input == nullptr && inputLength > 0) || password == nullptr) {
        return kErrInvalid;
    }
    m_input = input;
    m_inputLength = inputLength;
    std::strncpy(m_password, password, sizeof m_password - 1);
    m_password[sizeof m_password - 1] = '\0';

    m_provider = true;
    Trace("A cryptographic provider has been acquired.\n");

    md5_ctx hash;
    md5_init(&hash);
    Trace("A hash object has been created.");
    md5_update(&hash, std::strlen(m_password), reinterpret_cast<const uint8_t*>(m_password));
    Trace("The password has been added to the hash. \n");
    uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(&hash, sizeof digest, digest);
    std::memcpy(m_keyBytes, digest, kKeyBytes);
    RestartKeyStream();
    Trace("An encryption key is derived from the password hash. \n");

    m_blockSize = kBlockSize;
    m_workSize = kBlockSize + 8;
    std::free(m_work);
    m_work = static_cast<unsigned char*>(std::calloc(static_cast<size_t>(m_workSize) + 1, 1));
    if (m_work == nullptr) {
        Trace("Out of memory.");
        return kErrOutOfMemory;
    }
    if (m_output == nullptr) {
        const size_t size = (static_cast<size_t>(inputLength) / kBlockSize + 1) * m_workSize + 40;
        m_output = static_cast<unsigned char*>(std::calloc(size, 1));
        if (m_output == nullptr) {
            Trace("Out of memory.");
            return kErrOutOfMemory;
        }
        m_ownsOutput = 1;
    }
    Trace("Memory has been allocated for the buffer. \n");
    return 0;
}

void CMemCrypt::RestartKeyStream() { arcfour_set_key(&m_key, kKeyBytes, m_keyBytes); }

int CMemCrypt::Encrypt() {
    if (!m_provider || m_work == nullptr || m_output == nullptr) return kErrInvalid;
    RestartKeyStream();
    md5_ctx hash;
    md5_init(&hash);
    Trace("A hash object has been created. \n");

    int done = 0;
    while (done < m_inputLength) {
        const int len = m_inputLength - done < m_blockSize ? m_inputLength - done : m_blockSize;
        std::memcpy(m_work, m_input + done, static_cast<size_t>(len));
        md5_update(&hash, static_cast<size_t>(len), m_work);
        Trace("buffer has been added to the hash. \n");
        arcfour_crypt(&m_key, static_cast<size_t>(len), m_work, m_work);
        std::memcpy(m_output + done, m_work, static_cast<size_t>(len));
        done += len;
    }
    uint8_t digest[kDigestSize + 8];
    md5_digest(&hash, kDigestSize, digest);
    arcfour_crypt(&m_key, kDigestSize, digest, digest);
    std::memcpy(m_output + done, digest, kDigestSize);
    m_outputLength = m_inputLength + kDigestSize;
    RestartKeyStream();  // a final block leaves the key ready for a new stream
    return 0;
}

int CMemCrypt::Decrypt() {
    if (!m_provider || m_work == nullptr || m_output == nullptr) return kErrInvalid;
    m_outputLength = 0;
    m_output[0] = 0;
    // Fewer bytes than a digest cannot be a mechanism-data file.
    if (m_inputLength < kDigestSize) return kErrDigest;
    RestartKeyStream();
    md5_ctx hash;
    md5_init(&hash);
    Trace("A hash object has been created. \n");

    // One continuous key stream over all blocks; the last 16 decrypted bytes are
    // the stored digest, even when they straddle two blocks.
    const int plainLength = m_inputLength - kDigestSize;
    int done = 0;
    while (done < m_inputLength) {
        const int len = m_inputLength - done < m_blockSize ? m_inputLength - done : m_blockSize;
        std::memcpy(m_work, m_input + done, static_cast<size_t>(len));
        arcfour_crypt(&m_key, static_cast<size_t>(len), m_work, m_work);
        std::memcpy(m_output + done, m_work, static_cast<size_t>(len));
        const int plainInBlock =
            done >= plainLength ? 0 : (done + len <= plainLength ? len : plainLength - done);
        if (plainInBlock > 0) {
            md5_update(&hash, static_cast<size_t>(plainInBlock), m_work);
            Trace("buffer has been added to the hash. \n");
        }
        done += len;
    }
    uint8_t stored[kDigestSize];
    std::memcpy(stored, m_output + plainLength, kDigestSize);
    m_outputLength = plainLength;
    m_output[plainLength] = 0;
    RestartKeyStream();

    uint8_t computed[kDigestSize + 8];
    md5_digest(&hash, kDigestSize, computed);
    return std::memcmp(stored, computed, kDigestSize) == 0 ? 0 : kErrDigest;
}

}  // namespace kest
