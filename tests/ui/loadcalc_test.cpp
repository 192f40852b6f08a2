// The load calculator: the summation against hand-computed values, the table's
// keys and row buttons, the predefined loads and their filters (also from
// damaged files), and "Input" through the main window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "DialogFixture.h"
#include "DlgBuilder.h"
#include "DlgCrdSys.h"
#include "DlgInerCalc.h"
#include "DlgLoadCalcWnd.h"
#include "DlgToolCalcWnd.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "StrParse.h"
#include "Strings.h"
#include "TabCtrl2.h"
#include "Templates.h"
#include "UiTestEnv.h"

using namespace kest;
using kesttest::Messages;

namespace {

CLoad MakeLoad(const char* name, double mass, double xMm, double yMm, double zMm, double ixx = 0.0,
               double iyy = 0.0, double izz = 0.0) {
    CLoad l;
    l.Name = QString::fromUtf8(name);
    l.prm.Set(mass, xMm / 1000.0, yMm / 1000.0, zMm / 1000.0, ixx, iyy, izz);
    return l;
}

void ExpectSum(const CLoadArray& list, const double (&want)[7], const char* what) {
    double got[7];
    SumLoads(list, got);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(std::isfinite(got[i])) << what << " value " << i;
        EXPECT_NEAR(got[i], want[i], 1e-12) << what << " value " << i;
    }
}

TEST(LoadSum, AgainstHandComputedValues) {
    // Two 2 kg loads at z = 0 and 100 mm: centre of gravity z = 50 mm,
    // Ixx = Iyy = 2·0.05² + 2·0.05² = 0.01.
    ExpectSum({MakeLoad("a", 2, 0, 0, 0), MakeLoad("b", 2, 0, 0, 100)}, {4, 0, 0, 50, 0.01, 0.01, 0},
              "two loads");
    // 0.000005 kg at x = 1000 mm beside 1 kg at the origin: the light load
    // leaves the centre of gravity alone but adds 0.000005·1² to Iyy and Izz.
    ExpectSum({MakeLoad("light", 0.000005, 1000, 0, 0), MakeLoad("heavy", 1, 0, 0, 0)},
              {1.000005, 0, 0, 0, 0, 0.000005, 0.000005}, "light load");
    // +1 kg and -1 kg: no centre of gravity to divide by, so the origin;
    // Iyy = Izz = 1·0.1² - 1·0.3² = -0.08.
    ExpectSum({MakeLoad("plus", 1, 100, 0, 0), MakeLoad("minus", -1, 300, 0, 0)},
              {0, 0, 0, 0, 0, -0.08, -0.08}, "+1 and -1 kg");
    // Offsets in all three directions: 3 kg at (100, 0, 0) and 1 kg at
    // (0, 200, 400) mm give (75, 50, 100) mm; Ixx = 3·(0.05² + 0.1²) +
    // 1·(0.15² + 0.3²) = 0.15, Iyy = 3·(0.1² + 0.025²) + 1·(0.3² + 0.075²) =
    // 0.1275, Izz = 3·(0.025² + 0.05²) + 1·(0.075² + 0.15²) = 0.0375.
    ExpectSum({MakeLoad("a", 3, 100, 0, 0), MakeLoad("b", 1, 0, 200, 400)},
              {4, 75, 50, 100, 0.15, 0.1275, 0.0375}, "three directions");
}

