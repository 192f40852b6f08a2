// Reading the mechanism table: field rules, header rules and what a failed
// load leaves behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

#include "FileBytes.h"
#include "Tarn_Kest.h"
#include "TblMech.h"
#include "TestData.h"

using namespace kest;
using kesttest::TempDir;
using kesttest::U;

namespace {

int LoadText(CTblMech& t, const std::string& xml) { return t.LoadXml(xml.data(), xml.size()); }

std::string Repeat(const std::string& part, int n) {
    std::string s;
    s.reserve(part.size() * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) s += part;
    return s;
}

// A table whose L_B value "0.5" sits inside `depth` further elements: the
// deepest element is at level depth + 3 (MechTable, Mech, L_B).
std::string NestedConstantXml(int depth) {
    return "<MechTable><FileHeader/><Mech Name=\"Deep\"><L_B>" + Repeat("<x>", depth) + " 0.5 " +
           Repeat("</x>", depth) + "</L_B></Mech></MechTable>";
}

void MakeSparseFile(const std::string& path, off_t size) {
    kesttest::WriteBytes(path, "");
    ASSERT_EQ(truncate(path.c_str(), size), 0) << path;
}

TEST(TblMech, FieldRules) {
    CTblMech t;
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader Version="3" LastModifiedDate="today"/>
        <Mech Name="A">
          <Img>Image/</Img><Img>Mech/A.png</Img>
          <L_B>0.1</L_B><M_Tmax> 12.5 kg</M_Tmax><Tau_uR1>n/a</Tau_uR1>
          <Description>99</Description><l_hx>5</l_hx><Unknown>4</Unknown>
        </Mech></MechTable>)"),
              0);
    ASSERT_EQ(t.GetCount(), 1);
    const MechRec* m = t.FindMech(u"A");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->picture, u"Image/Mech/A.png");        // two Img texts are joined
    EXPECT_EQ(m->L_B, 0.100000001490116119384765625);  // single precision, widened
    EXPECT_EQ(m->M_Tmax, 12.5);                        // leading number of the text
    EXPECT_EQ(m->Tau_uR1, 0.0);                        // not a number: stays 0
    EXPECT_EQ(m->L_HX, 0.0);                           // names are case-sensitive
    EXPECT_EQ(m->L_HZ, 0.0);                           // absent: 0
    EXPECT_EQ(m->loads[SLOT_TOOL].m, 120.0);           // a new record's tool mass
    EXPECT_EQ(m->calculated, 0);
    EXPECT_EQ(t.GetVersion(), 3);
    EXPECT_EQ(t.GetLastModifiedDate(), u"today");
}

TEST(TblMech, FindIsExactAndFirstInFileOrder) {
    CTblMech t;
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader/>
        <Mech Name="TK6"><M_Tmax>6</M_Tmax></Mech>
        <Mech Name="tk6"><M_Tmax>7</M_Tmax></Mech>
        <Mech Name="TK6"><M_Tmax>8</M_Tmax></Mech>
        <Mech><M_Tmax>9</M_Tmax></Mech></MechTable>)"),
              0);
    EXPECT_EQ(t.GetCount(), 3);  // the Mech without Name is skipped
    EXPECT_EQ(t.FindMech(u"TK6")->M_Tmax, 6.0);
    EXPECT_EQ(t.FindMech(u"tk6")->M_Tmax, 7.0);
    EXPECT_EQ(t.FindMech(u"Tk6"), nullptr);
    EXPECT_EQ(t.FindMech(u"TK"), nullptr);
    EXPECT_EQ(t.GetNameAt(2), u"TK6");
    EXPECT_EQ(t.GetNameAt(3), u"");
    EXPECT_EQ(t.GetNameAt(-1), u"");
}

