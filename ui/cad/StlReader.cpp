#include "StlReader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "Strings.h"
#include "StringsCad.h"

namespace kest::cad {

namespace {

constexpr qint64 kBinaryHeader = 84;
constexpr qint64 kBinaryRecord = 50;
constexpr size_t kProgressEvery = 16384;

// Corners with equal coordinates become one vertex (open addressing on the
// coordinates' bits; −0 and +0 are one value).
class CVertexWelder {
public:
    explicit CVertexWelder(std::vector<CVec3>& vertices) : m_vertices(vertices), m_slots(1024, kEmpty) {}

    uint32_t Add(CVec3 p) {
        p = {p.x + 0.0, p.y + 0.0, p.z + 0.0};
        if ((m_vertices.size() + 1) * 2 > m_slots.size()) Grow();
        const size_t mask = m_slots.size() - 1;
        for (size_t i = Hash(p) & mask;; i = (i + 1) & mask) {
            if (m_slots[i] == kEmpty) {
                m_slots[i] = static_cast<uint32_t>(m_vertices.size());
                m_vertices.push_back(p);
                return m_slots[i];
            }
            const CVec3& q = m_vertices[m_slots[i]];
            if (q.x == p.x && q.y == p.y && q.z == p.z) return m_slots[i];
        }
    }

private:
    static constexpr uint32_t kEmpty = 0xffffffffu;

    static uint64_t Mix(uint64_t h, double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        h ^= bits + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
        h ^= h >> 31;
        h *= 0xbf58476d1ce4e5b9ull;
        return h ^ (h >> 29);
    }
    static size_t Hash(const CVec3& p) { return static_cast<size_t>(Mix(Mix(Mix(0, p.x), p.y), p.z)); }

    void Grow() {
        std::vector<uint32_t> grown(m_slots.size() * 2, kEmpty);
        const size_t mask = grown.size() - 1;
        for (uint32_t v = 0; v < m_vertices.size(); ++v) {
            size_t i = Hash(m_vertices[v]) & mask;
            while (grown[i] != kEmpty) i = (i + 1) & mask;
            grown[i] = v;
        }
        m_slots.swap(grown);
    }

    std::vector<CVec3>& m_vertices;
    std::vector<uint32_t> m_slots;
};

// Adds a triangle unless two of its corners are one vertex.
void AddFace(CStlMesh& out, CVertexWelder& welder, const CVec3 (&corners)[3]) {
    const std::array<uint32_t, 3> f{welder.Add(corners[0]), welder.Add(corners[1]), welder.Add(corners[2])};
    if (f[0] == f[1] || f[1] == f[2] || f[2] == f[0])
        ++out.degenerate;
    else
        out.mesh.faces.push_back(f);
}

uint32_t Le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

double LeFloat(const char* p) {
    const uint32_t bits = Le32(p);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

bool StartsWithSolid(const QByteArray& bytes) {
    qsizetype i = 0;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i]))) ++i;
    return bytes.mid(i, 5).toLower() == "solid";
}

bool IsBinarySize(const QByteArray& bytes) {
    return bytes.size() >= kBinaryHeader &&
           kBinaryHeader + kBinaryRecord * qint64(Le32(bytes.constData() + 80)) == bytes.size();
}

int Fail(QString& error, int status, const QString& text) {
    error = text;
    return status;
}

int Cancelled(QString& error) { return Fail(error, GEOM_CANCELLED, LoadKestString(IDS_GEOM_CANCELLED)); }

