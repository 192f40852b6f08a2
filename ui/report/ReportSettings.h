// The report dialog's choices that outlive it: grey-scale output and the bar
// charts, kept per user with the language setting.
#pragma once

#include "KestLoadLibExport.h"

struct CReportChoices {
    int greyScale = 1;
    int chartOption = 0;  // CReport::ChartOption
};

// The stored choices; false (and `out` unchanged) when none are stored or
// what is stored is not a valid choice.
KESTLOADLIB_API bool LoadReportChoices(CReportChoices* out);
KESTLOADLIB_API void SaveReportChoices(const CReportChoices& choices);
