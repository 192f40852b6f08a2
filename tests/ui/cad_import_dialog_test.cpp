// The import from CAD in the window: the picture that confirms the frame, and
// the dialog opened from the load calculator's "Import…" with a real STL file
// and a pasted report, against hand-computed values, up to the row it adds
// and the calculator's sum; bad input adds nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <functional>

#include "DgmCadShape.h"
#include "DlgBuilder.h"
#include "DlgCadImport.h"
#include "DlgLoadCalcWnd.h"
#include "MessageBox.h"
#include "Strings.h"
#include "StringsCad.h"
#include "Templates.h"
#include "UiTestEnv.h"

using namespace kest;
using namespace kest::cad;
using kesttest::Messages;

namespace {

// The 12 outward triangles of the box from `lo` to `hi`.
std::vector<CTriangle> BoxTriangles(const CVec3& lo, const CVec3& hi) {
    auto v = [&](int i) { return CVec3{i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z}; };
    const int quads[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                             {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    std::vector<CTriangle> t;
    for (const auto& q : quads) {
        t.push_back({v(q[0]), v(q[1]), v(q[2])});
        t.push_back({v(q[0]), v(q[2]), v(q[3])});
    }
    return t;
}

// A binary STL file of those triangles, coordinates as written (no unit).
void WriteStl(const QString& path, const std::vector<CTriangle>& triangles) {
    QByteArray b(80, ' ');
    const quint32 n = static_cast<quint32>(triangles.size());
    b.append(reinterpret_cast<const char*>(&n), 4);
    for (const CTriangle& t : triangles) {
        float f[12] = {0, 0, 0};
        int k = 3;
        for (const CVec3* p : {&t.a, &t.b, &t.c}) {
            f[k++] = static_cast<float>(p->x);
            f[k++] = static_cast<float>(p->y);
            f[k++] = static_cast<float>(p->z);
        }
        b.append(reinterpret_cast<const char*>(f), sizeof f);
        b.append(2, '\0');
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(b);
}

void WaitRead(CDlgCadImport& dlg) {
    QElapsedTimer clock;
    clock.start();
    while (dlg.IsReading() && clock.elapsed() < 60000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    ASSERT_FALSE(dlg.IsReading());
}

// Reads `path` and, when it is asked for, gives the length unit `unit`.
void ReadInUnit(CDlgCadImport& dlg, const QString& path, const char* unit) {
    dlg.ReadFile(path);
    WaitRead(dlg);
    if (!dlg.AsksForUnit()) return;
    dlg.m_pLengthUnit->setCurrentIndex(dlg.m_pLengthUnit->findText(QLatin1String(unit)));
    dlg.OnUnitChanged();
    WaitRead(dlg);
}

double Field(const CDlgCadImport& dlg, int i) { return dlg.m_pResult[i]->text().toDouble(); }

bool Coloured(QRgb c) { return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c); }

}  // namespace

// Outline edges of meshes, the isometric layout and the drawn marks.
TEST(CadShapePicture, OutlineLayoutAndMarks) {
    // A box: its 12 edges; the faces' diagonals are no feature.
    const std::vector<CTriangle> box = BoxTriangles({0, 0, 0}, {0.1, 0.05, 0.02});
    EXPECT_EQ(OutlineEdges(box).size(), 12u);
    // Two triangles folded by 10° share a plain edge; by 30° a crease. Four
    // boundary edges either way.
    for (const auto& [deg, want] : {std::pair{10.0, 4u}, std::pair{30.0, 5u}}) {
        const double a = deg * M_PI / 180.0;
        const CVec3 p0{0, 0, 0}, p1{1, 0, 0}, p2{0, 1, 0}, p3{0, -std::cos(a), std::sin(a)};
        EXPECT_EQ(OutlineEdges({{p0, p1, p2}, {p0, p3, p1}}).size(), want) << deg;
    }
    // Degenerate, non-finite and empty input: nothing, and no crash.
    EXPECT_TRUE(OutlineEdges({{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}}).empty());
    EXPECT_TRUE(OutlineEdges({{{NAN, 0, 0}, {1, 0, 0}, {0, 1, 0}}}).empty());
    EXPECT_TRUE(OutlineEdges({}).empty());

    // Isometric: X to the lower left, Y to the lower right, Z straight up.
    EXPECT_LT(IsoProject({1, 0, 0}).x(), 0);
    EXPECT_LT(IsoProject({1, 0, 0}).y(), 0);
    EXPECT_GT(IsoProject({0, 1, 0}).x(), 0);
    EXPECT_NEAR(IsoProject({0, 0, 1}).x(), 0, 1e-15);
    EXPECT_NEAR(IsoProject({0, 0, 1}).y(), std::sqrt(2.0 / 3.0), 1e-15);

    // A shape far from the flange and the centre of mass: everything fits the
    // rectangle less its margin, the axes a third of the size.
    CCadShape shape;
    shape.edges = OutlineEdges(BoxTriangles({0.3, 0.1, 0.2}, {0.5, 0.2, 0.26}));
    shape.comM = CVec3{0.4, 0.15, 0.23};
    const QRect rc(10, 20, 400, 300);
    const CCadShapeLayout layout = LayoutCadShape(rc, shape, 28);
    EXPECT_NEAR(layout.axisM, 0.5 / 3.0, 1e-12);  // the box reaches 0.5 m in x from the flange
    const QRect inner = rc.adjusted(27, 27, -27, -27);
    for (const CEdge3& e : shape.edges) {
        EXPECT_TRUE(inner.contains(layout.ToPixel(e.a).toPoint()));
        EXPECT_TRUE(inner.contains(layout.ToPixel(e.b).toPoint()));
    }
    for (const CVec3& tip : {CVec3{layout.axisM, 0, 0}, CVec3{0, layout.axisM, 0}, CVec3{0, 0, layout.axisM}})
        EXPECT_TRUE(inner.contains(layout.ToPixel(tip).toPoint()));

    // Drawn: the axes red, green and blue in colour; nothing coloured in grey.
    // A report (no triangles) still shows the axes and the centre of mass.
    CCadShape report;
    report.comM = CVec3{0.02, -0.01, 0.08};
    for (const CCadShape* s : {&shape, &report}) {
        for (bool grey : {false, true}) {
            QImage img(420, 340, QImage::Format_RGB32);
            img.fill(Qt::black);
            QPainter p(&img);
            CDgmCadShape d;
            d.Draw(p, rc, *s, grey);
            p.end();
            EXPECT_EQ(img.pixel(rc.topLeft() + QPoint(1, 1)), qRgb(255, 255, 255));
            int coloured = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) coloured += Coloured(img.pixel(x, y));
            if (grey) {
                EXPECT_EQ(coloured, 0);
                continue;
            }
            // Just behind each arrow's tip, on its shaft.
            const QPointF o = d.layout.ToPixel({});
            for (int i = 0; i < 3; ++i) {
                const QPointF at = d.axisTipPx[i] + (o - d.axisTipPx[i]) * 0.2;
                const QRgb c = img.pixel(at.toPoint());
                const int mine = i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c);
                EXPECT_GT(mine, 2 * std::max({qRed(c), qGreen(c), qBlue(c)}) / 3) << i;
                EXPECT_TRUE(Coloured(c)) << i;
            }
            EXPECT_TRUE(rc.contains(d.comPx.toPoint()));
            EXPECT_FALSE(d.comPx.isNull());
        }
    }
}

// The calculator's window over lists of its own, its "Import…" driven to the end.
class CadImportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Messages().Reset();
        ASSERT_TRUE(dir.isValid());
        calc.m_arrLoad[0] = {};
        CLoad gripper;
        gripper.Name = QStringLiteral("Gripper");
        gripper.prm.Set(2.0, 0.0, 0.0, 0.1, 0.01, 0.01, 0.005);
        calc.m_arrLoad[0].append(gripper);
        wnd = std::make_unique<CDlgLoadCalcWnd>(&calc, nullptr);
        wnd->show();
        QApplication::processEvents();
    }
    void TearDown() override { wnd.reset(); }

    // Presses "Import…" and runs `drive` on the import dialog it opens; the
    // dialog is closed afterwards when `drive` left it open.
    void Import(const std::function<void(CDlgCadImport&)>& drive) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CDlgCadImport*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            seen = true;
            drive(*dlg);
            if (dlg->isVisible()) dlg->reject();
        });
        DlgItem<QPushButton>(wnd.get(), IDC_LC_IMPORT)->click();
        EXPECT_TRUE(seen);
    }

    QTemporaryDir dir;
    CDlgLoadCalc calc;
    std::unique_ptr<CDlgLoadCalcWnd> wnd;
};