TEST(LoadStrParse, DecimalNumbersOnlyFromTheReadPosition) {
    // What the runtime's conversion would also take is no number here.
    double v = 7.0;
    EXPECT_EQ(CStrParse::LeadingNumber(QStringLiteral("0x1p3"), v), 0);
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(CStrParse::LeadingNumber(QStringLiteral("infinity"), v), -1);
    EXPECT_EQ(CStrParse::LeadingNumber(QStringLiteral("-1e400"), v), -2);
    CStrParse p(QStringLiteral(" -1.5e3x 4"));
    ASSERT_EQ(p.ReadDouble(v), 0);
    EXPECT_EQ(v, -1500.0);
    EXPECT_EQ(p.ReadDouble(v), -1);
    EXPECT_EQ(p.GetPos(), 7);  // stays on the "x"
}

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The calculator's window over lists of its own, shown offscreen.
class LoadCalcWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Messages().Reset();
        owner.resize(900, 600);
        owner.show();
    }
    void TearDown() override {
        wnd.reset();
        SetAppFolderOverride(kesttest::BuildAppFolder());
    }
    void Open() {
        wnd = std::make_unique<CDlgLoadCalcWnd>(&calc, &owner);
        wnd->show();
        QApplication::setActiveWindow(wnd.get());
        Settle();
        grid().setFocus();
    }
    CGrid& grid() { return wnd->m_gridLoad; }
    void SetCur(int col, int row) { ASSERT_EQ(grid().SetCurCell(col, row), 0); }
    QPoint Cur() {
        int col = 0, row = 0;
        grid().GetCurCell(col, row);
        return QPoint(col, row);
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = grid().GetEditWnd() ? static_cast<QWidget*>(grid().GetEditWnd()) : &grid();
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    }
    void Click(int id) { DlgItem<QPushButton>(wnd.get(), id)->click(); }
    QStringList Names() const {
        QStringList n;
        for (int i = 0; i < wnd->m_pName->count(); ++i) n << wnd->m_pName->itemText(i);
        return n;
    }
    QStringList ListNames(int kind) const {
        QStringList n;
        for (const CLoad& l : calc.m_arrLoad[kind]) n << l.Name;
        return n;
    }
    // Writes PredefLoad.xml into a temporary application folder.
    void UsePredef(const QByteArray& content) {
        QFile f(app.filePath(QStringLiteral("PredefLoad.xml")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        SetAppFolderOverride(app.path());
    }

    QWidget owner;
    CDlgLoadCalc calc;
    std::unique_ptr<CDlgLoadCalcWnd> wnd;
    QTemporaryDir app;
};

TEST_F(LoadCalcWindow, TypingIntoTheTable) {
    calc.m_arrLoad[0] = {MakeLoad("gun", 45, 123.4567, 0, 195, 0.9, 1.35, 0.57)};
    Open();
    CPrmLoadSub& p = calc.m_arrLoad[0][0].prm;

    // A number followed by letters stores the number, and the sum follows at once.
    SetCur(2, 1);
    QTest::keyClicks(&grid(), QStringLiteral("12abc"));
    ASSERT_NE(grid().GetEditWnd(), nullptr);
    Key(Qt::Key_Return);
    EXPECT_EQ(p.Mass, 12.0);
    EXPECT_EQ(grid().GetCellText(2, 1), QStringLiteral("12.000"));
    EXPECT_EQ(wnd->m_gridSum.GetCellText(1, 0), QStringLiteral("12.000"));

    // Letters only, "nan", "inf" and 1e400 change nothing and ask nothing.
    for (const char* bad : {"abc", "nan", "inf", "1e400", "-"}) {
        QTest::keyClicks(&grid(), QString::fromLatin1(bad));
        Key(Qt::Key_Return);
        EXPECT_EQ(p.Mass, 12.0) << bad;
    }
    EXPECT_TRUE(Messages().shown.empty());

    // Delete: 0 in a value column, an empty name in the name column; positions
    // are typed in millimetres and held in metres.
    SetCur(5, 1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(p.Lz, 0.0);
    EXPECT_EQ(grid().GetEditWnd(), nullptr);
    SetCur(1, 1);
    Key(Qt::Key_Delete);
    EXPECT_EQ(calc.m_arrLoad[0][0].Name, QString());
    QTest::keyClicks(&grid(), QStringLiteral("Gun 2"));
    Key(Qt::Key_Return);
    EXPECT_EQ(calc.m_arrLoad[0][0].Name, QStringLiteral("Gun 2"));

    // Right at the end of the typed text leaves the edit for the next cell and
    // keeps what was typed; Left inside the text only moves the caret.
    SetCur(4, 1);
    QTest::keyClicks(&grid(), QStringLiteral("25"));
    Key(Qt::Key_Left);
    ASSERT_NE(grid().GetEditWnd(), nullptr);
    Key(Qt::Key_Right);
    ASSERT_NE(grid().GetEditWnd(), nullptr);
    Key(Qt::Key_Right);
    EXPECT_EQ(grid().GetEditWnd(), nullptr);
    EXPECT_DOUBLE_EQ(p.Ly, 0.025);
    EXPECT_EQ(Cur(), QPoint(5, 1));
    // Typed text counts also when the edit ends with Escape.
    QTest::keyClicks(&grid(), QStringLiteral("7"));
    Key(Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(p.Lz, 0.007);
    EXPECT_TRUE(wnd->isVisible());

    // Insert adds a row after the current one.
    Key(Qt::Key_Insert);
    EXPECT_EQ(calc.m_arrLoad[0].size(), 2);
    EXPECT_EQ(Cur(), QPoint(1, 2));
}

TEST_F(LoadCalcWindow, EditsLeftWithoutTypingChangeNothing) {
    // 123.4567 mm shows as 123.457: taking the shown text back would change it.
    calc.m_arrLoad[0] = {MakeLoad("gun", 45, 123.4567, 0, 0)};
    const CLoad before = calc.m_arrLoad[0][0];
    auto unchanged = [&](const char* how) {
        EXPECT_EQ(calc.m_arrLoad[0].size(), 1) << how;
        EXPECT_EQ(calc.m_arrLoad[0][0].prm, before.prm) << how;
        EXPECT_EQ(calc.m_arrLoad[0][0].Name, before.Name) << how;
    };
    Open();
    for (int key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}) {
        // An edit opened by a double click and closed again.
        for (int col : {1, 3}) {
            QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {},
                               grid().GetCellScreenRect(col, 1).center());
            QLineEdit* edit = grid().GetEditWnd();
            ASSERT_NE(edit, nullptr);
            QTest::keyClick(edit, static_cast<Qt::Key>(key));
            Settle();
            EXPECT_EQ(grid().GetEditWnd(), nullptr);
            unchanged("double click");
        }
        // The same key with no edit open: Enter opens the cell with its text
        // and is never "Input"; Escape is "Cancel", Tab the next control.
        if (!wnd->isVisible()) Open();
        grid().setFocus();
        SetCur(3, 1);
        Key(key);
        Settle();
        unchanged("no edit");
        if (key == Qt::Key_Return) {
            ASSERT_NE(grid().GetEditWnd(), nullptr);
            EXPECT_EQ(grid().GetEditWnd()->text(), QStringLiteral("123.457"));
            Key(Qt::Key_Return);
            unchanged("Enter twice");
            EXPECT_EQ(grid().GetEditWnd(), nullptr);
            EXPECT_TRUE(wnd->isVisible());
        } else if (key == Qt::Key_Escape) {
            EXPECT_EQ(grid().GetEditWnd(), nullptr);
            EXPECT_EQ(wnd->result(), QDialog::Rejected);
            EXPECT_FALSE(wnd->isVisible());
        } else {
            EXPECT_EQ(grid().GetEditWnd(), nullptr);
            EXPECT_TRUE(wnd->isVisible());
            EXPECT_NE(QApplication::focusWidget(), &grid());
        }
        if (!wnd->isVisible()) Open();
    }
}

TEST_F(LoadCalcWindow, RowButtonsAtTheEndsOfTheList) {
    Open();
    // Opening changes no list: an empty list shows one blank row, which
    // Delete and "Remove row" leave alone and "Add row" turns into a load.
    for (const CLoadArray& list : calc.m_arrLoad) EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(grid().GetRowCount(), 2);
    EXPECT_EQ(grid().GetCellText(2, 1), QString());
    SetCur(2, 1);
    Key(Qt::Key_Delete);
    Click(IDC_LC_DEL_ROW);
    EXPECT_EQ(calc.m_arrLoad[0].size(), 0);
    Click(IDC_LC_ADD_ROW);
    ASSERT_EQ(calc.m_arrLoad[0].size(), 1);
    EXPECT_EQ(grid().GetCellText(2, 1), QStringLiteral("0.000"));
    // The last load can go again, back to an empty list.
    Click(IDC_LC_DEL_ROW);
    EXPECT_EQ(calc.m_arrLoad[0].size(), 0);
    EXPECT_EQ(grid().GetCellText(2, 1), QString());

    calc.m_arrLoad[0] = {MakeLoad("a", 1, 0, 0, 0), MakeLoad("b", 2, 0, 0, 0), MakeLoad("c", 3, 0, 0, 0)};
    wnd->ShowLoads();
    SetCur(3, 1);
    Click(IDC_LC_ROW_UP);  // first row up: nothing
    EXPECT_EQ(ListNames(0), (QStringList{"a", "b", "c"}));
    SetCur(3, 3);
    Click(IDC_LC_ROW_DN);  // last row down: nothing
    EXPECT_EQ(ListNames(0), (QStringList{"a", "b", "c"}));
    Click(IDC_LC_ROW_UP);
    EXPECT_EQ(ListNames(0), (QStringList{"a", "c", "b"}));
    EXPECT_EQ(Cur(), QPoint(1, 2));
    Click(IDC_LC_ROW_DN);
    EXPECT_EQ(ListNames(0), (QStringList{"a", "b", "c"}));
    Click(IDC_LC_ADD_ROW);  // after the current row 3
    EXPECT_EQ(ListNames(0), (QStringList{"a", "b", "c", ""}));
    EXPECT_EQ(Cur(), QPoint(1, 4));
    EXPECT_EQ(grid().GetRowCount(), 5);
    EXPECT_EQ(grid().GetCellText(0, 4), QStringLiteral("4"));
    Click(IDC_LC_DEL_ROW);  // the current row; the row above becomes current
    EXPECT_EQ(ListNames(0), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Cur(), QPoint(1, 3));
    SetCur(4, 1);
    Click(IDC_LC_DEL_ROW);  // the first row; the current cell stays
    EXPECT_EQ(ListNames(0), (QStringList{"b", "c"}));
    EXPECT_EQ(Cur(), QPoint(4, 1));
    EXPECT_EQ(wnd->m_gridSum.GetCellText(1, 0), QStringLiteral("5.000"));

    // Each tab has its own list; the table follows the tab.
    wnd->m_pTab->setCurrentIndex(3);
    EXPECT_EQ(wnd->m_strMount, QStringLiteral("S"));
    EXPECT_EQ(grid().GetRowCount(), 2);
    EXPECT_EQ(wnd->m_gridSum.GetCellText(1, 0), QStringLiteral("0.000"));
    // Typing into the blank row of an empty list makes its first load.
    EXPECT_EQ(wnd->SetCellValue(2, 1, QStringLiteral("x")), -1);
    EXPECT_EQ(calc.m_arrLoad[3].size(), 0);
    EXPECT_EQ(wnd->SetCellValue(2, 1, QStringLiteral("1.5")), 0);
    ASSERT_EQ(calc.m_arrLoad[3].size(), 1);
    EXPECT_EQ(calc.m_arrLoad[3][0].prm.Mass, 1.5);
    EXPECT_EQ(calc.m_arrLoad[0].size(), 2);
}

TEST_F(LoadCalcWindow, TheTableHoldsFortyNineLoads) {
    for (int i = 0; i < 48; ++i) calc.m_arrLoad[1].append(MakeLoad("part", 1, 0, 0, 10.0 * i));
    Open();
    wnd->m_pTab->setCurrentIndex(1);
    SetCur(1, 48);
    Click(IDC_LC_ADD_ROW);
    ASSERT_EQ(calc.m_arrLoad[1].size(), 49);
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(Cur(), QPoint(1, 49));
    EXPECT_GT(grid().GetFirstVisibleRow(), 1);  // scrolled down to the new row
    EXPECT_LE(49, grid().GetLastVisibleRow());
    Click(IDC_LC_ADD_ROW);
    Key(Qt::Key_Insert);
    EXPECT_EQ(calc.m_arrLoad[1].size(), 49);
    ASSERT_EQ(Messages().shown.size(), 2u);
    EXPECT_EQ(Messages().shown.back().text, LoadKestString(IDS_LC_TABLE_FULL).arg(49));
    EXPECT_TRUE(Messages().shown.back().text.contains(QStringLiteral("49개")));  // the window's language
    EXPECT_EQ(calc.m_arrLoad[1][47].prm.Lz, 0.47);                               // nothing lost

    // A project file may bring a longer list: it is shown and summed whole.
    wnd.reset();
    calc.m_arrLoad[2].clear();
    for (int i = 0; i < 60; ++i) calc.m_arrLoad[2].append(MakeLoad("file", 0.5, 0, 0, 0));
    Open();
    wnd->m_pTab->setCurrentIndex(2);
    EXPECT_EQ(grid().GetRowCount(), 61);
    EXPECT_EQ(grid().GetCellText(0, 60), QStringLiteral("60"));
    EXPECT_EQ(wnd->m_gridSum.GetCellText(1, 0), QStringLiteral("30.000"));
}

// A predefined-load file with the given loads.
QByteArray PredefXml(const QByteArray& loads) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<PredefLoad>\n"
           "<FileHeader Version=\"7\" LastModifiedDate=\"2026-01-02\"/>\n" +
           loads + "</PredefLoad>\n";
}
QByteArray PredefLoadXml(const char* name, const char* mount, const char* appl, const char* mass = "1") {
    return QByteArray("<Load Name=\"") + name + "\"><Description>d " + name +
           "</Description><Img></Img><Mount>" + mount + "</Mount><Appl>" + appl + "</Appl><Mass>" + mass +
           "</Mass><L_X>0.1</L_X><L_Y>-20</L_Y><L_Z>30</L_Z><I_X>0.1</I_X><I_Y>0</I_Y><I_Z>0</I_Z></Load>\n";
}

