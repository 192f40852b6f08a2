#include "ReportSettings.h"

#include "Report.h"
#include "SettingsFile.h"

namespace {

// In the same file as the language: $XDG_CONFIG_HOME/KestLoad/KestLoad.conf
const char* const kGreyKey = "Report/GreyScale";
const char* const kChartKey = "Report/Charts";

}  // namespace

bool LoadReportChoices(CReportChoices* out) {
    const std::unique_ptr<QSettings> settings = kest::OpenUserSettings();
    if (!settings || !settings->contains(QLatin1String(kGreyKey)) ||
        !settings->contains(QLatin1String(kChartKey)))
        return false;
    bool greyOk = false, chartOk = false;
    const int grey = settings->value(QLatin1String(kGreyKey)).toInt(&greyOk);
    const int chart = settings->value(QLatin1String(kChartKey)).toInt(&chartOk);
    if (!greyOk || !chartOk || (grey != 0 && grey != 1) || chart < CReport::CHART_NONE ||
        chart > CReport::CHART_BOTH)
        return false;
    if (out != nullptr) {
        out->greyScale = grey;
        out->chartOption = chart;
    }
    return true;
}

void SaveReportChoices(const CReportChoices& choices) {
    const std::unique_ptr<QSettings> settings = kest::OpenUserSettings();
    if (!settings) return;  // a FIFO or a huge file in its place is left alone
    settings->setValue(QLatin1String(kGreyKey), choices.greyScale);
    settings->setValue(QLatin1String(kChartKey), choices.chartOption);
    settings->sync();
}
