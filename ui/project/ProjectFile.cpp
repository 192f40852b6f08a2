// The project file (.kestload): written line by line exactly as earlier
// releases wrote it, read back through XPath queries.
#include <QStringDecoder>
#include <cmath>
#include <iterator>
#include <pugixml.hpp>
#include <string>

#include "AtomicFile.h"
#include "LoadLimits.h"
#include "NumText.h"
#include "ProjectFile.h"
#include "RegularFile.h"
#include "Strings.h"

namespace {

const char* const kLoadAttrs[7] = {"Mass", "Lx", "Ly", "Lz", "Ixx", "Iyy", "Izz"};
const char* const kListNames[4] = {"Tool", "AddLoad-V", "AddLoad-H", "AddLoad-S"};

// Whether XML 1.0 can hold the character (a code point, surrogates paired).
bool IsXmlChar(char32_t c) {
    if (c == 0x9 || c == 0xA || c == 0xD) return true;
    if (c < 0x20) return false;
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

// The text without what XML cannot hold (control characters, unpaired surrogates).
QString KeepXmlText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
        } else if (IsXmlChar(c.unicode())) {
            kept += c;
        }
    }
    return kept;
}

// Text between double quotes: the XML entities and the line-break and tab
// characters as references, so that any text survives a round trip. What XML
// cannot hold is left out, so every file is well-formed for any parser.
QByteArray Escape(const QString& text) {
    const QString kept = KeepXmlText(text);
    QByteArray out;
    for (const char c : kept.toUtf8()) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default: out += c;
        }
    }
    return out;
}

// An attribute's text. QString::fromUtf8 would drop a byte-order mark at the
// start of the value; here it stays text like any other character, so that a
// value that begins with one reads the same every time.
QString AttrText(const pugi::xml_attribute& a) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(a.value()));
}

class CWriter {
public:
    void Line(int level, const QByteArray& text) {
        m_out += QByteArray(level, '\t');
        m_out += text;
        m_out += "\r\n";
    }
    void Empty() { m_out += "\r\n"; }
    void Attr(int level, const char* name, const QByteArray& value) {
        Line(level, QByteArray(name) + "=\"" + value + "\"");
    }
    void Text(int level, const char* name, const QString& value) { Attr(level, name, Escape(value)); }
    void Number(int level, const char* name, double value) {
        Attr(level, name, QByteArray::fromStdString(kest::FormatC("%.4f", value)));
    }
    // Seven load attributes, positions in millimetres.
    void Load(int level, const CPrmLoadSub& p) {
        double d[7];
        p.ToDisplay(d);
        for (int i = 0; i < 7; ++i) Number(level, kLoadAttrs[i], d[i]);
    }
    QByteArray m_out;
};

// One load-calculator list: start tag, one Load group per load, end tag, empty line.
int WriteLoadCalcIn(CWriter& w, const CLoadArray& list, const char* name, int level) {
    w.Line(level, QByteArray("<") + name + ">");
    for (const CLoad& load : list) {
        w.Line(level + 1, "<Load");
        w.Text(level + 2, "Name", load.Name);
        w.Load(level + 2, load.prm);
        w.Line(level + 1, "/>");
    }
    w.Line(level, QByteArray("</") + name + ">");
    w.Empty();
    return 0;
}

// A number read from a file: the leading number of the text (text without one
// reads as 0), which must be finite. A text that is not a plain number is still
// read that way (files of other programs rely on it), but never silently: it
// adds a warning that names the element, the attribute and the text.
// Every load case with its name and four loads; Current names the one the
// root's loads belong to.
void WriteLoadCases(CWriter& w, const CProject& p) {
    w.Line(1, "<Load-Cases");
    w.Attr(2, "Current", QByteArray::number(p.CurrentCase));
    w.Line(2, ">");
    w.Empty();
    for (int c = 0; c < p.CaseCount(); ++c) {
        w.Line(2, "<Case");
        w.Text(3, "Name", p.Cases[c].Name);
        w.Line(3, ">");
        const CProjectLoads& l = p.CaseLoads(c);
        const CPrmLoadSub* loads[4] = {&l.tool, &l.v, &l.h, &l.s};
        for (int i = 0; i < 4; ++i) {
            w.Line(3, QByteArray("<") + kListNames[i]);
            w.Load(4, *loads[i]);
            w.Line(4, "/>");
        }
        w.Line(2, "</Case>");
        w.Empty();
    }
    w.Line(1, "</Load-Cases>");
    w.Empty();
}