TEST_F(LoadCalcWindow, PredefinedLoadsFollowTheTabAndTheApplications) {
    UsePredef(PredefXml(PredefLoadXml("upper-lower", "V, H", "") + PredefLoadXml("anywhere", "", "") +
                        PredefLoadXml("arc-only", "Tool V H S", "Arc") +
                        PredefLoadXml("Bracket", "tool", "spot") +
                        PredefLoadXml("swivel", "S", "Handling, Spot")));
    Open();
    EXPECT_FALSE(DlgItem<QLabel>(wnd.get(), IDC_LC_PREDEF_ERROR)->isVisible());
    // Sorted by name, letter case aside; the first one selected and shown.
    EXPECT_EQ(Names(), (QStringList{"anywhere", "arc-only", "Bracket"}));
    EXPECT_EQ(wnd->m_pName->currentIndex(), 0);
    EXPECT_EQ(wnd->m_strDescription, QStringLiteral("d anywhere"));
    // Single precision, widened: 0.1 mm arrives as the float nearest to it.
    EXPECT_EQ(wnd->m_gridPredef.GetCellText(1, 1), QStringLiteral("0.100"));
    EXPECT_EQ(wnd->m_gridPredef.GetCellText(4, 1), QStringLiteral("0.1000"));

    const QStringList perTab[4] = {{"anywhere", "arc-only", "Bracket"},
                                   {"anywhere", "arc-only", "upper-lower"},
                                   {"anywhere", "arc-only", "upper-lower"},
                                   {"anywhere", "arc-only", "swivel"}};
    for (int tab = 0; tab < 4; ++tab) {
        wnd->m_pTab->setCurrentIndex(tab);
        EXPECT_EQ(Names(), perTab[tab]) << "tab " << tab;
    }
    // "arc weld" off: the arc-only load goes; a load for every application stays.
    DlgItem<QCheckBox>(wnd.get(), IDC_LC_ARC)->click();
    EXPECT_EQ(wnd->m_strAppl, QStringLiteral("Spot,Handling"));
    EXPECT_EQ(Names(), (QStringList{"anywhere", "swivel"}));
    DlgItem<QCheckBox>(wnd.get(), IDC_LC_SPOT)->click();
    DlgItem<QCheckBox>(wnd.get(), IDC_LC_HANDLING)->click();
    EXPECT_EQ(wnd->m_strAppl, QString());
    EXPECT_EQ(Names(), (QStringList{"anywhere"}));
    DlgItem<QCheckBox>(wnd.get(), IDC_LC_ARC)->click();
    EXPECT_EQ(Names(), (QStringList{"anywhere", "arc-only"}));

    // "Set to selected row" takes name and values, not the file's other texts.
    wnd->m_pName->setCurrentIndex(1);
    wnd->OnSelchangePredef();
    wnd->OnBnClickedSetRow();
    const CLoad& set = calc.m_arrLoad[3][0];
    EXPECT_EQ(set.Name, QStringLiteral("arc-only"));
    EXPECT_EQ(set.prm.Ly, static_cast<double>(-20.0f) / 1000.0);
    EXPECT_EQ(set.prm.Ixx, static_cast<double>(0.1f));
    EXPECT_TRUE(set.Description.isEmpty() && set.Mount.isEmpty() && set.Appl.isEmpty());
    EXPECT_EQ(wnd->m_gridSum.GetCellText(3, 0), QStringLiteral("-20.000"));
    EXPECT_EQ(wnd->m_gridSum.GetCellText(4, 0), QStringLiteral("30.000"));
}

