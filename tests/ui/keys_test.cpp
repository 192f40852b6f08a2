// Keys and input-method text in every grid and every edit of every dialog:
// modifiers on their own, capital letters, the editing shortcuts and a Korean
// composition arrive where they belong and never go round between a table
// and its edit.
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "DialogFixture.h"
#include "DlgInerCalc.h"
#include "DlgLoadCalcWnd.h"
#include "DlgToolCalcWnd.h"

using namespace kest;
using kesttest::Messages;

namespace {

// What a user may press in a field besides plain letters.
struct Stroke {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* what;
};
const Stroke kStrokes[] = {
    {Qt::Key_Shift, Qt::NoModifier, "Shift"},
    {Qt::Key_Control, Qt::NoModifier, "Ctrl"},
    {Qt::Key_Alt, Qt::NoModifier, "Alt"},
    {Qt::Key_Meta, Qt::NoModifier, "Meta"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
};

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void PressStrokes(QWidget* w) {
    for (const Stroke& s : kStrokes) QTest::keyClick(w, s.key, s.mods);
}

// Korean through an input method: a syllable being composed, then the word.
void Compose(QWidget* w, const QString& word) {
    QInputMethodEvent preedit(word.left(1), {});
    QApplication::sendEvent(w, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(word);
    QApplication::sendEvent(w, &commit);
}

// Types text key by key; a capital letter comes with Shift pressed first.
void TypeText(const std::function<QWidget*()>& target, const QString& text) {
    for (const QChar ch : text) {
        const bool upper = ch.isUpper();
        if (upper) QTest::keyPress(target(), Qt::Key_Shift);
        QTest::keyClick(target(), ch.toLatin1(), upper ? Qt::ShiftModifier : Qt::NoModifier);
        if (upper) QTest::keyRelease(target(), Qt::Key_Shift, Qt::ShiftModifier);
    }
}

// Every key of the table above and a composition in every edit of `dialog`
// (outside its grids): a field that takes text ends with what was typed.
void ExerciseEdits(QWidget* dialog, const char* where) {
    const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
    ASSERT_FALSE(edits.isEmpty()) << where;
    for (QLineEdit* e : edits) {
        if (qobject_cast<CGrid*>(e->parentWidget() ? e->parentWidget()->parentWidget() : nullptr) ||
            !e->isVisible())
            continue;
        SCOPED_TRACE(std::string(where) + " edit " + e->objectName().toStdString());
        e->setFocus();
        const QString before = e->text();
        TypeText([e] { return e; }, QStringLiteral("VacGrip-4Cup"));
        PressStrokes(e);
        // An input method writes only into a field that takes text.
        if (e->testAttribute(Qt::WA_InputMethodEnabled)) Compose(e, QStringLiteral("부품"));
        if (e->isReadOnly()) {
            EXPECT_EQ(e->text(), before);
        } else if (e->validator() == nullptr) {
            EXPECT_TRUE(e->text().endsWith(QStringLiteral("부품"))) << e->text().toStdString();
        }
        EXPECT_TRUE(dialog->isVisible());
    }
}

class Keys : public kesttest::MainDialog {};

TEST_F(Keys, AndKoreanInputInEveryGridAndEdit) {
    AddRobot(QStringLiteral("TK20-1700"));

    // The load calculator: the part table takes a name typed with capitals
    // and Shift on its own, then the shortcuts and Korean in an open edit.
    {
        CDlgLoadCalcWnd wnd(&dlg->m_dlgLoadCalc, dlg.get());
        wnd.show();
        QApplication::setActiveWindow(&wnd);
        Settle();
        CGrid& grid = wnd.m_gridLoad;
        auto target = [&grid]() -> QWidget* {
            return grid.GetEditWnd() ? static_cast<QWidget*>(grid.GetEditWnd()) : &grid;
        };
        grid.setFocus();
        ASSERT_EQ(grid.SetCurCell(1, 1), 0);
        TypeText(target, QStringLiteral("VacGrip-4Cup"));
        QTest::keyClick(target(), Qt::Key_Shift);
        ASSERT_NE(grid.GetEditWnd(), nullptr);
        EXPECT_EQ(grid.GetEditWnd()->text(), QStringLiteral("VacGrip-4Cup"));
        QTest::keyClick(target(), Qt::Key_Return);
        ASSERT_EQ(dlg->m_dlgLoadCalc.m_arrLoad[0].size(), 1);
        EXPECT_EQ(dlg->m_dlgLoadCalc.m_arrLoad[0][0].Name, QStringLiteral("VacGrip-4Cup"));

        // Every stroke, sent to the edit and to the table while the edit is
        // open, then Korean replacing the selection.
        QTest::keyClick(&grid, 'x');
        QLineEdit* edit = grid.GetEditWnd();
        ASSERT_NE(edit, nullptr);
        for (const Stroke& s : kStrokes) {
            SCOPED_TRACE(s.what);
            QTest::keyClick(edit, s.key, s.mods);
            QTest::keyClick(&grid, s.key, s.mods);
            EXPECT_EQ(grid.GetEditWnd(), edit);
        }
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        Compose(edit, QStringLiteral("부품"));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(dlg->m_dlgLoadCalc.m_arrLoad[0][0].Name, QStringLiteral("부품"));

        // Korean composed with the table focused opens an edit for it.
        grid.setFocus();
        Compose(&grid, QStringLiteral("흡착 패드"));
        ASSERT_NE(grid.GetEditWnd(), nullptr);
        QTest::keyClick(grid.GetEditWnd(), Qt::Key_Return);
        EXPECT_EQ(dlg->m_dlgLoadCalc.m_arrLoad[0][0].Name, QStringLiteral("흡착 패드"));

        // The same on the value column; the read-only tables open no edit.
        ASSERT_EQ(grid.SetCurCell(2, 1), 0);
        grid.setFocus();
        QTest::keyClicks(&grid, QStringLiteral("12"));
        PressStrokes(target());
        QTest::keyClick(target(), Qt::Key_Return);

        // Enter on the table never reaches the default button "Input": after
        // the Enter that stores a name, the next opens the cell with its text.
        const CLoadArray& list = dlg->m_dlgLoadCalc.m_arrLoad[0];
        ASSERT_EQ(grid.SetCurCell(1, 1), 0);
        grid.setFocus();
        TypeText(target, QStringLiteral("Abc"));
        QTest::keyClick(target(), Qt::Key_Return);
        EXPECT_EQ(list[0].Name, QStringLiteral("Abc"));
        QTest::keyClick(target(), Qt::Key_Return);
        ASSERT_TRUE(wnd.isVisible());
        ASSERT_NE(grid.GetEditWnd(), nullptr);
        EXPECT_EQ(grid.GetEditWnd()->text(), QStringLiteral("Abc"));
        QTest::keyClick(target(), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(grid.GetEditWnd(), nullptr);
        QTest::keyClick(target(), Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(target(), Qt::Key_Escape);
        EXPECT_TRUE(wnd.isVisible());
        EXPECT_EQ(list[0].Name, QStringLiteral("Abc"));

        // Tab stores the cell and moves on, Shift+Tab back: what is typed next
        // goes into that cell. At the table's last cell Tab stays.
        int col = 0;
        int row = 0;
        TypeText(target, QStringLiteral("Grip"));
        QTest::keyClick(target(), Qt::Key_Tab);
        EXPECT_EQ(list[0].Name, QStringLiteral("Grip"));
        grid.GetCurCell(col, row);
        EXPECT_EQ(col * 10 + row, 21);
        TypeText(target, QStringLiteral("3"));
        QTest::keyClick(target(), Qt::Key_Tab);
        EXPECT_EQ(list[0].prm.Mass, 3.0);
        TypeText(target, QStringLiteral("7"));
        QTest::keyClick(target(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_DOUBLE_EQ(list[0].prm.Lx, 0.007);
        grid.GetCurCell(col, row);
        EXPECT_EQ(col * 10 + row, 21);
        TypeText(target, QStringLiteral("4"));
        QTest::keyClick(target(), Qt::Key_Tab);
        EXPECT_EQ(list[0].prm.Mass, 4.0);
        EXPECT_DOUBLE_EQ(list[0].prm.Lx, 0.007);
        ASSERT_EQ(grid.SetCurCell(8, 1), 0);
        TypeText(target, QStringLiteral("1"));
        QTest::keyClick(target(), Qt::Key_Tab);
        EXPECT_EQ(list[0].prm.Izz, 1.0);
        grid.GetCurCell(col, row);
        EXPECT_EQ(col * 10 + row, 81);
        EXPECT_TRUE(grid.hasFocus());
        EXPECT_TRUE(wnd.isVisible());
        for (CGrid* g : {&wnd.m_gridPredef, &wnd.m_gridSum, &wnd.m_gridLegend}) {
            SCOPED_TRACE(g->GetDlgCtrlID());
            const QString first = g->GetCellText(0, 0);
            g->setFocus();
            PressStrokes(g);
            TypeText([g] { return g; }, QStringLiteral("Ab"));
            Compose(g, QStringLiteral("부품"));
            EXPECT_EQ(g->GetEditWnd(), nullptr);
            EXPECT_EQ(g->GetCellText(0, 0), first);
        }
        EXPECT_TRUE(wnd.isVisible());
        wnd.reject();
    }

    // The tool calculator and the inertia calculator, every field.
    {
        CDlgToolCalcWnd wnd(&dlg->m_dlgToolCalc, dlg.get());
        wnd.show();
        QApplication::setActiveWindow(&wnd);
        Settle();
        ExerciseEdits(&wnd, "tool calculator");
        wnd.reject();
    }
    {
        CDlgInerCalc wnd(dlg.get());
        wnd.show();
        QApplication::setActiveWindow(&wnd);
        Settle();
        ExerciseEdits(&wnd, "inertia calculator");
        wnd.reject();
    }
    // The main window's fields, last: what they now hold is no load.
    QApplication::setActiveWindow(dlg.get());
    ExerciseEdits(dlg.get(), "main window");
}

}  // namespace
