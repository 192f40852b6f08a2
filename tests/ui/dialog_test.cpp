// The main window with the real engine: verdicts, the legend buttons, the
// default loads, the engine binding and the keyboard.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "Colors.h"
#include "DgmPayload.h"
#include "DialogFixture.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "Tarn_Kest.h"

#include <cmath>

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

namespace {

// The tab strip of the load pages.
QTabWidget* LoadTabs(CDlgMain& dlg) { return DlgItem<QTabWidget>(dlg.Client(), IDC_TAB_ADDLOAD); }

const QString kMech = QStringLiteral("TK50-2100");  // 50 kg; R1 73.5 N·m, R2/B 161.7 N·m, L_B 150 mm

TEST_F(MainDialog, StartsWithTheEngineAndItsMechanisms) {
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_GE(list->count(), 12);
    EXPECT_EQ(list->item(0)->text(),
              QStringLiteral("TK6-1400"));  // natural order (RobotPictureAndModelOrder)
    EXPECT_EQ(dlg->m_tabAddLoad->count(), 4);
    EXPECT_EQ(dlg->m_tabAddLoad->tabText(0), QStringLiteral("       Tool       "));
    EXPECT_EQ(dlg->m_tabAddLoad->tabText(3), QStringLiteral("부가중량  S"));
    EXPECT_EQ(dlg->m_tabResult->tabText(1), QStringLiteral("  Moment Bar Chart "));
    EXPECT_EQ(
        dlg->windowTitle(),
        QStringLiteral("Noname - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 0);
    EXPECT_EQ(GetDlgItemText(dlg->Client(), IDC_APPLICATION), QString());
    EXPECT_EQ(DlgItem<QComboBox>(dlg->Client(), IDC_APPLICATION)->itemText(4), QStringLiteral("디버링"));
    unsigned v[4];
    dlg->GetProdVer(v);
    EXPECT_EQ(v[0], 1u);
    EXPECT_EQ(dlg->LoadModule(), -1);  // already loaded: nothing changes
    EXPECT_NE(dlg->m_pEngine, nullptr);
}

TEST_F(MainDialog, RatedDefaultLoadPasses) {
    AddRobot(kMech);
    EXPECT_EQ(dlg->IsModified(), 1);
    EXPECT_EQ(
        dlg->windowTitle(),
        QStringLiteral("Noname* - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    dlg->OnBnClickedDefault();
    EXPECT_EQ(dlg->m_nVerdict[0], 1);
    EXPECT_EQ(dlg->m_strVerdict[0], QStringLiteral("합격"));
    // The rated load is 100 % of the mass and of the wrist torques; the first
    // of equal ratios, the mass, governs.
    // The rated load may grow to 110 % before the verdict turns: the headroom
    // is a tenth of the rated payload.
    EXPECT_TRUE(dlg->m_strDetail[0].startsWith(
        QStringLiteral("   중   량\t  :  O.K.\r\n   모멘트   \t  :  O.K.\r\n   이너셔\t  :  O.K.\r\n"
                       "   최대치\t  :  Tool mass 100.0 %\r\n   여   유\t  :  +5.0 kg · 무게중심 ≤ ")))
        << dlg->m_strDetail[0].toStdString();
}

TEST_F(MainDialog, VerdictsFromTheEngineLevels) {
    AddRobot(kMech);
    struct Case {
        QStringList tool;
        int code;
        const char* text;
        bool massOverload;
    };
    const Case cases[] = {
        // 52.5 kg at the flange: mass 105 % (level 1), moments and inertias low.
        {{"52.5", "0", "0", "0", "0", "0", "0"}, 2, "합격 (High-load (고부하))", false},
        // 40 kg 210 mm off the R1 axis: R1 moment 112 % (level 2).
        {{"40", "210", "0", "0", "0", "0", "0"}, 3, "불합격 (추가 분석이 필요합니다.)", false},
        // 60 kg: mass 120 % (level 3).
        {{"60", "0", "0", "0", "0", "0", "0"}, 4, "불합격 (지원되지 않음)", true},
        // 10 kg with Izz 5 kg·m²: R1 inertia over 300 % (level 3).
        {{"10", "0", "0", "0", "0", "0", "5"}, 4, "불합격 (지원되지 않음)", false},
    };
    for (const Case& c : cases) {
        TypeLoad(0, c.tool);
        ASSERT_EQ(dlg->DoAnalyse(), 0);
        EXPECT_EQ(dlg->m_nVerdict[0], c.code) << c.tool.join(',').toStdString();
        EXPECT_EQ(dlg->m_strVerdict[0], QString::fromUtf8(c.text));
        EXPECT_EQ(dlg->m_pPgPayload->Diagram().nMassOver[0], c.massOverload ? 1 : 0);
    }
    EXPECT_TRUE(dlg->m_strDetail[0].contains(QStringLiteral("Dynamically Hyper-Overload (적용 불가)\r\n")));
    EXPECT_TRUE(dlg->m_strDetail[0].contains(QStringLiteral("R1 inertia 306.6 %\r\n")))
        << dlg->m_strDetail[0].toStdString();

    // The same inertia overload with inertia hidden does not change the verdict.
    dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->trigger();
    EXPECT_EQ(dlg->m_bShowInertia, 0);
    EXPECT_EQ(dlg->m_nVerdict[0], 1);
    EXPECT_EQ(dlg->m_strVerdict[0], QStringLiteral("합격"));
    // ... but the last line says that inertia was not checked.
    EXPECT_FALSE(dlg->m_strDetail[0].contains(QStringLiteral("이너셔\t")));
    EXPECT_TRUE(dlg->m_strDetail[0].contains(
        QStringLiteral("최대치\t  :  Tool mass 20.0 % (이너셔는 검토하지 않음)\r\n")))
        << dlg->m_strDetail[0].toStdString();
}

TEST_F(MainDialog, UnknownRobotHasNoResultAndNothingStale) {
    AddRobot(kMech);
    AddRobot(QStringLiteral("TK20-1700"));
    TypeLoad(0, {"10", "0", "0", "50", "0", "0", "0"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    ASSERT_EQ(dlg->m_nVerdict[1], 1);
    // The second slot now names a robot that the data does not have: nothing of
    // the robot analysed there before may stay.
    dlg->m_pMngLegend->Clear();
    dlg->m_pMngLegend->Add(kMech);
    dlg->m_pMngLegend->Add(QStringLiteral("NOT-IN-TABLE"));
    dlg->m_pMngLegend->Add(QStringLiteral("TK20-1700"));
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    EXPECT_EQ(dlg->m_nVerdict[0], 1);
    EXPECT_EQ(dlg->m_nVerdict[2], 1);
    EXPECT_EQ(dlg->m_nVerdict[1], 0);
    EXPECT_EQ(dlg->m_strVerdict[1], QStringLiteral("데이터 없음"));
    EXPECT_TRUE(dlg->m_strDetail[1].contains(QStringLiteral("기구 데이터에")));
    const CDgmPayload& d = dlg->m_pPgPayload->Diagram();
    EXPECT_TRUE(d.bHasData[0]);
    EXPECT_FALSE(d.bHasData[1]);
    EXPECT_TRUE(d.bHasData[2]);
    EXPECT_EQ(d.dLimY[1], 0.0);
    EXPECT_NEAR(d.dLoadR[0], 200.0, 1e-4);  // z 50 mm + L_B 150 mm (single precision)
    EXPECT_NEAR(d.dLimY[0], 73.5 / 10 / 9.8 * 1000, 1e-4);
    EXPECT_NE(d.dLimY[2], d.dLimY[0]);
    EXPECT_FALSE(dlg->m_pPgMomentChart->Chart().bHasData[1]);
    EXPECT_FALSE(dlg->m_pPgInertiaChart->Chart().bHasData[1]);
    EXPECT_EQ(dlg->m_pPgMomentChart->Chart().dRatio[1][5], 0.0);
    // Charts: inertia kind on the first page, moment kind on the second; R2/B twice.
    EXPECT_EQ(dlg->m_pPgInertiaChart->GetKind(), 1);
    EXPECT_EQ(dlg->m_pPgMomentChart->GetKind(), 0);
    const auto& m = dlg->m_pPgMomentChart->Chart().dRatio[0];
    EXPECT_EQ(m[3], m[4]);
    EXPECT_EQ(m[0], 0.0);  // S has no moment

    // The verdict box of the unknown robot: its name on a neutral grey band.
    dlg->m_pMngLegend->SetCur(1);
    const QImage client = dlg->RenderClient();
    const QRect& R = dlg->m_rcResult;
    const QColor band = client.pixelColor(R.right() - 4, R.top() + 4);
    EXPECT_EQ(band, CLR_LIGHTGRAY) << band.name().toStdString();
}

TEST_F(MainDialog, EmptyListShowsEmptyPagesWithInitialAxes) {
    // Each chart page draws its own kind from the start, before any result.
    EXPECT_EQ(dlg->m_pPgInertiaChart->GetKind(), CDgmBarChart::KIND_INERTIA);
    EXPECT_EQ(dlg->m_pPgMomentChart->GetKind(), CDgmBarChart::KIND_MOMENT);
    AddRobot(QStringLiteral("TK700-3000"));
    TypeLoad(0, {"600", "0", "0", "900", "0", "0", "0"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    ASSERT_GT(dlg->m_pPgPayload->Diagram().dAxisMaxX, 400.0);
    dlg->OnBnClickedSubLeg();  // the last robot goes
    EXPECT_EQ(dlg->m_nVerdict[0], 0);
    EXPECT_TRUE(dlg->m_strVerdict[0].isEmpty());
    EXPECT_EQ(dlg->m_pPgPayload->Diagram().dAxisMaxX, 400.0);
    EXPECT_EQ(dlg->m_pPgPayload->Diagram().dAxisMaxY, 400.0);
    EXPECT_FALSE(dlg->m_pPgPayload->Diagram().bHasData[0]);
    EXPECT_EQ(dlg->m_pPgMomentChart->Chart().dAxisMaxY, 25.0);
}

TEST_F(MainDialog, LegendButtons) {
    dlg->OnBnClickedSubLeg();  // empty list: nothing at all
    EXPECT_EQ(dlg->IsModified(), 0);
    list->setCurrentRow(-1);
    dlg->OnBnClickedAddLeg();  // no selection: nothing at all
    EXPECT_EQ(dlg->IsModified(), 0);
    AddRobot(kMech);
    AddRobot(QStringLiteral("TK20-1700"));
    AddRobot(QStringLiteral("TK6-1400"));
    dlg->SetModifiedFlag(0);
    dlg->m_nVerdict[0] = 42;  // an analysis would overwrite it
    // A fourth robot is refused with the reason, and nothing changes.
    Messages().Reset();
    AddRobot(QStringLiteral("TK12-1450"));
    EXPECT_EQ(Messages().Texts(),
              QStringList{QStringLiteral("로봇은 최대 3대까지 비교할 수 있습니다. 먼저 하나를 빼십시오.")});
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 3);
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_EQ(dlg->m_nVerdict[0], 42);
    dlg->m_pMngLegend->SetCur(2);
    dlg->OnBnClickedMoveUp();
    dlg->OnBnClickedMoveUp();
    EXPECT_EQ(dlg->m_pMngLegend->Name(0), QStringLiteral("TK6-1400"));
    EXPECT_NE(dlg->m_nVerdict[0], 42);  // moved and analysed
    dlg->OnBnClickedSubLeg();
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 2);
    EXPECT_EQ(dlg->m_pMngLegend->Name(0), kMech);
    // A robot already in the list is refused too (it would hide behind itself).
    Messages().Reset();
    AddRobot(kMech);
    EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("TK50-2100은(는) 이미 목록에 있습니다.")});
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 2);
}

// The mechanism picture shows the current robot, and nothing without one; the
// model list is in natural order.
TEST_F(MainDialog, RobotPictureAndModelOrder) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    auto at = [&](const char* name) { return names.indexOf(QLatin1String(name)); };
    ASSERT_GE(at("TK6-1400"), 0);
    EXPECT_LT(at("TK6-1400"), at("TK12-1450"));
    EXPECT_LT(at("TK12-1450"), at("TK20-1700"));
    EXPECT_LT(at("TK20-1700"), at("TK120-2500"));
    EXPECT_LT(at("TK120-2500"), at("TK700-3000"));
    const QRect box = dlg->m_rcImgMech.adjusted(2, 2, -2, -2);
    // Non-white pixels inside the picture box: none when it is empty.
    auto inked = [&] {
        const QImage img = dlg->RenderClient().copy(box);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) != CLR_WHITE;
        return n;
    };
    AddRobot(kMech);
    AddRobot(QStringLiteral("TK20-1700"));
    EXPECT_GT(inked(), 0);
    dlg->m_pMngLegend->SetCur(1);
    dlg->OnBnClickedSubLeg();
    EXPECT_EQ(dlg->m_strSelMech, kMech);  // the robot that is now current
    dlg->OnBnClickedSubLeg();
    EXPECT_EQ(dlg->m_strSelMech, QString());
    EXPECT_EQ(inked(), 0);
    AddRobot(kMech);
    Messages().answers = {IDNO};
    dlg->OnFileNewPrj();
    EXPECT_EQ(dlg->m_strSelMech, QString());
    EXPECT_EQ(inked(), 0);  // no "NO IMAGE" for a robot in no list
}

TEST_F(MainDialog, DefaultLoadsGoIntoThePages) {
    TypeLoad(0, {"1", "2", "3", "4", "5", "6", "7"});
    dlg->OnBnClickedDefault();  // empty legend: nothing changes
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("1"));
    EXPECT_EQ(dlg->IsModified(), 0);

    AddRobot(QStringLiteral("TK20-1700"));
    dlg->SetModifiedFlag(0);
    // Typed loads are replaced only after a Yes.
    Messages().Reset();
    Messages().answers = {IDNO};
    dlg->OnBnClickedDefault();
    EXPECT_EQ(Messages().Texts(),
              QStringList{QStringLiteral("입력한 툴과 부가중량을 TK20-1700의 정격 부하로 바꾸시겠습니까?")});
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("1"));
    EXPECT_EQ(dlg->IsModified(), 0);
    Messages().answers = {IDYES};
    dlg->OnBnClickedDefault();
    EXPECT_EQ(dlg->IsModified(), 1);
    // Loads of zero only: no question.
    for (int page = 0; page < 4; ++page) TypeLoad(page, {"0", "0", "0", "0", "0", "0", "0"});
    Messages().Reset();
    dlg->OnBnClickedDefault();
    EXPECT_TRUE(Messages().shown.empty());
    ASSERT_EQ(dlg->m_pEngine->SelectMech(u"TK20-1700"), 0);
    LoadRec tool{}, v{};
    dlg->m_pEngine->GetDefaultLoad(LOAD_TOOL, &tool);
    dlg->m_pEngine->GetDefaultLoad(LOAD_V, &v);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("20"));
    // The full single-precision values, not whole millimetres.
    EXPECT_NE(std::fmod(tool.z, 1.0), 0.0);
    EXPECT_EQ(PageText(0, IDC_LZ).toFloat(), static_cast<float>(tool.z));
    EXPECT_LE(PageText(0, IDC_LZ).size(), 9);
    EXPECT_EQ(PageText(0, IDC_IXX).toFloat(), static_cast<float>(tool.Ixx));
    EXPECT_EQ(PageText(1, IDC_MASS), QStringLiteral("12"));  // upper-arm reference load
    EXPECT_EQ(PageText(1, IDC_LX).toFloat(), static_cast<float>(v.x));
    EXPECT_EQ(PageText(1, IDC_IYY).toFloat(), static_cast<float>(v.Iyy));
    EXPECT_EQ(PageText(2, IDC_MASS), QStringLiteral("0"));
    EXPECT_EQ(PageText(3, IDC_IZZ), QStringLiteral("0"));
    // The analysis that followed took the edits over.
    EXPECT_EQ(dlg->m_prmTool.Mass, 20.0);
    EXPECT_EQ(static_cast<float>(dlg->m_prmTool.Lz * 1000.0), static_cast<float>(tool.z));
    EXPECT_EQ(dlg->m_prmAddLoadV.Mass, 12.0);
    EXPECT_EQ(dlg->m_nVerdict[0], 1);

    // Every model's rated load is exactly its rating: mass and both wrist
    // moments at 100.0 % as the charts show them.
    for (int i = 0; i < list->count(); ++i) {
        Messages().answers = {IDYES};
        dlg->m_pMngLegend->Clear();
        AddRobot(list->item(i)->text());
        dlg->OnBnClickedDefault();
        const auto& m = dlg->m_pPgMomentChart->Chart().dRatio[0];
        EXPECT_TRUE(dlg->m_strDetail[0].contains(QStringLiteral(" 100.0 %\r\n")))
            << list->item(i)->text().toStdString() << dlg->m_strDetail[0].toStdString();
        EXPECT_EQ(QString::asprintf("%.1f %.1f", m[5], m[3]), QStringLiteral("100.0 100.0"))
            << list->item(i)->text().toStdString();
    }
}

