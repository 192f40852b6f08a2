// The window's project on disk and on the desktop: saving exactly, opening all
// or nothing, the save-changes question, the title, dropped files, a new
// window, the manual and the help windows.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>

#include "DesktopIntegration.h"
#include "DialogFixture.h"
#include "DlgCrdSys.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "ProjectFile.h"
#include "Strings.h"

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

using kesttest::ReadAll;

namespace {

// A fresh copy of a golden file at a fixed temporary path: a window that saves
// back to the file it opened can never change the source tree.
QString Golden(const char* name) {
    static QTemporaryDir copies;
    const QString copy = copies.filePath(QLatin1String(name));
    QFile::remove(copy);
    QFile::copy(QStringLiteral(KEST_SOURCE_DIR "tests/data/") + QLatin1String(name), copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& check);

class ProjectWindow : public MainDialog {
protected:
    QTabWidget* LoadTabs() const { return DlgItem<QTabWidget>(dlg->Client(), IDC_TAB_ADDLOAD); }
    // The project of the three-robot golden file, entered through the window.
    void EnterThreeRobotProject() {
        QWidget* c = dlg->Client();
        SetDlgItemText(c, IDC_COMPANY, QStringLiteral("A&B \"Robo\" <Kor>"));
        SetDlgItemText(c, IDC_PROJECT, QStringLiteral("용접 라인 3"));
        SetDlgItemText(c, IDC_APPLICATION, QStringLiteral("스폿 용접"));
        SetDlgItemText(c, IDC_LINE, QStringLiteral("라인 3"));
        SetDlgItemText(c, IDC_ROBOT_NUM, QStringLiteral("#12"));
        SetDlgItemText(c, IDC_ENGINEER, QStringLiteral("김 엔지니어"));
        DlgItem<QPlainTextEdit>(c, IDC_COMMENT)->setPlainText(QStringLiteral("first line\nsecond line"));
        AddRobot(QStringLiteral("TK20-1700"));
        AddRobot(QStringLiteral("TK12-1450"));
        AddRobot(QStringLiteral("TK6-1400"));
        // The golden file holds a negative tool mass, as a file may; a field
        // refuses one typed, so it stands in the project as if a file brought it.
        dlg->m_prmTool.Mass = -1.5;
        TypeLoad(0, {"-1.5", "-12.3456", "0", "85.5", "0.125", "0.125", "0.5"});
        TypeLoad(1, {"12", "350", "0", "200", "0.24", "0.4", "0.36"});
        TypeLoad(2, {"5", "100", "0", "300", "0", "0.5", "0"});
        TypeLoad(3, {"20", "300", "400", "0", "0", "0", "0.6"});
        CLoad valve, cable, bare;
        valve.Name = QStringLiteral("밸브 박스");
        valve.prm.Set(4.2, 0.120, -0.035, 0.060, 0.01, 0.02, 0.015);
        cable.Name = QStringLiteral("Cable & hose");
        cable.prm.Set(2, 0.3, 0, 0.08, 0, 0, 0);
        bare.prm.Mass = 0.5;
        dlg->m_dlgLoadCalc.m_arrLoad[1] = {valve, cable, bare};
        CToolCalcInputs& t = dlg->m_dlgToolCalc;
        t.MassHnd = 8, t.MassWk = 4.5, t.ComHndZ = 60, t.ComWkZ = 140;
        t.SizeHndX = 120, t.SizeHndY = 80, t.SizeHndZ = 100, t.SizeWkX = 100, t.SizeWkY = 100, t.SizeWkZ = 60;
        t.MiHndX = 0.015, t.MiHndY = 0.02, t.MiHndZ = 0.017, t.MiWkX = 0.0051, t.MiWkY = 0.0051,
        t.MiWkZ = 0.0075;
    }
    QTemporaryDir dir;
};

TEST_F(ProjectWindow, SavedFileMatchesTheHandWrittenOne) {
    EnterThreeRobotProject();
    const QString path = dir.filePath(QStringLiteral("three.kestload"));
    Messages().chosenFiles.push_back(path);
    dlg->CommandAction(ID_FILE_SAVE_PRJ)->trigger();  // never saved: asks for a name
    EXPECT_EQ(ReadAll(path), ReadAll(Golden("golden_three_robots.kestload")));
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_EQ(dlg->windowTitle(),
              QStringLiteral("three - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    EXPECT_TRUE(Messages().shown.empty());
}

// The language is no part of a project: the English window writes the same
// bytes, and an opened file saves back unchanged.
class EnglishProjectWindow : public ProjectWindow {
protected:
    void SetUp() override {
        SetCurrentLanguage(Lang::English);
        ProjectWindow::SetUp();
    }
    void TearDown() override {
        ProjectWindow::TearDown();
        SetCurrentLanguage(Lang::Korean);
    }
};

TEST_F(EnglishProjectWindow, ProjectFilesDoNotDependOnTheLanguage) {
    EnterThreeRobotProject();
    const QString path = dir.filePath(QStringLiteral("three.kestload"));
    ASSERT_EQ(dlg->SavePrj(path), 0);
    EXPECT_EQ(ReadAll(path), ReadAll(Golden("golden_three_robots.kestload")));
    const QString one = Golden("golden_one_robot.kestload");
    ASSERT_EQ(dlg->OpenPrj(one), 0);
    const QString again = dir.filePath(QStringLiteral("one.kestload"));
    ASSERT_EQ(dlg->SavePrj(again), 0);
    EXPECT_EQ(ReadAll(again), ReadAll(one));
}

TEST_F(ProjectWindow, OpeningShowsTheFileAndAnalysesIt) {
    QTest::keyClicks(DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY), QStringLiteral("Z"));
    ASSERT_EQ(dlg->IsModified(), 1);
    Messages().answers.push_back(IDNO);
    Messages().chosenFiles.push_back(Golden("golden_three_robots.kestload"));
    dlg->CommandAction(ID_FILE_OPEN_PRJ)->trigger();
    EXPECT_EQ(GetDlgItemText(dlg->Client(), IDC_COMPANY), QStringLiteral("A&B \"Robo\" <Kor>"));
    EXPECT_EQ(DlgItem<QPlainTextEdit>(dlg->Client(), IDC_COMMENT)->toPlainText(),
              QStringLiteral("first line\nsecond line"));
    EXPECT_EQ(PageText(0, IDC_LX), QStringLiteral("-12.3456"));
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 3);
    EXPECT_EQ(dlg->m_strSelMech, QStringLiteral("TK20-1700"));
    // Analysed: the file's tool mass is negative, so no verdict but the reason.
    EXPECT_EQ(dlg->m_nVerdict[2], 0);
    EXPECT_EQ(dlg->m_strVerdict[2],
              LoadKestString(IDS_LOAD_NEGATIVE).arg(QStringLiteral("Tool"), LoadKestString(IDS_MASS)));
    EXPECT_EQ(dlg->m_dlgLoadCalc.m_arrLoad[1].size(), 3);
    EXPECT_EQ(dlg->m_dlgToolCalc.MiWkZ, 0.0075);
    EXPECT_EQ(dlg->IsModified(), 0);  // a freshly opened file holds no unsaved work
    EXPECT_EQ(Messages().offeredNames, QStringList{QString()});  // the open dialog proposes no name
    EXPECT_EQ(
        dlg->windowTitle(),
        QStringLiteral(
            "golden_three_robots - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
}

TEST_F(ProjectWindow, AFileThatCannotBeOpenedChangesNothing) {
    EnterThreeRobotProject();
    const QString shown = dir.filePath(QStringLiteral("shown.kestload"));
    ASSERT_EQ(dlg->SavePrj(shown), 0);
    dlg->m_strPathName = shown;
    dlg->UpdateTitle();
    const QByteArray before = ReadAll(shown);
    const QString title = dlg->windowTitle();
    const struct {
        const char* name;
        QByteArray content;
    } bad[] = {
        {"notxml.kestload", "<KestLoadProject"},
        {"other.kestload", "<Other/>"},
        {"notool.kestload",
         "<KestLoadProject Company=\"X\" MechName0=\"TK6-1400\"><AddLoad-V/></KestLoadProject>"},
        {"nos.kestload",
         "<KestLoadProject Company=\"X\"><Tool Mass=\"1\"/><AddLoad-V/><AddLoad-H/></KestLoadProject>"},
        {"nan.kestload",
         "<KestLoadProject Company=\"X\" MechName0=\"TK6-1400\"><Tool Mass=\"1\" Ly=\"nan\"/>"
         "<AddLoad-V/><AddLoad-H/><AddLoad-S/></KestLoadProject>"},
        {"inflist.kestload",
         "<KestLoadProject Company=\"X\"><Tool/><AddLoad-V/><AddLoad-H/><AddLoad-S/>"
         "<Load-Calculator><AddLoad-H><Load Name=\"a\" Izz=\"-inf\"/></AddLoad-H></Load-Calculator>"
         "</KestLoadProject>"},
        {"hugetool.kestload",
         "<KestLoadProject><Tool/><AddLoad-V/><AddLoad-H/><AddLoad-S/>"
         "<Tool-Calculator MassHnd=\"1e400\"/></KestLoadProject>"},
        {"empty.kestload", ""},
    };
    for (const auto& b : bad) {
        const QString path = dir.filePath(QLatin1String(b.name));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b.content);
        f.close();
        Messages().Reset();
        dlg->OnDropFiles({path});
        ASSERT_EQ(Messages().shown.size(), 1u) << b.name;
        // The message names the file and then the reason.
        EXPECT_TRUE(Messages().shown[0].text.startsWith(
            QStringLiteral("프로젝트 파일을 여는데 실패했습니다.\r\n") + path + QStringLiteral("\r\n")))
            << b.name;
        EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_ICONSTOP));
        EXPECT_EQ(dlg->GetPathName(), shown);
        EXPECT_EQ(dlg->windowTitle(), title);
        EXPECT_EQ(dlg->m_strCompany, QStringLiteral("A&B \"Robo\" <Kor>"));
        EXPECT_EQ(dlg->m_pMngLegend->Count(), 3);
        ASSERT_EQ(dlg->SavePrj(shown), 0);
        EXPECT_EQ(ReadAll(shown), before) << b.name;  // the project is exactly as it was
    }
    EXPECT_EQ(dlg->OpenPrj(dir.filePath(QStringLiteral("missing.kestload"))), -2);
    // Non-finite numbers name the element and the attribute.
    Messages().Reset();
    dlg->OnDropFiles({dir.filePath(QStringLiteral("nan.kestload"))});
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.endsWith(
        QStringLiteral("Tool 요소의 Ly 값 \"nan\"은(는) 유한한 숫자가 아닙니다.")));
    Messages().Reset();
    dlg->OnDropFiles({dir.filePath(QStringLiteral("inflist.kestload"))});
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.contains(
        QStringLiteral("Load-Calculator AddLoad-H Load 1 요소의 Izz 값 \"-inf\"")));
}

