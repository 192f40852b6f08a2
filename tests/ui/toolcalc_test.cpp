// The tool calculator: its arithmetic against hand-computed values and its
// early stops, and the dialog run from the main window with the real engine:
// live results, bad text, what reaches the tool page and the analysis, the
// picture and inertia buttons, and the inputs kept with the project.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "Colors.h"
#include "DgmBarChart.h"
#include "DialogFixture.h"
#include "DlgCrdSys.h"
#include "DlgInerCalc.h"
#include "DlgToolCalc.h"
#include "DlgToolCalcWnd.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "PgBarChart.h"
#include "Templates.h"

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

namespace {

void SetHand(CToolCalcInputs& c, double m, double x, double y, double z, double ix, double iy, double iz) {
    c.MassHnd = m, c.ComHndX = x, c.ComHndY = y, c.ComHndZ = z, c.MiHndX = ix, c.MiHndY = iy, c.MiHndZ = iz;
}
void SetWork(CToolCalcInputs& c, double m, double x, double y, double z, double ix, double iy, double iz) {
    c.MassWk = m, c.ComWkX = x, c.ComWkY = y, c.ComWkZ = z, c.MiWkX = ix, c.MiWkY = iy, c.MiWkZ = iz;
}
void SetWrist(CDlgToolCalc& c, double t1a, double t2a, double j1a, double j2a, double e) {
    c.T1a = t1a, c.T2a = t2a, c.J1a = j1a, c.J2a = j2a, c.e = e;
}

TEST(ToolCalcArithmetic, HandAndWorkpieceAgainstHandComputedValues) {
    // Hand 10 kg at z 100 mm, workpiece 5 kg at z 200 mm, e = 100 mm.
    CDlgToolCalc c;
    SetHand(c, 10, 0, 0, 100, 0, 0, 0);
    SetWork(c, 5, 0, 0, 200, 0, 0, 0);
    SetWrist(c, 2.4, 5.2, 0.432, 1.893, 100);
    ASSERT_EQ(c.Recalc(), 0);
    EXPECT_EQ(c.MassAll, 15.0);
    EXPECT_EQ(c.T1, 0.0);
    EXPECT_NEAR(c.T2, 3.5, 1e-15);  // 10·0.2 + 5·0.3
    EXPECT_NEAR(c.rT2, 3.5 / 5.2, 1e-15);
    EXPECT_NEAR(c.O2h, 0.4, 1e-15);   // 200²·10·1e-6
    EXPECT_NEAR(c.O2w, 0.45, 1e-15);  // 300²·5·1e-6
    EXPECT_NEAR(c.J2, 0.85, 1e-15);
    EXPECT_EQ(c.J1, 0.0);
    EXPECT_EQ(c.m_prmAll.Mass, 15.0);
    EXPECT_NEAR(c.m_prmAll.Lz, 400.0 / 3.0, 1e-12);  // (5·200 + 10·100) / 15
    EXPECT_EQ(c.m_prmAll.Lx, 0.0);
    // 10·(0.1/3)² + 5·(0.2/3)² = 1/30
    EXPECT_NEAR(c.m_prmAll.Ixx, 1.0 / 30.0, 1e-15);
    EXPECT_NEAR(c.m_prmAll.Iyy, 1.0 / 30.0, 1e-15);
    EXPECT_EQ(c.m_prmAll.Izz, 0.0);
    // The hand alone is the hand's own inputs.
    EXPECT_EQ(c.m_prmHnd.Mass, 10.0);
    EXPECT_EQ(c.m_prmHnd.Lz, 100.0);

    // Off-axis parts with own inertias: hand 3 kg at (30, 40, 50), workpiece
    // 1 kg at (-60, -80, 5), e = 70 mm.
    SetHand(c, 3, 30, 40, 50, 0.01, 0.02, 0.03);
    SetWork(c, 1, -60, -80, 5, 0.004, 0.002, 0.001);
    SetWrist(c, 0.5, 1.0, 0.1, 0.5, 70);
    ASSERT_EQ(c.Recalc(), 0);
    EXPECT_NEAR(c.T1, 0.25, 1e-15);   // 1·100·0.001 + 3·50·0.001
    EXPECT_NEAR(c.T2, 0.515, 1e-15);  // 1·125·0.001 + 3·130·0.001
    EXPECT_NEAR(c.rT1, 0.5, 1e-15);
    EXPECT_NEAR(c.O2h, 0.0507, 1e-15);  // 130²·3·1e-6
    EXPECT_EQ(c.C2h, 0.02);             // the larger of Ixx and Iyy
    EXPECT_EQ(c.C2w, 0.004);
    // 0.0075 + 0.01 + 0.03 + 0.001 and 0.0507 + 0.015625 + 0.02 + 0.004
    EXPECT_NEAR(c.J1, 0.0485, 1e-15);
    EXPECT_NEAR(c.J2, 0.090325, 1e-15);
    EXPECT_NEAR(c.rJ2, 0.18065, 1e-14);
    // Common centre (7.5, 10, 38.75) mm; e plays no part in it.
    EXPECT_NEAR(c.m_prmAll.Lx, 7.5, 1e-12);
    EXPECT_NEAR(c.m_prmAll.Ly, 10.0, 1e-12);
    EXPECT_NEAR(c.m_prmAll.Lz, 38.75, 1e-12);
    // Own inertias plus m·(distance to the common centre)² per axis.
    EXPECT_NEAR(c.m_prmAll.Ixx, 0.02631875, 1e-15);
    EXPECT_NEAR(c.m_prmAll.Iyy, 0.02959375, 1e-15);
    EXPECT_NEAR(c.m_prmAll.Izz, 0.047875, 1e-15);
}

TEST(ToolCalcArithmetic, EveryStopKeepsTheValuesAfterIt) {
    struct Case {
        int status;
        std::function<void(CDlgToolCalc&)> zero;
    };
    const Case cases[] = {
        {-1, [](CDlgToolCalc& c) { c.T1a = 0.0; }},
        {-2, [](CDlgToolCalc& c) { c.T2a = 0.0; }},
        {-3, [](CDlgToolCalc& c) { c.J1a = 0.0; }},
        {-4, [](CDlgToolCalc& c) { c.J2a = 0.0; }},
        {-5, [](CDlgToolCalc& c) { c.MassHnd = 2.0, c.MassWk = -2.0; }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.status);
        CDlgToolCalc c;
        SetHand(c, 10, 0, 0, 100, 0.1, 0.2, 0.3);
        SetWork(c, 5, 0, 0, 200, 0, 0, 0);
        SetWrist(c, 2.4, 5.2, 0.432, 1.893, 100);
        ASSERT_EQ(c.Recalc(), 0);
        const CDlgToolCalc before = c;
        // New inputs for every value, then the one that stops the pass.
        SetHand(c, 4, 30, 40, 50, 0.01, 0.02, 0.03);
        SetWork(c, 1, -60, -80, 5, 0.004, 0.002, 0.001);
        k.zero(c);
        EXPECT_EQ(c.Recalc(), k.status);
        // Moments are computed before any stop.
        EXPECT_NE(c.T1, before.T1);
        EXPECT_NE(c.T2, before.T2);
        EXPECT_EQ(c.MassAll, c.MassHnd + c.MassWk);
        // Moment ratios only after both allowable moments.
        EXPECT_EQ(c.rT1 != before.rT1, k.status <= -3);
        EXPECT_EQ(c.rT2 != before.rT2, k.status <= -3);
        // Inertias after the moment check, their ratios after the inertia check.
        EXPECT_EQ(c.J1 != before.J1, k.status <= -3);
        EXPECT_EQ(c.J2 != before.J2, k.status <= -3);
        EXPECT_EQ(c.rJ1 != before.rJ1, k.status == -5);
        EXPECT_EQ(c.rJ2 != before.rJ2, k.status == -5);
        // The candidate loads only after every check; a zero total mass
        // leaves the combined centre of gravity and inertias as they were.
        EXPECT_EQ(c.m_prmHnd == before.m_prmHnd, k.status != -5);
        EXPECT_EQ(c.m_prmAll.Mass != before.m_prmAll.Mass, k.status == -5);
        EXPECT_EQ(c.m_prmAll.Lz, before.m_prmAll.Lz);
        EXPECT_EQ(c.m_prmAll.Ixx, before.m_prmAll.Ixx);
    }
}

// Every label of the tool calculator means in Korean what it means in
// English: the same unit in parentheses, and a label without Hangul (an axis
// name such as Ixx) the same in both.
TEST(ToolCalcTemplate, KoreanAndEnglishLabelsAgree) {
    const DlgTemplate* t = FindDlgTemplate(IDD_TOOL_CALC);
    ASSERT_NE(t, nullptr);
    const QRegularExpression unit(QStringLiteral("\\(([^)]*)\\)$"));
    int inertiaHeads = 0;
    for (const CtrlTemplate& c : t->controls) {
        if (c.kind != CtrlKind::Static || c.textEn == nullptr) continue;
        const QString ko = QString::fromUtf8(c.text).simplified();
        const QString en = QString::fromUtf8(c.textEn).simplified();
        SCOPED_TRACE(ko.toStdString() + " / " + en.toStdString());
        EXPECT_EQ(unit.match(ko).captured(1), unit.match(en).captured(1));
        if (!ko.contains(QRegularExpression(QStringLiteral("[\\x{AC00}-\\x{D7A3}]")))) {
            EXPECT_EQ(ko, en);
        }
        if (en.contains(QStringLiteral("nertia (kgm²)"))) {
            EXPECT_TRUE(ko.contains(QStringLiteral("관성"))) << "an inertia column headed otherwise";
            ++inertiaHeads;
        }
    }
    EXPECT_EQ(inertiaHeads, 3);  // the inputs, the own-inertia column and the result
}

// The main window with TK20-1700 (R1 23.52 N·m, R2/B 50.96 N·m, inertias
// 0.432 and 1.893 kg·m², L_B 100 mm) under analysis.
class ToolCalcWindow : public MainDialog {
protected:
    void SetUp() override {
        MainDialog::SetUp();
        AddRobot(QStringLiteral("TK20-1700"));
        Messages().Reset();
        dlg->SetModifiedFlag(0);
    }
    // Presses the tool-calculator button; `work` acts on the calculator,
    // which is cancelled afterwards if it is still open. False when no
    // calculator opened.
    bool RunToolCalc(const std::function<void(CDlgToolCalcWnd*)>& work) {
        bool seen = false;
        QTimer timer;  // never outlives this call
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* w = qobject_cast<CDlgToolCalcWnd*>(QApplication::activeModalWidget());
            if (w == nullptr) return;
            seen = true;
            QApplication::setActiveWindow(w);  // as the desktop does with a new dialog
            work(w);
            if (w->isVisible()) w->reject();
        });
        timer.start(0);
        dlg->OnBnClickedToolCalc();
        return seen;
    }
    static QLineEdit* Edit(QWidget* w, int id) { return DlgItem<QLineEdit>(w, id); }
    // Replaces a field's text key by key, as the user would.
    static void Type(QWidget* w, int id, const QString& text) {
        QLineEdit* e = Edit(w, id);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    static bool Marked(QWidget* w, int id) {
        return Edit(w, id)->palette().color(QPalette::Base) == CLR_PINK;
    }
    static void Choose(QWidget* w, int radio) { DlgItem<QRadioButton>(w, radio)->click(); }
    static void PressOk(QWidget* w) { DlgItem<QPushButton>(w, 1)->click(); }
    // The hand and workpiece of the picture in the documentation.
    static void TypeExample(QWidget* w) {
        const struct {
            int id;
            const char* text;
        } typed[] = {{IDC_TC_MASS_HND, "6.5"},  {IDC_TC_MASS_WK, "4.2"},    {IDC_TC_COM_HND_Z, "80"},
                     {IDC_TC_COM_WK_X, "15"},   {IDC_TC_COM_WK_Y, "-10"},   {IDC_TC_COM_WK_Z, "190"},
                     {IDC_TC_MI_HND_X, "0.03"}, {IDC_TC_MI_HND_Y, "0.035"}, {IDC_TC_MI_HND_Z, "0.02"},
                     {IDC_TC_MI_WK_X, "0.012"}, {IDC_TC_MI_WK_Y, "0.015"},  {IDC_TC_MI_WK_Z, "0.018"}};
        for (const auto& t : typed) Type(w, t.id, QString::fromLatin1(t.text));
    }
};

