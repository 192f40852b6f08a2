#include "DlgReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "DlgBuilder.h"
#include "DlgReportPreview.h"
#include "KestDC.h"
#include "MessageBox.h"
#include "ReportCases.h"
#include "ReportOutput.h"
#include "ReportSettings.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

namespace {

const char* const kDefaultMark = " (default)";
const int kPdfRole = Qt::UserRole + 1;  // item data marking the PDF entry

}  // namespace

CDlgReport::CDlgReport(const CReportSource& source, QWidget* parent)
    : CKestDialog(IDD_REPORT, parent), m_rptPreview(source), m_rptPrint(source), m_source(source) {
    if (auto* b = DlgItem<QPushButton>(this, IDC_RPT_PRINT))
        connect(b, &QPushButton::clicked, this, &CDlgReport::OnBnClickedPrint);
    if (auto* b = DlgItem<QCheckBox>(this, IDC_RPT_GREY))
        connect(b, &QCheckBox::clicked, this, [this] {
            StoreChoices();
            update();
        });
    for (int id : {IDC_RPT_MOMENT, IDC_RPT_INERTIA}) {
        if (auto* b = DlgItem<QCheckBox>(this, id))
            connect(b, &QCheckBox::clicked, this, &CDlgReport::OnBnClickedChart);
    }
    if (auto* c = DlgItem<QComboBox>(this, IDC_RPT_PRINTER))
        connect(c, &QComboBox::currentIndexChanged, this, &CDlgReport::OnSelchangePrinter);
    if (auto* c = DlgItem<QComboBox>(this, IDC_RPT_PAGE))
        connect(c, &QComboBox::currentIndexChanged, this, [this] { update(); });
}

CDlgReport::~CDlgReport() = default;

void CDlgReport::showEvent(QShowEvent* event) {
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
    }
    CKestDialog::showEvent(event);
}

QStringList CDlgReport::PrinterEntries(const QStringList& printers, const QString& defaultPrinter,
                                       int* selected) {
    QStringList entries;
    int chosen = printers.isEmpty() ? -1 : 0;
    for (const QString& name : printers) {
        if (!defaultPrinter.isEmpty() && name == defaultPrinter) {
            chosen = static_cast<int>(entries.size());
            entries << name + QLatin1String(kDefaultMark);
        } else {
            entries << name;
        }
    }
    // The system has no printer of its own that writes files: this one does.
    entries << PdfEntry();
    if (selected) *selected = chosen < 0 ? static_cast<int>(entries.size()) - 1 : chosen;
    return entries;
}

QString CDlgReport::PrinterNameOfEntry(const QString& entry) {
    // Only the whole mark goes: a name that merely ends in some of its
    // characters, such as "Office(A4)", stays as it is.
    const QLatin1String mark(kDefaultMark);
    return entry.endsWith(mark) ? entry.left(entry.size() - mark.size()) : entry;
}

int CDlgReport::OnInitDialog() {
    auto* printers = DlgItem<QComboBox>(this, IDC_RPT_PRINTER);
    int selected = 0;
    const QStringList entries =
        PrinterEntries(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName(), &selected);
    if (printers != nullptr) {
        const QSignalBlocker block(printers);
        printers->clear();
        printers->addItems(entries);
        printers->setItemData(printers->count() - 1, true, kPdfRole);
        printers->setCurrentIndex(selected);
    }
    OnSelchangePrinter();

    if (auto* grey = DlgItem<QCheckBox>(this, IDC_RPT_GREY)) grey->setChecked(true);
    auto* moment = DlgItem<QCheckBox>(this, IDC_RPT_MOMENT);
    auto* inertia = DlgItem<QCheckBox>(this, IDC_RPT_INERTIA);
    if (moment != nullptr && inertia != nullptr) {
        moment->setChecked(true);
        inertia->setChecked(m_bShowInertia == 1);
    }
    m_nChartOption = m_bShowInertia == 1 ? CReport::CHART_BOTH : CReport::CHART_MOMENT;
    // The choices of the last report, when the user made any.
    CReportChoices stored;
    if (LoadReportChoices(&stored)) {
        if (auto* grey = DlgItem<QCheckBox>(this, IDC_RPT_GREY)) grey->setChecked(stored.greyScale == 1);
        m_nChartOption = stored.chartOption;
        if (moment != nullptr && inertia != nullptr) {
            moment->setChecked(m_nChartOption == CReport::CHART_MOMENT ||
                               m_nChartOption == CReport::CHART_BOTH);
            inertia->setChecked(m_nChartOption == CReport::CHART_INERTIA ||
                                m_nChartOption == CReport::CHART_BOTH);
        }
    }

    if (auto* page = DlgItem<QComboBox>(this, IDC_RPT_PAGE)) {
        const QSignalBlocker block(page);
        page->clear();
        page->addItems(ReportPageNames(m_source.project));
        page->setCurrentIndex(0);
    }
    update();
    return 1;
}

bool CDlgReport::IsPdfChosen() const {
    const auto* printers = DlgItem<QComboBox>(this, IDC_RPT_PRINTER);
    return printers == nullptr || printers->currentData(kPdfRole).toBool();
}

void CDlgReport::OnSelchangePrinter() {
    m_pPrinter.reset();
    const auto* printers = DlgItem<QComboBox>(this, IDC_RPT_PRINTER);
    if (IsPdfChosen() || printers == nullptr) {
        const QRect page = ReportPdfLayout().paintRectPixels(kReportDpi);
        m_nPageW = page.width();
        m_nPageH = page.height();
    } else {
        const QString name = PrinterNameOfEntry(printers->currentText());
        m_pPrinter = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
        m_pPrinter->setResolution(kReportDpi);
        m_nPageW = m_pPrinter->width();
        m_nPageH = m_pPrinter->height();
    }
    if (QWidget* frame = GetDlgItem(this, IDC_RPT_PREVIEW)) m_rcPreview = frame->geometry();
    update();
}

