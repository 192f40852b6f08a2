#include "MechXml.h"

#include <cstring>
#include <pugixml.hpp>

#include "NumText.h"
#include "Tarn_Kest.h"
#include "Utf16.h"

namespace kest {
namespace {

bool IsTrimmedSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Applies one child element of a Mech to its record (and its notes). The text
// is gathered only for the elements that are used.
void ApplyField(MechRec& rec, const pugi::xml_node& child, MechElementNotes* notes) {
    const char* name = child.name();
    if (std::strcmp(name, "Img") == 0) {
        rec.picture += Utf8ToUtf16(MechElementText(child));
        return;
    }
    const int index = MechConstantIndex(name);
    if (index < 0) return;
    std::string text = MechElementText(child);
    float value = 0.0f;  // a text that is not a number gives 0
    ScanFloat(text.c_str(), value);
    rec.*kMechConstants[index].field = static_cast<double>(value);
    if (notes != nullptr) {
        ++notes->count[index];
        notes->text[index] = std::move(text);
    }
}

}  // namespace

// Walks the tree through its parent links. Deeper documents are refused before
// they are queried: every constant or Img element's text is gathered from its
// whole subtree, so Mech elements nested inside such fields would make the work
// grow with the square of the depth.
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

// One pass without recursion: all levels write into one string. A level skips
// white space until its first other character (its leading cut) and, when it
// ends, drops the white space at its end (its trailing cut), so every character
// is written and removed at most once whatever the depth.
std::string MechElementText(const pugi::xml_node& element) {
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

int ReadMechTableXml(const char* text, size_t length, MechTableText& out, bool withNotes) {
    out = MechTableText();
    // The text counts up to its first zero byte, as an 8-bit string would.
    const size_t n = text ? strnlen(text, length) : 0;
    pugi::xml_document doc;
    // Encoding from the byte-order mark or the XML declaration, UTF-8 otherwise.
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text ? text : "", n, pugi::parse_default, pugi::encoding_auto);
    if (!parsed) return TARN_ERR_XML;
    if (ElementsNestDeeperThan(doc, kMaxMechElementDepth)) return TARN_ERR_TOO_DEEP;

    const pugi::xpath_node header = doc.select_node("//MechTable/FileHeader");
    if (!header) return TARN_ERR_NO_HEADER;
    if (pugi::xml_attribute v = header.node().attribute("Version")) {
        out.hasVersion = true;
        out.version = ParseIntPrefix(v.value());
    }
    if (pugi::xml_attribute d = header.node().attribute("LastModifiedDate")) {
        out.hasDate = true;
        out.lastModified = Utf8ToUtf16(d.value());
    }
    for (const pugi::xpath_node& item : doc.select_nodes("//Mech")) {
        const pugi::xml_node mech = item.node();
        const pugi::xml_attribute name = mech.attribute("Name");
        const size_t offset = static_cast<size_t>(mech.offset_debug());
        if (!name) out.unnamed.push_back(offset);
        if (!name && !withNotes) continue;
        MechElementNotes* notes = nullptr;
        if (withNotes) {
            out.notes.emplace_back();
            notes = &out.notes.back();
            notes->offset = offset;
            notes->hasName = static_cast<bool>(name);
            notes->name = Utf8ToUtf16(name.value());
        }
        auto rec = std::make_unique<MechRec>();
        rec->name = Utf8ToUtf16(name.value());
        for (pugi::xml_node child = mech.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            ApplyField(*rec, child, notes);
        }
        if (name) out.records.push_back(std::move(rec));
    }
    return 0;
}

}  // namespace kest