int ReadBinary(const QByteArray& bytes, CStlMesh& out, QString& error, const CProgress& progress) {
    const uint32_t count = Le32(bytes.constData() + 80);
    out.mesh.faces.reserve(count);
    CVertexWelder welder(out.mesh.vertices);
    const char* record = bytes.constData() + kBinaryHeader;
    for (uint32_t i = 0; i < count; ++i, record += kBinaryRecord) {
        if (i % kProgressEvery == 0 && progress && !progress(double(i) / count)) return Cancelled(error);
        CVec3 corners[3];
        for (int k = 0; k < 3; ++k) {
            const char* p = record + 12 + 12 * k;  // after the normal
            corners[k] = {LeFloat(p), LeFloat(p + 4), LeFloat(p + 8)};
            if (!std::isfinite(corners[k].x) || !std::isfinite(corners[k].y) || !std::isfinite(corners[k].z))
                return Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_STL_BINARY_NUMBER).arg(i + 1));
        }
        AddFace(out, welder, corners);
    }
    out.blocks.push_back({QString(), 0, out.mesh.faces.size()});
    return GEOM_OK;
}

// The words of an ASCII file, with the line each is on.
class CWords {
public:
    explicit CWords(const QByteArray& bytes) : m_p(bytes.constData()), m_end(m_p + bytes.size()) {}

    bool Next(std::string_view& word) {
        while (m_p < m_end && IsSpace(*m_p)) {
            if (*m_p == '\n') ++m_line;
            ++m_p;
        }
        if (m_p == m_end) return false;
        const char* start = m_p;
        while (m_p < m_end && !IsSpace(*m_p)) ++m_p;
        word = std::string_view(start, size_t(m_p - start));
        return true;
    }

    // The rest of the current line, trimmed (the name after "solid").
    QString RestOfLine() {
        const char* start = m_p;
        while (m_p < m_end && *m_p != '\n') ++m_p;
        return QString::fromUtf8(start, qsizetype(m_p - start)).trimmed();
    }

    int Line() const { return m_line; }
    bool AtEnd() const { return m_p == m_end; }
    double Fraction(const QByteArray& bytes) const {
        return bytes.isEmpty() ? 1.0 : double(m_p - bytes.constData()) / bytes.size();
    }

private:
    static bool IsSpace(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
    }

    const char* m_p;
    const char* m_end;
    int m_line = 1;
};

bool SameWord(std::string_view word, const char* keyword) {
    const size_t n = std::strlen(keyword);
    if (word.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(word[i])) != keyword[i]) return false;
    return true;
}

QString Shown(std::string_view word) {
    return QString::fromUtf8(word.data(), qsizetype(std::min<size_t>(word.size(), 40)));
}

class CAsciiReader {
public:
    CAsciiReader(const QByteArray& bytes, CStlMesh& out, QString& error)
        : m_bytes(bytes), m_words(bytes), m_out(out), m_error(error), m_welder(out.mesh.vertices) {}

    int Read(const CProgress& progress) {
        std::string_view word;
        if (!m_words.Next(word) || !SameWord(word, "solid")) return Expected("solid", word);
        for (;;) {
            CStlBlock block{m_words.RestOfLine(), m_out.mesh.faces.size(), 0};
            for (size_t facets = 0;; ++facets) {
                if (facets % kProgressEvery == 0 && progress && !progress(m_words.Fraction(m_bytes)))
                    return Cancelled(m_error);
                if (!m_words.Next(word)) return Truncated();
                if (SameWord(word, "endsolid")) break;
                if (!SameWord(word, "facet")) return Expected("facet", word);
                if (const int status = ReadFacet(); status != GEOM_OK) return status;
            }
            m_words.RestOfLine();  // the name again
            block.faceCount = m_out.mesh.faces.size() - block.firstFace;
            m_out.blocks.push_back(block);
            if (!m_words.Next(word)) return GEOM_OK;
            if (!SameWord(word, "solid")) return Expected("solid", word);
        }
    }

private:
    int ReadFacet() {
        double normal[3];
        if (int s = Keyword("normal"); s != GEOM_OK) return s;
        for (double& v : normal)
            if (int s = Number(v, false); s != GEOM_OK) return s;
        if (int s = Keyword("outer"); s != GEOM_OK) return s;
        if (int s = Keyword("loop"); s != GEOM_OK) return s;
        CVec3 corners[3];
        for (CVec3& c : corners) {
            if (int s = Keyword("vertex"); s != GEOM_OK) return s;
            for (double* v : {&c.x, &c.y, &c.z})
                if (int s = Number(*v, true); s != GEOM_OK) return s;
        }
        if (int s = Keyword("endloop"); s != GEOM_OK) return s;
        if (int s = Keyword("endfacet"); s != GEOM_OK) return s;
        AddFace(m_out, m_welder, corners);
        return GEOM_OK;
    }