class CReader {
public:
    CReader(QString* error, QStringList* warnings) : m_error(error), m_warnings(warnings) {}

    // `where` names the element in messages (the element's own name when empty).
    bool Number(const pugi::xml_node& node, const pugi::xml_attribute& a, double& out,
                const QString& where = QString()) {
        const QString element = where.isEmpty() ? QString::fromUtf8(node.name()) : where;
        double value = 0.0;
        kest::ScanDouble(a.value(), value);
        if (!std::isfinite(value)) {
            if (m_error) {
                *m_error =
                    kest::LoadKestString(kest::IDS_NOT_FINITE)
                        .arg(element, QString::fromUtf8(a.name()), QString::fromUtf8(a.value()).left(40));
            }
            return false;
        }
        double whole = 0.0;
        if (m_warnings && !kest::ParseDouble(a.value(), whole)) {
            *m_warnings << kest::LoadKestString(kest::IDS_NUMBER_READ_AS)
                               .arg(element, QString::fromUtf8(a.name()),
                                    QString::fromUtf8(a.value()).left(40),
                                    QString::fromStdString(kest::FormatC("%.15g", value)));
        }
        out = value;
        return true;
    }

    // The seven load attributes that the node has; positions from mm to m. A
    // magnitude that no real load has is refused like a bad number.
    bool ReadPrmLoadSub(CPrmLoadSub& target, const pugi::xml_node& node, const QString& where = QString()) {
        double* fields[7] = {&target.Mass, &target.Lx,  &target.Ly, &target.Lz,
                             &target.Ixx,  &target.Iyy, &target.Izz};
        for (int i = 0; i < 7; ++i) {
            const pugi::xml_attribute a = node.attribute(kLoadAttrs[i]);
            if (!a) continue;
            if (!Number(node, a, *fields[i], where)) return false;
            if (!LoadValueInRange(i, *fields[i])) {
                if (m_error) {
                    *m_error = kest::LoadKestString(kest::IDS_NOT_A_LOAD)
                                   .arg(where.isEmpty() ? QString::fromUtf8(node.name()) : where,
                                        QString::fromUtf8(a.name()), QString::fromUtf8(a.value()).left(40));
                }
                return false;
            }
            if (i >= 1 && i <= 3) *fields[i] /= 1000.0;
        }
        return true;
    }

    bool ReadLoadCalcIn(CLoadArray& list, const pugi::xml_node& node) {
        list.clear();
        int n = 0;
        for (const pugi::xpath_node& item : node.select_nodes("Load")) {
            CLoad load;
            if (const pugi::xml_attribute name = item.node().attribute("Name")) load.Name = AttrText(name);
            const QString where =
                QStringLiteral("Load-Calculator %1 Load %2").arg(QString::fromUtf8(node.name())).arg(++n);
            if (!ReadPrmLoadSub(load.prm, item.node(), where)) return false;
            list.append(load);
        }
        return true;
    }

    bool ReadToolCalcIn(CToolCalcInputs& calc, const pugi::xml_node& node) {
        int count = 0;
        const CToolCalcInputs::Field* fields = CToolCalcInputs::SavedFields(&count);
        for (int i = 0; i < count; ++i) {
            const pugi::xml_attribute a = node.attribute(fields[i].name);
            if (a && !Number(node, a, calc.*(fields[i].member))) return false;
        }
        return true;
    }

