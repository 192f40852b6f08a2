// The shipped libTarn_Kest.so, loaded by name from the application folder and
// driven only through its four exports, as the user interface drives it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "EngineLibrary.h"
#include "TestData.h"

using kesttest::TempDir;
using kesttest::U;

namespace {

TEST(EngineExports, OnlyTheFourFunctionsAreExported) {
    const std::string cmd = "nm -D --defined-only '" + std::string(KEST_APP_DIR) + "libTarn_Kest.so'";
    FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, p)) {
        std::string s(line);
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        const size_t sp = s.rfind(' ');
        if (sp == std::string::npos) continue;
        const std::string type = s.substr(sp - 1, 1);
        if (type == "A") continue;  // version-script nodes, not symbols
        names.insert(s.substr(sp + 1));
    }
    ASSERT_EQ(pclose(p), 0);
    EXPECT_EQ(names, (std::set<std::string>{"DecryptMechData", "EncryptMechData", "Tarn_CreateInstance",
                                            "Tarn_DeleteInstance"}));
}

TEST(EngineExports, CreateDriveDelete) {
    kesttest::EngineLibrary lib;
    TempDir dir;
    kesttest::WriteTables(dir, kesttest::HandTableXml());
    ITarn* t = lib.CreateInstance();
    ASSERT_NE(t, nullptr);
    const std::u16string folder = U(dir.path());
    ASSERT_EQ(t->Init(folder.c_str()), 0);
    ASSERT_EQ(t->SelectMech(u"HAND"), 0);
    const LoadRec tool{5, 100, 0, 200, 0.1, 0.2, 0.05};
    const LoadRec zero{};
    EXPECT_EQ(t->SetLoad(LOAD_TOOL, &tool), 0);
    EXPECT_EQ(t->SetLoad(LOAD_S, &zero), 0);
    EXPECT_EQ(t->SetLoad(LOAD_H, &zero), 0);
    EXPECT_EQ(t->SetLoad(LOAD_V, &zero), 0);
    EXPECT_EQ(t->Calculate(), 0);
    AxisRatios m{};
    EXPECT_EQ(t->GetMomentRatios(&m), 0);
    EXPECT_NEAR(m.v[5], 20.0, 1e-9);  // 0.1 m * 5 kg * 9.8 / 24.5 N·m
    EXPECT_NEAR(t->GetLimitR(), 500.0, 1e-9);
    EXPECT_EQ(t->IsInEnvelope(), 1);
    EXPECT_EQ(lib.DeleteInstance(t), 0);
    EXPECT_EQ(lib.DeleteInstance(nullptr), 0);
}

TEST(EngineExports, FileConversionsRoundTrip) {
    kesttest::EngineLibrary lib;
    TempDir dir;
    const std::string plain = kesttest::HandTableXml();
    kesttest::WriteBytes(dir.file("plain.xml"), plain);
    const std::u16string src = U(dir.file("plain.xml"));
    const std::u16string enc = U(dir.file("enc.bin"));
    const std::u16string back = U(dir.file("back.xml"));
    ASSERT_EQ(lib.EncryptMechData(src.c_str(), enc.c_str()), 0);
    EXPECT_EQ(kesttest::ReadBytes(dir.file("enc.bin")).size(), plain.size() + 16);
    ASSERT_EQ(lib.DecryptMechData(enc.c_str(), back.c_str()), 0);
    EXPECT_EQ(kesttest::ReadBytes(dir.file("back.xml")), plain);  // no trailing zero byte

    // An empty file becomes the 16 bytes of its encrypted digest and comes back empty.
    kesttest::WriteBytes(dir.file("empty"), "");
    const std::u16string empty = U(dir.file("empty"));
    ASSERT_EQ(lib.EncryptMechData(empty.c_str(), enc.c_str()), 0);
    EXPECT_EQ(kesttest::ReadBytes(dir.file("enc.bin")).size(), 16u);
    ASSERT_EQ(lib.DecryptMechData(enc.c_str(), back.c_str()), 0);
    EXPECT_EQ(kesttest::ReadBytes(dir.file("back.xml")), "");
    EXPECT_TRUE(kesttest::Messages().empty());
}

