// Fuzz target: the reader of CAD mass-property reports. Whatever the text, the
// reader answers with a status: a refused text says why and gives no body; a
// text that asks for a unit names which; every body it accepts has a positive,
// finite mass and finite values throughout.
#include <QByteArray>
#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "MassReport.h"

using namespace kest::cad;

namespace {

void Check(const CReportRead& read) {
    if (read.status != ReportStatus::Ok) {
        FUZZ_CHECK(!read.message.isEmpty(), "a refused report does not say why");
        FUZZ_CHECK(read.reports.empty(), "a refused report gave bodies");
        if (read.status == ReportStatus::MissingUnit)
            FUZZ_CHECK(read.needsMassUnit || read.needsLengthUnit, "a missing unit is not named");
        return;
    }
    FUZZ_CHECK(!read.reports.empty(), "a report read without a body");
    for (const CMassReport& r : read.reports) {
        FUZZ_CHECK(IsFinite(r.props), "a body with a value that is not finite was accepted");
        FUZZ_CHECK(r.props.massKg > 0.0, "a body without a positive mass was accepted");
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                FUZZ_CHECK(r.props.inertia[i][j] == r.props.inertia[j][i], "a tensor that is not symmetric");
        FUZZ_CHECK(!r.format.isEmpty(), "a body without its layout");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Check(ReadMassReport(bytes));
    // With every unit and a sign given, nothing is left to ask.
    const CReportRead given =
        ReadMassReport(bytes, CReportUnits{MassUnit::Gram, LengthUnit::Inch, ProductSign::PositiveIntegral});
    Check(given);
    FUZZ_CHECK(given.status != ReportStatus::MissingUnit, "a unit was asked for although all were given");
    return 0;
}