// Files that are not regular files, or are too large, take the ordinary
// "cannot open" path at once: nothing hangs and the project stays.
TEST_F(ProjectWindow, OnlyRegularFilesAreOpened) {
    EnterThreeRobotProject();
    dlg->SetModifiedFlag(0);
    const QString fifo = dir.filePath(QStringLiteral("pipe.kestload"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString big = dir.filePath(QStringLiteral("big.kestload"));
    ASSERT_EQ(truncate(QFile::encodeName(big).constData(), 0), -1);  // not there yet
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxProjectFileBytes + 1));  // sparse: no disk used
    }
    const struct {
        QString path;
        const char* reason;
    } cases[] = {{fifo, "일반 파일이 아닙니다."},
                 {QStringLiteral("/dev/zero"), "일반 파일이 아닙니다."},
                 {dir.path(), "일반 파일이 아닙니다."},
                 {big, "파일이 너무 큽니다 (최대 64 MB)."}};
    for (const auto& c : cases) {
        Messages().Reset();
        dlg->OnDropFiles({c.path});
        ASSERT_EQ(Messages().shown.size(), 1u) << c.path.toStdString();
        EXPECT_EQ(Messages().shown[0].text, QStringLiteral("프로젝트 파일을 여는데 실패했습니다.\r\n") +
                                                c.path + QStringLiteral("\r\n") +
                                                QString::fromUtf8(c.reason));
        EXPECT_EQ(dlg->m_pMngLegend->Count(), 3);
        EXPECT_EQ(dlg->m_strCompany, QStringLiteral("A&B \"Robo\" <Kor>"));
    }
}

