#include "TblMech.h"

#include <cstdio>
#include <cstring>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "EngineMessage.h"
#include "FileBytes.h"
#include "MemCrypt.h"
#include "NumText.h"
#include "Tarn_Kest.h"
#include "Utf16.h"

namespace kest {

const char* const CTblMech::kPassword = "lanterns5";

namespace {

// Elements may nest this deep in a mechanism table; real tables use three
// levels. Deeper documents are refused before they are queried: every constant
// or Img element's text is gathered from its whole subtree, so Mech elements
// nested inside such fields would make the work grow with the square of the
// depth.
constexpr int kMaxElementDepth = 256;

// True when some element lies more than `limit` elements deep. Walks the tree
// through its parent links, so the document's depth never reaches the stack.
bool ElementsNestDeeperThan(const pugi::xml_document& doc, int limit) {
    int depth = 0;  // elements enclosing `n`
    pugi::xml_node n = doc.first_child();
    while (n) {
        if (n.type() == pugi::node_element) {
            if (depth >= limit) return true;
            if (n.first_child()) {
                ++depth;
                n = n.first_child();
                continue;
            }
        }
        while (!n.next_sibling()) {
            n = n.parent();
            if (!n || n.type() == pugi::node_document) return false;
            --depth;
        }
        n = n.next_sibling();
    }
    return false;
}

bool IsTrimmedSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The element's text: the character data below it in document order, where the
// text of every nested element is itself cut of leading and trailing white space
// before it joins its parent's text, and the whole is cut the same way.
//
// One pass without recursion: all levels write into one string. A level skips
// white space until its first other character (its leading cut) and, when it
// ends, drops the white space at its end (its trailing cut), so every character
// is written and removed at most once whatever the depth.
std::string ElementText(const pugi::xml_node& element) {
    struct Level {
        size_t start;  // where this element's text begins in `text`
        bool begun;    // a character other than white space has been written
    };
    std::string text;
    std::vector<Level> levels{{0, false}};
    pugi::xml_node open = element;  // the element whose children are being read
    pugi::xml_node n = element.first_child();
    for (;;) {
        if (!n) {
            // `open` has no more children: its text ends here.
            const size_t start = levels.back().start;
            while (text.size() > start && IsTrimmedSpace(text.back())) text.pop_back();
            const bool nonEmpty = text.size() > start;
            levels.pop_back();
            if (levels.empty()) break;
            if (nonEmpty) levels.back().begun = true;
            n = open.next_sibling();
            open = open.parent();
            continue;
        }
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
            const char* v = n.value();
            if (!levels.back().begun) {
                while (IsTrimmedSpace(*v)) ++v;
                if (*v != '\0') levels.back().begun = true;
            }
            text += v;
            n = n.next_sibling();
        } else if (n.type() == pugi::node_element) {
            levels.push_back({text.size(), false});
            open = n;
            n = n.first_child();
        } else {
            n = n.next_sibling();  // comments and processing instructions add nothing
        }
    }
    return text;
}

// Applies one child element of a Mech to its record. The text is gathered only
// for the elements that are used.
void ApplyField(MechRec& rec, const pugi::xml_node& child) {
    const char* name = child.name();
    if (std::strcmp(name, "Img") == 0) {
        rec.picture += Utf8ToUtf16(ElementText(child));
        return;
    }
    if (double* field = rec.ConstantField(name)) {
        float value = 0.0f;  // a text that is not a number gives 0
        ScanFloat(ElementText(child).c_str(), value);
        *field = static_cast<double>(value);
    }
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
    if (ElementsNestDeeperThan(doc, kMaxElementDepth)) {
        std::fprintf(stderr, "Mechanism data: elements nest deeper than %d levels; the file is refused.\n",
                     kMaxElementDepth);
        return TARN_ERR_TOO_DEEP;
    }

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
            ApplyField(*rec, child);
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
