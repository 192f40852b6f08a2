#include "CliOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "FileNameBytes.h"
#include "Strings.h"

namespace {

bool g_stdoutClosed = false;
int g_lostErrno = 0;  // the first failed write's reason (0: none failed)
bool g_lost = false;

bool IsOpen(int fd) { return fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

// Puts /dev/null on the closed descriptor `fd`.
void FillWithNull(int fd) {
    const int null = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (null < 0) return;
    if (null != fd) {
        dup2(null, fd);
        close(null);
    }
}

void Lost(int err) {
    if (!g_lost) g_lostErrno = err;
    g_lost = true;
}

QString Hex(unsigned value, int width) {
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

bool IsControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
           c == 0x061C;
}

}  // namespace

void PrepareStandardStreams() {
    std::signal(SIGPIPE, SIG_IGN);
    // In order, so that filling 0 cannot take 1 or 2.
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (IsOpen(fd)) continue;
        if (fd == STDOUT_FILENO) g_stdoutClosed = true;
        FillWithNull(fd);
    }
}

bool Print(const QString& text) {
    if (g_stdoutClosed) {
        Lost(EBADF);
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) !=
            static_cast<size_t>(bytes.size()) ||
        std::ferror(stdout)) {
        Lost(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

bool FinishOutput(QString* reason) {
    errno = 0;
    if (!g_stdoutClosed && (std::fflush(stdout) != 0 || std::ferror(stdout))) Lost(errno != 0 ? errno : EIO);
    if (!g_lost) return true;
    if (reason) {
        *reason = g_stdoutClosed ? kest::LoadKestString(kest::IDS_CLI_STDOUT_CLOSED)
                                 : QString::fromLocal8Bit(std::strerror(g_lostErrno));
    }
    return false;
}

void PrintError(const QString& text) {
    const QByteArray line = ("kestload: " + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    std::fflush(stderr);
}

QString Shown(const QString& text, bool keepTabs) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool pairedLow = i > 0 && text[i - 1].isHighSurrogate() && QChar::isLowSurrogate(c);
        const bool pairedHigh =
            i + 1 < text.size() && QChar::isHighSurrogate(c) && text[i + 1].isLowSurrogate();
        if (c == u'\t' && keepTabs) {
            out += QChar(c);
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (!pairedLow && kest::RawFileNameByte(c) >= 0) {
            out += QStringLiteral("\\x") + Hex(static_cast<unsigned>(kest::RawFileNameByte(c)), 2);
        } else if (c < 0x100 && IsControl(c)) {
            out += QStringLiteral("\\x") + Hex(c, 2);
        } else if (IsControl(c) || (QChar::isSurrogate(c) && !pairedLow && !pairedHigh)) {
            out += QStringLiteral("\\u{") + Hex(c, 4) + QLatin1Char('}');
        } else {
            out += QChar(c);
        }
    }
    return out;
}

QString ShownBytes(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool pairedLow = i > 0 && text[i - 1].isHighSurrogate();
        const int raw = kest::RawFileNameByte(c);
        if (raw >= 0 && !pairedLow)
            out += QStringLiteral("\\x") + Hex(static_cast<unsigned>(raw), 2);
        else
            out += QChar(c);
    }
    return out;
}
