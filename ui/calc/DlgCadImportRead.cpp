// The import dialog's reading: a file in a worker thread (progress, Cancel),
// pasted text, and the units a file or report does not state, asked and the
// read repeated.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>

#include "CadSource.h"
#include "DlgCadImport.h"
#include "MessageBox.h"
#include "Strings.h"
#include "StringsCad.h"

using namespace kest;
using namespace kest::cad;

namespace {

QString Text(int id) { return LoadKestString(id); }

// The marked look of a unit box the user has to choose.
void MarkUnitBox(QComboBox* box, bool mark) {
    box->setStyleSheet(mark ? QStringLiteral("QComboBox { background: rgb(255, 225, 225); }") : QString());
}

}  // namespace

// One read, shared by the dialog and the worker thread: the inputs are set
// before the thread starts and the outputs read after it has finished; only
// `cancel` and `permille` are touched by both while it runs.
struct CDlgCadImport::ReadJob {
    QString path;        // a file, or empty for pasted text
    QString name;        // for messages: the file's name or "Pasted report"
    QByteArray pasted;   // the text when there is no file
    CReportUnits units;  // what the file or report does not state, as chosen

    std::atomic<bool> cancel{false};
    std::atomic<int> permille{0};

    Source source = Source::None;
    bool cancelled = false;
    bool needsLength = false, needsMass = false;
    bool lengthUsed = false, massUsed = false;  // the chosen units were read with
    QString error;
    QString reportName;
    QStringList readWarnings;
    std::vector<CCadBody> bodies;
    std::vector<std::vector<CEdge3>> edges;

    void Run() {
        try {
            CCadSource read;
            if (path.isEmpty()) {
                read = ReadCadText(pasted, units);
            } else {
                read = ReadCadFile(path, units, [this](double fraction) {
                    if (std::isfinite(fraction))
                        permille.store(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 1000.0));
                    return !cancel.load();
                });
            }
            Take(read);
        } catch (...) {
            source = Source::None;
            error = Text(IDS_CI_CANNOT_READ).arg(name);
        }
    }

    void Take(CCadSource& read) {
        if (read.status == CAD_READ_CANCELLED || cancel.load()) {
            cancelled = true;
            return;
        }
        if (read.status == CAD_READ_NEEDS_UNIT) {
            needsLength = read.needsLengthUnit;
            needsMass = read.needsMassUnit;
            return;
        }
        if (read.status != CAD_READ_OK) {
            error = read.error;
            return;
        }
        // An STL file takes the chosen length unit; a report the units it lacks.
        const bool stl = read.geometry && read.format == QLatin1String("STL");
        lengthUsed = units.length.has_value() && (stl || !read.geometry);
        massUsed = units.mass.has_value() && !read.geometry;
        readWarnings = read.notes;
        bodies = std::move(read.bodies);
        if (!read.geometry && bodies.size() == 1 && bodies[0].name != read.format)
            reportName = bodies[0].name;
        // The picture needs only the outline; the triangles go.
        for (CCadBody& b : bodies) {
            edges.push_back(OutlineEdges(b.triangles));
            std::vector<CTriangle>().swap(b.triangles);
            if (cancel.load()) {
                cancelled = true;
                return;
            }
        }
        source = read.geometry ? Source::Geometry : Source::Report;
    }
};

CDlgCadImport::~CDlgCadImport() { StopRead(); }

bool CDlgCadImport::IsReading() const { return m_pThread != nullptr; }

void CDlgCadImport::done(int r) {
    StopRead();
    CKestDialog::done(r);
}

void CDlgCadImport::StopRead() {
    if (m_pThread == nullptr) return;
    m_job->cancel.store(true);
    m_pThread->disconnect(this);
    m_pThread->wait();
    delete m_pThread;
    m_pThread = nullptr;
    m_job.reset();
    if (m_pPoll) m_pPoll->stop();
}

void CDlgCadImport::OnBnClickedOpen() {
    if (IsReading()) return;
    FileDialogRequest request;
    request.save = false;
    request.filter = Text(IDS_CI_FILE_FILTER);
    const QString path = KestFileDialog(this, request);
    if (!path.isEmpty()) ReadFile(path);
}

void CDlgCadImport::ReadFile(const QString& path) {
    if (IsReading() || path.isEmpty()) return;
    StartRead(path, QFileInfo(path).fileName(), QByteArray());
}

void CDlgCadImport::OnBnClickedReadText() {
    if (IsReading()) return;
    const QByteArray text = m_pPaste->toPlainText().toUtf8();
    if (text.trimmed().isEmpty()) {
        SetStatus(Text(IDS_CI_NOTHING), true);
        return;
    }
    StartRead(QString(), Text(IDS_CI_PASTED), text);
}

void CDlgCadImport::OnBnClickedCancelRead() {
    if (m_job) m_job->cancel.store(true);
}

void CDlgCadImport::StartRead(const QString& path, const QString& displayName, const QByteArray& pasted) {
    auto job = std::make_shared<ReadJob>();
    job->path = path;
    job->name = displayName;
    job->pasted = pasted;
    // A new source is read without units, so that one it lacks is asked for;
    // a read again after asking, or in another unit, gives what is chosen.
    const bool again = (path.isEmpty() ? pasted == m_pendingBytes : path == m_strPendingPath) &&
                       (m_bPendingLength || m_bPendingMass);
    const bool same = (!path.isEmpty() && path == m_strPath) || (path.isEmpty() && pasted == m_pastedBytes);
    if (again || (same && (m_bLengthGiven || m_bMassGiven))) {
        job->units.length = ChosenLength();
        job->units.mass = ChosenMass();
    }
    m_job = job;
    m_pThread = QThread::create([job] { job->Run(); });
    connect(m_pThread, &QThread::finished, this, &CDlgCadImport::OnReadFinished);
    if (m_pPoll == nullptr) {
        m_pPoll = new QTimer(this);
        connect(m_pPoll, &QTimer::timeout, this, &CDlgCadImport::OnReadProgress);
    }
    m_pProgress->setValue(0);
    m_pProgress->show();
    m_pCancelRead->show();
    m_pOpen->setEnabled(false);
    m_pRead->setEnabled(false);
    m_pAdd->setEnabled(false);
    SetStatus(Text(IDS_CI_READING).arg(displayName), false);
    m_pThread->start();
    m_pPoll->start(100);
}

