// The report on paper and in a PDF file: every page as one document.
#pragma once

#include <QPageLayout>
#include <QString>

#include "KestLoadLibExport.h"

class CReport;
struct CReportSource;
class QPagedPaintDevice;

// Printers and PDF files get the report at this resolution, so that the
// margins below and the report's pen widths mean the same on every device.
constexpr int kReportDpi = 600;
// Margins of the printed report inside the device's printable area, in device units.
constexpr int kReportMarginL = 150, kReportMarginT = 200, kReportMarginR = 100, kReportMarginB = 150;

// The PDF's page: A4 portrait with a 5 mm border, as a printer leaves unprinted.
KESTLOADLIB_API QPageLayout ReportPdfLayout();

// Draws every page of the report into `device`, already set up; `report` is
// initialised here with the device's printable size. false when the device
// could not start the document or a further page.
KESTLOADLIB_API bool PrintReportPages(QPagedPaintDevice& device, CReport& report, int chartOption);

// Writes the report of `source` as a PDF of all its pages. The file is replaced only when
// the whole document has been written; a failure leaves an older file as it
// was. 0, or -1 with the system's reason in `error`.
KESTLOADLIB_API int WriteReportPdf(const CReportSource& source, const QString& path, int grey,
                                   int chartOption, QString* error = nullptr);