TEST_F(MainDialog, EditsMarkTheProjectAndBadNumbersAreReported) {
    auto* company = DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY);
    QTest::keyClicks(company, QStringLiteral("Kest"));
    EXPECT_EQ(dlg->IsModified(), 1);
    dlg->SetModifiedFlag(0);
    QTest::keyClicks(DlgItem<QLineEdit>(dlg->m_pPgAddLoad[2], IDC_LY), QStringLiteral("5"));
    EXPECT_EQ(dlg->IsModified(), 1);
    dlg->Init();
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_EQ(company->text(), QString());
    AddRobot(kMech);
    ASSERT_EQ(dlg->m_nVerdict[0], 1);
    // A bad number on a page in the back: reported once (not per robot) with
    // the field's name, its page in front, the field focused and selected, and
    // no result left on screen.
    LoadTabs(*dlg)->setCurrentIndex(0);
    TypeLoad(2, {"10", "x1", "0", "0", "0", "0", "0"});
    Messages().Reset();
    dlg->activateWindow();
    dlg->OnBnClickedAnalyse();
    EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("부가중량 H Lx: 숫자를 입력하십시오.")});
    EXPECT_EQ(LoadTabs(*dlg)->currentIndex(), 2);
    EXPECT_TRUE(dlg->m_pPgAddLoad[2]->isVisible());
    auto* lx = DlgItem<QLineEdit>(dlg->m_pPgAddLoad[2], IDC_LX);
    EXPECT_EQ(lx->selectedText(), QStringLiteral("x1"));
    EXPECT_EQ(dlg->m_nVerdict[0], 0);
    EXPECT_FALSE(dlg->m_pPgPayload->Diagram().bHasData[0]);
    // Non-finite text is refused the same way.
    Messages().Reset();
    TypeLoad(2, {"10", "0", "0", "0", "0", "0", "0"});
    SetDlgItemText(dlg->m_pPgAddLoad[0], IDC_MASS, QStringLiteral("1e400"));
    dlg->OnBnClickedAnalyse();
    EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("Tool 중량: 숫자를 입력하십시오.")});
    EXPECT_EQ(LoadTabs(*dlg)->currentIndex(), 0);
}