// An attribute that a file lacks comes from a new project, never from the
// project that was open before: the same file gives the same result.
TEST_F(ProjectWindow, APartialFileOpensTheSameOverAnyProject) {
    const QString partial = dir.filePath(QStringLiteral("partial.kestload"));
    {
        QFile f(partial);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            "<KestLoadProject MechName0=\"TK50-2100\"><Tool Mass=\"10\" Lz=\"50\"/>"
            "<AddLoad-V/><AddLoad-H/><AddLoad-S/></KestLoadProject>");
    }
    QByteArray saved[2];
    int verdict[2] = {};
    for (int round = 0; round < 2; ++round) {
        dlg->SetModifiedFlag(0);
        dlg->OnDropFiles({Golden(round == 0 ? "golden_one_robot.kestload" : "golden_three_robots.kestload")});
        dlg->SetModifiedFlag(0);
        dlg->OnDropFiles({partial});
        dlg->m_strPathName.clear();
        verdict[round] = dlg->m_nVerdict[0];
        const QString out = dir.filePath(QStringLiteral("out%1.kestload").arg(round));
        ASSERT_EQ(dlg->SavePrj(out), 0);
        saved[round] = ReadAll(out);
    }
    // The calculators' lists live with the window and may differ; everything
    // before them is the file's and a new project's.
    const QByteArray calculators = "\t<Load-Calculator>";
    ASSERT_GT(saved[0].indexOf(calculators), 0);
    EXPECT_EQ(saved[0].left(saved[0].indexOf(calculators)), saved[1].left(saved[1].indexOf(calculators)));
    EXPECT_EQ(verdict[0], verdict[1]);
    EXPECT_TRUE(saved[0].contains("\tCompany=\"\"\r\n"));
    EXPECT_TRUE(saved[0].contains("\t\tLx=\"0.0000\"\r\n"));
}