    // The Load-Cases element into the project, whose Loads (the root's) are the
    // current case's; PRJ_OK, or the failure with the reason that names the case.
    int ReadLoadCases(CProject& p, const pugi::xml_node& node) {
        auto fail = [this](int code, const QString& reason) {
            if (m_error) *m_error = reason;
            return code;
        };
        QVector<CLoadCase> cases;
        const auto listed = node.children("Case");
        const int count = static_cast<int>(std::distance(listed.begin(), listed.end()));
        if (count > kMaxLoadCases)
            return fail(PRJ_BAD_CASES,
                        kest::LoadKestString(kest::IDS_CASES_TOO_MANY).arg(count).arg(kMaxLoadCases));
        const QString currentText = QString::fromUtf8(node.attribute("Current").value());
        bool isNumber = false;
        const int current = currentText.toInt(&isNumber);
        if (!isNumber || current < 0 || current >= count)
            return fail(
                PRJ_BAD_CASES,
                kest::LoadKestString(kest::IDS_CASES_BAD_CURRENT).arg(currentText.left(40)).arg(count));
        int n = 0;
        for (const pugi::xml_node& c : node.children("Case")) {
            CLoadCase loadCase;
            loadCase.Name = AttrText(c.attribute("Name"));
            ++n;
            CPrmLoadSub* loads[4] = {&loadCase.Loads.tool, &loadCase.Loads.v, &loadCase.Loads.h,
                                     &loadCase.Loads.s};
            for (int i = 0; i < 4; ++i) {
                const pugi::xml_node load = c.child(kListNames[i]);
                const QString element = QString::fromLatin1(kListNames[i]);
                if (!load)
                    return fail(PRJ_BAD_CASES, kest::LoadKestString(kest::IDS_CASE_NO_ELEMENT)
                                                   .arg(n)
                                                   .arg(loadCase.Name.left(40), element));
                const QString where =
                    kest::LoadKestString(kest::IDS_CASE_WHERE).arg(n).arg(loadCase.Name.left(40), element);
                if (!ReadPrmLoadSub(*loads[i], load, where)) return PRJ_BAD_NUMBER;
            }
            cases.append(loadCase);
        }
        // The root's loads are the current case's.
        cases[current].Loads = p.Loads;
        p.Cases = cases;
        p.CurrentCase = current;
        return PRJ_OK;
    }

private:
    QString* m_error;
    QStringList* m_warnings;
};

}  // namespace