TEST_F(MainDialog, NewResetsInertiaViewAndCurrentRobot) {
    AddRobot(kMech);
    AddRobot(QStringLiteral("TK20-1700"));
    dlg->m_pMngLegend->SetCur(1);
    dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->trigger();
    ASSERT_EQ(dlg->m_bShowInertia, 0);
    auto* tabs = DlgItem<QTabWidget>(dlg->Client(), IDC_TAB_RESULT);
    ASSERT_EQ(tabs->count(), 2);
    Messages().answers = {IDNO};
    dlg->OnFileNewPrj();
    EXPECT_EQ(dlg->m_bShowInertia, 1);
    EXPECT_TRUE(dlg->CommandAction(ID_VIEW_INERTIA_SHOW)->isChecked());
    EXPECT_FALSE(dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->isChecked());
    EXPECT_EQ(tabs->count(), 3);
    // The first robot added after New is the current one.
    AddRobot(QStringLiteral("TK20-1700"));
    EXPECT_EQ(dlg->m_pMngLegend->GetCur(), 0);
    dlg->OnBnClickedSubLeg();
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 0);

    // A generation switch keeps the project and its view.
    dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->trigger();
    dlg->SetModifiedFlag(0);
    dlg->CommandAction(ID_HELP_VER_OLD)->trigger();
    EXPECT_TRUE(dlg->CommandAction(ID_HELP_VER_OLD)->isChecked());
    EXPECT_TRUE(dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->isChecked());
    EXPECT_EQ(tabs->count(), 2);
}