TEST_F(ProjectWindow, DroppingSeveralFilesOpensTheFirst) {
    dlg->OnDropFiles({Golden("golden_one_robot.kestload"), Golden("golden_three_robots.kestload"),
                      QStringLiteral("/nonexistent.kestload")});
    EXPECT_EQ(dlg->GetPathName(), Golden("golden_one_robot.kestload"));
    EXPECT_EQ(dlg->m_strCompany, QStringLiteral("Kest Robotics"));
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 1);
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(ProjectWindow, FailedSaveIsReportedAndTheProjectStaysModified) {
    dlg->SetModifiedFlag(1);
    const QString path = dir.filePath(QStringLiteral("no/such/folder/p.kestload"));
    dlg->m_strPathName = path;
    dlg->CommandAction(ID_FILE_SAVE_PRJ)->trigger();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.contains(path));
    EXPECT_TRUE(Messages().shown[0].text.contains(QStringLiteral("No such file or directory")));
    EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_ICONSTOP));
    EXPECT_EQ(dlg->IsModified(), 1);
}

// A Save As that fails leaves the project at its file: path, title, modified
// mark and Properties as before, and Ctrl+S still writes the old file. The
// save dialog proposes the project's own name.
TEST_F(ProjectWindow, AFailedSaveAsKeepsTheProjectWhereItWas) {
    const QString home = dir.filePath(QStringLiteral("home.kestload"));
    Messages().chosenFiles = {QString()};
    dlg->CommandAction(ID_FILE_SAVE_AS_PRJ)->trigger();
    EXPECT_EQ(Messages().offeredNames, QStringList{QStringLiteral("Noname")});
    Messages().Reset();
    Messages().chosenFiles = {home};
    dlg->CommandAction(ID_FILE_SAVE_AS_PRJ)->trigger();
    ASSERT_EQ(dlg->GetPathName(), home);
    QTest::keyClicks(DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY), QStringLiteral("Z"));
    const QString title = dlg->windowTitle();
    ASSERT_TRUE(title.startsWith(QStringLiteral("home* - ")));
    Messages().Reset();
    Messages().chosenFiles = {QStringLiteral("/proc/nope.kestload")};
    EXPECT_FALSE(dlg->OnFileSaveAsPrj());
    EXPECT_EQ(Messages().offeredNames, QStringList{home});
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.contains(QStringLiteral("/proc/nope.kestload")));
    EXPECT_EQ(dlg->GetPathName(), home);
    EXPECT_EQ(dlg->windowTitle(), title);
    EXPECT_EQ(dlg->IsModified(), 1);
    WithModal([&] { dlg->CommandAction(ID_FILE_PROPERTIES)->trigger(); },
              [&](QWidget* w) { EXPECT_EQ(GetDlgItemText(w, 13109), home); });
    Messages().Reset();
    dlg->CommandAction(ID_FILE_SAVE_PRJ)->trigger();
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_TRUE(ReadAll(home).contains("Company=\"Z\""));
    EXPECT_EQ(dlg->IsModified(), 0);
}

// Help > Examples opens the file dialog in the examples folder beside the
// program; an example opens as an unmodified project.
TEST_F(ProjectWindow, ExamplesAreOffered) {
    const QString example = AppFolder() + QStringLiteral("examples/palletising.kestload");
    ASSERT_TRUE(QFile::exists(example));
    Messages().chosenFiles = {example};
    dlg->CommandAction(ID_HELP_EXAMPLES)->trigger();
    EXPECT_EQ(Messages().offeredNames, QStringList{AppFolder() + QStringLiteral("examples/")});
    EXPECT_EQ(dlg->GetPathName(), example);
    EXPECT_GT(dlg->m_pMngLegend->Count(), 0);
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_TRUE(Messages().shown.empty());
    QTemporaryDir empty;
    SetAppFolderOverride(empty.path());
    dlg->CommandAction(ID_HELP_EXAMPLES)->trigger();
    SetAppFolderOverride(kesttest::BuildAppFolder());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.startsWith(QStringLiteral("예제 폴더가 없습니다.")));
}

