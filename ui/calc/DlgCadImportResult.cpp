// The import dialog's inputs through the import pipeline: the bodies' table,
// the default density or total mass, the flange frame, and what comes out of
// it (the result, the picture, the warnings) up to "Add".
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <cmath>

#include "CadUnits.h"
#include "DataExchange.h"
#include "DlgCadImport.h"
#include "MessageBox.h"
#include "NumText.h"
#include "Strings.h"
#include "StringsCad.h"

using namespace kest;
using namespace kest::cad;

namespace {

enum { COL_USE, COL_NAME, COL_VOLUME, COL_MASS, COL_DENSITY, COL_USED, COL_NOTE };

QString Text(int id) { return LoadKestString(id); }

// A value with `decimals` places; what rounds to zero shows as zero, not -0.
QString Fixed(double v, int decimals) {
    const double half = 0.5 * std::pow(10.0, -decimals);
    if (std::fabs(v) < half) v = 0.0;
    const std::string format = "%." + std::to_string(decimals) + "f";
    return QString::fromStdString(FormatC(format.c_str(), v));
}

// A moment of inertia with five significant digits (small parts have small
// moments); what is only rounding against the largest moment shows as 0.
QString Moment(double v, double largest) {
    if (std::fabs(v) <= 1e-12 * std::fabs(largest)) v = 0.0;
    return QString::fromStdString(FormatC("%.5g", v));
}

// An optional number: empty text is none; false for text that is no number.
bool OptionalNumber(const QString& text, std::optional<double>& value) {
    value.reset();
    if (text.trimmed().isEmpty()) return true;
    double v = 0.0;
    if (!TextToDouble(text, v)) return false;
    value = v;
    return true;
}

void MarkBad(QLineEdit* e, bool bad) {
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, bad ? QColor(255, 225, 225) : QColor(255, 255, 255));
    e->setPalette(pal);
}

QTableWidgetItem* ReadOnlyItem(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setTextAlignment(align);
    return item;
}

}  // namespace

void CDlgCadImport::ShowBodies() {
    m_bFilling = true;
    m_pBodies->setRowCount(static_cast<int>(m_bodies.size()));
    for (int r = 0; r < static_cast<int>(m_bodies.size()); ++r) {
        const CCadBody& b = m_bodies[static_cast<size_t>(r)];
        auto* use = new QTableWidgetItem;
        use->setFlags(b.measurable ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled : Qt::NoItemFlags);
        use->setCheckState(b.measurable ? Qt::Checked : Qt::Unchecked);
        m_pBodies->setItem(r, COL_USE, use);
        m_pBodies->setItem(r, COL_NAME, ReadOnlyItem(b.name));
        const std::optional<double> volume =
            b.perUnitDensity ? std::optional<double>(b.props.massKg) : b.volumeM3;
        m_pBodies->setItem(
            r, COL_VOLUME,
            ReadOnlyItem(volume ? Fixed(*volume * 1e6, 3) : QString(), Qt::AlignRight | Qt::AlignVCenter));
        for (int c : {COL_MASS, COL_DENSITY}) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!b.measurable) item->setFlags(Qt::NoItemFlags);
            m_pBodies->setItem(r, c, item);
        }
        m_pBodies->setItem(r, COL_USED, ReadOnlyItem(QString(), Qt::AlignRight | Qt::AlignVCenter));
        m_pBodies->setItem(r, COL_NOTE, ReadOnlyItem(b.measurable ? QString() : b.problem));
    }
    // The note takes what the other columns leave.
    for (int c = COL_USE; c < COL_NOTE; ++c) m_pBodies->resizeColumnToContents(c);
    m_bFilling = false;
}

bool CDlgCadImport::ReadFrame(CFlangeFrame& frame, QString& bad) const {
    double origin[3] = {0, 0, 0}, angle[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        for (auto [edit, value] : {std::pair{m_pOrigin[i], &origin[i]}, std::pair{m_pAngle[i], &angle[i]}}) {
            std::optional<double> v;
            const bool ok = OptionalNumber(edit->text(), v);
            MarkBad(edit, !ok);
            if (!ok && bad.isEmpty()) bad = edit->toolTip();
            *value = v.value_or(0.0);
        }
    }
    if (!bad.isEmpty()) return false;
    const double toM = ToMetre(ChosenLength().value_or(LengthUnit::Millimetre));
    frame.originM = {origin[0] * toM, origin[1] * toM, origin[2] * toM};
    frame.rotation = RotationFromAngles(angle[0], angle[1], angle[2]);
    return true;
}