TEST_F(ToolCalcWindow, NeedsARobot) {
    dlg->OnBnClickedSubLeg();
    dlg->SetModifiedFlag(0);
    Messages().Reset();
    EXPECT_FALSE(RunToolCalc([](CDlgToolCalcWnd*) {}));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("분석할 로봇을 추가하십시오."));
    EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_ICONINFORMATION));
    EXPECT_EQ(dlg->IsModified(), 0);
}

TEST_F(ToolCalcWindow, ShowsTheWristAndRecalculatesWhileTyping) {
    QWidget* calcButton = GetDlgItem(dlg->Client(), IDC_TOOL_CALC);
    EXPECT_TRUE(calcButton->isEnabled());
    EXPECT_TRUE(GetDlgItem(dlg->Client(), IDC_LOAD_CALC)->isEnabled());
    const bool seen = RunToolCalc([&](CDlgToolCalcWnd* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("툴 계산기"));
        // The robot's values: 23.52/9.8 and 50.96/9.8 kgf·m, inertias, e.
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_T1A), QStringLiteral("2.400"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_T2A), QStringLiteral("5.200"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_J1A), QStringLiteral("0.432"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_E), QStringLiteral("100.0"));
        EXPECT_EQ(Edit(w, IDC_TC_T1A)->palette().color(QPalette::Base), CLR_ORANGE);
        EXPECT_EQ(Edit(w, IDC_TC_ALL_LZ)->palette().color(QPalette::Base), CLR_LIGHTGREEN);
        // All inputs 0: the pass stops at the zero total mass, the rows keep 0.000.
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MASS_HND), QStringLiteral("0"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_ALL_MASS), QStringLiteral("0.000"));
        EXPECT_TRUE(DlgItem<QRadioButton>(w, IDC_TC_RADIO_HND)->isChecked());

        TypeExample(w);
        // Hand-computed: T2 = 4.2·√(15² + 10² + 290²)·0.001 + 6.5·0.18.
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MASS_ALL), QStringLiteral("10.7"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_T2), QStringLiteral("2.390"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_RT2), QStringLiteral("46.0"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_J2), QStringLiteral("0.615"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_RJ2), QStringLiteral("32.5"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_ALL_LZ), QStringLiteral("123.178"));  // 1318/10.7
        EXPECT_TRUE(Messages().shown.empty());

        Choose(w, IDC_TC_RADIO_ALL);
        PressOk(w);
        EXPECT_FALSE(w->isVisible());
    });
    ASSERT_TRUE(seen);
    // The combined body on the tool page, three decimals each, and analysed
    // (x = 63/10.7, y = -42/10.7).
    const QStringList expected = {"10.700", "5.888", "-3.925", "123.178", "0.073", "0.081", "0.039"};
    const int ids[] = {IDC_MASS, IDC_LX, IDC_LY, IDC_LZ, IDC_IXX, IDC_IYY, IDC_IZZ};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(PageText(0, ids[i]), expected[i]) << i;
    EXPECT_EQ(dlg->m_prmTool.Mass, 10.7);
    EXPECT_EQ(dlg->m_prmTool.Lz, 123.178 / 1000.0);
    EXPECT_EQ(dlg->IsModified(), 1);
    EXPECT_EQ(dlg->m_nVerdict[0], 1);
    EXPECT_EQ(CDlgToolCalc::s_bHandWork, 1);
}