TEST_F(ProjectWindow, NewStartsTheCalculatorsEmpty) {
    CLoad part;
    part.Name = QStringLiteral("bracket");
    dlg->m_dlgLoadCalc.m_arrLoad[0] = {part};
    dlg->m_dlgToolCalc.MassWk = 3.5;
    SetDlgItemText(dlg->Client(), IDC_COMPANY, QStringLiteral("X"));
    Messages().answers = {IDNO};
    dlg->OnFileNewPrj();
    EXPECT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(GetDlgItemText(dlg->Client(), IDC_COMPANY), QString());
    const QString path = dir.filePath(QStringLiteral("new.kestload"));
    ASSERT_EQ(dlg->SavePrj(path), 0);
    const QByteArray saved = ReadAll(path);
    EXPECT_FALSE(saved.contains("bracket"));
    EXPECT_TRUE(saved.contains("\t\tMassWk=\"0.0000\"\r\n"));
}

TEST_F(ProjectWindow, SaveChangesQuestionOnEveryCommand) {
    const QString savedPath = dir.filePath(QStringLiteral("answer.kestload"));
    auto modify = [&] {
        Messages().Reset();
        DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY)->clear();
        QTest::keyClicks(DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY), QStringLiteral("Z"));
        ASSERT_EQ(dlg->IsModified(), 1);
    };
    // New: Cancel keeps everything; No resets; Yes with the file dialog cancelled resets anyway.
    modify();
    Messages().answers = {IDCANCEL};
    dlg->OnFileNewPrj();
    EXPECT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("프로젝트가 수정되었습니다. 저장하시겠습니까?"));
    EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_YESNOCANCEL | KEST_MB_ICONQUESTION));
    EXPECT_EQ(dlg->IsModified(), 1);
    Messages().answers = {IDNO};
    dlg->OnFileNewPrj();
    EXPECT_EQ(dlg->IsModified(), 0);
    EXPECT_EQ(dlg->m_strCompany, QString());
    // Yes and the file dialog cancelled: nothing is saved and nothing is lost.
    modify();
    Messages().answers = {IDYES};  // no file chosen
    dlg->OnFileNewPrj();
    EXPECT_EQ(dlg->IsModified(), 1);
    EXPECT_EQ(dlg->m_strCompany, QStringLiteral("Z"));
    EXPECT_FALSE(QFile::exists(savedPath));
    // Yes with a file chosen saves first.
    modify();
    Messages().answers = {IDYES};
    Messages().chosenFiles = {savedPath};
    dlg->OnFileNewPrj();
    EXPECT_TRUE(ReadAll(savedPath).contains("Company=\"Z\""));

    // Open: Cancel shows no file dialog.
    modify();
    Messages().answers = {IDCANCEL};
    Messages().chosenFiles = {Golden("golden_one_robot.kestload")};
    dlg->OnFileOpenPrj();
    EXPECT_EQ(GetDlgItemText(dlg->Client(), IDC_COMPANY), QStringLiteral("Z"));
    EXPECT_EQ(Messages().chosenFiles.size(), 1u);
    dlg->m_strPathName.clear();    // never saved: Yes asks for a name
    Messages().answers = {IDYES};  // Save As cancelled: no file dialog for Open
    Messages().chosenFiles = {QString(), Golden("golden_one_robot.kestload")};
    dlg->OnFileOpenPrj();
    EXPECT_EQ(dlg->m_strCompany, QStringLiteral("Z"));
    EXPECT_EQ(Messages().chosenFiles.size(), 1u);
    Messages().answers = {IDNO};
    dlg->OnFileOpenPrj();
    EXPECT_EQ(dlg->m_strCompany, QStringLiteral("Kest Robotics"));

    // Drop: the question first as well.
    modify();
    Messages().answers = {IDCANCEL};
    dlg->OnDropFiles({Golden("golden_three_robots.kestload")});
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 1);
    dlg->m_strPathName.clear();  // never the golden file the window came from
    Messages().answers = {IDYES};
    Messages().chosenFiles = {QString()};
    dlg->OnDropFiles({Golden("golden_three_robots.kestload")});
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 1);
    Messages().answers = {IDNO};
    dlg->OnDropFiles({Golden("golden_three_robots.kestload")});
    EXPECT_EQ(dlg->m_pMngLegend->Count(), 3);
    dlg->m_strPathName.clear();

    // Exit and the close box: Cancel keeps the window; Yes saves and ends it.
    modify();
    Messages().answers = {IDCANCEL};
    dlg->CommandAction(ID_FILE_EXIT)->trigger();
    EXPECT_TRUE(dlg->isVisible());
    Messages().answers = {IDCANCEL};
    dlg->close();
    EXPECT_TRUE(dlg->isVisible());
    // Yes and a save that fails: the window stays with its work.
    dlg->m_strPathName = dir.filePath(QStringLiteral("no/such/folder/x.kestload"));
    Messages().answers = {IDYES};
    dlg->close();
    EXPECT_TRUE(dlg->isVisible());
    Messages().answers = {IDYES};
    Messages().chosenFiles = {QString()};
    dlg->m_strPathName.clear();
    dlg->CommandAction(ID_FILE_EXIT)->trigger();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->IsModified(), 1);
    dlg->m_strPathName = savedPath;
    Messages().answers = {IDYES};
    dlg->CommandAction(ID_FILE_EXIT)->trigger();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 1);
    EXPECT_TRUE(ReadAll(savedPath).contains("MechName2=\"TK6-1400\""));
}

