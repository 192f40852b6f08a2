// The mechanism-data cipher: known key-stream vectors, round trips across the
// block size, and damaged or foreign input.
#include <gtest/gtest.h>

#include <string>

#include "MemCrypt.h"
#include "TblMech.h"
#include "TestData.h"

using kest::CMemCrypt;

namespace {

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

int DecryptBytes(const std::string& in, std::string& plain) {
    CMemCrypt crypt;
    int rc = crypt.Prepare(reinterpret_cast<const unsigned char*>(in.data()), static_cast<int>(in.size()),
                           kest::CTblMech::kPassword);
    if (rc == 0) rc = crypt.Decrypt();
    plain.assign(reinterpret_cast<const char*>(crypt.GetOutput()),
                 static_cast<size_t>(crypt.GetOutputLength()));
    return rc;
}

TEST(MemCrypt, KnownVectors) {
    EXPECT_EQ(Hex(kesttest::EncryptTable("")), "bf17e31acbda0feee4896ca12b019817");
    EXPECT_EQ(Hex(kesttest::EncryptTable("<MechTable/>")),
              "57470aa02c8edc88616c4a07ac37dd93e7b1efe7e1347eb6254553dd");
    const std::string big = Hex(kesttest::EncryptTable(std::string(984, 'A')));
    ASSERT_EQ(big.size(), 2000u);  // 984 + 16 bytes: exactly one block
    EXPECT_EQ(big.substr(0, 64), "2a4b2e82059bfcab4c48247886b89b28ca11229e96faccb6c74385e93e84fd32");
    EXPECT_EQ(big.substr(2000 - 32), "f1636d00181db53711378789f1437d40");
}

TEST(MemCrypt, RoundTripAcrossBlockSizes) {
    // 990 puts the digest across the block boundary (1000 + 6 bytes); 1000 and
    // 2500 put it in a short last block.
    for (size_t n : {0u, 1u, 15u, 16u, 984u, 985u, 990u, 999u, 1000u, 1001u, 2500u, 20000u}) {
        std::string plain(n, '\0');
        for (size_t i = 0; i < n; ++i) plain[i] = static_cast<char>((i * 131 + 7) & 0xFF);
        const std::string enc = kesttest::EncryptTable(plain);
        ASSERT_EQ(enc.size(), n + 16) << n;
        std::string back;
        EXPECT_EQ(DecryptBytes(enc, back), 0) << n;
        EXPECT_EQ(back, plain) << n;
    }
}

TEST(MemCrypt, DecryptLeavesZeroAfterPlainBytes) {
    const std::string enc = kesttest::EncryptTable("<MechTable/>");
    CMemCrypt crypt;
    ASSERT_EQ(crypt.Prepare(reinterpret_cast<const unsigned char*>(enc.data()), static_cast<int>(enc.size()),
                            kest::CTblMech::kPassword),
              0);
    ASSERT_EQ(crypt.Decrypt(), 0);
    EXPECT_EQ(crypt.GetOutputLength(), 12);
    EXPECT_EQ(crypt.GetOutput()[12], 0);
}

TEST(MemCrypt, AnyChangedByteFailsTheDigest) {
    const std::string enc = kesttest::EncryptTable(std::string(1500, 'x'));
    for (size_t pos : {0u, 1u, 999u, 1000u, 1499u, 1500u, 1515u}) {
        std::string bad = enc;
        bad[pos] = static_cast<char>(bad[pos] ^ 0x01);
        std::string out;
        EXPECT_EQ(DecryptBytes(bad, out), CMemCrypt::kErrDigest) << pos;
    }
}

TEST(MemCrypt, ForeignAndShortInputFail) {
    std::string out;
    EXPECT_EQ(DecryptBytes("<MechTable><FileHeader Version=\"1\"/></MechTable>", out), CMemCrypt::kErrDigest);
    EXPECT_EQ(DecryptBytes("", out), CMemCrypt::kErrDigest);
    EXPECT_EQ(DecryptBytes(std::string(15, 'q'), out), CMemCrypt::kErrDigest);
    EXPECT_EQ(out.size(), 0u);
    // A wrong password gives a different key stream.
    const std::string enc = kesttest::EncryptTable("abc");
    CMemCrypt crypt;
    ASSERT_EQ(crypt.Prepare(reinterpret_cast<const unsigned char*>(enc.data()), static_cast<int>(enc.size()),
                            "lanterns6"),
              0);
    EXPECT_EQ(crypt.Decrypt(), CMemCrypt::kErrDigest);
}

}  // namespace