// The switch asks nothing and loses nothing: the project is analysed on the
// other generation's data, a robot that data lacks shows that it has none, and
// the title names the data in use.
TEST_F(MainDialog, GenerationSwitchKeepsTheProject) {
    AddRobot(QStringLiteral("TK700-3000"));  // not in the older data
    AddRobot(QStringLiteral("TK165-2700"));
    TypeLoad(0, {"100", "0", "0", "300", "5", "5", "5"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    const double current = dlg->m_pPgInertiaChart->Chart().dRatio[1][5];  // R1 inertia
    Messages().Reset();
    dlg->CommandAction(ID_HELP_VER_OLD)->trigger();
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_TRUE(dlg->CommandAction(ID_HELP_VER_OLD)->isChecked());
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 2);
    EXPECT_EQ(dlg->IsModified(), 1);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("100"));
    EXPECT_EQ(dlg->m_nVerdict[0], 0);
    EXPECT_EQ(dlg->m_strVerdict[0], QStringLiteral("데이터 없음"));
    EXPECT_NE(dlg->m_nVerdict[1], 0);                                  // analysed
    EXPECT_NE(dlg->m_pPgInertiaChart->Chart().dRatio[1][5], current);  // the other data's limits
    EXPECT_TRUE(dlg->windowTitle().contains(QStringLiteral("기구 데이터: V40.24.14 이하, 버전 ")))
        << dlg->windowTitle().toStdString();
    dlg->m_pMngLegend->SetCur(0);
    const QImage client = dlg->RenderClient();
    EXPECT_EQ(client.pixelColor(dlg->m_rcResult.right() - 4, dlg->m_rcResult.top() + 4), CLR_LIGHTGRAY);
    dlg->CommandAction(ID_HELP_VER_NEW)->trigger();
    EXPECT_NE(dlg->m_nVerdict[0], 0);
    EXPECT_EQ(dlg->m_pPgInertiaChart->Chart().dRatio[1][5], current);
    EXPECT_TRUE(
        dlg->windowTitle().endsWith(QStringLiteral("기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)")));
}