TEST_F(ProjectWindow, CloseBoxWithNoDiscards) {
    QTest::keyClicks(DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY), QStringLiteral("Z"));
    Messages().answers = {IDNO};
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Messages().shown.size(), 1u);
}

TEST_F(ProjectWindow, TitleRules) {
    dlg->SetPathName(QStringLiteral("/work/cells/line 3.kestload"));
    dlg->UpdateTitle();
    EXPECT_EQ(
        dlg->windowTitle(),
        QStringLiteral("line 3 - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    dlg->SetModifiedFlag(1);
    EXPECT_EQ(
        dlg->windowTitle(),
        QStringLiteral("line 3* - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    dlg->SetModifiedFlag(0);
    dlg->SetPathName(QStringLiteral("/work/cells/"));
    dlg->UpdateTitle();
    EXPECT_EQ(dlg->windowTitle(),
              QStringLiteral("cells - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    dlg->SetPathName(QStringLiteral("/work/cells/draft."));
    dlg->UpdateTitle();
    EXPECT_EQ(dlg->windowTitle(),
              QStringLiteral(" - KestLoad 1.0.0.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
    dlg->m_nProdVer[0] = 1, dlg->m_nProdVer[1] = 2, dlg->m_nProdVer[2] = 30;
    dlg->SetPathName(QString());
    dlg->UpdateTitle();
    EXPECT_EQ(
        dlg->windowTitle(),
        QStringLiteral("Noname - KestLoad 1.2.30.1 - 기구 데이터: V40.24.15 이상, 버전 24 (2026-11-20)"));
}

TEST_F(ProjectWindow, DesktopKnowsTheFileTypeOnlyFromTheProgram) {
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    ASSERT_EQ(DesktopDataHome(), home.path());
    // A window shown by anything but the program itself registers nothing.
    {
        CDlgMain other;
        other.show();
        other.OnFileExit();
    }
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    // A program path with a line break could add a second Exec line: refused.
    EXPECT_EQ(RegisterOpenCommand(QStringLiteral("/opt/a\nExec=/bin/evil/kestload")), -20);
    EXPECT_EQ(RegisterOpenCommand(QStringLiteral("/opt/a\tb/kestload")), -20);
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/applications/kestload.desktop")));

    ASSERT_EQ(RegisterOpenCommand(QStringLiteral("/opt/kest\\load/kestload")), 0);
    ASSERT_EQ(RegisterDefaultIcon(), 0);
    // The desktop's cache is refreshed by a program left running on its own:
    // its last file is awaited, so that it writes nothing into this folder
    // once the folder is removed, while later tests run.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const QDir mime(home.filePath(QStringLiteral("mime")));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return mime.exists(QStringLiteral("version")) &&
                       mime.entryList({QStringLiteral("*.new")}, QDir::Files).isEmpty();
            },
            10000));
    }
    const QByteArray entry = ReadAll(home.path() + QStringLiteral("/applications/kestload.desktop"));
    EXPECT_TRUE(entry.contains("Exec=\"/opt/kest\\\\\\\\load/kestload\" %f\n"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-kestload;\n"));
    const QByteArray mime = ReadAll(home.path() + QStringLiteral("/mime/packages/kestload.xml"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.kestload\"/>"));
    EXPECT_TRUE(QFile::exists(home.path() +
                              QStringLiteral("/icons/hicolor/256x256/mimetypes/application-x-kestload.png")));
    qputenv("XDG_DATA_HOME", saved);
    // Paths with blanks, quotes, dollars, backslashes and percent signs stay one argument.
    EXPECT_EQ(DesktopExecLine(QStringLiteral("/opt/Kest Load/kestload")),
              QStringLiteral("\"/opt/Kest Load/kestload\" %f"));
    EXPECT_EQ(DesktopExecLine(QStringLiteral("/a\"b$c`d\\e%f")),
              QStringLiteral("\"/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e%%f\" %f"));
}

TEST_F(ProjectWindow, RelativeDataHomeIsIgnored) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(DesktopDataHome(), QDir::homePath() + QStringLiteral("/.local/share"));
    qputenv("XDG_DATA_HOME", saved);
}

TEST_F(ProjectWindow, NewWindowStartsTheProgramOffset) {
    QString program;
    QStringList args, env;
    SetProcessStarter([&](const QString& p, const QStringList& a, const QStringList& e) {
        program = p, args = a, env = e;
        return true;
    });
    dlg->move(200, 150);
    const QPoint expected = dlg->frameGeometry().topLeft() + QPoint(80, 80);
    dlg->CommandAction(ID_WINDOW_NEW)->trigger();
    SetProcessStarter(nullptr);
    EXPECT_EQ(program, QCoreApplication::applicationFilePath());
    EXPECT_TRUE(args.isEmpty());
    EXPECT_EQ(env,
              QStringList{QStringLiteral("KESTLOAD_WINDOW_POS=%1,%2").arg(expected.x()).arg(expected.y())});
}

TEST_F(ProjectWindow, ManualOpensOrReportsItsPath) {
    QString opened;
    SetUrlOpener([&](const QString& path) {
        opened = path;
        return true;
    });
    dlg->CommandAction(ID_HELP_MANUAL)->trigger();
    EXPECT_EQ(opened, AppFolder() + QStringLiteral("manual/Manual_KestLoad_ko.pdf"));
    EXPECT_TRUE(Messages().shown.empty());
    QTemporaryDir empty;
    SetAppFolderOverride(empty.path());
    dlg->CommandAction(ID_HELP_MANUAL)->trigger();
    SetAppFolderOverride(kesttest::BuildAppFolder());
    SetUrlOpener(nullptr);
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("아래 파일을 여는데 실패했습니다. :\r\n") +
                                            empty.path() + QStringLiteral("/manual/Manual_KestLoad_ko.pdf"));
}

// Runs `check` on the modal dialog that `open` shows, then closes it.
void WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& check) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        check(modal);
        seen = true;
        qobject_cast<QDialog*>(modal)->accept();
    });
    open();
    EXPECT_TRUE(seen);
}