// A box of 100 × 50 × 20 mm in steel, read from STL (unit asked), the
// flange at (50, 0, 0) mm turned 90° about Z: mass 0.785 kg, centre of mass
// (25, 0, 10) mm, Ixx and Iyy of the box swapped. "Add" makes it a row that
// sums with the gripper.
TEST_F(CadImportWindow, GeometryFileWithDensityAndFrameAddsARowThatSums) {
    const QString stl = dir.filePath(QStringLiteral("box.stl"));
    WriteStl(stl, BoxTriangles({0, 0, 0}, {100, 50, 20}));
    const double m = 7850.0 * 1e-4;
    const double ixx = m * (0.05 * 0.05 + 0.02 * 0.02) / 12, iyy = m * (0.1 * 0.1 + 0.02 * 0.02) / 12,
                 izz = m * (0.1 * 0.1 + 0.05 * 0.05) / 12;
    Import([&](CDlgCadImport& dlg) {
        Messages().chosenFiles.push_back(stl);
        dlg.m_pOpen->click();
        WaitRead(dlg);
        // No unit in an STL file: asked, nothing read yet, "Add" adds nothing.
        EXPECT_TRUE(dlg.AsksForUnit());
        EXPECT_TRUE(dlg.StatusText().contains(QStringLiteral("box.stl"))) << dlg.StatusText().toStdString();
        EXPECT_EQ(dlg.m_pBodies->rowCount(), 0);
        EXPECT_FALSE(dlg.Result().ok);
        dlg.m_pLengthUnit->setCurrentIndex(dlg.m_pLengthUnit->findText(QStringLiteral("mm")));
        dlg.OnUnitChanged();
        WaitRead(dlg);
        ASSERT_EQ(dlg.m_pBodies->rowCount(), 1);
        EXPECT_NEAR(dlg.m_pBodies->item(0, 2)->text().toDouble(), 100.0, 1e-9);  // cm³
        // No density yet: no result, the reason shown.
        EXPECT_FALSE(dlg.Result().ok);
        EXPECT_GT(dlg.m_pWarnings->count(), 0);
        // Steel from the list, the frame typed.
        const int steel = dlg.m_pMaterial->findData(7850.0);
        ASSERT_GT(steel, 0);
        dlg.m_pMaterial->setCurrentIndex(steel);
        dlg.OnMaterialChanged();
        dlg.m_pOrigin[0]->setText(QStringLiteral("50"));
        dlg.m_pAngle[2]->setText(QStringLiteral("90"));
        dlg.OnAnglesEdited();
        // The list names the orientation the angles give.
        EXPECT_EQ(dlg.m_pOrientation->currentText(),
                  AxisAlignedName(dlg.m_pOrientation->currentData().toInt()));
        EXPECT_GT(dlg.m_pOrientation->currentData().toInt(), 0);
        ASSERT_TRUE(dlg.Result().ok) << dlg.Result().error.toStdString();
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_MASS), m, 1e-4);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_X), 25.0, 1e-2);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_X + 1), 0.0, 1e-2);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_X + 2), 10.0, 1e-2);
        const CMassProps& f = dlg.Result().flange;
        EXPECT_NEAR(f.inertia[0][0], iyy, iyy * 1e-6);
        EXPECT_NEAR(f.inertia[1][1], ixx, ixx * 1e-6);
        EXPECT_NEAR(f.inertia[2][2], izz, izz * 1e-6);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_IXY), 0.0, 1e-9);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_P1 + 2), izz, 1e-6);
        EXPECT_FALSE(dlg.m_pConservative->isEnabled());
        // The picture shows the box's 12 edges and the centre of mass.
        EXPECT_EQ(dlg.m_pShape->shape.edges.size(), 12u);
        ASSERT_TRUE(dlg.m_pShape->shape.comM.has_value());
        EXPECT_NEAR(dlg.m_pShape->shape.comM->x, 0.025, 1e-9);
        dlg.m_pAdd->click();
        EXPECT_FALSE(dlg.isVisible());
    });
    ASSERT_EQ(calc.m_arrLoad[0].size(), 2);
    const CLoad& row = calc.m_arrLoad[0][1];
    EXPECT_EQ(row.Name, QStringLiteral("box.stl"));
    EXPECT_NEAR(row.prm.Mass, m, 1e-9);
    EXPECT_NEAR(row.prm.Lx, 0.025, 1e-9);
    EXPECT_NEAR(row.prm.Ixx, iyy, iyy * 1e-6);
    // The sum: 2 kg at z = 100 mm and 0.785 kg at (25, 0, 10) mm.
    const double total = 2.0 + m;
    EXPECT_EQ(wnd->m_gridSum.GetCellText(1, 0), QString::number(total, 'f', 3));
    EXPECT_EQ(wnd->m_gridSum.GetCellText(2, 0), QString::number(m * 25.0 / total, 'f', 3));
    EXPECT_EQ(wnd->m_gridSum.GetCellText(4, 0), QString::number((2.0 * 100 + m * 10) / total, 'f', 3));
    EXPECT_EQ(wnd->m_gridLoad.GetCellText(1, 2), QStringLiteral("box.stl"));
}