TEST_F(ToolCalcWindow, MassAndCentreOfGravityKeepTheirDecimals) {
    CToolCalcInputs& c = dlg->m_dlgToolCalc;
    SetHand(c, 7.99, 12.9, -12.9, 0, 0.01, 0.02, 0.03);
    SetWork(c, 3, 100, 100, 100, 0, 0, 0);  // not chosen
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) { PressOk(w); }));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("7.990"));
    EXPECT_EQ(PageText(0, IDC_LX), QStringLiteral("12.900"));
    EXPECT_EQ(PageText(0, IDC_LY), QStringLiteral("-12.900"));
    EXPECT_EQ(PageText(0, IDC_LZ), QStringLiteral("0.000"));
    EXPECT_EQ(PageText(0, IDC_IZZ), QStringLiteral("0.030"));
    EXPECT_EQ(dlg->m_prmTool.Mass, 7.99);
    EXPECT_EQ(dlg->m_prmTool.Lx, 12.9 / 1000.0);
    // The analysis saw 7.99 kg at 12.9 mm: the same moments as when typed on
    // the page, not those of 7 kg at 12 mm.
    const auto ratios = [this] {
        const auto& r = dlg->m_pPgMomentChart->Chart().dRatio[0];
        return std::vector<double>(r, r + 6);
    };
    const std::vector<double> fromCalc = ratios();
    TypeLoad(0, {"7.99", "12.9", "-12.9", "0", "0.01", "0.02", "0.03"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    EXPECT_EQ(ratios(), fromCalc);
    TypeLoad(0, {"7", "12", "-12", "0", "0.01", "0.02", "0.03"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    EXPECT_GT(fromCalc[5], 0.0);  // R1
    EXPECT_NE(ratios()[5], fromCalc[5]);
}

TEST_F(ToolCalcWindow, ResultChoiceCancelAndANewWindow) {
    TypeLoad(0, {"1", "2", "3", "4", "0", "0", "0"});
    dlg->SetModifiedFlag(0);
    // Cancel: the page, the flag and the calculator's inputs stay as they were.
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        Type(w, IDC_TC_MASS_HND, QStringLiteral("12"));
        Type(w, IDC_TC_COM_HND_X, QStringLiteral("-"));  // half-typed: keeps 0
        Choose(w, IDC_TC_RADIO_ALL);
        QTest::keyClick(Edit(w, IDC_TC_MASS_WK), Qt::Key_Escape);  // the main window's keys stay its own
        EXPECT_FALSE(w->isVisible());
    }));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("1"));
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_EQ(dlg->m_dlgToolCalc.MassHnd, 0.0);
    EXPECT_EQ(dlg->m_dlgToolCalc.MassAll, 0.0);
    EXPECT_EQ(CDlgToolCalc::s_bHandWork, 0);  // only accepting changes the choice

    // With "핸드" the hand alone arrives, whatever the workpiece holds.
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MASS_HND), QStringLiteral("0"));
        EXPECT_TRUE(DlgItem<QRadioButton>(w, IDC_TC_RADIO_HND)->isChecked());
        Type(w, IDC_TC_MASS_HND, QStringLiteral("12"));
        Type(w, IDC_TC_COM_HND_Z, QStringLiteral("40"));
        Type(w, IDC_TC_MASS_WK, QStringLiteral("30"));
        Type(w, IDC_TC_COM_WK_Z, QStringLiteral("500"));
        PressOk(w);
    }));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("12.000"));
    EXPECT_EQ(PageText(0, IDC_LZ), QStringLiteral("40.000"));
    EXPECT_EQ(dlg->IsModified(), 1);

    // The choice accepted in one run is offered in the next.
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        Choose(w, IDC_TC_RADIO_ALL);
        PressOk(w);
    }));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("42.000"));
    EXPECT_EQ(PageText(0, IDC_LZ), QStringLiteral("368.571"));  // (30·500 + 12·40) / 42
    ASSERT_TRUE(RunToolCalc(
        [](CDlgToolCalcWnd* w) { EXPECT_TRUE(DlgItem<QRadioButton>(w, IDC_TC_RADIO_ALL)->isChecked()); }));
    // A new main window starts with the hand.
    dlg = std::make_unique<CDlgMain>(nullptr);
    dlg->show();
    dlg->m_pMngLegend->Add(QStringLiteral("TK20-1700"));
    ASSERT_TRUE(RunToolCalc(
        [](CDlgToolCalcWnd* w) { EXPECT_TRUE(DlgItem<QRadioButton>(w, IDC_TC_RADIO_HND)->isChecked()); }));
}