TEST_F(ProjectWindow, PropertiesAndAboutBox) {
    dlg->SetPathName(QStringLiteral("/work/cells/line 3.kestload"));
    WithModal([&] { dlg->CommandAction(ID_FILE_PROPERTIES)->trigger(); },
              [](QWidget* w) {
                  EXPECT_EQ(w->windowTitle(), QStringLiteral("파일 속성"));
                  EXPECT_EQ(GetDlgItemText(w, 13109), QStringLiteral("/work/cells/line 3.kestload"));
                  EXPECT_TRUE(DlgItem<QLineEdit>(w, 13109)->isReadOnly());
              });
    dlg->m_nProdVer[0] = 1, dlg->m_nProdVer[1] = 2, dlg->m_nProdVer[2] = 30;
    WithModal([&] { dlg->CommandAction(ID_HELP_ABOUT)->trigger(); },
              [](QWidget* w) {
                  EXPECT_EQ(w->windowTitle(), QStringLiteral("KestLoad에 대하여"));
                  EXPECT_EQ(GetDlgItemText(w, 13022), QStringLiteral("KestLoad"));
                  EXPECT_EQ(GetDlgItemText(w, 13023), QStringLiteral("Application Version : 1.2.30.1"));
                  EXPECT_EQ(GetDlgItemText(w, 13024), QStringLiteral("Mech.Data Version : 24 (2026-11-20)"));
                  // The two long texts wrap inside their boxes, so all of them shows.
                  int wrapped = 0;
                  for (QLabel* l : w->findChildren<QLabel*>()) {
                      if (l->text().size() < 40) continue;
                      EXPECT_TRUE(l->wordWrap()) << l->text().toStdString();
                      EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
                      ++wrapped;
                  }
                  EXPECT_EQ(wrapped, 2);
              });
}

TEST_F(ProjectWindow, CoordinateSystemWindowsAreIndependent) {
    auto windows = [] {
        QList<CDlgCrdSys*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* c = qobject_cast<CDlgCrdSys*>(w); c && c->isVisible()) found << c;
        }
        return found;
    };
    dlg->CommandAction(ID_HELP_CRDSYS)->trigger();
    dlg->CommandAction(ID_HELP_CRDSYS)->trigger();
    auto open = windows();
    ASSERT_EQ(open.size(), 2);
    EXPECT_EQ(open[0]->size(), QImage(AppFolder() + QStringLiteral("Image/crdsys.png")).size());
    QPointer<CDlgCrdSys> first = open[0];
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());  // it deleted itself
    EXPECT_EQ(windows().size(), 1);
    windows()[0]->close();
}