// Typing analyses again: after a pause with numbers in every field, or when
// the field is left. A pause with a field that is no number shows no result
// and no message; leaving that field reports it.
TEST_F(MainDialog, TheVerdictFollowsTyping) {
    dlg->SetAutoAnalyseDelay(0);
    AddRobot(kMech);
    TypeLoad(0, {"10", "0", "0", "50", "0", "0", "0"});
    ASSERT_EQ(dlg->DoAnalyse(), 0);
    ASSERT_EQ(dlg->m_nVerdict[0], 1);
    auto* mass = DlgItem<QLineEdit>(dlg->m_pPgAddLoad[0], IDC_MASS);
    mass->selectAll();
    Messages().Reset();
    QTest::keyClicks(mass, QStringLiteral("60"));
    QTRY_COMPARE(dlg->m_nVerdict[0], 4);  // 120 % of the rated mass
    EXPECT_EQ(dlg->m_prmTool.Mass, 60.0);
    QTest::keyClick(mass, Qt::Key_Backspace);
    QTest::keyClick(mass, Qt::Key_Backspace);
    QTest::keyClicks(mass, QStringLiteral("1x"));
    QTRY_VERIFY(!dlg->m_pPgPayload->Diagram().bHasData[0]);
    EXPECT_EQ(dlg->m_nVerdict[0], 0);
    EXPECT_TRUE(dlg->m_strVerdict[0].isEmpty());
    EXPECT_TRUE(Messages().shown.empty());
    // A number the field refuses (a negative mass, a mass no load has) is no
    // result either, and no message while typing.
    for (const char* refused : {"-5", "200000"}) {
        mass->selectAll();
        QTest::keyClicks(mass, QStringLiteral("10"));
        QTRY_VERIFY(dlg->m_pPgPayload->Diagram().bHasData[0]);
        mass->selectAll();
        QTest::keyClicks(mass, QString::fromLatin1(refused));
        QTRY_VERIFY(!dlg->m_pPgPayload->Diagram().bHasData[0]);
        EXPECT_TRUE(Messages().shown.empty()) << refused;
    }
    mass->selectAll();
    QTest::keyClicks(mass, QStringLiteral("1x"));
    emit mass->editingFinished();  // the field is left
    EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("Tool 중량: 숫자를 입력하십시오.")});
    // Leaving a field without typing analyses nothing again.
    Messages().Reset();
    SetDlgItemText(dlg->m_pPgAddLoad[0], IDC_MASS, QStringLiteral("10"));
    emit mass->editingFinished();
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(dlg->m_nVerdict[0], 0);
    QTest::keyClick(mass, Qt::Key_End);
    QTest::keyClicks(mass, QStringLiteral("0"));  // 100 kg
    emit mass->editingFinished();
    EXPECT_EQ(dlg->m_nVerdict[0], 4);
}

