// The main window's load cases: the case bar, the load-case matrix tab, the
// verdict box's line about another failing case.
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "CliRun.h"
#include "Colors.h"
#include "DgmCaseMatrix.h"
#include "DgmPayload.h"
#include "DialogFixture.h"
#include "DlgCaseName.h"
#include "DrawMath.h"
#include "MessageBox.h"
#include "PgBarChart.h"
#include "PgCaseMatrix.h"
#include "PgPayload.h"
#include "ProjectResult.h"
#include "Strings.h"

using namespace kest;
using namespace kesttest;

namespace {

class LoadCasesWindow : public MainDialog {
protected:
    QComboBox* Cases() const { return DlgItem<QComboBox>(dlg->Client(), IDC_CASE_LIST); }
    QPushButton* Button(int id) const { return DlgItem<QPushButton>(dlg->Client(), id); }
    QTabWidget* ResultTabs() const { return DlgItem<QTabWidget>(dlg->Client(), IDC_TAB_RESULT); }
    // The case-name dialog, once it is open, gets `name` and OK.
    static void AnswerNameDialog(const QString& name) {
        QTimer::singleShot(0, [name] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<CDlgCaseName*>(w);
                if (d == nullptr || !d->isVisible()) continue;
                DlgItem<QLineEdit>(d, IDC_CASE_NAME)->setText(name);
                d->accept();
            }
        });
    }
};

}  // namespace

TEST_F(LoadCasesWindow, CaseBarAddsRenamesMovesAndRemovesCasesAndThePagesShowTheCurrentOne) {
    AddRobot(QStringLiteral("TK50-2100"));
    TypeLoad(0, {"10", "0", "0", "100", "0", "0", "0"});
    dlg->DoAnalyse();
    // A new project: one unnamed case shown by its number, which cannot be removed; no matrix tab.
    ASSERT_EQ(Cases()->count(), 1);
    EXPECT_EQ(Cases()->itemText(0), LoadKestString(IDS_LOAD_CASE_N).arg(1));
    EXPECT_FALSE(Button(IDC_CASE_REMOVE)->isEnabled());
    EXPECT_FALSE(dlg->CaseResultTabShown());
    EXPECT_EQ(ResultTabs()->count(), 3);

    // Add: a copy of the current case, made current; the project is modified.
    dlg->SetModifiedFlag(0);
    Button(IDC_CASE_ADD)->click();
    ASSERT_EQ(dlg->Project().CaseCount(), 2);
    EXPECT_EQ(dlg->Project().CurrentCase, 1);
    EXPECT_TRUE(dlg->IsModified());
    EXPECT_TRUE(dlg->windowTitle().contains(QLatin1Char('*')));
    EXPECT_EQ(Cases()->count(), 2);
    EXPECT_EQ(Cases()->currentIndex(), 1);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("10"));
    EXPECT_TRUE(dlg->CaseResultTabShown());
    EXPECT_TRUE(Button(IDC_CASE_REMOVE)->isEnabled());
    EXPECT_FALSE(Button(IDC_CASE_DOWN)->isEnabled());

    // What is typed goes to the current case only; rename keeps Korean and capitals.
    TypeLoad(0, {"30", "0", "0", "100", "0", "0", "0"});
    const QString name = QStringLiteral("Gripper 부품 A");
    AnswerNameDialog(name);
    Button(IDC_CASE_RENAME)->click();
    EXPECT_EQ(dlg->Project().Cases[1].Name, name);
    EXPECT_EQ(Cases()->itemText(1), name);
    EXPECT_DOUBLE_EQ(dlg->Project().Loads.tool.Mass, 30.0);

    // Another case in the list: the pages show its loads, the other case kept what was typed.
    emit Cases()->activated(0);
    EXPECT_EQ(dlg->Project().CurrentCase, 0);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("10"));
    EXPECT_DOUBLE_EQ(dlg->Project().CaseLoads(1).tool.Mass, 30.0);
    EXPECT_DOUBLE_EQ(dlg->Result().robots[0].payloadR, dlg->Result().cases[0].robots[0].payloadR);

    // Move: the current case goes later and stays current.
    Button(IDC_CASE_DOWN)->click();
    EXPECT_EQ(dlg->Project().CurrentCase, 1);
    EXPECT_EQ(dlg->Project().Cases[0].Name, name);
    EXPECT_EQ(Cases()->itemText(0), name);
    EXPECT_EQ(Cases()->itemText(1), LoadKestString(IDS_LOAD_CASE_N).arg(2));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("10"));
    Button(IDC_CASE_UP)->click();
    EXPECT_EQ(dlg->Project().CurrentCase, 0);
    EXPECT_EQ(dlg->Project().Cases[1].Name, name);

    // Remove asks; No keeps the case, Yes removes it and the remaining case is shown.
    dlg->SetModifiedFlag(0);
    Messages().answers = {IDNO};
    Button(IDC_CASE_REMOVE)->click();
    EXPECT_EQ(dlg->Project().CaseCount(), 2);
    EXPECT_FALSE(dlg->IsModified());
    Messages().answers = {IDYES};
    Button(IDC_CASE_REMOVE)->click();
    ASSERT_EQ(dlg->Project().CaseCount(), 1);
    EXPECT_EQ(dlg->Project().Cases[0].Name, name);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("30"));
    EXPECT_TRUE(dlg->IsModified());
    EXPECT_FALSE(Button(IDC_CASE_REMOVE)->isEnabled());
    EXPECT_FALSE(dlg->CaseResultTabShown());
    EXPECT_EQ(ResultTabs()->count(), 3);

    // A field without a number keeps the case current (reported) instead of losing the value.
    Button(IDC_CASE_ADD)->click();
    SetDlgItemText(dlg->m_pPgAddLoad[0], IDC_MASS, QStringLiteral("abc"));
    Messages().Reset();
    EXPECT_FALSE(dlg->OnCaseSelected(0));
    EXPECT_EQ(dlg->Project().CurrentCase, 1);
    EXPECT_EQ(Cases()->currentIndex(), 1);
    EXPECT_FALSE(Messages().shown.empty());

    // A new project: one unnamed case again.
    dlg->Init();
    EXPECT_EQ(Cases()->count(), 1);
    EXPECT_FALSE(dlg->CaseResultTabShown());
}

