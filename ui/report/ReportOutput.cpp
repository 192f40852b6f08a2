#include "ReportOutput.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "AtomicFile.h"
#include "KestDC.h"
#include "MessageBox.h"
#include "Report.h"
#include "Strings.h"

using namespace kest;

QPageLayout ReportPdfLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

bool PrintReportPages(QPagedPaintDevice& device, CReport& report, int chartOption) {
    report.Init(device.width(), device.height(), kReportMarginL, kReportMarginT, kReportMarginR,
                kReportMarginB);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    CKestDC dc(&painter);
    const int pages = report.PageCount();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !device.newPage()) {
            painter.end();
            return false;
        }
        report.Draw(dc, page, chartOption);
    }
    return painter.end();
}

int WriteReportPdf(const CReportSource& source, const QString& path, int grey, int chartOption,
                   QString* error) {
    // The document is made in memory first; only a complete one goes to disk.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(kReportDpi);
        pdf.setPageLayout(ReportPdfLayout());
        pdf.setTitle(LoadKestString(IDS_REPORT));
        pdf.setCreator(AppName());
        CReport report(source);
        report.m_bGreyScale = grey;
        if (!PrintReportPages(pdf, report, chartOption)) {
            if (error) *error = LoadKestString(IDS_PDF_NOT_MADE);
            return -1;
        }
    }
    return WriteFileAtomically(path, bytes.data(), error) ? 0 : -1;
}