TEST_F(MainDialog, AnalyseWithoutRobotsAsksForOne) {
    Messages().Reset();
    dlg->OnBnClickedAnalyse();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("분석할 로봇을 추가하십시오."));
    EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_ICONINFORMATION));
}

TEST_F(MainDialog, TabsShowOnePageEach) {
    auto* toolCalc = GetDlgItem(dlg->Client(), IDC_TOOL_CALC);
    for (int page : {1, 2, 3, 0}) {
        dlg->m_tabAddLoad->setCurrentIndex(page);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(dlg->m_pPgAddLoad[i]->isVisible(), i == page);
        EXPECT_EQ(toolCalc->isVisible(), page == 0);
    }
    QWidget* pages[] = {dlg->m_pPgPayload, dlg->m_pPgMomentChart, dlg->m_pPgInertiaChart};
    for (int tab : {1, 2, 0}) {
        dlg->m_tabResult->setCurrentIndex(tab);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(pages[i]->isVisible(), i == tab) << tab;
    }
    // Either inertia command switches: hide removes the third tab, show restores it.
    dlg->m_tabResult->setCurrentIndex(2);
    dlg->CommandAction(ID_VIEW_INERTIA_SHOW)->trigger();
    EXPECT_EQ(dlg->m_bShowInertia, 0);
    EXPECT_EQ(dlg->m_tabResult->count(), 2);
    EXPECT_TRUE(dlg->m_pPgPayload->isVisible());
    EXPECT_FALSE(dlg->m_pPgInertiaChart->isVisible());
    EXPECT_TRUE(dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->isChecked());
    dlg->CommandAction(ID_VIEW_INERTIA_HIDE)->trigger();
    EXPECT_EQ(dlg->m_bShowInertia, 1);
    EXPECT_EQ(dlg->m_tabResult->count(), 3);
    EXPECT_EQ(dlg->m_tabResult->currentIndex(), 2);
    EXPECT_TRUE(dlg->m_pPgInertiaChart->isVisible());
}