TEST_F(LoadCalcWindow, ADamagedPredefinedLoadFileSaysWhy) {
    const QString path = app.filePath(QStringLiteral("PredefLoad.xml"));
    enum Kind { Text, Missing, Folder, Fifo, TooLarge };
    const struct {
        Kind kind;
        QByteArray content;
        const char* reason;  // part of the line the window shows
    } cases[] = {
        {Text, PredefXml(PredefLoadXml("a", "", "")).left(120), "XML"},
        {Missing, {}, ""},
        {Folder, {}, "일반 파일이 아닙니다"},
        {Fifo, {}, "일반 파일이 아닙니다"},
        {TooLarge, PredefXml(PredefLoadXml("a", "", "")), "16 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        QFile::remove(path);
        QDir(path).removeRecursively();
        SetAppFolderOverride(app.path());
        if (c.kind == Text || c.kind == TooLarge) UsePredef(c.content);
        if (c.kind == TooLarge) QFile(path).resize(17LL * 1024 * 1024);
        if (c.kind == Folder) QDir().mkpath(path);
        if (c.kind == Fifo) mkfifo(QFile::encodeName(path).constData(), 0600);
        calc.m_arrLoad[0] = {MakeLoad("kept", 2, 0, 0, 100)};
        Open();
        EXPECT_EQ(wnd->m_pName->count(), 0);
        auto* line = DlgItem<QLabel>(wnd.get(), IDC_LC_PREDEF_ERROR);
        EXPECT_TRUE(line->isVisible());
        EXPECT_TRUE(
            line->text().startsWith(LoadKestString(IDS_LC_PREDEF_NOT_READ).section(QLatin1Char('%'), 0, 0)));
        EXPECT_TRUE(line->text().contains(QString::fromUtf8(c.reason))) << line->text().toStdString();
        EXPECT_TRUE(Messages().shown.empty());
        // Nothing to set from, and the table and its sum work as before.
        wnd->OnBnClickedSetRow();
        EXPECT_EQ(calc.m_arrLoad[0][0].Name, QStringLiteral("kept"));
        EXPECT_EQ(wnd->m_gridSum.GetCellText(4, 0), QStringLiteral("100.000"));
    }
    // Repaired, the next reading shows the loads and no line.
    QFile::remove(path);
    UsePredef(PredefXml(PredefLoadXml("a", "", "")));
    wnd->m_pTab->setCurrentIndex(1);
    EXPECT_EQ(wnd->m_pName->count(), 1);
    EXPECT_FALSE(DlgItem<QLabel>(wnd.get(), IDC_LC_PREDEF_ERROR)->isVisible());
}

TEST_F(LoadCalcWindow, ABadNumberLeavesOutOnlyItsLoad) {
    // Lines 4 to 8: a sound load, three with a bad number, a sound load.
    UsePredef(PredefXml(PredefLoadXml("first", "", "") + PredefLoadXml("b%1", "", "", "12kg") +
                        PredefLoadXml("c", "", "", "nan") +
                        PredefLoadXml("d", "", "", "1e39") +  // beyond single precision
                        PredefLoadXml("last", "", "")));
    Open();
    Settle();
    EXPECT_EQ(Names(), (QStringList{"first", "last"}));
    EXPECT_FALSE(DlgItem<QLabel>(wnd.get(), IDC_LC_PREDEF_ERROR)->isVisible());
    ASSERT_EQ(Messages().shown.size(), 1u);
    const QString file = QStringLiteral("PredefLoad.xml");
    const QString left = LoadKestString(IDS_LC_PREDEF_LEFT_OUT);
    EXPECT_EQ(Messages().shown[0].text.split(QLatin1Char('\n')),
              (QStringList{left.arg(file, QStringLiteral("5"), QStringLiteral("b%1"), QStringLiteral("Mass"),
                                    QStringLiteral("12kg")),
                           left.arg(file, QStringLiteral("6"), QStringLiteral("c"), QStringLiteral("Mass"),
                                    QStringLiteral("nan")),
                           left.arg(file, QStringLiteral("7"), QStringLiteral("d"), QStringLiteral("Mass"),
                                    QStringLiteral("1e39"))}));
    // Other tabs and filters read the file again without asking again.
    wnd->m_pTab->setCurrentIndex(2);
    Settle();
    EXPECT_EQ(Names(), (QStringList{"first", "last"}));
    EXPECT_EQ(Messages().shown.size(), 1u);
    // Out of the window, the reader says the same.
    CPredefLoads read;
    ASSERT_EQ(ReadPredefFile(app.filePath(file), read), 0);
    EXPECT_EQ(read.loads.size(), 2u);
    EXPECT_EQ(read.skipped.size(), 3);
}

TEST_F(LoadCalcWindow, BundledLoadsPicturesAndColours) {
    Open();  // the build's application folder
    EXPECT_FALSE(DlgItem<QLabel>(wnd.get(), IDC_LC_PREDEF_ERROR)->isVisible());
    EXPECT_GE(wnd->m_pName->count(), 20);  // the tool tab's share of the bundled loads
    const QImage shot = wnd->grab().toImage();
    auto inside = [&](int id) {
        QRect rc = GetDlgItem(wnd.get(), id)->geometry().adjusted(4, 4, -4, -4);
        int colours = 0;
        QColor first = shot.pixelColor(rc.topLeft());
        for (int y = rc.top(); y <= rc.bottom(); y += 3)
            for (int x = rc.left(); x <= rc.right(); x += 3) colours += shot.pixelColor(x, y) != first;
        return colours;
    };
    EXPECT_GT(inside(IDC_LC_IMG), 50);    // the selected load's picture
    EXPECT_GT(inside(IDC_LC_GUIDE), 50);  // the guide picture
    // A click on the guide shows it in a window of its own at its full size,
    // larger than the frame and drawn at twice the size of its layout.
    QWidget* guideFrame = GetDlgItem(wnd.get(), IDC_LC_GUIDE);
    EXPECT_EQ(guideFrame->toolTip(), LoadKestString(IDS_CLICK_TO_ENLARGE));
    QTest::mouseClick(guideFrame, Qt::LeftButton);
    const auto guides = wnd->findChildren<CDlgCrdSys*>();
    ASSERT_EQ(guides.size(), 1);
    const QSize natural = QImage(AppFolder() + QStringLiteral("Image/Load/guide.png")).size();
    EXPECT_GE(natural.width(), 2 * guideFrame->width());
    EXPECT_EQ(guides[0]->size(), natural);
    EXPECT_LT(guides[0]->minimumWidth(), guides[0]->maximumWidth());
    guides[0]->close();
    const QRect desc = GetDlgItem(wnd.get(), IDC_LC_DESC)->geometry();
    EXPECT_EQ(shot.pixelColor(desc.right() - 3, desc.bottom() - 3), QColor(255, 255, 255));
    const QRect sum = GetDlgItem(wnd.get(), IDC_LC_SUM)->geometry();
    EXPECT_EQ(shot.pixelColor(sum.left() + 4, sum.center().y()), QColor(255, 255, 170));
    const QRect predef = GetDlgItem(wnd.get(), IDC_LC_PREDEF)->geometry();
    EXPECT_EQ(shot.pixelColor(predef.left() + 3, predef.top() + 3), QColor(200, 200, 200));
    EXPECT_EQ(shot.pixelColor(predef.left() + 3, predef.bottom() - 3), QColor(242, 242, 242));
    // The grids lie exactly over their placeholders; every column of the table fits.
    EXPECT_EQ(wnd->m_gridLoad.geometry(), GetDlgItem(wnd.get(), IDC_LC_LOAD)->geometry());
    const CGrid& table = wnd->m_gridLoad;
    EXPECT_GE(table.width() - 2 * table.frameWidth(), 490 + table.verticalScrollBar()->sizeHint().width());
    // Fixed-width tabs.
    EXPECT_EQ(wnd->m_pTab->tabRect(0).width(), wnd->m_pTab->tabRect(3).width());

    // A picture that cannot be shown gives way to "NO IMAGE".
    SetAppFolderOverride(app.path());
    UsePredef(PredefXml(PredefLoadXml("a", "", "")));
    wnd->m_pTab->setCurrentIndex(1);
    const QImage none = wnd->grab().toImage();
    const QRect img = GetDlgItem(wnd.get(), IDC_LC_IMG)->geometry();
    int dark = 0;
    for (int y = img.top() + 3; y < img.bottom() - 3; ++y)
        for (int x = img.left() + 3; x < img.right() - 3; ++x)
            dark += none.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 20);  // the text
    EXPECT_EQ(none.pixelColor(img.left() + 4, img.top() + 4), QColor(255, 255, 255));
}