// A window that was never shown opens a file and saves it unchanged.
TEST(ProjectFileThroughTheWindow, OpenAndSaveBeforeShowing) {
    QTemporaryDir dir;
    for (const char* name : {"golden_one_robot.kestload", "golden_three_robots.kestload"}) {
        CDlgMain dlg;
        ASSERT_EQ(dlg.OpenPrj(Golden(name)), 0);
        const QString path = dir.filePath(QLatin1String(name));
        ASSERT_EQ(dlg.SavePrj(path), 0);
        EXPECT_EQ(ReadAll(path), ReadAll(Golden(name))) << name;
    }
}

// A field that does not hold a number stops the save: it is named, its page
// comes to the front, nothing is written and the project stays modified.
TEST_F(ProjectWindow, ABadNumberStopsTheSave) {
    EnterThreeRobotProject();
    const QString path = dir.filePath(QStringLiteral("bad.kestload"));
    ASSERT_EQ(dlg->SavePrj(path), 0);
    const QByteArray before = ReadAll(path);
    dlg->m_strPathName = path;
    LoadTabs()->setCurrentIndex(3);
    SetDlgItemText(dlg->m_pPgAddLoad[0], IDC_LY, QStringLiteral("1.2.3"));
    dlg->SetModifiedFlag(1);
    Messages().Reset();
    dlg->CommandAction(ID_FILE_SAVE_PRJ)->trigger();
    EXPECT_EQ(Messages().Texts(), QStringList{QStringLiteral("Tool Ly: 숫자를 입력하십시오.")});
    EXPECT_EQ(LoadTabs()->currentIndex(), 0);
    EXPECT_EQ(DlgItem<QLineEdit>(dlg->m_pPgAddLoad[0], IDC_LY)->selectedText(), QStringLiteral("1.2.3"));
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(dlg->IsModified(), 1);
    // Save As asks for no file name while a field is bad.
    Messages().Reset();
    Messages().chosenFiles = {dir.filePath(QStringLiteral("other.kestload"))};
    dlg->CommandAction(ID_FILE_SAVE_AS_PRJ)->trigger();
    EXPECT_EQ(Messages().chosenFiles.size(), 1u);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("other.kestload"))));
    // So does Yes to the save question: the window stays.
    Messages().Reset();
    Messages().answers = {IDYES};
    dlg->close();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Messages().Texts().value(1), QStringLiteral("Tool Ly: 숫자를 입력하십시오."));
}

// An opened project saves back to the same bytes: CR LF in the description,
// texts longer than an edit's usual limit, characters an edit shows otherwise.
TEST_F(ProjectWindow, AnUneditedProjectSavesBackUnchanged) {
    QByteArray text = ReadAll(Golden("golden_one_robot.kestload"));
    const QByteArray longText(100000, 'k');
    text.replace("\tComment=\"\"",
                 "\tComment=\"line 1&#13;&#10;line 2&#10;line 3&#13;\xC2\xA0"
                 "end\"");
    text.replace("\tCompany=\"Kest Robotics\"", "\tCompany=\"" + longText + "\"");
    ASSERT_TRUE(text.contains(longText));
    const QString in = dir.filePath(QStringLiteral("in.kestload"));
    {
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    dlg->OnDropFiles({in});
    ASSERT_TRUE(Messages().shown.empty());
    EXPECT_EQ(GetDlgItemText(dlg->Client(), IDC_COMPANY).size(), 100000);
    const QString out = dir.filePath(QStringLiteral("out.kestload"));
    ASSERT_EQ(dlg->SavePrj(out), 0);
    EXPECT_EQ(ReadAll(out), text);
    // An edited description is taken as typed.
    DlgItem<QPlainTextEdit>(dlg->Client(), IDC_COMMENT)->setPlainText(QStringLiteral("new\ntext"));
    ASSERT_EQ(dlg->SavePrj(out), 0);
    EXPECT_TRUE(ReadAll(out).contains("\tComment=\"new&#10;text\"\r\n"));
}

// The application folder may hold a backslash in its name: only '/' separates.
TEST(ApplicationFolder, ABackslashInTheFolderNameStillFindsTheEngine) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("a\\b"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* f : {"libTarn_Kest.so", "KestMechData.bin", "KestMechData_old.bin"}) {
        ASSERT_TRUE(QFile::copy(kesttest::BuildAppFolder() + QLatin1String(f),
                                folder + QLatin1Char('/') + QLatin1String(f)));
    }
    Messages().Reset();
    SetAppFolderOverride(folder);
    {
        CDlgMain dlg;
        dlg.show();
        EXPECT_NE(dlg.m_pEngine, nullptr) << Messages().Texts().join(QLatin1Char('|')).toStdString();
        dlg.OnFileExit();
    }
    SetAppFolderOverride(kesttest::BuildAppFolder());
    EXPECT_TRUE(Messages().shown.empty());
}

}  // namespace
