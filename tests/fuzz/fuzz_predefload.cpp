// Fuzz target: the load calculator's reader of the predefined-load file
// (PredefLoad.xml). No accepted load holds a number that is not finite, and a
// load that is left out is named.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>

#include "DlgLoadCalc.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CPredefLoads read;
    QString error;
    if (ReadPredefText(bytes, QStringLiteral("PredefLoad.xml"), read, &error) != 0) {
        FUZZ_CHECK(!error.isEmpty(), "a refused file does not say why");
        FUZZ_CHECK(read.loads.empty() && read.skipped.isEmpty(), "a refused file changed the loads");
        return 0;
    }
    for (const CLoad& load : read.loads) {
        const CPrmLoadSub& p = load.prm;
        for (double v : {p.Mass, p.Lx, p.Ly, p.Lz, p.Ixx, p.Iyy, p.Izz}) {
            FUZZ_CHECK(std::isfinite(v), "a load with a number that is not finite was accepted");
        }
    }
    for (const QString& line : read.skipped)
        FUZZ_CHECK(line.startsWith(QStringLiteral("PredefLoad.xml")),
                   "a left-out load is not named by its file");
    return 0;
}