TEST(LoadTabStrip, TwoLineTextsDoNotOverlap) {
    CTabCtrl2 tabs;
    tabs.addTab(QStringLiteral("Tool"));
    tabs.addTab(QStringLiteral("부가중량\r\nV"));
    tabs.setCurrentIndex(0);
    tabs.resize(400, 120);
    EXPECT_EQ(tabs.tabRect(0).size(), tabs.tabRect(1).size());
    QImage img(tabs.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    tabs.render(&img);
    // Rows with ink inside the two-line tab, between its outline and its bottom line.
    const QRect r = tabs.tabRect(1).adjusted(3, 4, -3, -3);
    QVector<bool> ink;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        bool any = false;
        for (int x = r.left(); x <= r.right(); ++x) any = any || img.pixelColor(x, y).lightness() < 120;
        ink << any;
    }
    int runs = 0;
    for (int i = 0; i < ink.size(); ++i) runs += ink[i] && (i == 0 || !ink[i - 1]);
    EXPECT_EQ(runs, 2) << "two separate lines of text";
}

// Runs `act` on the load calculator that `open` shows, then closes it with
// "Input" (accept) or "Cancel".
void WithCalculator(const std::function<void()>& open, const std::function<void(CDlgLoadCalcWnd*)>& act,
                    bool accept) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<CDlgLoadCalcWnd*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        act(w);
        seen = true;
        DlgItem<QPushButton>(w, accept ? IDOK_BUTTON : 2)->click();
    });
    open();
    EXPECT_TRUE(seen);
}