TEST(EngineExports, FileConversionFailuresAreReported) {
    kesttest::EngineLibrary lib;
    TempDir dir;
    kesttest::Messages().clear();
    const std::u16string missing = U(dir.file("missing.xml"));
    const std::u16string out = U(dir.file("out.bin"));
    EXPECT_EQ(lib.EncryptMechData(missing.c_str(), out.c_str()), -1);
    ASSERT_EQ(kesttest::Messages().size(), 1u);
    EXPECT_EQ(kesttest::Messages()[0].text,
              u"Failed in opening the mechanism data file.(source) :\n" + missing);
    EXPECT_EQ(kesttest::Messages()[0].flags, 0u);  // OK button, no icon

    kesttest::WriteBytes(dir.file("plain.xml"), "<MechTable/>");
    const std::u16string plain = U(dir.file("plain.xml"));
    const std::u16string unwritable = U(dir.file("no/such/folder/out.bin"));
    EXPECT_EQ(lib.EncryptMechData(plain.c_str(), unwritable.c_str()), -3);
    EXPECT_EQ(kesttest::Messages().back().text,
              u"Failed in opening the mechanism data file.(destination) :\n" + unwritable +
                  u"\nNo such file or directory");

    // A plain (or tampered) file does not decrypt, and nothing is written.
    EXPECT_EQ(lib.DecryptMechData(plain.c_str(), out.c_str()), -2);
    EXPECT_EQ(kesttest::Messages().back().text, u"Failed in decrypting the mechanism data file.\ncode=-8");
    EXPECT_FALSE(std::ifstream(dir.file("out.bin")).good());
    EXPECT_EQ(kesttest::Messages().size(), 3u);
}

TEST(EngineExports, FilesAboveTheSizeLimitAreRefusedNamingIt) {
    kesttest::EngineLibrary lib;
    TempDir dir;
    kesttest::Messages().clear();
    // A sparse file one byte above 16 MB, as table and as conversion source.
    kesttest::WriteBytes(dir.file("KestMechData.bin"), "");
    ASSERT_EQ(truncate(dir.file("KestMechData.bin").c_str(), 16 * 1024 * 1024 + 1), 0);
    ITarn* t = lib.CreateInstance();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Init(U(dir.path()).c_str()), TARN_ERR_OPEN);
    lib.DeleteInstance(t);
    ASSERT_EQ(kesttest::Messages().size(), 1u);
    EXPECT_EQ(
        kesttest::Messages()[0].text,
        u"The mechanism data file is larger than the limit of 16 MB :\r\n" + U(dir.file("KestMechData.bin")));
    EXPECT_EQ(kesttest::Messages()[0].flags, static_cast<unsigned>(KEST_MB_ICONSTOP));

    const std::u16string src = U(dir.file("KestMechData.bin"));
    const std::u16string out = U(dir.file("out.bin"));
    EXPECT_EQ(lib.EncryptMechData(src.c_str(), out.c_str()), -1);
    EXPECT_EQ(lib.DecryptMechData(src.c_str(), out.c_str()), -1);
    ASSERT_EQ(kesttest::Messages().size(), 3u);
    EXPECT_EQ(kesttest::Messages()[2].text,
              u"The mechanism data file is larger than the limit of 16 MB.(source) :\n" + src);
    EXPECT_FALSE(std::ifstream(dir.file("out.bin")).good());
}