TEST_F(ToolCalcWindow, BadTextNeverInterruptsTypingAndStopsAccepting) {
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        TypeExample(w);
        QLineEdit* mass = Edit(w, IDC_TC_MASS_WK);
        for (const char* text : {"", "-", "1e", "abc", "nan", "inf", "1e400", "4,2"}) {
            mass->setText(QStringLiteral("4.2"));
            mass->setText(QString::fromLatin1(text));
            EXPECT_TRUE(Marked(w, IDC_TC_MASS_WK)) << text;
            // Counted as unchanged: the last number stays in force everywhere.
            EXPECT_EQ(GetDlgItemText(w, IDC_TC_MASS_ALL), QStringLiteral("10.7")) << text;
            EXPECT_EQ(GetDlgItemText(w, IDC_TC_T2), QStringLiteral("2.390")) << text;
            EXPECT_FALSE(Marked(w, IDC_TC_MASS_HND));
        }
        // The other fields are still taken while one is half-typed.
        Type(w, IDC_TC_MASS_HND, QStringLiteral("7.5"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MASS_ALL), QStringLiteral("11.7"));
        EXPECT_TRUE(Messages().shown.empty());

        // Accepting names the first bad field and keeps the dialog open.
        Type(w, IDC_TC_COM_WK_Y, QStringLiteral("1e"));
        PressOk(w);
        ASSERT_EQ(Messages().shown.size(), 1u);
        EXPECT_EQ(Messages().shown[0].text, QStringLiteral("숫자를 입력하십시오."));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), Edit(w, IDC_TC_MASS_WK));
        Type(w, IDC_TC_MASS_WK, QStringLiteral("4.2"));
        EXPECT_FALSE(Marked(w, IDC_TC_MASS_WK));
        PressOk(w);
        ASSERT_EQ(Messages().shown.size(), 2u);
        EXPECT_EQ(QApplication::focusWidget(), Edit(w, IDC_TC_COM_WK_Y));
        EXPECT_TRUE(w->isVisible());
        Type(w, IDC_TC_COM_WK_Y, QStringLiteral("-10"));
        PressOk(w);
        EXPECT_EQ(Messages().shown.size(), 2u);
        EXPECT_FALSE(w->isVisible());
    }));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("7.500"));
    EXPECT_EQ(dlg->m_dlgToolCalc.MassWk, 4.2);
}

