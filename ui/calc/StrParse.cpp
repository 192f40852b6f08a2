#include "StrParse.h"

#include <cmath>

#include "NumText.h"

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsSeparator(QChar c) { return c == QLatin1Char(',') || c.isSpace(); }

}  // namespace

void CStrParse::SkipSpace() {
    while (m_nPos < m_str.size() && m_str[m_nPos].isSpace()) ++m_nPos;
}

int CStrParse::ReadDouble(double& value) {
    const int start = m_nPos;
    SkipSpace();
    // The longest prefix of the form [sign] digits [. digits] [e [sign] digits]
    // (or [sign] . digits ...): hexadecimal numbers, "nan" and "inf", which
    // the runtime's conversion would also take, are not numbers here.
    int i = m_nPos;
    const int n = static_cast<int>(m_str.size());
    if (i < n && (m_str[i] == QLatin1Char('+') || m_str[i] == QLatin1Char('-'))) ++i;
    int digits = 0;
    while (i < n && IsDigit(m_str[i])) ++i, ++digits;
    if (i < n && m_str[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && IsDigit(m_str[i])) ++i, ++digits;
    }
    if (digits == 0) {
        m_nPos = start;
        return -1;
    }
    if (i < n && (m_str[i] == QLatin1Char('e') || m_str[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (m_str[j] == QLatin1Char('+') || m_str[j] == QLatin1Char('-'))) ++j;
        if (j < n && IsDigit(m_str[j])) {
            while (j < n && IsDigit(m_str[j])) ++j;
            i = j;
        }
    }
    double read = 0.0;
    const QByteArray number = m_str.mid(m_nPos, i - m_nPos).toLatin1();
    if (!kest::ParseDouble(number.constData(), read)) {
        m_nPos = start;
        return -1;
    }
    if (!std::isfinite(read)) {
        m_nPos = start;
        return -2;
    }
    value = read;
    m_nPos = i;
    return 0;
}

bool CStrParse::ReadToken(QString& token) {
    const int n = static_cast<int>(m_str.size());
    while (m_nPos < n && IsSeparator(m_str[m_nPos])) ++m_nPos;
    if (m_nPos >= n) return false;
    const int start = m_nPos;
    while (m_nPos < n && !IsSeparator(m_str[m_nPos])) ++m_nPos;
    token = m_str.mid(start, m_nPos - start);
    return true;
}

int CStrParse::LeadingNumber(const QString& text, double& value) {
    CStrParse parse(text);
    return parse.ReadDouble(value);
}

bool CStrParse::HasToken(const QString& tokens, const QString& token) {
    CStrParse parse(tokens);
    QString t;
    while (parse.ReadToken(t)) {
        if (t.compare(token, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}
