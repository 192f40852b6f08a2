// The import dialog's controls, laid out in code: the source, units and bodies
// on the left, the frame, picture, result and warnings on the right.
#include "DlgCadImport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "CadUnits.h"
#include "DlgBuilder.h"
#include "FlangeFrame.h"
#include "NumText.h"
#include "Strings.h"
#include "StringsCad.h"
#include "Templates.h"

using namespace kest;
using namespace kest::cad;

namespace {

QString Text(int id) { return LoadKestString(id); }

QLineEdit* NumberEdit(QWidget* parent, int id, const QString& text, int width = 70) {
    auto* e = new QLineEdit(text, parent);
    SetDlgCtrlId(e, id);
    e->setAlignment(Qt::AlignRight);
    e->setMinimumWidth(width);
    e->setMaximumWidth(width + 30);
    return e;
}

QLineEdit* ResultField(QWidget* parent, int id) {
    auto* e = new QLineEdit(parent);
    SetDlgCtrlId(e, id);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setMinimumWidth(80);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(240, 240, 240));
    e->setPalette(pal);
    return e;
}

// The unit combo boxes: "(choose)" first, then the units as symbols.
void FillUnits(QComboBox* box, const QStringList& symbols) {
    box->addItem(Text(IDS_CI_UNIT_CHOOSE), -1);
    for (int i = 0; i < symbols.size(); ++i) box->addItem(symbols[i], i);
}

}  // namespace

CCadShapeView::CCadShapeView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 260);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CCadShapeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    diagram.Draw(p, rect(), shape, false);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

