#include "TblMech.h"

#include <cstdio>
#include <cstring>
#include <pugixml.hpp>

#include "EngineMessage.h"
#include "FileBytes.h"
#include "MemCrypt.h"
#include "NumText.h"
#include "Tarn_Kest.h"
#include "Utf16.h"

namespace kest {

const char* const CTblMech::kPassword = "lanterns5";

namespace {

// The element's text as an XML DOM reports it: all character data below it,
// without leading and trailing white space.
std::string ElementText(const pugi::xml_node& node) {
    std::string text;
    for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
            text += n.value();
        } else if (n.type() == pugi::node_element) {
            text += ElementText(n);
        }
    }
    const char* ws = " \t\r\n";
    const size_t b = text.find_first_not_of(ws);
    if (b == std::string::npos) return std::string();
    const size_t e = text.find_last_not_of(ws);
    return text.substr(b, e - b + 1);
}

// Applies one child element of a Mech to its record.
void ApplyField(MechRec& rec, const char* name, const std::string& text) {
    if (std::strcmp(name, "Description") == 0) return;
    float value = 0.0f;  // a text that is not a number gives 0
    ScanFloat(text.c_str(), value);
    if (std::strcmp(name, "Img") == 0) {
        rec.picture += Utf8ToUtf16(text);
        return;
    }
    if (double* field = rec.ConstantField(name)) *field = static_cast<double>(value);
}

}  // namespace

int CTblMech::Load(const std::u16string& path, bool encrypted) {
    const std::string fileName = Utf16ToUtf8(path);
    std::vector<unsigned char> file;
    switch (ReadWholeFile(fileName, file, kMaxMechFileBytes)) {
        case ReadFileResult::Ok: break;
        case ReadFileResult::TooLarge:
            ShowEngineMessage(u"The mechanism data file is larger than the limit of " +
                                  std::u16string(kMaxMechFileText) + u" :\r\n" + path,
                              KEST_MB_OK | KEST_MB_ICONSTOP);
            return TARN_ERR_OPEN;
        case ReadFileResult::CannotOpen:
            ShowEngineMessage(u"Can't find mechfile :\r\n" + path, KEST_MB_OK | KEST_MB_ICONSTOP);
            return TARN_ERR_OPEN;
    }
    if (!encrypted) {
        return LoadXml(reinterpret_cast<const char*>(file.data()), file.size());
    }
    static_assert(kMaxMechFileBytes < 0x7FFFFFF0u, "file lengths are passed to the cipher as int");
    CMemCrypt crypt;
    if (crypt.Prepare(file.data(), static_cast<int>(file.size()), kPassword) < 0) {
        return TARN_ERR_DECRYPT;
    }
    if (crypt.Decrypt() < 0) return TARN_ERR_DECRYPT;
    std::fflush(stdout);
    return LoadXml(reinterpret_cast<const char*>(crypt.GetOutput()),
                   static_cast<size_t>(crypt.GetOutputLength()));
}

int CTblMech::LoadXml(const char* text, size_t length) {
    // The text counts up to its first zero byte, as an 8-bit string would.
    const size_t n = text ? strnlen(text, length) : 0;
    pugi::xml_document doc;
    // Encoding from the byte-order mark or the XML declaration, UTF-8 otherwise.
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text ? text : "", n, pugi::parse_default, pugi::encoding_auto);
    if (!parsed) return TARN_ERR_XML;

    Clear();
    const pugi::xpath_node header = doc.select_node("//MechTable/FileHeader");
    if (!header) return TARN_ERR_NO_HEADER;
    if (pugi::xml_attribute v = header.node().attribute("Version")) {
        m_version = ParseIntPrefix(v.value());
    }
    if (pugi::xml_attribute d = header.node().attribute("LastModifiedDate")) {
        m_lastModified = Utf8ToUtf16(d.value());
    }
    for (const pugi::xpath_node& item : doc.select_nodes("//Mech")) {
        const pugi::xml_node mech = item.node();
        const pugi::xml_attribute name = mech.attribute("Name");
        if (!name) {
            std::fprintf(stderr, "Mechanism data: a Mech element without Name is skipped (offset %ld).\n",
                         static_cast<long>(mech.offset_debug()));
            continue;
        }
        auto rec = std::make_unique<MechRec>();
        rec->name = Utf8ToUtf16(name.value());
        for (pugi::xml_node child = mech.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            ApplyField(*rec, child.name(), ElementText(child));
        }
        m_records.push_back(std::move(rec));
    }
    return 0;
}

void CTblMech::Clear() { m_records.clear(); }

std::u16string CTblMech::GetNameAt(int index) const {
    if (index < 0 || index >= GetCount()) return std::u16string();
    return m_records[static_cast<size_t>(index)]->name;
}

MechRec* CTblMech::GetAt(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return m_records[static_cast<size_t>(index)].get();
}

MechRec* CTblMech::FindMech(const std::u16string& name) const {
    for (const auto& rec : m_records) {
        if (rec->name == name) return rec.get();
    }
    return nullptr;
}

}  // namespace kest