// Products of inertia large against the moments (the box turned 30° about Z):
// the warning, the conservative choice offered and, when taken, visible in the
// result and in the row it adds (Ixx = Iyy = Izz = the largest principal moment).
TEST_F(CadImportWindow, LargeProductsOfferTheConservativeChoice) {
    const QString stl = dir.filePath(QStringLiteral("plate.stl"));
    WriteStl(stl, BoxTriangles({-50, -25, -10}, {50, 25, 10}));
    const double m = 2700.0 * 1e-4;
    const double izz = m * (0.1 * 0.1 + 0.05 * 0.05) / 12;
    Import([&](CDlgCadImport& dlg) {
        ReadInUnit(dlg, stl, "mm");
        dlg.m_pDensity->setText(QStringLiteral("2700"));
        dlg.m_pAngle[2]->setText(QStringLiteral("30"));
        dlg.OnAnglesEdited();
        ASSERT_TRUE(dlg.Result().ok) << dlg.Result().error.toStdString();
        EXPECT_EQ(dlg.m_pOrientation->currentData().toInt(), -1);  // not axis-aligned
        EXPECT_TRUE(dlg.Result().productsLarge);
        EXPECT_TRUE(dlg.m_pConservative->isEnabled());
        EXPECT_FALSE(dlg.Result().conservative);
        EXPECT_TRUE(dlg.m_pResult[CDlgCadImport::RES_USED]->isHidden());
        // Ixy = −∫x·y dm in flange axes: (Iyy − Ixx)·sin30°·cos30° of the box's own.
        const double ixxB = m * (0.05 * 0.05 + 0.02 * 0.02) / 12, iyyB = m * (0.1 * 0.1 + 0.02 * 0.02) / 12;
        EXPECT_NEAR(dlg.Result().flange.inertia[0][1], (iyyB - ixxB) * 0.5 * std::sqrt(0.75), 1e-9);
        dlg.m_pConservative->click();
        ASSERT_TRUE(dlg.Result().conservative);
        EXPECT_FALSE(dlg.m_pResult[CDlgCadImport::RES_USED]->isHidden());
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_USED + i), izz, 1e-6);
        // The frame back to the box's own axes: nothing large, the choice withdrawn.
        dlg.m_pAngle[2]->setText(QStringLiteral("0"));
        dlg.OnAnglesEdited();
        EXPECT_FALSE(dlg.Result().conservative);
        EXPECT_FALSE(dlg.m_pConservative->isChecked());
        dlg.m_pAngle[2]->setText(QStringLiteral("30"));
        dlg.OnAnglesEdited();
        dlg.m_pConservative->click();
        dlg.OnBnClickedAdd();
    });
    ASSERT_EQ(calc.m_arrLoad[0].size(), 2);
    const CPrmLoadSub& p = calc.m_arrLoad[0][1].prm;
    EXPECT_NEAR(p.Ixx, izz, izz * 1e-6);
    EXPECT_NEAR(p.Iyy, izz, izz * 1e-6);
    EXPECT_NEAR(p.Izz, izz, izz * 1e-6);
}