QByteArray WriteProjectText(const CProject& p) {
    CWriter w;
    w.m_out = "\xEF\xBB\xBF";
    w.Line(0, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>");
    w.Line(0, "<KestLoadProject");
    w.Attr(1, "SchemaHi", "2");
    w.Attr(1, "SchemaLo", "1");
    w.Text(1, "Company", p.Company);
    w.Text(1, "Project", p.Project);
    w.Text(1, "Application", p.Application);
    w.Text(1, "Line", p.Line);
    w.Text(1, "RobotNum", p.RobotNum);
    w.Text(1, "Engineer", p.Engineer);
    w.Text(1, "Comment", p.Comment);
    w.Text(1, "MechName0", p.Robots.Names().value(0));
    w.Text(1, "MechName1", p.Robots.Names().value(1));
    w.Text(1, "MechName2", p.Robots.Names().value(2));
    w.Line(1, ">");
    w.Empty();
    const CPrmLoadSub* loads[4] = {&p.Loads.tool, &p.Loads.v, &p.Loads.h, &p.Loads.s};
    for (int i = 0; i < 4; ++i) {
        w.Line(1, QByteArray("<") + kListNames[i]);
        w.Load(2, *loads[i]);
        w.Line(2, "/>");
        w.Empty();
    }
    w.Line(1, "<Load-Calculator>");
    for (int i = 0; i < 4; ++i) WriteLoadCalcIn(w, p.LoadCalc.m_arrLoad[i], kListNames[i], 2);
    w.Line(1, "</Load-Calculator>");
    w.Empty();
    w.Line(1, "<Tool-Calculator");
    int count = 0;
    const CToolCalcInputs::Field* fields = CToolCalcInputs::SavedFields(&count);
    for (int i = 0; i < count; ++i) w.Number(2, fields[i].name, p.ToolCalc.*(fields[i].member));
    w.Line(2, "/>");
    w.Empty();
    if (p.HasNamedOrSeveralCases()) WriteLoadCases(w, p);
    w.Line(0, "</KestLoadProject>");
    return w.m_out;
}

int WriteProjectFile(const QString& path, const CProject& project, QString* error) {
    return WriteFileAtomically(path, WriteProjectText(project), error) ? PRJ_OK : PRJ_WRITE_FAILED;
}

int ReadProjectFile(const QString& path, CProject& p, QString* error, QStringList* warnings) {
    QByteArray bytes;
    if (!ReadRegularFile(path, kMaxProjectFileBytes, bytes, error)) return PRJ_UNREADABLE;
    return ReadProjectText(bytes, p, error, warnings);
}

int ReadProjectText(const QByteArray& bytes, CProject& p, QString* error, QStringList* warnings) {
    if (warnings) warnings->clear();
    auto fail = [error](int code, const QString& reason) {
        if (error) *error = reason;
        return code;
    };
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!parsed) {
        return fail(
            PRJ_UNREADABLE,
            kest::LoadKestString(kest::IDS_NOT_XML) +
                QStringLiteral(" (%1, %2).").arg(QString::fromUtf8(parsed.description())).arg(parsed.offset));
    }
    const pugi::xml_node root = doc.select_node("//KestLoadProject").node();
    if (!root)
        return fail(PRJ_NO_ROOT,
                    kest::LoadKestString(kest::IDS_NO_ELEMENT).arg(QStringLiteral("KestLoadProject")));

    // Everything is read into a copy, which replaces the caller's project only
    // when the whole file could be read.
    CProject read = p;
    QString* texts[7] = {&read.Company,  &read.Project,  &read.Application, &read.Line,
                         &read.RobotNum, &read.Engineer, &read.Comment};
    const char* names[7] = {"Company", "Project", "Application", "Line", "RobotNum", "Engineer", "Comment"};
    for (int i = 0; i < 7; ++i) {
        if (const pugi::xml_attribute a = root.attribute(names[i])) *texts[i] = AttrText(a);
    }
    read.Robots.Clear();
    for (int d = 0; d < 3; ++d) {
        const std::string attr = "MechName" + std::to_string(d);
        // What a save would leave out goes before the name is trimmed, so that a
        // saved name reads back as itself.
        const QString name = KeepXmlText(AttrText(root.attribute(attr.c_str()))).trimmed();
        if (!name.isEmpty()) read.Robots.Add(name);
    }
    // Warnings are kept only when the whole file could be read.
    QStringList noted;
    CReader reader(error, warnings ? &noted : nullptr);
    CPrmLoadSub* loads[4] = {&read.Loads.tool, &read.Loads.v, &read.Loads.h, &read.Loads.s};
    for (int i = 0; i < 4; ++i) {
        const std::string query = std::string("//KestLoadProject") + "/" + kListNames[i];
        const pugi::xml_node node = doc.select_node(query.c_str()).node();
        if (!node)
            return fail(PRJ_NO_TOOL - i,
                        kest::LoadKestString(kest::IDS_NO_ELEMENT).arg(QString::fromLatin1(kListNames[i])));
        if (!reader.ReadPrmLoadSub(*loads[i], node)) return PRJ_BAD_NUMBER;
    }
    if (const pugi::xml_node calc = doc.select_node("//KestLoadProject/Load-Calculator").node()) {
        for (int i = 0; i < 4; ++i) {
            const pugi::xml_node list = calc.child(kListNames[i]);
            if (list && !reader.ReadLoadCalcIn(read.LoadCalc.m_arrLoad[i], list)) return PRJ_BAD_NUMBER;
        }
    }
    if (const pugi::xml_node tool = doc.select_node("//KestLoadProject/Tool-Calculator").node()) {
        if (!reader.ReadToolCalcIn(read.ToolCalc, tool)) return PRJ_BAD_NUMBER;
    }
    // The load cases: one unnamed case (the root's loads) unless the file lists them.
    read.Cases = {CLoadCase()};
    read.CurrentCase = 0;
    if (const pugi::xml_node cases = doc.select_node("//KestLoadProject/Load-Cases").node()) {
        const int rc = reader.ReadLoadCases(read, cases);
        if (rc != PRJ_OK) return rc;
    }
    p = read;
    if (warnings) *warnings = noted;
    return PRJ_OK;
}