CDlgCadImport::CDlgCadImport(QWidget* parent) : CKestDialog(IDD_CAD_IMPORT, parent) {
    // The template gives the caption and the first size; the layout the rest.
    const QSize first = size();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
    const QWidget* content = BuildControls();
    // Room for the bodies' columns and the picture, within the screen (the
    // rest scrolls).
    QSize want = first.expandedTo(QSize(1120, 900)).expandedTo(content->minimumSizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        want = want.boundedTo(screen->availableSize()).expandedTo(minimumSizeHint());
    resize(want);
    SetStatus(Text(IDS_CI_NOTHING), false);
    Recalculate();
}

QWidget* CDlgCadImport::BuildControls() {
    // Everything sits in a scroll area, so that a screen smaller than the
    // dialog's natural size (a 1366 × 768 laptop) still reaches every control.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* top = new QHBoxLayout(content);
    top->addWidget(BuildSourceColumn(), 6);
    top->addWidget(BuildResultColumn(), 5);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    return content;
}

QWidget* CDlgCadImport::BuildSourceColumn() {
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    // The source: a file, or pasted text.
    auto* fileRow = new QHBoxLayout;
    m_pOpen = new QPushButton(Text(IDS_CI_OPEN), this);
    SetDlgCtrlId(m_pOpen, IDC_CI_OPEN);
    m_pSource = new QLabel(this);
    SetDlgCtrlId(m_pSource, IDC_CI_SOURCE);
    m_pSource->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pSource->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fileRow->addWidget(m_pOpen);
    fileRow->addWidget(m_pSource, 1);
    v->addLayout(fileRow);

    auto* pasteLabel = new QLabel(Text(IDS_CI_PASTE), this);
    pasteLabel->setWordWrap(true);
    v->addWidget(pasteLabel);
    auto* pasteRow = new QHBoxLayout;
    m_pPaste = new QPlainTextEdit(this);
    SetDlgCtrlId(m_pPaste, IDC_CI_PASTE);
    m_pPaste->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pPaste->setFixedHeight(78);
    m_pRead = new QPushButton(Text(IDS_CI_READ), this);
    SetDlgCtrlId(m_pRead, IDC_CI_READ);
    pasteRow->addWidget(m_pPaste, 1);
    pasteRow->addWidget(m_pRead, 0, Qt::AlignTop);
    v->addLayout(pasteRow);

    // Progress of a read, its Cancel, and the message line.
    auto* progressRow = new QHBoxLayout;
    m_pProgress = new QProgressBar(this);
    SetDlgCtrlId(m_pProgress, IDC_CI_PROGRESS);
    m_pProgress->setRange(0, 100);
    m_pCancelRead = new QPushButton(Text(IDS_CI_CANCEL), this);
    SetDlgCtrlId(m_pCancelRead, IDC_CI_CANCEL_READ);
    progressRow->addWidget(m_pProgress, 1);
    progressRow->addWidget(m_pCancelRead);
    v->addLayout(progressRow);
    m_pProgress->hide();
    m_pCancelRead->hide();
    m_pStatus = new QLabel(this);
    SetDlgCtrlId(m_pStatus, IDC_CI_STATUS);
    m_pStatus->setWordWrap(true);
    m_pStatus->setMinimumHeight(2 * fontMetrics().height() + 4);
    m_pStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    v->addWidget(m_pStatus);

    // Units the file may not state.
    auto* unitRow = new QHBoxLayout;
    m_pLengthUnit = new QComboBox(this);
    SetDlgCtrlId(m_pLengthUnit, IDC_CI_LENGTH_UNIT);
    QStringList lengths, masses;
    for (LengthUnit u : {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Metre, LengthUnit::Inch,
                         LengthUnit::Foot})
        lengths << UnitSymbol(u);
    for (MassUnit u : {MassUnit::Gram, MassUnit::Kilogram, MassUnit::Pound, MassUnit::Tonne})
        masses << UnitSymbol(u);
    FillUnits(m_pLengthUnit, lengths);
    m_pMassUnit = new QComboBox(this);
    SetDlgCtrlId(m_pMassUnit, IDC_CI_MASS_UNIT);
    FillUnits(m_pMassUnit, masses);
    unitRow->addWidget(new QLabel(Text(IDS_CI_LENGTH_UNIT), this));
    unitRow->addWidget(m_pLengthUnit);
    unitRow->addSpacing(16);
    unitRow->addWidget(new QLabel(Text(IDS_CI_MASS_UNIT), this));
    unitRow->addWidget(m_pMassUnit);
    unitRow->addStretch(1);
    v->addLayout(unitRow);

    // The bodies.
    auto* bodies = new QGroupBox(Text(IDS_CI_BODIES), this);
    auto* bv = new QVBoxLayout(bodies);
    m_pBodies = new QTableWidget(0, 7, bodies);
    SetDlgCtrlId(m_pBodies, IDC_CI_BODIES);
    m_pBodies->setHorizontalHeaderLabels(Text(IDS_CI_BODY_HEADS).split(QLatin1Char('|')));
    m_pBodies->verticalHeader()->hide();
    for (int c = 0; c < 6; ++c) m_pBodies->resizeColumnToContents(c);
    m_pBodies->horizontalHeader()->setStretchLastSection(true);
    m_pBodies->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pBodies->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_pBodies->setMinimumHeight(150);
    bv->addWidget(m_pBodies, 1);

    // The default for bodies without a value of their own.
    auto* grid = new QGridLayout;
    m_pUseDensity = new QRadioButton(Text(IDS_CI_DEFAULT_DENSITY), bodies);
    SetDlgCtrlId(m_pUseDensity, IDC_CI_USE_DENSITY);
    m_pUseTotal = new QRadioButton(Text(IDS_CI_TOTAL_MASS), bodies);
    SetDlgCtrlId(m_pUseTotal, IDC_CI_USE_TOTAL);
    m_pUseDensity->setChecked(true);
    m_pDensity = NumberEdit(bodies, IDC_CI_DENSITY, QString(), 80);
    m_pMaterial = new QComboBox(bodies);
    SetDlgCtrlId(m_pMaterial, IDC_CI_MATERIAL);
    m_pMaterial->addItem(Text(IDS_CI_MATERIAL), 0.0);
    for (const CMaterial& m : CommonMaterials())
        m_pMaterial->addItem(QStringLiteral("%1 (%2)").arg(m.name).arg(m.densityKgM3), m.densityKgM3);
    m_pTotal = NumberEdit(bodies, IDC_CI_TOTAL, QString(), 80);
    grid->addWidget(m_pUseDensity, 0, 0);
    grid->addWidget(m_pDensity, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("kg/m³"), bodies), 0, 2);
    grid->addWidget(m_pMaterial, 0, 3);
    grid->addWidget(m_pUseTotal, 1, 0);
    grid->addWidget(m_pTotal, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("kg"), bodies), 1, 2);
    grid->setColumnStretch(4, 1);
    bv->addLayout(grid);
    v->addWidget(bodies, 1);

    connect(m_pOpen, &QPushButton::clicked, this, &CDlgCadImport::OnBnClickedOpen);
    connect(m_pRead, &QPushButton::clicked, this, &CDlgCadImport::OnBnClickedReadText);
    connect(m_pCancelRead, &QPushButton::clicked, this, &CDlgCadImport::OnBnClickedCancelRead);
    connect(m_pLengthUnit, &QComboBox::activated, this, &CDlgCadImport::OnUnitChanged);
    connect(m_pMassUnit, &QComboBox::activated, this, &CDlgCadImport::OnUnitChanged);
    connect(m_pMaterial, &QComboBox::activated, this, &CDlgCadImport::OnMaterialChanged);
    connect(m_pBodies, &QTableWidget::itemChanged, this, [this] {
        if (!m_bFilling) Recalculate();
    });
    for (QLineEdit* e : {m_pDensity, m_pTotal})
        connect(e, &QLineEdit::textEdited, this, [this, e] {
            m_bFilling = true;
            (e == m_pTotal ? m_pUseTotal : m_pUseDensity)->setChecked(true);
            m_bFilling = false;
            Recalculate();
        });
    for (QRadioButton* r : {m_pUseDensity, m_pUseTotal})
        connect(r, &QRadioButton::toggled, this, [this] {
            if (!m_bFilling) Recalculate();
        });
    return column;
}

