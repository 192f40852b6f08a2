#include "PredefLoads.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <pugixml.hpp>

#include "NumText.h"
#include "RegularFile.h"
#include "StrParse.h"
#include "Strings.h"

namespace {

// The text of an element: its own character data, without the white space
// around it. Only direct children are read, so nesting costs nothing extra.
QString ElementText(const pugi::xml_node& element) {
    std::string text;
    for (pugi::xml_node n = element.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
    }
    return QString::fromUtf8(text.c_str()).trimmed();
}

// A number of the file: the whole text one decimal number, read in single
// precision as the file's numbers always were, and finite. `written` is the
// same number in double precision.
bool ReadPredefNumber(const QString& text, double& value, double& written) {
    CStrParse parse(text);
    double whole = 0.0;
    if (parse.ReadDouble(whole) != 0) return false;
    parse.SkipSpace();
    if (!parse.AtEnd()) return false;
    float single = 0.0f;
    const QByteArray latin = text.toLatin1();
    if (!kest::ScanFloat(latin.constData(), single) || !std::isfinite(single)) return false;
    value = static_cast<double>(single);
    written = whole;
    return true;
}

}  // namespace

int ReadPredefFile(const QString& path, CPredefLoads& out, QString* error) {
    QByteArray bytes;
    QString reason;
    if (!ReadRegularFile(path, kMaxPredefFileBytes, bytes, &reason)) {
        if (error) *error = reason;
        return -1;
    }
    return ReadPredefText(bytes, QFileInfo(path).fileName(), out, error);
}

int ReadPredefText(const QByteArray& bytes, const QString& fileName, CPredefLoads& out, QString* error) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!parsed) {
        if (error) {
            *error =
                kest::LoadKestString(kest::IDS_NOT_XML) +
                QStringLiteral(" (%1, %2).").arg(QString::fromUtf8(parsed.description())).arg(parsed.offset);
        }
        return -1;
    }
    CPredefLoads read;
    if (const pugi::xml_node header = doc.select_node("//PredefLoad/FileHeader").node()) {
        read.nVersion = kest::ParseIntPrefix(header.attribute("Version").value());
        read.strDate = QString::fromUtf8(header.attribute("LastModifiedDate").value());
    }
    struct NumberField {
        const char* name;
        double CPrmLoadSub::*member;
        bool position;  // millimetres in the file, metres in the load
    };
    static const NumberField kNumbers[] = {
        {"Mass", &CPrmLoadSub::Mass, false}, {"L_X", &CPrmLoadSub::Lx, true},
        {"L_Y", &CPrmLoadSub::Ly, true},     {"L_Z", &CPrmLoadSub::Lz, true},
        {"I_X", &CPrmLoadSub::Ixx, false},   {"I_Y", &CPrmLoadSub::Iyy, false},
        {"I_Z", &CPrmLoadSub::Izz, false},
    };
    // Lines are counted once, front to back, as the loads come in document order.
    int line = 1;
    ptrdiff_t counted = 0;
    auto lineAt = [&](ptrdiff_t offset) {
        offset = std::min<ptrdiff_t>(std::max<ptrdiff_t>(offset, counted), bytes.size());
        line += static_cast<int>(std::count(bytes.constBegin() + counted, bytes.constBegin() + offset, '\n'));
        counted = offset;
        return line;
    };
    for (const pugi::xpath_node& item : doc.select_nodes("//Load")) {
        const pugi::xml_node node = item.node();
        CLoad load;
        std::array<double, 7> written{};
        load.Name = QString::fromUtf8(node.attribute("Name").value());
        bool sound = true;
        for (pugi::xml_node child = node.first_child(); child && sound; child = child.next_sibling()) {
            if (child.type() != pugi::node_element) continue;
            const char* name = child.name();
            QString* texts[5] = {&load.Description, &load.Img, &load.Mount, &load.Appl, &load.DescriptionEn};
            const char* textNames[5] = {"Description", "Img", "Mount", "Appl", "DescriptionEn"};
            bool done = false;
            for (int i = 0; i < 5 && !done; ++i) {
                if (std::strcmp(name, textNames[i]) != 0) continue;
                *texts[i] = ElementText(child);
                done = true;
            }
            for (size_t i = 0; i < std::size(kNumbers) && !done; ++i) {
                const NumberField& f = kNumbers[i];
                if (std::strcmp(name, f.name) != 0) continue;
                const QString text = ElementText(child);
                double value = 0.0;
                if (!ReadPredefNumber(text, value, written[i])) {
                    // This load is left out; the others are still offered.
                    // One pass over the placeholders: a '%' in a name stays text.
                    read.skipped << kest::LoadKestString(kest::IDS_LC_PREDEF_LEFT_OUT)
                                        .arg(fileName, QString::number(lineAt(child.offset_debug())),
                                             load.Name.left(80), QString::fromLatin1(f.name), text.left(40));
                    sound = false;
                    break;
                }
                load.prm.*(f.member) = f.position ? value / 1000.0 : value;
                done = true;
            }
        }
        if (sound) {
            read.loads.push_back(load);
            read.written.push_back(written);
        }
    }
    out = read;
    return 0;
}