// A pasted report without units: both asked for, read again with the chosen
// ones; the flange 45 mm up the report's Z axis; the row named for the paste.
TEST_F(CadImportWindow, PastedReportAsksForItsUnitsAndAdds) {
    Import([&](CDlgCadImport& dlg) {
        dlg.m_pPaste->setPlainText(
            QStringLiteral("mass = 2.500\ncentre of mass = 12.00, -8.00, 45.00\ninertia:\n"
                           "4200.0 -120.0 210.0\n-120.0 5100.0 -80.0\n210.0 -80.0 3300.0\n"));
        dlg.m_pRead->click();
        WaitRead(dlg);
        ASSERT_TRUE(dlg.AsksForUnit());
        EXPECT_TRUE(Messages().shown.empty());
        EXPECT_FALSE(dlg.Result().ok);
        // The mass unit alone is not enough.
        dlg.m_pMassUnit->setCurrentIndex(dlg.m_pMassUnit->findText(QStringLiteral("kg")));
        dlg.OnUnitChanged();
        EXPECT_FALSE(dlg.IsReading());
        dlg.m_pLengthUnit->setCurrentIndex(dlg.m_pLengthUnit->findText(QStringLiteral("mm")));
        dlg.OnUnitChanged();
        WaitRead(dlg);
        EXPECT_FALSE(dlg.AsksForUnit());
        ASSERT_EQ(dlg.m_pBodies->rowCount(), 1);
        dlg.m_pOrigin[2]->setText(QStringLiteral("45"));
        dlg.Recalculate();
        ASSERT_TRUE(dlg.Result().ok) << dlg.Result().error.toStdString();
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_MASS), 2.5, 1e-9);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_X), 12.0, 1e-9);
        EXPECT_NEAR(Field(dlg, CDlgCadImport::RES_X + 2), 0.0, 1e-9);
        EXPECT_NEAR(dlg.Result().flange.inertia[1][1], 0.0051, 1e-12);
        EXPECT_NEAR(dlg.Result().flange.inertia[0][1], -0.00012, 1e-12);
        // No triangles: the picture still has the centre of mass.
        EXPECT_TRUE(dlg.m_pShape->shape.edges.empty());
        EXPECT_TRUE(dlg.m_pShape->shape.comM.has_value());
        dlg.OnBnClickedAdd();
    });
    ASSERT_EQ(calc.m_arrLoad[0].size(), 2);
    EXPECT_EQ(calc.m_arrLoad[0][1].Name, LoadKestString(IDS_CI_PASTED));
    EXPECT_NEAR(calc.m_arrLoad[0][1].prm.Ixx, 0.0042, 1e-12);
    EXPECT_EQ(wnd->m_gridSum.GetCellText(1, 0), QStringLiteral("4.500"));
}