void CDlgReport::OnBnClickedChart() {
    const auto* moment = DlgItem<QCheckBox>(this, IDC_RPT_MOMENT);
    const auto* inertia = DlgItem<QCheckBox>(this, IDC_RPT_INERTIA);
    const bool m = moment && moment->isChecked();
    const bool i = inertia && inertia->isChecked();
    m_nChartOption = m && i ? CReport::CHART_BOTH
                     : m    ? CReport::CHART_MOMENT
                     : i    ? CReport::CHART_INERTIA
                            : CReport::CHART_NONE;
    StoreChoices();
    update();
}

void CDlgReport::StoreChoices() {
    const auto* grey = DlgItem<QCheckBox>(this, IDC_RPT_GREY);
    CReportChoices choices;
    choices.greyScale = grey && grey->isChecked() ? 1 : 0;
    choices.chartOption = m_nChartOption;
    SaveReportChoices(choices);
}

CDlgReportPreview* CDlgReport::OnPreviewClicked() {
    const auto* grey = DlgItem<QCheckBox>(this, IDC_RPT_GREY);
    const auto* pages = DlgItem<QComboBox>(this, IDC_RPT_PAGE);
    auto* big =
        new CDlgReportPreview(m_source, this, m_nPageW, m_nPageH, (pages ? pages->currentIndex() : 0) + 1,
                              grey && grey->isChecked() ? 1 : 0, m_nChartOption);
    big->show();
    return big;
}

void CDlgReport::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && PreviewPageRect().contains(event->position().toPoint())) {
        OnPreviewClicked();
        return;
    }
    CKestDialog::mousePressEvent(event);
}

bool CDlgReport::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        ShowToolTipText(
            this, help,
            PreviewPageRect().contains(help->pos()) ? LoadKestString(IDS_CLICK_TO_ENLARGE) : QString());
        return true;
    }
    return CKestDialog::event(event);
}

QRect CDlgReport::PreviewPageRect() const {
    // The page keeps the chosen paper's proportions inside the frame.
    return FitPageRect(m_rcPreview.adjusted(4, 4, -4, -4), m_nPageW, m_nPageH);
}

QImage CDlgReport::RenderPreview() {
    const QRect rc = PreviewPageRect();
    if (rc.isEmpty()) return QImage();
    QImage page(rc.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    m_rptPreview.Init(rc.width(), rc.height(), 5, 10, 5, 10);
    const auto* grey = DlgItem<QCheckBox>(this, IDC_RPT_GREY);
    m_rptPreview.m_bGreyScale = grey && grey->isChecked() ? 1 : 0;
    const auto* pages = DlgItem<QComboBox>(this, IDC_RPT_PAGE);
    QPainter p(&page);
    CKestDC dc(&p);
    m_rptPreview.Draw(dc, (pages ? pages->currentIndex() : 0) + 1, m_nChartOption);
    return page;
}

void CDlgReport::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(m_rcPreview.adjusted(1, 1, -1, -1), QColor(160, 160, 160));
    const QImage page = RenderPreview();
    if (!page.isNull()) p.drawImage(PreviewPageRect().topLeft(), page);
}

QString CDlgReport::DefaultPdfName() const {
    const QString& project = m_source.pathName;
    const QFileInfo info(project);
    if (project.isEmpty() || info.completeBaseName().isEmpty()) return QStringLiteral("Noname.pdf");
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".pdf");
}

void CDlgReport::ReportFailure(const QString& target, const QString& reason) {
    KestMessageBox(QStringLiteral("%1 :\r\n%2\r\n%3").arg(LoadKestString(IDS_PRINT_FAILED), target, reason),
                   KEST_MB_OK | KEST_MB_ICONSTOP);
}

void CDlgReport::OnBnClickedPrint() {
    const auto* grey = DlgItem<QCheckBox>(this, IDC_RPT_GREY);
    const int greyScale = grey && grey->isChecked() ? 1 : 0;
    if (IsPdfChosen()) {
        const QString path = KestFileDialog(
            this, FileDialogRequest{true, QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||"),
                                    QStringLiteral("pdf"), DefaultPdfName()});
        if (path.isEmpty()) return;  // cancelled: nothing printed, the dialog stays
        QString error;
        if (WriteReportPdf(m_source, path, greyScale, m_nChartOption, &error) < 0) {
            ReportFailure(path, error);
            return;
        }
        KestMessageBox(QStringLiteral("%1\r\n%2")
                           .arg(LoadKestString(IDS_PDF_WRITTEN), QFileInfo(path).absoluteFilePath()),
                       KEST_MB_OK | KEST_MB_ICONINFORMATION);
        accept();
        return;
    }
    const auto* printers = DlgItem<QComboBox>(this, IDC_RPT_PRINTER);
    const QString name = PrinterNameOfEntry(printers ? printers->currentText() : QString());
    // A printer removed since the list was filled would silently become a
    // file nobody asked for.
    if (m_pPrinter == nullptr || QPrinterInfo::printerInfo(name).isNull()) {
        ReportFailure(name, LoadKestString(IDS_PRINTER_NOT_FOUND));
        return;
    }
    m_pPrinter->setDocName(LoadKestString(IDS_PRINT_DOC_NAME));
    m_rptPrint.m_bGreyScale = greyScale;
    if (!PrintReportPages(*m_pPrinter, m_rptPrint, m_nChartOption) ||
        m_pPrinter->printerState() == QPrinter::Error) {
        ReportFailure(name, LoadKestString(IDS_PRINTER_REJECTED));
        return;
    }
    accept();
}