// Output goes through a temporary file beside the destination, renamed over
// it: a FIFO or folder is never opened, stale temporary files of a killed run
// go, and the cipher's trace stays off standard output unless asked for.
TEST(EngineExports, ConversionsWriteAtomicallyAndQuietly) {
    kesttest::EngineLibrary lib;
    TempDir dir;
    kesttest::Messages().clear();
    kesttest::WriteBytes(dir.file("plain.xml"), kesttest::HandTableXml());
    const std::u16string src = U(dir.file("plain.xml"));
    const std::u16string enc = U(dir.file("enc.bin"));
    kesttest::WriteBytes(dir.file("enc.bin"), "old");
    ASSERT_EQ(chmod(dir.file("enc.bin").c_str(), 0640), 0);
    // Temporary files of our pattern: an old one goes; a fresh one, a link and
    // other names stay.
    for (const char* name : {".kl.Old123", ".kl.New123", ".kl.toolong1", "x.kl.Old456"})
        kesttest::WriteBytes(dir.file(name), "t");
    ASSERT_EQ(symlink("plain.xml", dir.file(".kl.Lnk123").c_str()), 0);
    const timespec old[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
    for (const char* name : {".kl.Old123", ".kl.toolong1", "x.kl.Old456", ".kl.Lnk123"})
        ASSERT_EQ(utimensat(AT_FDCWD, dir.file(name).c_str(), old, AT_SYMLINK_NOFOLLOW), 0);

    // Standard output, caught in a file while the engine works.
    std::fflush(stdout);
    const int saved = dup(1);
    const std::string caught = dir.file("stdout.txt");
    const int fd = open(caught.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    close(fd);
    unsetenv("KEST_ENGINE_TRACE");
    const int encrypted = lib.EncryptMechData(src.c_str(), enc.c_str());
    ITarn* t = lib.CreateInstance();
    const std::u16string app = U(KEST_APP_DIR);
    const int loaded = t->Init(app.c_str());
    std::fflush(stdout);
    const std::string quiet = kesttest::ReadBytes(caught);
    setenv("KEST_ENGINE_TRACE", "1", 1);
    t->Init(app.c_str());
    unsetenv("KEST_ENGINE_TRACE");
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    lib.DeleteInstance(t);
    EXPECT_EQ(encrypted, 0);
    EXPECT_EQ(loaded, 0);
    EXPECT_EQ(quiet, "");
    EXPECT_NE(kesttest::ReadBytes(caught).find("cryptographic provider"), std::string::npos);

    struct stat st;
    ASSERT_EQ(stat(dir.file("enc.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(static_cast<size_t>(st.st_size), kesttest::HandTableXml().size() + 16);
    EXPECT_NE(access(dir.file(".kl.Old123").c_str(), F_OK), 0);
    for (const char* name : {".kl.New123", ".kl.toolong1", "x.kl.Old456", ".kl.Lnk123"})
        EXPECT_EQ(lstat(dir.file(name).c_str(), &st), 0) << name;

    // A FIFO (or a folder) as the destination is refused at once, and stays.
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
    const std::u16string fifo = U(dir.file("fifo"));
    EXPECT_EQ(lib.DecryptMechData(enc.c_str(), fifo.c_str()), -3);
    EXPECT_NE(kesttest::Messages().back().text.find(u"not a regular file"), std::u16string::npos);
    ASSERT_EQ(stat(dir.file("fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    const std::u16string folder = U(dir.path());
    EXPECT_EQ(lib.EncryptMechData(src.c_str(), folder.c_str()), -3);
}

TEST(EngineExports, MissingTableIsShownThroughTheHook) {
    kesttest::EngineLibrary lib;
    kesttest::Messages().clear();
    ITarn* t = lib.CreateInstance();
    EXPECT_EQ(t->Init(u"/nonexistent-kest/"), TARN_ERR_OPEN);
    ASSERT_EQ(kesttest::Messages().size(), 1u);
    EXPECT_EQ(kesttest::Messages()[0].text, u"Can't find mechfile :\r\n/nonexistent-kest/KestMechData.bin");
    EXPECT_EQ(kesttest::Messages()[0].flags, static_cast<unsigned>(KEST_MB_ICONSTOP));
    lib.DeleteInstance(t);
}

}  // namespace