TEST_F(MainDialog, GenerationSwitchToggles) {
    AddRobot(kMech);
    QAction* now = dlg->CommandAction(ID_HELP_VER_NEW);
    QAction* old = dlg->CommandAction(ID_HELP_VER_OLD);
    EXPECT_TRUE(now->isChecked());
    now->trigger();  // the checked item still switches to the other generation
    EXPECT_TRUE(old->isChecked());
    EXPECT_FALSE(now->isChecked());
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 1);  // the project stays
    EXPECT_TRUE(list->findItems(QStringLiteral("TK700-3000"), Qt::MatchExactly).isEmpty());
    EXPECT_FALSE(list->findItems(kMech, Qt::MatchExactly).isEmpty());
    old->trigger();
    EXPECT_TRUE(now->isChecked());
    EXPECT_FALSE(list->findItems(QStringLiteral("TK700-3000"), Qt::MatchExactly).isEmpty());
}

TEST_F(MainDialog, EnterAndEscapeNeverCloseTheWindow) {
    auto* company = DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY);
    company->setFocus();
    QTest::keyClick(company, Qt::Key_Return);
    QTest::keyClick(company, Qt::Key_Escape);
    QTest::keyClick(DlgItem<QLineEdit>(dlg->m_pPgAddLoad[0], IDC_MASS), Qt::Key_Enter);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 0);
    auto* comment = DlgItem<QPlainTextEdit>(dlg->Client(), IDC_COMMENT);
    comment->setFocus();
    QTest::keyClicks(comment, QStringLiteral("a"));
    QTest::keyClick(comment, Qt::Key_Return);
    QTest::keyClicks(comment, QStringLiteral("b"));
    EXPECT_EQ(comment->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(MainDialog, ServiceKeyEncryptsTheTableOnlyWithTheCode) {
    Messages().Reset();
    auto* engineer = DlgItem<QLineEdit>(dlg->Client(), IDC_ENGINEER);
    QTest::keyClick(engineer, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(Messages().shown.empty());  // wrong code: silently ignored
    QTemporaryDir dir;
    QFile::copy(AppFolder() + QStringLiteral("libTarn_Kest.so"),
                dir.filePath(QStringLiteral("libTarn_Kest.so")));
    QFile::copy(QStringLiteral(KEST_SOURCE_DIR "data/mech/KestMechData.xml"),
                dir.filePath(QStringLiteral("KestMechData.xml")));
    SetAppFolderOverride(dir.path());
    engineer->setText(QStringLiteral("tulip284"));
    QTest::keyClick(engineer, Qt::Key_E, Qt::ControlModifier);
    SetAppFolderOverride(kesttest::BuildAppFolder());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("아래 파일이 생성되었습니다. :\n") +
                                            dir.filePath(QStringLiteral("KestMechData.bin")));
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("KestMechData.bin"))).size(),
              QFileInfo(dir.filePath(QStringLiteral("KestMechData.xml"))).size() + 16);
    EXPECT_EQ(engineer->text(), QStringLiteral("tulip284"));  // the key typed nothing

    // A failure says so, with its reason, instead of nothing.
    QFile::remove(dir.filePath(QStringLiteral("KestMechData.xml")));
    Messages().Reset();
    SetAppFolderOverride(dir.path());
    QTest::keyClick(engineer, Qt::Key_E, Qt::ControlModifier);
    SetAppFolderOverride(kesttest::BuildAppFolder());
    ASSERT_FALSE(Messages().shown.empty());
    const kesttest::ShownMessage& last = Messages().shown.back();
    EXPECT_TRUE(last.text.startsWith(QStringLiteral("기구 데이터 파일을 암호화하지 못했습니다.\n")))
        << last.text.toStdString();
    EXPECT_TRUE(last.text.contains(QStringLiteral("(source)")));
    EXPECT_TRUE(last.text.endsWith(QStringLiteral("(code=-1)")));
    EXPECT_EQ(last.flags, static_cast<unsigned>(KEST_MB_OK | KEST_MB_ICONSTOP));
}

