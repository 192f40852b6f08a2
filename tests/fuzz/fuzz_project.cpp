// Fuzz target: the project reader and writer. A file that opens is written,
// the written text opens again, and writing that gives the same text: a saved
// project always opens, and open and save never drift.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "ProjectFile.h"

namespace {

// Where two texts first differ, for the report.
qsizetype FirstDifference(const QByteArray& a, const QByteArray& b) {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

// Positions are held in metres and written in millimetres with four decimals.
// Beyond 1e10 mm (10,000 km) that is more digits than a double keeps through the
// division by 1000, so the fourth decimal may move once before the text settles.
bool HasHugePosition(const CProject& p) {
    const CPrmLoadSub* loads[4] = {&p.Loads.tool, &p.Loads.v, &p.Loads.h, &p.Loads.s};
    auto huge = [](const CPrmLoadSub& l) {
        for (double v : {l.Lx, l.Ly, l.Lz}) {
            if (std::fabs(v * 1000.0) >= 1e10) return true;
        }
        return false;
    };
    for (const CPrmLoadSub* l : loads) {
        if (huge(*l)) return true;
    }
    for (const CLoadArray& list : p.LoadCalc.m_arrLoad) {
        for (const CLoad& load : list) {
            if (huge(load.prm)) return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(kMaxProjectFileBytes)) return 0;  // never read
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CProject opened;
    QString error;
    if (ReadProjectText(bytes, opened, &error) != 0) {
        FUZZ_CHECK(!error.isEmpty(), "a refused file gives no reason");
        return 0;
    }
    const QByteArray first = WriteProjectText(opened);
    CProject reopened;
    const int rc = ReadProjectText(first, reopened, &error);
    FUZZ_CHECK(rc == 0, "a saved project does not open (%d): %s", rc, qPrintable(error));
    const QByteArray second = WriteProjectText(reopened);
    if (first == second) return 0;
    const qsizetype at = FirstDifference(first, second);
    FUZZ_CHECK(HasHugePosition(reopened), "open and save changed the text at byte %lld: \"%s\" became \"%s\"",
               static_cast<long long>(at), first.mid(at, 60).constData(), second.mid(at, 60).constData());
    CProject third;
    FUZZ_CHECK(ReadProjectText(second, third, &error) == 0, "a saved project does not open: %s",
               qPrintable(error));
    FUZZ_CHECK(WriteProjectText(third) == second, "a position beyond 1e10 mm keeps moving on every save");
    return 0;
}