QWidget* CDlgCadImport::BuildResultColumn() {
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);

    // The flange frame in the file's coordinates.
    auto* frame = new QGroupBox(Text(IDS_CI_FRAME), this);
    auto* fg = new QGridLayout(frame);
    m_pOriginLabel = new QLabel(frame);
    fg->addWidget(m_pOriginLabel, 0, 0);
    auto* anglesLabel = new QLabel(Text(IDS_CI_ANGLES), frame);
    fg->addWidget(anglesLabel, 1, 0);
    const char* const axes[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        m_pOrigin[i] = NumberEdit(frame, IDC_CI_ORIGIN_X + i, QStringLiteral("0"));
        m_pAngle[i] = NumberEdit(frame, IDC_CI_RX + i, QStringLiteral("0"));
        m_pOrigin[i]->setToolTip(QString::fromLatin1(axes[i]));
        m_pAngle[i]->setToolTip(QStringLiteral("R") + QLatin1String(axes[i]));
        fg->addWidget(new QLabel(QString::fromLatin1(axes[i]), frame), 0, 1 + 2 * i, Qt::AlignRight);
        fg->addWidget(m_pOrigin[i], 0, 2 + 2 * i);
        fg->addWidget(new QLabel(QStringLiteral("R") + QLatin1String(axes[i]), frame), 1, 1 + 2 * i,
                      Qt::AlignRight);
        fg->addWidget(m_pAngle[i], 1, 2 + 2 * i);
        connect(m_pOrigin[i], &QLineEdit::textEdited, this, &CDlgCadImport::Recalculate);
        connect(m_pAngle[i], &QLineEdit::textEdited, this, &CDlgCadImport::OnAnglesEdited);
    }
    m_pOrientation = new QComboBox(frame);
    SetDlgCtrlId(m_pOrientation, IDC_CI_ORIENTATION);
    m_pOrientation->addItem(Text(IDS_CI_ORIENT_TYPED), -1);
    for (int i = 0; i < kAxisAlignedCount; ++i) m_pOrientation->addItem(AxisAlignedName(i), i);
    m_pOrientation->setCurrentIndex(1);  // the identity
    fg->addWidget(new QLabel(Text(IDS_CI_ORIENTATION), frame), 2, 0);
    fg->addWidget(m_pOrientation, 2, 1, 1, 6);
    auto* note = new QLabel(Text(IDS_CI_ANGLES_NOTE), frame);
    note->setWordWrap(true);
    fg->addWidget(note, 3, 0, 1, 7);
    connect(m_pOrientation, &QComboBox::activated, this, &CDlgCadImport::OnOrientationChanged);
    v->addWidget(frame);

    m_pShape = new CCadShapeView(this);
    SetDlgCtrlId(m_pShape, IDC_CI_SHAPE);
    v->addWidget(m_pShape, 1);

    // The result.
    auto* result = new QGroupBox(Text(IDS_CI_RESULT), this);
    auto* rg = new QGridLayout(result);
    for (int i = 0; i < RES_COUNT; ++i) m_pResult[i] = ResultField(result, IDC_CI_RESULT + i);
    const struct {
        int label;
        int first;
        int count;
        const char* unit;
    } rows[] = {{IDS_CI_MASS, RES_MASS, 1, "kg"},       {IDS_CI_COG, RES_X, 3, "mm"},
                {IDS_CI_MOMENTS, RES_IXX, 3, "kg·m²"},  {IDS_CI_PRODUCTS, RES_IXY, 3, "kg·m²"},
                {IDS_CI_PRINCIPAL, RES_P1, 3, "kg·m²"}, {IDS_CI_MOMENTS_USED, RES_USED, 3, "kg·m²"}};
    const char* const heads[6][3] = {{"m", "", ""},         {"X", "Y", "Z"},    {"Ixx", "Iyy", "Izz"},
                                     {"Ixy", "Ixz", "Iyz"}, {"I1", "I2", "I3"}, {"Ixx", "Iyy", "Izz"}};
    for (int r = 0; r < 6; ++r) {
        QStringList names;
        for (int k = 0; k < rows[r].count && r > 0; ++k) names << QString::fromUtf8(heads[r][k]);
        const QString text =
            Text(rows[r].label) +
            (names.isEmpty() ? QString() : QStringLiteral("  ") + names.join(QStringLiteral(", ")));
        auto* label = new QLabel(text, result);
        label->setWordWrap(true);
        rg->addWidget(label, 2 * r, 0, 1, 4);
        for (int k = 0; k < rows[r].count; ++k) {
            m_pResult[rows[r].first + k]->setToolTip(QString::fromUtf8(heads[r][k]));
            rg->addWidget(m_pResult[rows[r].first + k], 2 * r + 1, k);
        }
        auto* unit = new QLabel(QString::fromUtf8(rows[r].unit), result);
        rg->addWidget(unit, 2 * r + 1, 3);
        if (r == 3) m_pProductsLabel = label;
        if (r == 5) m_pUsedUnit = unit;
        if (r == 5) m_pUsedLabel = label;
    }
    // The row of the moments used is hidden unless the conservative choice is
    // taken; it keeps its place, so the result does not jump.
    std::vector<QWidget*> usedRow = {m_pUsedLabel, m_pUsedUnit};
    for (int k = 0; k < 3; ++k) usedRow.push_back(m_pResult[RES_USED + k]);
    for (QWidget* w : usedRow) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }
    m_pConservative = new QCheckBox(Text(IDS_CI_CONSERVATIVE), result);
    SetDlgCtrlId(m_pConservative, IDC_CI_CONSERVATIVE);
    m_pConservative->setEnabled(false);
    rg->addWidget(m_pConservative, 12, 0, 1, 4);
    connect(m_pConservative, &QCheckBox::toggled, this, &CDlgCadImport::Recalculate);
    v->addWidget(result);

    auto* warnings = new QLabel(Text(IDS_CI_WARNINGS), this);
    v->addWidget(warnings);
    m_pWarnings = new QListWidget(this);
    SetDlgCtrlId(m_pWarnings, IDC_CI_WARNINGS);
    m_pWarnings->setWordWrap(true);
    m_pWarnings->setFixedHeight(86);
    v->addWidget(m_pWarnings);

    auto* buttons = new QHBoxLayout;
    m_pAdd = new QPushButton(Text(IDS_CI_ADD), this);
    SetDlgCtrlId(m_pAdd, IDC_CI_ADD);
    m_pAdd->setDefault(true);
    auto* close = new QPushButton(Text(IDS_CI_CLOSE), this);
    SetDlgCtrlId(close, IDC_CI_CLOSE);
    buttons->addStretch(1);
    buttons->addWidget(m_pAdd);
    buttons->addWidget(close);
    v->addLayout(buttons);
    connect(m_pAdd, &QPushButton::clicked, this, &CDlgCadImport::OnBnClickedAdd);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return column;
}
