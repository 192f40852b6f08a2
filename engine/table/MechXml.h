// Reading the plain XML text of a mechanism table into records. The engine
// loads its table through this, and the lint reads tables the same way, so a
// table means the same to both.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "MechRec.h"

namespace pugi {
class xml_document;
class xml_node;
}  // namespace pugi

namespace kest {

// Elements may nest this deep in a mechanism table; real tables use three levels.
constexpr int kMaxMechElementDepth = 256;

// How one Mech element wrote its constants (kept only when asked for).
struct MechElementNotes {
    size_t offset = 0;  // byte offset of the element in the text
    bool hasName = false;
    std::u16string name;
    int count[kMechConstantCount] = {};    // elements that gave each constant
    std::string text[kMechConstantCount];  // the text of the last of them
};

struct MechTableText {
    bool hasVersion = false;
    int version = 0;
    bool hasDate = false;
    std::u16string lastModified;
    // One record per Mech element with a Name attribute, in document order.
    std::vector<std::unique_ptr<MechRec>> records;
    // Byte offsets of the Mech elements without a Name (they give no record).
    std::vector<size_t> unnamed;
    // Every Mech element in document order, when asked for.
    std::vector<MechElementNotes> notes;
};

// Reads `length` bytes of table text (up to the first zero byte, as an 8-bit
// string counts). 0, or TARN_ERR_XML (not well-formed), TARN_ERR_TOO_DEEP
// (nested deeper than kMaxMechElementDepth) or TARN_ERR_NO_HEADER (no
// //MechTable/FileHeader; nothing else is read).
int ReadMechTableXml(const char* text, size_t length, MechTableText& out, bool withNotes = false);

// True when some element of `doc` lies more than `limit` elements deep. Walks
// the tree without recursion, so the document's depth never reaches the stack.
bool ElementsNestDeeperThan(const pugi::xml_document& doc, int limit);

// The text of an XML element as the table reader sees it: the character data
// below it in document order, each nested element's text cut of its outer white
// space before it joins its parent's, and the whole cut the same way.
std::string MechElementText(const pugi::xml_node& element);

}  // namespace kest