class LoadCalcMain : public kesttest::MainDialog {
protected:
    QStringList Page(int page) const {
        QStringList t;
        for (int id : {IDC_MASS, IDC_LX, IDC_LY, IDC_LZ, IDC_IXX, IDC_IYY, IDC_IZZ}) t << PageText(page, id);
        return t;
    }
    QString InputLine(CDlgLoadCalcWnd* w) const { return DlgItem<QLabel>(w, IDC_LC_INPUT_PAGES)->text(); }
};

TEST_F(LoadCalcMain, InputWritesOnlyThePagesOfListsWithLoads) {
    AddRobot(QStringLiteral("TK20-1700"));
    TypeLoad(2, {"5", "1", "2", "3", "0.1", "0.1", "0.1"});
    dlg->SetModifiedFlag(0);
    dlg->m_dlgLoadCalc.m_arrLoad[0] = {MakeLoad("a", 2, 0, 0, 0), MakeLoad("b", 2, 0, 0, 100)};
    dlg->m_dlgLoadCalc.m_arrLoad[1] = {MakeLoad("valve box", 4, 100, -50, 20, 0.01, 0.02, 0.03)};
    auto* button = DlgItem<QPushButton>(dlg->Client(), IDC_LOAD_CALC);
    ASSERT_TRUE(button->isEnabled());

    // "Cancel" puts the lists back; no page and no flag changes.
    WithCalculator([&] { button->click(); },
                   [](CDlgLoadCalcWnd* w) {
                       w->m_pTab->setCurrentIndex(1);
                       w->SetCellValue(2, 1, QStringLiteral("6"));
                   },
                   false);
    EXPECT_EQ(dlg->m_dlgLoadCalc.m_arrLoad[1][0].prm.Mass, 4.0);
    EXPECT_EQ(PageText(1, IDC_MASS), QStringLiteral("0"));
    EXPECT_EQ(dlg->IsModified(), 0);

    // The line beside "Input" names the pages it writes and follows the lists.
    const QString addLoad = LoadKestString(IDS_ADDLOAD);
    WithCalculator([&] { button->click(); },
                   [&](CDlgLoadCalcWnd* w) {
                       EXPECT_EQ(InputLine(w),
                                 LoadKestString(IDS_LC_INPUT_PAGES)
                                     .arg(QStringLiteral("Tool, ") + addLoad + QStringLiteral(" V")));
                       w->m_pTab->setCurrentIndex(3);
                       w->SetCellValue(1, 1, QStringLiteral("base"));
                       EXPECT_TRUE(InputLine(w).contains(addLoad + QStringLiteral(" S")));
                       w->OnBnClickedDelRow();
                       EXPECT_FALSE(InputLine(w).contains(addLoad + QStringLiteral(" S")));
                       w->m_pTab->setCurrentIndex(1);
                   },
                   true);
    const QStringList zero = {"0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000"};
    EXPECT_EQ(Page(0), (QStringList{"4.000", "0.000", "0.000", "50.000", "0.010", "0.010", "0.000"}));
    EXPECT_EQ(Page(1), (QStringList{"4.000", "100.000", "-50.000", "20.000", "0.010", "0.020", "0.030"}));
    // The pages whose lists are empty keep what was typed into them.
    EXPECT_EQ(Page(2), (QStringList{"5", "1", "2", "3", "0.1", "0.1", "0.1"}));
    EXPECT_EQ(PageText(3, IDC_MASS), QStringLiteral("0"));
    EXPECT_EQ(dlg->m_tabAddLoad->currentIndex(), 1);
    EXPECT_TRUE(dlg->m_pPgAddLoad[1]->isVisible());
    EXPECT_EQ(dlg->IsModified(), 1);
    // The analysis took the pages over: the records hold the sums and the typed load.
    EXPECT_EQ(dlg->m_prmTool.Mass, 4.0);
    EXPECT_DOUBLE_EQ(dlg->m_prmTool.Lz, 0.05);
    EXPECT_DOUBLE_EQ(dlg->m_prmAddLoadV.Lx, 0.1);
    EXPECT_EQ(dlg->m_prmAddLoadH.Mass, 5.0);
    EXPECT_EQ(dlg->m_prmAddLoadS, CPrmLoadSub());
    EXPECT_NE(dlg->m_nVerdict[0], 0);
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(LoadCalcMain, UntouchedListsLeaveAProjectAsItIs) {
    // The example fails; the calculator's lists in it are empty.
    ASSERT_EQ(dlg->OpenPrj(QStringLiteral(KEST_SOURCE_DIR "examples/palletising.kestload")), 0);
    dlg->DoAnalyse();
    const int verdict = dlg->m_nVerdict[0];
    ASSERT_EQ(verdict, 3);
    QStringList before[4];
    for (int k = 0; k < 4; ++k) before[k] = Page(k);
    auto* button = DlgItem<QPushButton>(dlg->Client(), IDC_LOAD_CALC);
    WithCalculator([&] { button->click(); },
                   [&](CDlgLoadCalcWnd* w) { EXPECT_EQ(InputLine(w), LoadKestString(IDS_LC_INPUT_NONE)); },
                   true);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Page(k), before[k]) << k;
    EXPECT_EQ(dlg->m_nVerdict[0], verdict);
    EXPECT_EQ(dlg->IsModified(), 0);

    // A V load typed by hand survives a calculator that only filled the Tool list.
    TypeLoad(1, {"7.5", "10", "20", "30", "0.5", "0.5", "0.5"});
    WithCalculator([&] { button->click(); },
                   [](CDlgLoadCalcWnd* w) {
                       w->m_pTab->setCurrentIndex(0);
                       w->SetCellValue(2, 1, QStringLiteral("3"));
                   },
                   true);
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("3.000"));
    EXPECT_EQ(Page(1), (QStringList{"7.5", "10", "20", "30", "0.5", "0.5", "0.5"}));
    EXPECT_EQ(Page(2), before[2]);
    EXPECT_EQ(dlg->m_prmAddLoadV.Mass, 7.5);
}