TEST_F(ToolCalcWindow, AResultThatWasNotComputedIsNotHandedOver) {
    TypeLoad(0, {"1", "2", "3", "4", "0", "0", "0"});
    // Hand and workpiece without mass cannot be combined into one body.
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        Type(w, IDC_TC_COM_HND_Z, QStringLiteral("50"));
        Choose(w, IDC_TC_RADIO_ALL);
        PressOk(w);
        ASSERT_EQ(Messages().shown.size(), 1u);
        EXPECT_EQ(Messages().shown[0].text,
                  QStringLiteral("총 질량이 0 kg이어서 핸드와 공작물을 합칠 수 없습니다."));
        EXPECT_TRUE(w->isVisible());
        // The hand alone is known.
        Choose(w, IDC_TC_RADIO_HND);
        PressOk(w);
        EXPECT_FALSE(w->isVisible());
    }));
    EXPECT_EQ(PageText(0, IDC_LZ), QStringLiteral("50.000"));

    // Without an allowable wrist value the pass never reaches the loads.
    Messages().Reset();
    CDlgToolCalc c;
    SetHand(c, 5, 0, 0, 60, 0, 0, 0);
    for (int zeroed = 0; zeroed < 4; ++zeroed) {
        SetWrist(c, 2.4, 5.2, 0.432, 1.893, 100);
        double* wrist[4] = {&c.T1a, &c.T2a, &c.J1a, &c.J2a};
        *wrist[zeroed] = 0.0;
        CDlgToolCalcWnd w(&c, dlg.get());
        w.show();
        PressOk(&w);
        EXPECT_TRUE(w.isVisible()) << zeroed;
        ASSERT_EQ(Messages().shown.size(), static_cast<size_t>(zeroed + 1));
        EXPECT_TRUE(Messages().shown.back().text.startsWith(
            QStringLiteral("로봇에 손목의 허용 모멘트나 허용 관성이 없어")));
        EXPECT_EQ(c.m_prmHnd.Mass, 0.0);  // never computed
    }
}

