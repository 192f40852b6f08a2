#include "TestData.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "MemCrypt.h"
#include "TblMech.h"
#include "Utf16.h"

namespace kesttest {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "kesttest-XXXXXX").string();
    if (mkdtemp(&tmpl[0]) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string EncryptTable(const std::string& plain) {
    kest::CMemCrypt crypt;
    if (crypt.Prepare(reinterpret_cast<const unsigned char*>(plain.data()), static_cast<int>(plain.size()),
                      kest::CTblMech::kPassword) != 0 ||
        crypt.Encrypt() != 0) {
        throw std::runtime_error("encryption failed");
    }
    return std::string(reinterpret_cast<const char*>(crypt.GetOutput()),
                       static_cast<size_t>(crypt.GetOutputLength()));
}

std::string HandTableXml() {
    return R"(<?xml version="1.0"?>
<MechTable>
  <FileHeader Version="7" LastModifiedDate="2026-01-31"/>
  <Mech Name="HAND">
    <Description>round numbers for hand checks</Description>
    <Img>Image/Mech/HAND.png</Img>
    <L_HX>0.25</L_HX><L_HZ>0.75</L_HZ><L_VX>0.5</L_VX><L_VZ>0.375</L_VZ><L_B>0.125</L_B>
    <Th_Hmax>120</Th_Hmax>
    <M_A1I>20</M_A1I><L_A1XI>0.5</L_A1XI><L_A1YI>0.0625</L_A1YI><L_A1ZI>0.25</L_A1ZI>
    <I_A1XXI>0.5</I_A1XXI><I_A1YYI>1</I_A1YYI><I_A1ZZI>1.5</I_A1ZZI>
    <M_Tmax>10</M_Tmax><Tau_uR1>24.5</Tau_uR1><Tau_uR2B>49</Tau_uR2B>
    <I_R1>1</I_R1><I_R2B>4</I_R2B>
    <KI_V>1</KI_V><KI_H>1</KI_H><KI_S>2</KI_S><SLR_V>50</SLR_V><SLR_H>50</SLR_H>
  </Mech>
  <Mech Name="Second">
    <Img>Image/Mech/Second.png</Img>
    <L_B>0.1</L_B><M_Tmax>300</M_Tmax><Tau_uR1>588</Tau_uR1><Tau_uR2B>1176</Tau_uR2B>
    <I_R1>50</I_R1><I_R2B>120</I_R2B><Th_Hmax>60</Th_Hmax>
    <KI_V>1</KI_V><KI_H>1</KI_H><KI_S>1</KI_S><SLR_V>60</SLR_V><SLR_H>60</SLR_H>
  </Mech>
</MechTable>
)";
}

void WriteTables(const TempDir& dir, const std::string& xml, const std::string& oldXml) {
    WriteBytes(dir.file("KestMechData.bin"), EncryptTable(xml));
    if (!oldXml.empty()) WriteBytes(dir.file("KestMechData_old.bin"), EncryptTable(oldXml));
}

std::u16string U(const std::string& utf8) { return kest::Utf8ToUtf16(utf8); }

}  // namespace kesttest