TEST(TblMech, HeaderRules) {
    CTblMech t;
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader LastModifiedDate="d1"/></MechTable>)"), 0);
    EXPECT_EQ(t.GetVersion(), 0);  // first load without Version
    EXPECT_EQ(t.GetCount(), 0);
    EXPECT_EQ(t.GetNameAt(0), u"");
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader Version="12"/><Mech Name="X"/></MechTable>)"), 0);
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader Version="x"/></MechTable>)"), 0);
    EXPECT_EQ(t.GetVersion(), 0);  // present but without digits
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader Version="15"/></MechTable>)"), 0);
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader/><Mech Name="Y"/></MechTable>)"), 0);
    EXPECT_EQ(t.GetVersion(), 15);  // kept from the previous file
    EXPECT_EQ(t.GetLastModifiedDate(), u"d1");
    EXPECT_EQ(t.GetCount(), 1);

    // No header: the table is emptied and -4 returned.
    EXPECT_EQ(LoadText(t, R"(<Other><FileHeader Version="1"/><Mech Name="Z"/></Other>)"), TARN_ERR_NO_HEADER);
    EXPECT_EQ(t.GetCount(), 0);
}

TEST(TblMech, DeclaredEncodingIsHonoured) {
    CTblMech t;
    // "Gréifer" in ISO-8859-1 bytes, and the same text in UTF-8 without a declaration.
    ASSERT_EQ(LoadText(t,
                       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                       "<MechTable><FileHeader/><Mech Name=\"Gr\xE9ifer\"/></MechTable>"),
              0);
    EXPECT_EQ(t.GetNameAt(0), u"Gr\u00E9ifer");
    ASSERT_EQ(LoadText(t, "<MechTable><FileHeader/><Mech Name=\"\xEB\xA1\x9C\xEB\xB4\x87\"/></MechTable>"),
              0);
    EXPECT_EQ(t.GetNameAt(0), u"\uB85C\uBD07");
}

TEST(TblMech, NestedTextIsCutPerElement) {
    CTblMech t;
    // Each nested element's text loses its outer white space before it joins its
    // parent's; comments add nothing and CDATA counts as text.
    ASSERT_EQ(LoadText(t, R"(<MechTable><FileHeader/><Mech Name="A">
          <Img> Image/<b> <c> Mech </c> </b>/<!-- c -->A.png </Img>
          <L_B><![CDATA[ 0.]]><d>5</d></L_B>
          <Tau_uR1><e>  </e>  7<f> 5 </f></Tau_uR1>
        </Mech></MechTable>)"),
              0);
    const MechRec* m = t.FindMech(u"A");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->picture, u"Image/Mech/A.png");
    EXPECT_EQ(m->L_B, static_cast<double>(0.5f));
    EXPECT_EQ(m->Tau_uR1, 75.0);  // "  7" joined with "5", not "7 5"
}

TEST(TblMech, DeepNestingIsRefusedBeforeQuerying) {
    CTblMech t;
    // 256 element levels are read, value and all; one more is refused.
    ASSERT_EQ(LoadText(t, NestedConstantXml(253)), 0);
    ASSERT_EQ(t.GetCount(), 1);
    EXPECT_EQ(t.GetAt(0)->L_B, 0.5);
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadText(t, NestedConstantXml(254)), TARN_ERR_TOO_DEEP);
    // 60,000 levels inside a constant once overflowed the stack.
    EXPECT_EQ(LoadText(t, NestedConstantXml(60000)), TARN_ERR_TOO_DEEP);
    // Mech elements nested in Img: every Img's text spans all deeper ones.
    EXPECT_EQ(LoadText(t, "<MechTable><FileHeader/>" + Repeat("<Mech Name=\"M\"><Img>x", 60000) +
                              Repeat("</Img></Mech>", 60000) + "</MechTable>"),
              TARN_ERR_TOO_DEEP);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("deeper than 256 levels"), std::string::npos) << err;
    // Refused before anything was replaced.
    ASSERT_EQ(t.GetCount(), 1);
    EXPECT_EQ(t.GetNameAt(0), u"Deep");
}

