#include "FileNameBytes.h"

namespace kest {
namespace {

// The length of the valid UTF-8 sequence at `s[i]`, or 0 when it is not one
// (overlong forms, surrogates and values beyond U+10FFFF are not valid).
int Utf8Length(const unsigned char* s, qsizetype i, qsizetype n) {
    const unsigned char c = s[i];
    if (c < 0x80) return 1;
    int len = 0;
    unsigned lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + len > n) return 0;
    if (s[i + 1] < lo || s[i + 1] > hi) return 0;
    for (int k = 2; k < len; ++k) {
        if (s[i + k] < 0x80 || s[i + k] > 0xBF) return 0;
    }
    return len;
}

}  // namespace

QString FileNameFromBytes(const QByteArray& bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n;) {
        const int len = Utf8Length(s, i, n);
        if (len == 0) {
            out += QChar(static_cast<char16_t>(0xDC00 + s[i]));
            ++i;
        } else {
            out += QString::fromUtf8(bytes.constData() + i, len);
            i += len;
        }
    }
    return out;
}

int RawFileNameByte(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF ? c - 0xDC00 : -1; }

QByteArray FileNameToBytes(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    qsizetype start = 0;  // the text since the last raw byte
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A raw byte is a low surrogate without a high one before it.
        const int raw = RawFileNameByte(name[i].unicode());
        if (raw < 0 || (i > 0 && name[i - 1].isHighSurrogate())) continue;
        out += QStringView(name).mid(start, i - start).toUtf8();
        out += static_cast<char>(raw);
        start = i + 1;
    }
    out += QStringView(name).mid(start).toUtf8();
    return out;
}

}  // namespace kest