void CDlgCadImport::OnReadProgress() {
    if (m_job) m_pProgress->setValue(m_job->permille.load() / 10);
}

void CDlgCadImport::OnReadFinished() {
    // A finished signal of a read already stopped is late: nothing to take.
    if (m_pThread == nullptr || sender() != m_pThread) return;
    // Sent just before the thread ends: let it end.
    m_pThread->wait();
    std::shared_ptr<ReadJob> job = std::move(m_job);
    delete m_pThread;
    m_pThread = nullptr;
    m_pPoll->stop();
    m_pProgress->hide();
    m_pCancelRead->hide();
    m_pOpen->setEnabled(true);
    m_pRead->setEnabled(true);

    if (job->cancelled) {
        SetStatus(Text(IDS_CI_CANCELLED).arg(job->name), false);
        Recalculate();
        return;
    }
    if (job->needsLength || job->needsMass) {
        // Asked: the unit boxes to choose are marked; choosing reads again.
        m_strPendingPath = job->path;
        m_strPendingName = job->name;
        m_pendingBytes = job->pasted;
        m_bPendingLength = job->needsLength;
        m_bPendingMass = job->needsMass;
        MarkUnitBox(m_pLengthUnit, job->needsLength);
        MarkUnitBox(m_pMassUnit, job->needsMass);
        if (job->needsLength) m_pLengthUnit->setCurrentIndex(0);
        if (job->needsMass) m_pMassUnit->setCurrentIndex(0);
        // The file shown before is no longer the one being imported: nothing
        // of it may stay on screen or be added while the unit is asked.
        m_source = Source::None;
        m_bodies.clear();
        m_edges = {};
        m_readWarnings.clear();
        m_pSource->setText(job->path.isEmpty() ? job->name : job->path);
        m_pSource->setToolTip(job->path);
        SetStatus(Text(IDS_CI_NEEDS_UNIT).arg(job->name), true);
        ShowBodies();
        Recalculate();
        return;
    }
    if (job->source == Source::None) {
        // Nothing read: what was shown before stays.
        const QString error = job->error.isEmpty() ? Text(IDS_CI_CANNOT_READ).arg(job->name) : job->error;
        SetStatus(error, true);
        KestMessageBox(error, KEST_MB_OK | KEST_MB_ICONWARNING);
        Recalculate();
        return;
    }
    m_source = job->source;
    m_strPath = job->path;
    m_strSourceName = job->name;
    m_pastedBytes = job->pasted;
    m_strReportName = job->reportName;
    m_bLengthGiven = job->lengthUsed;
    m_bMassGiven = job->massUsed;
    m_readWarnings = job->readWarnings;
    m_bodies = std::move(job->bodies);
    m_edges = std::move(job->edges);
    m_strPendingPath.clear();
    m_pendingBytes.clear();
    m_bPendingLength = m_bPendingMass = false;
    MarkUnitBox(m_pLengthUnit, false);
    MarkUnitBox(m_pMassUnit, false);
    m_pSource->setText(job->path.isEmpty() ? job->name : job->path);
    m_pSource->setToolTip(job->path);
    SetStatus(QString(), false);
    ShowBodies();
    Recalculate();
}

void CDlgCadImport::OnUnitChanged() {
    if (IsReading()) return;
    const bool lengthOk = !m_bPendingLength || ChosenLength().has_value();
    const bool massOk = !m_bPendingMass || ChosenMass().has_value();
    if ((m_bPendingLength || m_bPendingMass) && lengthOk && massOk) {
        StartRead(m_strPendingPath, m_strPendingName, m_pendingBytes);
        return;
    }
    // A unit the shown source was read with: read it again in the new one.
    const bool reread = (m_bLengthGiven && ChosenLength()) || (m_bMassGiven && ChosenMass());
    if (reread && m_source != Source::None && !m_bPendingLength && !m_bPendingMass) {
        StartRead(m_strPath, m_strSourceName, m_pastedBytes);
        return;
    }
    Recalculate();  // the origin's unit
}

std::optional<LengthUnit> CDlgCadImport::ChosenLength() const {
    const int i = m_pLengthUnit->currentData().toInt();
    const LengthUnit units[] = {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre,
                                LengthUnit::Inch, LengthUnit::Foot};
    if (i < 0 || i >= 5) return std::nullopt;
    return units[i];
}

std::optional<MassUnit> CDlgCadImport::ChosenMass() const {
    const int i = m_pMassUnit->currentData().toInt();
    const MassUnit units[] = {MassUnit::Gram, MassUnit::Kilogram, MassUnit::Pound, MassUnit::Tonne};
    if (i < 0 || i >= 4) return std::nullopt;
    return units[i];
}

void CDlgCadImport::SetStatus(const QString& text, bool error) {
    m_pStatus->setText(text);
    QPalette pal = m_pStatus->palette();
    pal.setColor(QPalette::WindowText, error ? QColor(200, 0, 0) : palette().color(QPalette::WindowText));
    m_pStatus->setPalette(pal);
}

QString CDlgCadImport::StatusText() const { return m_pStatus->text(); }