TEST_F(LoadCalcMain, NewAndOpenStartTheCalculatorsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("calc.kestload"));
    WithCalculator([&] { dlg->OnBnClickedLoadCalc(); },
                   [](CDlgLoadCalcWnd* w) {
                       w->m_pTab->setCurrentIndex(2);
                       w->SetCellValue(1, 1, QStringLiteral("밸브 박스"));
                       w->SetCellValue(3, 1, QStringLiteral("123.4567"));
                       w->OnBnClickedAddRow();
                       w->SetCellValue(2, 2, QStringLiteral("2.5"));
                   },
                   true);
    dlg->m_dlgToolCalc.MassHnd = 11.4;
    ASSERT_EQ(dlg->SavePrj(path), 0);

    // New: no list and no tool-calculator input of the last project is left
    // to be printed or saved with the new one.
    dlg->OnFileNewPrj();
    for (const CLoadArray& list : dlg->m_dlgLoadCalc.m_arrLoad) EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(dlg->m_dlgToolCalc.MassHnd, 0.0);

    // The saved project brings its lists back.
    ASSERT_EQ(dlg->OpenPrj(path), 0);
    const CLoadArray& h = dlg->m_dlgLoadCalc.m_arrLoad[2];
    ASSERT_EQ(h.size(), 2);
    EXPECT_EQ(h[0].Name, QStringLiteral("밸브 박스"));
    EXPECT_DOUBLE_EQ(h[0].prm.Lx, 0.1234567);  // four decimals of millimetres in the file
    EXPECT_EQ(h[1].prm.Mass, 2.5);
    EXPECT_TRUE(dlg->m_dlgLoadCalc.m_arrLoad[0].isEmpty());
    EXPECT_EQ(dlg->m_dlgToolCalc.MassHnd, 11.4);

    // A file without calculator data opens with empty calculators.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll();
    f.close();
    const qsizetype from = text.indexOf("\t<Load-Calculator>");
    const qsizetype to = text.indexOf("</KestLoadProject>");
    ASSERT_TRUE(from > 0 && to > from);
    text.remove(from, to - from);
    const QString bare = dir.filePath(QStringLiteral("bare.kestload"));
    QFile out(bare);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    ASSERT_EQ(dlg->OpenPrj(bare), 0);
    for (const CLoadArray& list : dlg->m_dlgLoadCalc.m_arrLoad) EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(dlg->m_dlgToolCalc.MassHnd, 0.0);
}