TEST_F(ToolCalcWindow, PictureAndInertiaButtons) {
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        auto pictures = [w] {
            QList<CDlgCrdSys*> shown;
            for (CDlgCrdSys* p : w->findChildren<CDlgCrdSys*>())
                if (p->isVisible()) shown << p;
            return shown;
        };
        auto* crdsys = DlgItem<QPushButton>(w, IDC_TC_CRDSYS);
        crdsys->click();
        crdsys->click();
        const auto open = pictures();
        ASSERT_EQ(open.size(), 2);  // one more window per click
        EXPECT_EQ(open[1]->m_strFileName, QStringLiteral("tc_crd.png"));
        const QSize natural = QImage(AppFolder() + QStringLiteral("Image/tc_crd.png")).size();
        EXPECT_EQ(open[1]->size(), natural);
        // Readable: twice the size of the picture's layout, and the window can grow further.
        EXPECT_GE(natural.width(), 640);
        EXPECT_LT(open[1]->minimumWidth(), open[1]->maximumWidth());

        // Inertias handed back are shown at once, also with no mass typed
        // yet: a 100 mm cube of 6 kg has 0.01 kg·m² about every axis.
        auto iner = [&](int button, const char* mass, const char* size) {
            bool seen = false;
            QTimer::singleShot(0, [&] {
                auto* d = qobject_cast<CDlgInerCalc*>(QApplication::activeModalWidget());
                ASSERT_NE(d, nullptr);
                seen = true;
                SetDlgItemText(d, IDC_INER_MASS, QString::fromLatin1(mass));
                for (int id : {IDC_INER_DX, IDC_INER_DY, IDC_INER_DZ})
                    SetDlgItemText(d, id, QString::fromLatin1(size));
                DlgItem<QPushButton>(d, 1)->click();
            });
            DlgItem<QPushButton>(w, button)->click();
            return seen;
        };
        ASSERT_TRUE(iner(IDC_TC_INER_WK, "6", "100"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MI_WK_Z), QStringLiteral("0.0100"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_C1W), QStringLiteral("0.010"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_C2W), QStringLiteral("0.010"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_J1), QStringLiteral("0.010"));

        // The hand's box 100 x 200 x 300 mm with 24 kg typed there gives
        // 0.26, 0.20, 0.10 kg·m²; the hand's mass stays 12 kg.
        Type(w, IDC_TC_MASS_HND, QStringLiteral("12"));
        bool inerSeen = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* iner = qobject_cast<CDlgInerCalc*>(QApplication::activeModalWidget());
            ASSERT_NE(iner, nullptr);
            inerSeen = true;
            EXPECT_EQ(iner->windowTitle(), QStringLiteral("Inertia Calculator - hand"));
            EXPECT_EQ(GetDlgItemText(iner, IDC_INER_MASS), QStringLiteral("12"));
            SetDlgItemText(iner, IDC_INER_DX, QStringLiteral("100"));
            SetDlgItemText(iner, IDC_INER_DY, QStringLiteral("200"));
            SetDlgItemText(iner, IDC_INER_DZ, QStringLiteral("300"));
            SetDlgItemText(iner, IDC_INER_MASS, QStringLiteral("24"));  // not taken back
            DlgItem<QPushButton>(iner, 1)->click();
        });
        timer.start(0);
        DlgItem<QPushButton>(w, IDC_TC_INER_HND)->click();
        ASSERT_TRUE(inerSeen);
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MI_HND_X), QStringLiteral("0.2600"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MI_HND_Z), QStringLiteral("0.1000"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_MASS_HND), QStringLiteral("12"));
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_C1H), QStringLiteral("0.100"));  // recalculated from the text
        EXPECT_EQ(GetDlgItemText(w, IDC_TC_C2H), QStringLiteral("0.260"));
        PressOk(w);
    }));
    // The picture windows closed with the calculator.
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<CDlgCrdSys*>(top) && top->isVisible());
    const CToolCalcInputs& c = dlg->m_dlgToolCalc;
    EXPECT_EQ(c.SizeHndZ, 300.0);
    EXPECT_EQ(c.MiHndX, 0.26);
    EXPECT_EQ(c.SizeWkX, 100.0);
    EXPECT_EQ(c.MiWkZ, 0.01);
}