// Bad input: a file that is no geometry, a number that is no number, pasted
// text that is no report, and cancelling: a message, and the list unchanged.
TEST_F(CadImportWindow, BadInputAddsNothing) {
    const QString bad = dir.filePath(QStringLiteral("broken.stl"));
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("garbage, not a mesh at all\n");
    }
    const CLoadArray before = calc.m_arrLoad[0];
    Import([&](CDlgCadImport& dlg) {
        ReadInUnit(dlg, bad, "mm");
        ASSERT_EQ(Messages().shown.size(), 1u);
        EXPECT_EQ(dlg.StatusText(), Messages().shown[0].text);
        EXPECT_EQ(dlg.m_pBodies->rowCount(), 0);
        dlg.OnBnClickedAdd();
        ASSERT_EQ(Messages().shown.size(), 2u);
        EXPECT_TRUE(dlg.isVisible());
        // Not a report either.
        dlg.m_pPaste->setPlainText(QStringLiteral("hello\nworld\n"));
        dlg.m_pRead->click();
        WaitRead(dlg);
        EXPECT_EQ(Messages().shown.size(), 3u);
        EXPECT_EQ(dlg.m_pBodies->rowCount(), 0);
        // A good file, then text that is no number: no result, Add refuses.
        const QString stl = dir.filePath(QStringLiteral("cube.stl"));
        WriteStl(stl, BoxTriangles({0, 0, 0}, {10, 10, 10}));
        ReadInUnit(dlg, stl, "mm");
        dlg.m_pDensity->setText(QStringLiteral("7850"));
        dlg.Recalculate();
        ASSERT_TRUE(dlg.Result().ok);
        dlg.m_pOrigin[1]->setText(QStringLiteral("12,5"));
        dlg.Recalculate();
        EXPECT_FALSE(dlg.Result().ok);
        EXPECT_FALSE(dlg.m_pAdd->isEnabled());
        dlg.OnBnClickedAdd();
        EXPECT_EQ(Messages().shown.size(), 4u);
        EXPECT_TRUE(Messages().shown.back().text.contains(QLatin1Char('Y')))
            << Messages().shown.back().text.toStdString();
        // A negative density is refused by the import.
        dlg.m_pOrigin[1]->setText(QStringLiteral("12.5"));
        dlg.m_pDensity->setText(QStringLiteral("-1"));
        dlg.Recalculate();
        EXPECT_FALSE(dlg.Result().ok);
        // A read cancelled at once keeps what was shown.
        dlg.m_pDensity->setText(QStringLiteral("1000"));
        dlg.ReadFile(stl);
        dlg.OnBnClickedCancelRead();
        WaitRead(dlg);
        EXPECT_EQ(dlg.m_pBodies->rowCount(), 1);
        EXPECT_TRUE(dlg.Result().ok);
        // Another file that asks for its unit: the one shown before is gone,
        // so it cannot be added in the belief that it is the new one.
        const QString other = dir.filePath(QStringLiteral("other.stl"));
        ASSERT_TRUE(QFile::copy(stl, other));
        dlg.ReadFile(other);
        WaitRead(dlg);
        EXPECT_TRUE(dlg.AsksForUnit());
        EXPECT_EQ(dlg.m_pBodies->rowCount(), 0);
        EXPECT_FALSE(dlg.Result().ok);
        dlg.reject();
    });
    ASSERT_EQ(calc.m_arrLoad[0].size(), before.size());
    EXPECT_EQ(calc.m_arrLoad[0][0].Name, before[0].Name);
}