// Opening a calculator and cancelling it leaves the project byte for byte.
TEST_F(LoadCalcMain, CancelledCalculatorsChangeNothingThatIsSaved) {
    QTemporaryDir dir;
    for (const char* golden : {"golden_one_robot.kestload", "golden_three_robots.kestload"}) {
        SCOPED_TRACE(golden);
        const QString source = QStringLiteral(KEST_SOURCE_DIR "tests/data/") + QLatin1String(golden);
        QFile in(source);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray original = in.readAll();
        ASSERT_EQ(dlg->OpenPrj(source), 0);
        dlg->DoAnalyse();
        dlg->SetModifiedFlag(0);
        // Every list edited: a mass, a name, a row added, one typed and left open.
        WithCalculator([&] { dlg->OnBnClickedLoadCalc(); },
                       [](CDlgLoadCalcWnd* w) {
                           for (int tab = 0; tab < 4; ++tab) {
                               w->m_pTab->setCurrentIndex(tab);
                               EXPECT_EQ(w->SetCellValue(2, 1, QStringLiteral("2")), 0);
                               EXPECT_EQ(w->SetCellValue(1, 1, QStringLiteral("changed")), 0);
                               w->OnBnClickedAddRow();
                           }
                           w->m_gridLoad.setFocus();
                           QTest::keyClicks(&w->m_gridLoad, QStringLiteral("9"));
                           ASSERT_NE(w->m_gridLoad.GetEditWnd(), nullptr);
                       },
                       false);
        // The tool calculator: a hand mass typed and inertias from its inertia
        // calculator, then Escape; again with the window's close box.
        for (const bool escape : {true, false}) {
            QTimer::singleShot(0, [escape] {
                auto* w = qobject_cast<CDlgToolCalcWnd*>(QApplication::activeModalWidget());
                ASSERT_NE(w, nullptr);
                SetDlgItemText(w, IDC_TC_MASS_HND, QStringLiteral("5"));
                QTimer::singleShot(0, [] {
                    auto* iner = qobject_cast<CDlgInerCalc*>(QApplication::activeModalWidget());
                    ASSERT_NE(iner, nullptr);
                    SetDlgItemText(iner, IDC_INER_DX, QStringLiteral("100"));
                    iner->accept();
                });
                DlgItem<QPushButton>(w, IDC_TC_INER_WK)->click();
                EXPECT_NE(GetDlgItemText(w, IDC_TC_MI_WK_Y), QStringLiteral("0"));
                if (escape) {
                    QTest::keyClick(DlgItem<QLineEdit>(w, IDC_TC_MASS_WK), Qt::Key_Escape);
                } else {
                    w->close();
                }
                EXPECT_FALSE(w->isVisible());
            });
            dlg->OnBnClickedToolCalc();
        }
        // The inertia calculator inside the load calculator, cancelled after
        // typing, then the load calculator cancelled after its inertias came in.
        WithCalculator([&] { dlg->OnBnClickedLoadCalc(); },
                       [](CDlgLoadCalcWnd* w) {
                           for (const bool accept : {false, true}) {
                               QTimer::singleShot(0, [accept] {
                                   auto* iner =
                                       qobject_cast<CDlgInerCalc*>(QApplication::activeModalWidget());
                                   ASSERT_NE(iner, nullptr);
                                   SetDlgItemText(iner, IDC_INER_MASS, QStringLiteral("3"));
                                   SetDlgItemText(iner, IDC_INER_DY, QStringLiteral("200"));
                                   if (accept) {
                                       iner->accept();
                                   } else {
                                       iner->close();
                                   }
                               });
                               w->OnBnClickedInerCalc();
                           }
                       },
                       false);
        EXPECT_EQ(dlg->IsModified(), 0);
        const QString copy = dir.filePath(QLatin1String(golden));
        ASSERT_EQ(dlg->SavePrj(copy), 0);
        QFile saved(copy);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll() == original);
    }
}

}  // namespace