void CDlgCadImport::Recalculate() {
    const QString unit = UnitSymbol(ChosenLength().value_or(LengthUnit::Millimetre));
    m_pOriginLabel->setText(Text(IDS_CI_ORIGIN) + QStringLiteral(" [") + unit + QLatin1Char(']'));
    QString bad;
    CFlangeFrame frame;
    const bool frameOk = ReadFrame(frame, bad);
    if (frameOk) m_frame = frame;

    std::vector<CBodyMass> masses(m_bodies.size());
    m_bFilling = true;
    for (size_t i = 0; i < m_bodies.size(); ++i) {
        const int r = static_cast<int>(i);
        CBodyMass& m = masses[i];
        m.included = m_bodies[i].measurable && m_pBodies->item(r, COL_USE)->checkState() == Qt::Checked;
        std::optional<double>* values[2] = {&m.massKg, &m.densityKgM3};
        const int cols[2] = {COL_MASS, COL_DENSITY};
        for (int k = 0; k < 2; ++k) {
            QTableWidgetItem* item = m_pBodies->item(r, cols[k]);
            const bool ok = OptionalNumber(item->text(), *values[k]);
            item->setBackground(ok ? QBrush() : QBrush(QColor(255, 225, 225)));
            if (!ok && bad.isEmpty())
                bad = m_bodies[i].name + QStringLiteral(", ") +
                      m_pBodies->horizontalHeaderItem(cols[k])->text();
        }
    }
    m_bFilling = false;
    CMassDefault fallback;
    QLineEdit* defaultEdit = m_pUseTotal->isChecked() ? m_pTotal : m_pDensity;
    std::optional<double> value;
    const bool defaultOk = OptionalNumber(defaultEdit->text(), value);
    MarkBad(m_pTotal, false);
    MarkBad(m_pDensity, false);
    MarkBad(defaultEdit, !defaultOk);
    if (!defaultOk && bad.isEmpty()) bad = (m_pUseTotal->isChecked() ? m_pUseTotal : m_pUseDensity)->text();
    (m_pUseTotal->isChecked() ? fallback.totalMassKg : fallback.densityKgM3) = value;

    if (m_bodies.empty()) {
        m_result = CCadResult();
        m_result.error = Text(IDS_CI_NOTHING);
    } else if (!bad.isEmpty()) {
        m_result = CCadResult();
        m_result.error = Text(IDS_CI_ENTER_NUMBER).arg(bad);
    } else {
        // The conservative choice is offered, and used, only for large products.
        const bool wanted = m_pConservative->isChecked();
        m_result = ComputeCadResult(m_bodies, masses, fallback, frame, wanted);
        if (m_result.ok && wanted && !m_result.productsLarge)
            m_result = ComputeCadResult(m_bodies, masses, fallback, frame, false);
    }
    ShowResult();
    ShowPicture();
}

void CDlgCadImport::ShowResult() {
    const CCadResult& r = m_result;
    for (QLineEdit* e : m_pResult) e->clear();
    if (r.ok) {
        const CMassProps& f = r.flange;
        m_pResult[RES_MASS]->setText(Fixed(f.massKg, 4));
        const double com[3] = {f.comM.x, f.comM.y, f.comM.z};
        const double largest = r.principal[2];
        for (int i = 0; i < 3; ++i) {
            m_pResult[RES_X + i]->setText(Fixed(com[i] * 1000.0, 2));
            m_pResult[RES_IXX + i]->setText(Moment(f.inertia[i][i], largest));
            m_pResult[RES_P1 + i]->setText(Moment(r.principal[i], largest));
            m_pResult[RES_USED + i]->setText(Moment(r.LoadInertia()[i], largest));
        }
        m_pResult[RES_IXY]->setText(Moment(f.inertia[0][1], largest));
        m_pResult[RES_IXY + 1]->setText(Moment(f.inertia[0][2], largest));
        m_pResult[RES_IXY + 2]->setText(Moment(f.inertia[1][2], largest));
    }
    // The moments the load takes, shown apart when they are not the diagonal.
    for (int i = 0; i < 3; ++i) m_pResult[RES_USED + i]->setVisible(r.ok && r.conservative);
    m_pUsedLabel->setVisible(r.ok && r.conservative);
    m_pUsedUnit->setVisible(r.ok && r.conservative);
    QPalette pal = m_pProductsLabel->palette();
    pal.setColor(QPalette::WindowText,
                 r.ok && r.productsLarge ? QColor(200, 0, 0) : palette().color(QPalette::WindowText));
    m_pProductsLabel->setPalette(pal);
    {
        const QSignalBlocker block(m_pConservative);
        m_pConservative->setEnabled(r.ok && r.productsLarge);
        if (r.ok && !r.productsLarge) m_pConservative->setChecked(false);
    }

    m_pWarnings->clear();
    // With nothing read the message line says so; the list keeps to the result.
    if (!r.ok && !r.error.isEmpty() && !m_bodies.empty()) {
        auto* item = new QListWidgetItem(r.error, m_pWarnings);
        item->setForeground(QColor(200, 0, 0));
    }
    for (const QString& w : m_readWarnings + r.warnings) new QListWidgetItem(w, m_pWarnings);
    m_pAdd->setEnabled(r.ok && !IsReading());

    m_bFilling = true;
    for (size_t i = 0; i < m_bodies.size() && i < static_cast<size_t>(m_pBodies->rowCount()); ++i) {
        const int row = static_cast<int>(i);
        const bool known = r.ok && i < r.bodies.size();
        const bool used = known && r.bodies[i].included;
        m_pBodies->item(row, COL_USED)->setText(used ? Fixed(r.bodies[i].massKg, 4) : QString());
        m_pBodies->item(row, COL_NOTE)
            ->setText(!m_bodies[i].measurable ? m_bodies[i].problem
                      : known && !used        ? r.bodies[i].problem
                                              : QString());
    }
    m_bFilling = false;
}

