#include "PredefLoadMirror.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>

#include "MechXml.h"
#include "NumText.h"

namespace {

// Tokens separated by commas and/or blanks, in lower case.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (const char ch : text + ",") {
        if (ch == ',' || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
        } else {
            cur += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
    }
    return out;
}

}  // namespace

int ReadPredefLoadText(const char* text, size_t length, PredefLoadData& out) {
    out = PredefLoadData();
    pugi::xml_document doc;
    if (!doc.load_buffer(text, strnlen(text, length), pugi::parse_default, pugi::encoding_auto)) return -1;
    if (kest::ElementsNestDeeperThan(doc, kest::kMaxMechElementDepth)) return -3;
    const pugi::xml_node header = doc.select_node("//PredefLoad/FileHeader").node();
    if (!header) return -2;
    out.version = kest::ParseIntPrefix(header.attribute("Version").value());
    out.lastModified = header.attribute("LastModifiedDate").value();
    for (const pugi::xpath_node& item : doc.select_nodes("//Load")) {
        PredefLoadEntry load;
        load.name = item.node().attribute("Name").value();
        double* numbers[7] = {&load.mass, &load.lx, &load.ly, &load.lz, &load.ixx, &load.iyy, &load.izz};
        const char* numberNames[7] = {"Mass", "L_X", "L_Y", "L_Z", "I_X", "I_Y", "I_Z"};
        bool finite = true;
        for (pugi::xml_node child = item.node().first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            const std::string name = child.name();
            if (name == "Description") load.description = kest::MechElementText(child);
            if (name == "Img") load.img = kest::MechElementText(child);
            if (name == "Mount") load.mount = Tokens(kest::MechElementText(child));
            if (name == "Appl") load.appl = Tokens(kest::MechElementText(child));
            for (int i = 0; i < 7; ++i) {
                if (name != numberNames[i]) continue;
                float value = 0.0f;
                kest::ScanFloat(kest::MechElementText(child).c_str(), value);
                *numbers[i] = static_cast<double>(value) / (i >= 1 && i <= 3 ? 1000.0 : 1.0);
                if (!std::isfinite(*numbers[i])) finite = false;
            }
        }
        if (finite) {
            out.loads.push_back(load);
        } else {
            ++out.refused;
        }
    }
    return 0;
}
