// In-memory cipher of the mechanism-data files.
//
// The file is RC4 over the plain bytes followed by their 16-byte MD5 digest, as
// one continuous key stream. The RC4 key is the first 7 bytes (56 bits) of the
// MD5 of the password, unsalted, so files written by earlier releases of the
// mechanism data read unchanged.
#pragma once

#include <nettle/arcfour.h>

namespace kest {

class CMemCrypt {
public:
    static constexpr int kBlockSize = 1000;
    static constexpr int kDigestSize = 16;
    static constexpr int kKeyBytes = 7;  // 56-bit key
    static constexpr int kErrInvalid = -1;
    static constexpr int kErrOutOfMemory = -2;
    static constexpr int kErrDigest = -8;  // digest mismatch (or no digest at all)

    CMemCrypt();
    virtual ~CMemCrypt();
    CMemCrypt(const CMemCrypt&) = delete;
    CMemCrypt& operator=(const CMemCrypt&) = delete;

    // Stores the input and password, derives the key and allocates the buffers.
    int Prepare(const unsigned char* input, int inputLength, const char* password);
    // Encrypts the input and appends the encrypted digest: n + 16 bytes.
    int Encrypt();
    // Decrypts the input, checks its digest and leaves n - 16 plain bytes
    // followed by a zero byte. 0 when the digest matches, -8 otherwise.
    int Decrypt();

    const unsigned char* GetOutput() const { return m_output; }
    int GetOutputLength() const { return m_outputLength; }

private:
    void RestartKeyStream();

    bool m_provider = false;  // key derived and ready
    unsigned char m_keyBytes[kKeyBytes] = {};
    arcfour_ctx m_key{};
    char m_password[100] = {};
    unsigned char* m_work = nullptr;  // block-sized scratch buffer
    int m_workSize = 0;
    int m_blockSize = 0;
    const unsigned char* m_input = nullptr;
    unsigned char* m_output = nullptr;
    int m_inputLength = 0;
    int m_outputLength = 0;
    int m_ownsOutput = 0;
};

}  // namespace kest
