// Fuzz target: the project reader and writer. A file that opens is written,
// the written text opens again, and writing that gives the same text: a saved
// project always opens, and open and save never drift.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "FuzzCheck.h"
#include "ProjectData.h"

namespace {

// Where two texts first differ, for the report.
qsizetype FirstDifference(const QByteArray& a, const QByteArray& b) {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(kMaxProjectFileBytes)) return 0;  // never read
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CProjectData opened;
    QString error;
    if (ReadProjectText(bytes, opened, &error) != 0) {
        FUZZ_CHECK(!error.isEmpty(), "a refused file gives no reason");
        return 0;
    }
    const QByteArray first = WriteProjectText(opened);
    CProjectData reopened;
    const int rc = ReadProjectText(first, reopened, &error);
    FUZZ_CHECK(rc == 0, "a saved project does not open (%d): %s", rc, qPrintable(error));
    const QByteArray second = WriteProjectText(reopened);
    const qsizetype at = FirstDifference(first, second);
    FUZZ_CHECK(first == second, "open and save changed the text at byte %lld: \"%s\" became \"%s\"",
               static_cast<long long>(at), first.mid(at, 60).constData(), second.mid(at, 60).constData());
    return 0;
}
