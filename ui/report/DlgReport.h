// The report dialog: choose a printer (or a PDF file), grey-scale output and
// the bar charts, preview any page, and print every page as one job.
#pragma once

#include <QRect>
#include <QStringList>
#include <memory>

#include "KestDialog.h"
#include "KestLoadLibExport.h"
#include "Report.h"

class CDlgReportPreview;
class QPrinter;

class KESTLOADLIB_API CDlgReport : public CKestDialog {
    Q_OBJECT
public:
    // The report shows the source's project and results; the dialog itself
    // has `parent` (none when opened from the File menu).
    explicit CDlgReport(const CReportSource& source, QWidget* parent = nullptr);
    ~CDlgReport() override;

    // Set before the dialog opens: the main window shows the inertia chart.
    int m_bShowInertia = 1;
    int m_nChartOption = CReport::CHART_MOMENT;
    int m_nPageW = 0, m_nPageH = 0;  // printable size of the chosen printer, device units
    QRect m_rcPreview;               // the preview frame, client coordinates
    CReport m_rptPreview;
    CReport m_rptPrint;
    std::unique_ptr<QPrinter> m_pPrinter;  // null while the PDF entry is chosen

    int OnInitDialog();
    void OnSelchangePrinter();
    void OnBnClickedChart();
    // Prints every page; the dialog closes with 1 when they were printed, and
    // stays open with a message naming the reason when they could not be.
    void OnBnClickedPrint();

    // The chosen entry is the PDF file rather than a printer.
    bool IsPdfChosen() const;
    // Where the preview page lies inside the frame, and the page as drawn there.
    QRect PreviewPageRect() const;
    QImage RenderPreview();
    // The chosen page in a window of its own, large and resizable (a click on the preview).
    CDlgReportPreview* OnPreviewClicked();
    // The file name the PDF save dialog offers: the project's with ".pdf".
    QString DefaultPdfName() const;

    // The printer list: the printers in the system's order, the default one
    // marked " (default)", then the PDF entry. `selected` receives the default
    // printer's entry, the first printer's without a default, or the PDF entry
    // when there is no printer at all.
    static QStringList PrinterEntries(const QStringList& printers, const QString& defaultPrinter,
                                      int* selected);
    // The printer an entry names: the text without a trailing " (default)".
    static QString PrinterNameOfEntry(const QString& entry);
    static QString PdfEntry() { return QStringLiteral("PDF"); }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ReportFailure(const QString& target, const QString& reason);
    // Keeps the grey-scale and chart choices for the next report.
    void StoreChoices();

    CReportSource m_source;
    bool m_bInitDone = false;
};