TEST(TblMech, OnlyRegularFilesAreRead) {
    TempDir dir;
    CTblMech t;
    kesttest::WriteTables(dir, kesttest::HandTableXml());
    ASSERT_EQ(t.Load(U(dir.file("KestMechData.bin")), true), 0);

    // A FIFO without a writer: opening it must not wait. Should it wait, a
    // writer is opened after 5 s so that the test fails instead of hanging.
    const std::string fifo = dir.file("fifo.bin");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    testing::internal::CaptureStderr();
    std::packaged_task<int()> task([&t, &fifo] { return t.Load(U(fifo), true); });
    std::future<int> result = task.get_future();
    std::thread loader(std::move(task));
    const bool prompt = result.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!prompt) {
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) close(writer);
    }
    loader.join();
    EXPECT_TRUE(prompt) << "loading a FIFO waited for a writer";
    EXPECT_EQ(result.get(), TARN_ERR_OPEN);
    // A device that never ends and a folder.
    EXPECT_EQ(t.Load(u"/dev/zero", true), TARN_ERR_OPEN);
    EXPECT_EQ(t.Load(U(dir.path()), true), TARN_ERR_OPEN);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Can't find mechfile :\r\n" + fifo), std::string::npos) << err;
    EXPECT_NE(err.find("Can't find mechfile :\r\n/dev/zero"), std::string::npos) << err;
    EXPECT_EQ(t.GetCount(), 2);
}

TEST(TblMech, FilesAboveTheSizeLimitAreNotRead) {
    TempDir dir;
    CTblMech t;
    kesttest::WriteTables(dir, kesttest::HandTableXml());
    ASSERT_EQ(t.Load(U(dir.file("KestMechData.bin")), true), 0);
    // A file of exactly the limit is read (and then fails its digest).
    MakeSparseFile(dir.file("limit.bin"), static_cast<off_t>(kMaxMechFileBytes));
    EXPECT_EQ(t.Load(U(dir.file("limit.bin")), true), TARN_ERR_DECRYPT);
    // One byte more is refused like a file that cannot be opened, naming the limit.
    MakeSparseFile(dir.file("huge.bin"), static_cast<off_t>(kMaxMechFileBytes) + 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(t.Load(U(dir.file("huge.bin")), true), TARN_ERR_OPEN);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("larger than the limit of 16 MB :\r\n" + dir.file("huge.bin")), std::string::npos)
        << err;
    EXPECT_EQ(t.GetCount(), 2);
}

TEST(TblMech, FailedLoadsKeepThePreviousRecords) {
    TempDir dir;
    CTblMech t;
    kesttest::WriteTables(dir, kesttest::HandTableXml());
    ASSERT_EQ(t.Load(U(dir.file("KestMechData.bin")), true), 0);
    ASSERT_EQ(t.GetCount(), 2);

    // Not XML after decryption.
    kesttest::WriteBytes(dir.file("bad.bin"), kesttest::EncryptTable("this is not <xml"));
    EXPECT_EQ(t.Load(U(dir.file("bad.bin")), true), TARN_ERR_XML);
    // Empty decrypted text.
    kesttest::WriteBytes(dir.file("empty.bin"), kesttest::EncryptTable(""));
    EXPECT_EQ(t.Load(U(dir.file("empty.bin")), true), TARN_ERR_XML);
    // A damaged file, a plain file and an empty file fail the digest.
    std::string damaged = kesttest::ReadBytes(dir.file("KestMechData.bin"));
    damaged[damaged.size() / 2] ^= 0x20;
    kesttest::WriteBytes(dir.file("damaged.bin"), damaged);
    EXPECT_EQ(t.Load(U(dir.file("damaged.bin")), true), TARN_ERR_DECRYPT);
    kesttest::WriteBytes(dir.file("plain.bin"), kesttest::HandTableXml());
    EXPECT_EQ(t.Load(U(dir.file("plain.bin")), true), TARN_ERR_DECRYPT);
    kesttest::WriteBytes(dir.file("zero.bin"), "");
    EXPECT_EQ(t.Load(U(dir.file("zero.bin")), true), TARN_ERR_DECRYPT);
    // A missing file and a folder cannot be opened.
    testing::internal::CaptureStderr();
    EXPECT_EQ(t.Load(U(dir.file("missing.bin")), true), TARN_ERR_OPEN);
    EXPECT_EQ(t.Load(U(dir.path()), true), TARN_ERR_OPEN);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Can't find mechfile :\r\n" + dir.file("missing.bin")), std::string::npos) << err;

    EXPECT_EQ(t.GetCount(), 2);
    EXPECT_NE(t.FindMech(u"HAND"), nullptr);
}

}  // namespace
