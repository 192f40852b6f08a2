#include "MechLint.h"

#include <cmath>
#include <cstring>
#include <map>
#include <pugixml.hpp>

#include "FileBytes.h"
#include "LoadCheck.h"
#include "MechXml.h"
#include "NumText.h"
#include "Tarn_Kest.h"
#include "Utf16.h"

namespace kest {
namespace {

// Longest name the program keeps: names are read into 24-character buffers.
constexpr size_t kMaxNameLength = 23;

// Constants that the load check divides by or that only make sense when
// positive: the rated payload, the allowable wrist values, the main-axis
// factors and the arm lengths.
const char* const kPositive[] = {"M_Tmax", "Tau_uR1", "Tau_uR2B", "I_R1", "I_R2B", "KI_V", "KI_H", "KI_S",
                                 "SLR_V",  "SLR_H",   "L_HX",     "L_HZ", "L_VX",  "L_VZ", "L_B"};

bool MustBePositive(const char* name) {
    for (const char* p : kPositive) {
        if (std::strcmp(p, name) == 0) return true;
    }
    return false;
}

// White space as the user interface trims it from a name it reads back.
bool IsBlank(char16_t c) {
    return c == u' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string Num(double v) { return std::isnan(v) ? std::string("not a number") : FormatC("%.6g", v); }

// Text quoted for a message, cut when long.
std::string Quoted(const std::string& text) {
    const size_t kMax = 40;
    return "\"" + (text.size() > kMax ? text.substr(0, kMax) + "..." : text) + "\"";
}

class CLinter {
public:
    CLinter(const char* text, size_t length, MechLintReport& report)
        : m_text(text), m_length(length), m_report(report) {}

    void Run() {
        MechTableText table;
        const int rc = ReadMechTableXml(m_text, m_length, table, true);
        if (rc != 0) {
            TableProblem(rc);
            return;
        }
        if (!table.hasVersion) Add(0, "", "the FileHeader has no Version attribute");
        if (!table.hasDate) Add(0, "", "the FileHeader has no LastModifiedDate attribute");
        m_report.mechanisms = static_cast<int>(table.notes.size());
        if (table.notes.empty()) Add(0, "", "the table holds no Mech element");
        size_t named = 0;
        for (const MechElementNotes& notes : table.notes) {
            const MechRec* rec = notes.hasName ? table.records[named++].get() : nullptr;
            Mech(notes, rec);
        }
    }

private:
    void Add(int line, const std::string& mech, const std::string& problem) {
        m_report.findings.push_back({line, mech, problem});
    }

    void TableProblem(int rc) {
        if (rc == TARN_ERR_XML) {
            pugi::xml_document doc;
            const pugi::xml_parse_result r =
                doc.load_buffer(m_text, strnlen(m_text, m_length), pugi::parse_default, pugi::encoding_auto);
            Add(r ? 0 : LineAt(static_cast<size_t>(r.offset)), "",
                std::string("the text is not well-formed XML: ") + r.description());
        } else if (rc == TARN_ERR_TOO_DEEP) {
            Add(0, "", "elements nest deeper than " + std::to_string(kMaxMechElementDepth) + " levels");
        } else if (rc == TARN_ERR_NO_HEADER) {
            Add(0, "", "there is no FileHeader element inside a MechTable element");
        } else {
            Add(0, "", "the table cannot be read (code " + std::to_string(rc) + ")");
        }
    }

    // Line of a byte offset; offsets are asked for in increasing order.
    int LineAt(size_t offset) {
        if (offset < m_lineOffset) {
            m_lineOffset = 0;
            m_line = 1;
        }
        const size_t end = std::min(offset, m_length);
        for (; m_lineOffset < end; ++m_lineOffset) {
            if (m_text[m_lineOffset] == '\n') ++m_line;
        }
        return m_line;
    }

    void Mech(const MechElementNotes& notes, const MechRec* rec) {
        const int line = LineAt(notes.offset);
        const std::string name = Utf16ToUtf8(notes.name);
        auto add = [&](const std::string& problem) { Add(line, name, problem); };

        if (!notes.hasName) {
            add("the Mech element has no Name attribute, so the program skips it");
        } else if (name.find_first_not_of(" \t\r\n") == std::string::npos) {
            add("the name is empty");
        } else {
            if (notes.name.size() > kMaxNameLength) {
                add("the name has " + std::to_string(notes.name.size()) + " characters; at most " +
                    std::to_string(kMaxNameLength) + " fit");
            }
            // A project stores the name trimmed and without control characters,
            // so such a model could never be found again after save and open.
            if (IsBlank(notes.name.front()) || IsBlank(notes.name.back()))
                add("the name begins or ends with a blank; a project cannot refer to it");
            for (const char16_t c : notes.name) {
                if (IsControl(c)) {
                    add("the name holds a control character; a project cannot refer to it");
                    break;
                }
            }
            const auto first = m_names.emplace(notes.name, line);
            if (!first.second) {
                add("the name is already used on line " + std::to_string(first.first->second) +
                    "; the program only finds the first");
            }
        }

        bool constantsSound = true;
        bool ratedInputsSound = true;
        for (int i = 0; i < kMechConstantCount; ++i) {
            const char* constant = kMechConstants[i].name;
            const std::string problem = ConstantProblem(notes, rec, i);
            if (problem.empty()) continue;
            add(problem);
            constantsSound = false;
            for (const char* input : {"M_Tmax", "Tau_uR1", "Tau_uR2B", "I_R1", "I_R2B", "L_B"}) {
                if (std::strcmp(input, constant) == 0) ratedInputsSound = false;
            }
        }
        if (rec == nullptr || !ratedInputsSound) return;

        // The load check's own arithmetic on a copy gives the rated load's levers.
        MechRec copy = *rec;
        CalculateLoadCheck(copy);
        const MechResults& r = copy.res;
        const size_t before = m_report.findings.size();
        if (!(r.d2 > r.r1)) {
            add("the rated load is not real: Tau_uR2B (" + Num(rec->Tau_uR2B) +
                ") must be larger than Tau_uR1 (" + Num(rec->Tau_uR1) + ")");
        } else if (!(r.zr > 0)) {
            add("the rated load is not real: Tau_uR2B / Tau_uR1 puts its centre of gravity " +
                Num(-r.zr * 1000) + " mm short of the flange");
        }
        if (!(r.Irxx > 0)) {
            add("the rated load is not real: I_R2B (" + Num(rec->I_R2B) +
                ") must be larger than M_Tmax times the squared R2/B lever (" +
                Num(rec->M_Tmax * r.d2 * r.d2) + ")");
        }
        if (!(r.Irzz > 0)) {
            add("the rated load is not real: I_R1 (" + Num(rec->I_R1) +
                ") must be larger than M_Tmax times the squared R1 lever (" + Num(rec->M_Tmax * r.r1 * r.r1) +
                ")");
        }
        // The main axes' allowable values, which the load check divides by,
        // build on the constants and the rated load.
        if (!constantsSound || m_report.findings.size() != before) return;
        const struct {
            const char* what;
            double value;
        } allowables[] = {{"V-axis moment", r.AMV},
                          {"H-axis moment", r.AMH},
                          {"V-axis inertia", r.AJV},
                          {"H-axis inertia", r.AJH},
                          {"S-axis inertia", r.AJS}};
        for (const auto& a : allowables) {
            if (!(std::isfinite(a.value) && a.value > 0)) {
                add(std::string("the allowable ") + a.what + " comes out as " + Num(a.value) +
                    "; it must be a positive number");
            }
        }
    }

    // What is wrong with constant `i` of a Mech element, or empty text.
    static std::string ConstantProblem(const MechElementNotes& notes, const MechRec* rec, int i) {
        const std::string name = kMechConstants[i].name;
        if (notes.count[i] == 0) return name + " is missing";
        if (notes.count[i] > 1) {
            return name + " is given " + std::to_string(notes.count[i]) + " times; the program uses the last";
        }
        const std::string& text = notes.text[i];
        float scanned = 0.0f;
        if (!ScanFloat(text.c_str(), scanned)) return name + " " + Quoted(text) + " is not a number";
        double whole = 0.0;
        if (!ParseDouble(text.c_str(), whole)) {
            return name + " " + Quoted(text) + " is not a plain number; the program reads " +
                   Num(static_cast<double>(scanned));
        }
        const double value = rec != nullptr ? rec->*kMechConstants[i].field : static_cast<double>(scanned);
        if (!std::isfinite(value))
            return name + " " + Quoted(text) + " is not a finite single-precision number";
        if (MustBePositive(name.c_str()) && !(value > 0))
            return name + " is " + Num(value) + "; it must be positive";
        return std::string();
    }

    const char* m_text;
    size_t m_length;
    MechLintReport& m_report;
    std::map<std::u16string, int> m_names;  // name -> line of its first use
    size_t m_lineOffset = 0;
    int m_line = 1;
};

}  // namespace

std::string MechLintFinding::Text() const {
    std::string out;
    if (line > 0) out += "line " + std::to_string(line);
    if (!mech.empty()) out += (out.empty() ? "" : ", ") + mech;
    return out.empty() ? problem + "." : out + ": " + problem + ".";
}

MechLintReport LintMechTable(const char* text, size_t length) {
    MechLintReport report;
    CLinter(text ? text : "", text ? length : 0, report).Run();
    return report;
}

MechLintReport LintMechTableFile(const std::string& path) {
    std::vector<unsigned char> bytes;
    switch (ReadWholeFile(path, bytes, kMaxMechFileBytes)) {
        case ReadFileResult::Ok: break;
        case ReadFileResult::TooLarge: {
            MechLintReport report;
            report.readable = false;
            report.problem = path + " is larger than the limit of " + Utf16ToUtf8(kMaxMechFileText);
            return report;
        }
        case ReadFileResult::CannotOpen: {
            MechLintReport report;
            report.readable = false;
            report.problem = path + " cannot be read (missing, unreadable or not a regular file)";
            return report;
        }
    }
    return LintMechTable(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace kest