TEST_F(LoadCasesWindow, MatrixShowsEveryCaseAsAOneCaseAnalysisAndAClickMakesTheCaseCurrent) {
    AddRobot(QStringLiteral("TK50-2100"));
    AddRobot(QStringLiteral("TK20-1700"));
    TypeLoad(0, {"10", "0", "0", "100", "0.05", "0.05", "0.05"});
    dlg->DoAnalyse();
    dlg->OnCaseAdd();
    TypeLoad(0, {"35", "0", "0", "150", "0.4", "0.4", "0.3"});
    dlg->DoAnalyse();
    ASSERT_TRUE(dlg->CaseResultTabShown());
    const CProjectResult& result = dlg->Result();
    ASSERT_EQ(result.cases.size(), 2);

    // Each case's verdicts are those of a one-case project with its loads.
    for (int c = 0; c < 2; ++c) {
        CProject one = dlg->Project();
        one.Cases = {CLoadCase()};
        one.CurrentCase = 0;
        one.Loads = dlg->Project().CaseLoads(c);
        const CProjectResult alone = AnalyseProject(*dlg->m_pEngine, one, true, dlg->IsOldMechData());
        for (int r = 0; r < 2; ++r) {
            EXPECT_EQ(result.cases[c].robots[r].verdict.code, alone.robots[r].verdict.code) << c << r;
            EXPECT_EQ(result.cases[c].robots[r].governing.Text(), alone.robots[r].governing.Text()) << c << r;
        }
    }
    // The heavy case fails the small robot and only that one.
    EXPECT_EQ(result.cases[0].robots[1].verdict.code, 1);
    EXPECT_GE(result.cases[1].robots[1].verdict.code, 3);
    EXPECT_LT(result.cases[1].robots[0].verdict.code, 3);

    // The matrix page: every cell on its verdict's colour, the last column on the worst case's.
    ResultTabs()->setCurrentIndex(ResultTabs()->count() - 1);
    CPgCaseMatrix* page = dlg->m_pPgCaseMatrix;
    ASSERT_TRUE(page->isVisible());
    EXPECT_FALSE(dlg->m_pPgPayload->isVisible());
    const QImage img = page->Render();
    const QRect M = page->MatrixRect();
    auto colourAt = [&](int r, int c) {
        const QRect cell = CDgmCaseMatrix::CellRect(M, 2, 2, r, c);
        return img.pixelColor(cell.left() + 4, cell.top() + 4);
    };
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c)
            EXPECT_EQ(colourAt(r, c),
                      CDgmCaseMatrix::VerdictColor(result.cases[c].robots[r].verdict.code, false))
                << r << c;
        const int worst = result.WorstCase(r);
        EXPECT_EQ(colourAt(r, 2),
                  CDgmCaseMatrix::VerdictColor(result.cases[worst].robots[r].verdict.code, false));
    }
    EXPECT_EQ(colourAt(1, 2), CLR_RED);

    const double heavyR = dlg->m_pPgPayload->Diagram().dLoadR[1];
    // A click on robot 2's cell of case 1 makes that case current and names the robot.
    const QPoint at = CDgmCaseMatrix::CellRect(M, 2, 2, 1, 0).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, page->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(page, &press);
    EXPECT_EQ(dlg->Project().CurrentCase, 0);
    EXPECT_EQ(Cases()->currentIndex(), 0);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("10"));
    EXPECT_EQ(dlg->m_strSelMech, QStringLiteral("TK20-1700"));
    EXPECT_TRUE(dlg->IsModified());
    // The payload diagram shows the case now current.
    const double lightR = dlg->m_pPgPayload->Diagram().dLoadR[1];
    EXPECT_NE(lightR, heavyR);

    // The small robot's box is green but says it fails in the other case,
    // on its sixth detail line, at no smaller font than the dialog's.
    EXPECT_EQ(dlg->m_nVerdict[1], 1);
    const QStringList detail = dlg->m_strDetail[1].split(QStringLiteral("\r\n"));
    EXPECT_EQ(detail.last().trimmed(),
              LoadKestString(IDS_FAILS_IN_OTHER_CASE).arg(dlg->Project().CaseDisplayName(1)));
    EXPECT_EQ(dlg->m_pMngLegend->GetCur(), 1);
    const QImage client = dlg->RenderClient();
    EXPECT_GE(dlg->m_nDetailFontPx, dlg->Client()->font().pixelSize()) << detail.size();
    const int lineH = QFontMetrics(GdiFont(QStringLiteral("Arial"), dlg->m_nDetailFontPx, 400)).height();
    const int detailH = dlg->m_rcResult.height() - Trunc(0.35 * dlg->m_rcResult.height()) - 2;
    EXPECT_LE(lineH * static_cast<int>(detail.size()), detailH) << detail.size();
    EXPECT_EQ(client.pixelColor(Right(dlg->m_rcResult) - 4, dlg->m_rcResult.top() + 4), CLR_GREEN);

    // Hiding and showing the inertia tab leaves the load-case tab last.
    dlg->m_bShowInertia = 0;
    dlg->ApplyInertiaView(true);
    EXPECT_EQ(ResultTabs()->count(), 3);
    EXPECT_TRUE(dlg->CaseResultTabShown());
    ResultTabs()->setCurrentIndex(2);
    EXPECT_TRUE(page->isVisible());
    dlg->m_bShowInertia = 1;
    dlg->ApplyInertiaView(true);
    EXPECT_EQ(ResultTabs()->count(), 4);
    EXPECT_TRUE(dlg->m_pPgInertiaChart->isVisible());
    ResultTabs()->setCurrentIndex(3);
    EXPECT_TRUE(page->isVisible());

    // Back to the heavy case through the list: the diagram follows again.
    emit Cases()->activated(1);
    EXPECT_EQ(dlg->m_pPgPayload->Diagram().dLoadR[1], heavyR);
    EXPECT_GE(dlg->m_nVerdict[1], 3);
}

// A project with cases opened in the window shows its current case, is not
// modified, and saves back byte for byte; the other cases stay in the file.
TEST_F(LoadCasesWindow, AnOpenedProjectWithCasesSavesBackUnchanged) {
    const QString example = Example("gripper-load-cases.kestload");
    ASSERT_EQ(dlg->OpenPrj(example), 0);
    EXPECT_EQ(dlg->IsModified(), 0);
    ASSERT_EQ(Cases()->count(), 3);
    EXPECT_EQ(Cases()->currentIndex(), 1);
    EXPECT_EQ(PageText(0, IDC_MASS).toDouble(), 4.9);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.kestload"));
    ASSERT_EQ(dlg->SavePrj(copy), CDlgMain::SAVE_OK);
    EXPECT_EQ(ReadAll(copy), ReadAll(example));
}