    int Keyword(const char* keyword) {
        std::string_view word;
        if (!m_words.Next(word)) return Truncated();
        return SameWord(word, keyword) ? GEOM_OK : Expected(keyword, word);
    }

    // The normal is not used, so only the corners must be finite.
    int Number(double& out, bool finite) {
        std::string_view word;
        if (!m_words.Next(word)) return Truncated();
        const char* begin = word.data();
        const char* end = begin + word.size();
        if (begin < end && *begin == '+') ++begin;
        const auto [ptr, ec] = std::from_chars(begin, end, out);
        if (ec != std::errc() || ptr != end || (finite && !std::isfinite(out)))
            return Fail(m_error, GEOM_BAD_FORMAT,
                        LoadKestString(IDS_GEOM_STL_NUMBER).arg(m_words.Line()).arg(Shown(word)));
        return GEOM_OK;
    }

    int Expected(const char* keyword, std::string_view found) {
        // A word cut off by the end of the file.
        if (m_words.AtEnd()) return Truncated();
        return Fail(m_error, GEOM_BAD_FORMAT,
                    LoadKestString(IDS_GEOM_STL_EXPECTED)
                        .arg(m_words.Line())
                        .arg(QString::fromLatin1(keyword), Shown(found)));
    }

    int Truncated() {
        return Fail(m_error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_STL_TRUNCATED).arg(m_words.Line()));
    }

    const QByteArray& m_bytes;
    CWords m_words;
    CStlMesh& m_out;
    QString& m_error;
    CVertexWelder m_welder;
};

}  // namespace

bool LooksLikeStl(const QByteArray& bytes) {
    return StartsWithSolid(bytes) ||
           (bytes.size() >= kBinaryHeader && (bytes.size() - kBinaryHeader) % kBinaryRecord == 0);
}

int ReadStl(const QByteArray& bytes, CStlMesh& out, QString& error, const CProgress& progress) {
    out = CStlMesh();
    error.clear();
    if (bytes.isEmpty()) return Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_EMPTY));
    int status;
    // A binary file's 80-byte header may itself begin with "solid"; the size
    // decides first, then the words of an ASCII file near the start.
    const QByteArray start = bytes.left(1024).toLower();
    if (IsBinarySize(bytes)) {
        status = ReadBinary(bytes, out, error, progress);
    } else if (StartsWithSolid(bytes) &&
               (start.contains("facet") || start.contains("endsolid") || bytes.size() < kBinaryHeader)) {
        status = CAsciiReader(bytes, out, error).Read(progress);
    } else if (bytes.size() >= kBinaryHeader) {
        const uint32_t count = Le32(bytes.constData() + 80);
        return Fail(error, GEOM_BAD_FORMAT,
                    LoadKestString(IDS_GEOM_STL_SIZE)
                        .arg(bytes.size())
                        .arg(count)
                        .arg(kBinaryHeader + kBinaryRecord * qint64(count)));
    } else {
        return Fail(error, GEOM_BAD_FORMAT, LoadKestString(IDS_GEOM_NOT_CAD));
    }
    if (status != GEOM_OK) {
        out = CStlMesh();
        return status;
    }
    std::vector<CStlBlock> blocks;
    for (const CStlBlock& b : out.blocks)
        if (b.faceCount > 0) blocks.push_back(b);
    out.blocks.swap(blocks);
    if (out.blocks.empty()) return Fail(error, GEOM_NO_SOLIDS, LoadKestString(IDS_GEOM_STL_NO_TRIANGLES));
    return GEOM_OK;
}

}  // namespace kest::cad
