// A text with a read position, for reading numbers and tokens the user typed or
// a file holds: the load calculator's table cells and its filter tokens.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CStrParse {
public:
    explicit CStrParse(const QString& text) : m_str(text) {}

    // Reads the number at the read position (white space before it skipped) and
    // moves past it: 0. Only decimal numbers count ("12", "-1.5e3", ".5"); what
    // follows the number is left for the next read. -1 when there is no number
    // there (the position stays), -2 when it is out of range (beyond the largest
    // double, so "1e400", as well as "nan" and "inf" never arrive as values).
    int ReadDouble(double& value);
    // Reads the next token, tokens being separated by commas and/or white
    // space: true with the token, false at the end of the text.
    bool ReadToken(QString& token);

    int GetPos() const { return m_nPos; }
    void SetPos(int pos) { m_nPos = pos < 0 ? 0 : pos > m_str.size() ? static_cast<int>(m_str.size()) : pos; }
    void SkipSpace();
    bool AtEnd() const { return m_nPos >= m_str.size(); }

    // The leading number of a whole text: 0, -1 no number, -2 out of range.
    static int LeadingNumber(const QString& text, double& value);
    // Whether a list of tokens (commas and/or blanks between them) holds
    // `token`, compared without regard to case.
    static bool HasToken(const QString& tokens, const QString& token);

private:
    QString m_str;
    int m_nPos = 0;
};
