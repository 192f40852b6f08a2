// The enlarged report preview: one page of the report in a window of its own
// that opens nearly as tall as the screen and can be resized and maximised.
#pragma once

#include <QDialog>

#include "KestLoadLibExport.h"
#include "Report.h"

// A page of pageW by pageH scaled into `area` with its proportions kept and
// centred there; empty when either has no size.
QRect FitPageRect(const QRect& area, int pageW, int pageH);

class KESTLOADLIB_API CDlgReportPreview : public QDialog {
    Q_OBJECT
public:
    // Page `page` (from 1) of the report of `source`, in the proportions of a
    // paper of pageW by pageH, with the grey-scale flag and the chart option.
    CDlgReportPreview(const CReportSource& source, QWidget* parent, int pageW, int pageH, int page, int grey,
                      int chartOption);

    // Where the page lies in the window, and the page as drawn there.
    QRect PageRect() const;
    QImage RenderPage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CReport m_report;
    int m_nPageW, m_nPageH, m_nPage, m_nChartOption;
};