TEST_F(ToolCalcWindow, InputsSurviveSaveAndOpenAndNewStartsEmpty) {
    ASSERT_TRUE(RunToolCalc([](CDlgToolCalcWnd* w) {
        TypeExample(w);
        PressOk(w);
    }));
    dlg->m_dlgToolCalc.SizeWkY = 75.5;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tool calc.kestload"));
    ASSERT_EQ(dlg->SavePrj(path), 0);
    // "New" starts the calculator empty; opening the file brings its inputs back.
    const CDlgToolCalc empty;
    dlg->Init();
    int n = 0;
    for (const CDlgToolCalc::Field* f = CDlgToolCalc::SavedFields(&n); n > 0; ++f, --n)
        EXPECT_EQ(dlg->m_dlgToolCalc.*(f->member), empty.*(f->member)) << f->name;
    ASSERT_EQ(dlg->OpenPrj(path), 0);
    EXPECT_EQ(dlg->m_dlgToolCalc.MassHnd, 6.5);
    CDlgMain other;
    ASSERT_EQ(other.OpenPrj(path), 0);
    int count = 0;
    const CDlgToolCalc::Field* fields = CDlgToolCalc::SavedFields(&count);
    ASSERT_EQ(count, 20);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(other.m_dlgToolCalc.*(fields[i].member), dlg->m_dlgToolCalc.*(fields[i].member))
            << fields[i].name;
    EXPECT_EQ(other.m_dlgToolCalc.ComWkY, -10.0);
    EXPECT_EQ(other.m_dlgToolCalc.MiWkZ, 0.018);
    EXPECT_EQ(other.m_dlgToolCalc.SizeWkY, 75.5);
}

}  // namespace