TEST_F(MainDialog, ExitEndsWithResultOne) {
    dlg->CommandAction(ID_FILE_EXIT)->trigger();
    EXPECT_EQ(dlg->result(), 1);
    EXPECT_FALSE(dlg->isVisible());
}

// Without the engine the window stays up, shows why, and offers nothing that needs it.
TEST(MainDialogWithoutEngine, MissingLibraryOrData) {
    QTemporaryDir empty;
    SetAppFolderOverride(empty.path());
    Messages().Reset();
    {
        CDlgMain dlg;
        EXPECT_EQ(dlg.LoadModule(), -2);
        EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("loading libTarn_Kest.so error")});
        EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_ICONSTOP));
    }
    {
        Messages().Reset();
        CDlgMain dlg;
        dlg.show();
        EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("loading libTarn_Kest.so error")});
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.m_pEngine, nullptr);
        EXPECT_EQ(dlg.m_pPgPayload, nullptr);
        EXPECT_FALSE(dlg.RenderClient().isNull());  // draws what exists
        EXPECT_FALSE(GetDlgItem(dlg.Client(), IDC_ANALYSE)->isEnabled());
        EXPECT_FALSE(dlg.CommandAction(ID_HELP_VER_OLD)->isEnabled());
        EXPECT_TRUE(dlg.CommandAction(ID_FILE_EXIT)->isEnabled());
        EXPECT_EQ(dlg.DoAnalyse(), -1);
        dlg.OnBnClickedDefault();
        dlg.OnHelpVersion();
        EXPECT_EQ(dlg.SelectCurMech(-1), -1);
    }
    QFile::copy(kesttest::BuildAppFolder() + QStringLiteral("libTarn_Kest.so"),
                empty.filePath(QStringLiteral("libTarn_Kest.so")));
    Messages().Reset();
    {
        CDlgMain dlg;
        EXPECT_EQ(dlg.LoadModule(), -12);
        EXPECT_EQ(Messages().Texts(),
                  (QStringList{QStringLiteral("Can't find mechfile :\r\n") + empty.path() +
                                   QStringLiteral("/KestMechData.bin"),
                               QStringLiteral("Failed in initializing calculation object.")}));
        EXPECT_NE(dlg.m_pEngine, nullptr);  // the object stays until the window goes
    }
    SetAppFolderOverride(kesttest::BuildAppFolder());
}

TEST_F(MainDialog, WindowChromeShortcutsAndTabStrips) {
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    for (int id : {IDC_TAB_ADDLOAD, IDC_TAB_RESULT})
        EXPECT_EQ(DlgItem<QTabWidget>(dlg->Client(), id)->tabBar()->height(), 26) << id;
    const struct {
        int id;
        QKeySequence keys;
    } shortcuts[] = {{ID_FILE_NEW_PRJ, QKeySequence(QStringLiteral("Ctrl+N"))},
                     {ID_FILE_OPEN_PRJ, QKeySequence(QStringLiteral("Ctrl+O"))},
                     {ID_FILE_SAVE_PRJ, QKeySequence(QStringLiteral("Ctrl+S"))},
                     {ID_FILE_PRINT, QKeySequence(QStringLiteral("Ctrl+P"))}};
    for (const auto& sc : shortcuts) EXPECT_EQ(dlg->CommandAction(sc.id)->shortcut(), sc.keys) << sc.id;
    // F5 analyses from any field of the window.
    AddRobot(kMech);
    TypeLoad(0, {"10", "0", "0", "50", "0", "0", "0"});
    dlg->ClearResults();
    dlg->activateWindow();
    QApplication::setActiveWindow(dlg.get());
    auto* mass = DlgItem<QLineEdit>(dlg->m_pPgAddLoad[0], IDC_MASS);
    mass->setFocus();
    QTest::keyClick(mass, Qt::Key_F5);
    EXPECT_EQ(dlg->m_nVerdict[0], 1);
}

}  // namespace