void CDlgCadImport::ShowPicture() {
    CCadShape shape;
    for (size_t i = 0; i < m_bodies.size() && i < m_edges.size(); ++i) {
        const QTableWidgetItem* use = m_pBodies->item(static_cast<int>(i), COL_USE);
        if (use == nullptr || use->checkState() != Qt::Checked) continue;
        const std::vector<CEdge3> edges = EdgesToFlange(m_edges[i], m_frame);
        shape.edges.insert(shape.edges.end(), edges.begin(), edges.end());
    }
    if (m_result.ok) shape.comM = m_result.flange.comM;
    m_pShape->shape = std::move(shape);
    m_pShape->update();
}

void CDlgCadImport::OnOrientationChanged() {
    const int index = m_pOrientation->currentData().toInt();
    if (index >= 0) {
        const std::array<double, 3> a = AnglesFromRotation(AxisAlignedRotation(index));
        for (int i = 0; i < 3; ++i) {
            // Whole degrees: the orientations are quarter turns.
            const double deg = std::round(a[i] * 1e6) / 1e6;
            m_pAngle[i]->setText(QString::fromStdString(FormatC("%.10g", deg + 0.0)));
        }
    }
    Recalculate();
}

void CDlgCadImport::OnAnglesEdited() {
    // The list shows the orientation the angles give, when it is one of its own.
    CFlangeFrame frame;
    QString bad;
    int found = -1;
    if (ReadFrame(frame, bad)) {
        for (int k = 0; k < kAxisAlignedCount && found < 0; ++k) {
            const CMat3 r = AxisAlignedRotation(k);
            double diff = 0.0;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) diff = std::max(diff, std::fabs(r[i][j] - frame.rotation[i][j]));
            if (diff < 1e-9) found = k;
        }
    }
    m_pOrientation->setCurrentIndex(m_pOrientation->findData(found));
    Recalculate();
}

void CDlgCadImport::OnMaterialChanged() {
    const double density = m_pMaterial->currentData().toDouble();
    if (density > 0.0) {
        m_pDensity->setText(QString::fromStdString(FormatC("%.10g", density)));
        m_pUseDensity->setChecked(true);
    }
    Recalculate();
}

QString CDlgCadImport::LoadName() const {
    // A single body with a name of its own names the load; otherwise the file.
    int included = 0;
    size_t which = 0;
    for (size_t i = 0; i < m_result.bodies.size(); ++i) {
        if (m_result.bodies[i].included) {
            ++included;
            which = i;
        }
    }
    if (included == 1 && m_source == Source::Report && m_bodies.size() == 1 && !m_strReportName.isEmpty())
        return m_strReportName;
    if (included == 1 && m_source == Source::Geometry) {
        const QString name = m_bodies[which].name;
        const QString n = QString::number(static_cast<int>(which) + 1);
        const bool generated = name == LoadKestString(IDS_CAD_SOLID_N, Lang::Korean).arg(n) ||
                               name == LoadKestString(IDS_CAD_SOLID_N, Lang::English).arg(n);
        if (!name.trimmed().isEmpty() && !generated) return name;
    }
    return m_strSourceName;
}

void CDlgCadImport::OnBnClickedAdd() {
    if (IsReading()) return;
    Recalculate();
    if (!m_result.ok) {
        const QString why = m_result.error.isEmpty() ? Text(IDS_CI_NOTHING) : m_result.error;
        KestMessageBox(Text(IDS_CI_NOT_ADDED).arg(why), KEST_MB_OK | KEST_MB_ICONWARNING);
        return;
    }
    m_load = CLoad();
    m_load.Name = LoadName();
    m_load.prm = m_result.ToLoad();
    accept();
}
