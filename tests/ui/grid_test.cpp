// The editable table: capacity, layout arithmetic, scrolling by whole cells,
// the current cell, in-place editing and painting, with the real widget offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "DlgBuilder.h"
#include "Grid.h"
#include "KestDC.h"

using namespace kest;

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// An 8 × 30 table of 50 × 20 cells with one fixed row and column, in a drawing
// area of 200 × 100: the body shows 3 columns and 4 rows.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(500, 400);
        host.show();
        ASSERT_EQ(grid.Create(&host, 8, 30, 2552), 1);
        grid.SetAllColWidths(50);
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        QObject::connect(&grid, &CGrid::Notify, [this](const GrNotify& nm) {
            got.push_back(nm);
            // The owner's rule: only text the user typed goes into the cell.
            if (nm.code == LVN_ENDLABELEDITW && nm.bModified) grid.SetCellText(nm.nCol, nm.nRow, nm.strText);
        });
        SetClient(QSize(200, 100));
    }
    void SetClient(const QSize& client) {
        Settle();
        grid.resize(client + (grid.size() - grid.ClientSize()));
        Settle();
        ASSERT_EQ(grid.ClientSize(), client);
    }
    int CountCodes(int code) const {
        int n = 0;
        for (const GrNotify& nm : got) n += nm.code == code;
        return n;
    }
    QPoint Centre(int col, int row) const { return grid.GetCellScreenRect(col, row).center(); }

    QWidget host;
    CGrid grid;
    std::vector<GrNotify> got;
};

TEST(GridCreate, CapacityLimits) {
    QWidget host;
    CGrid tooWide;
    EXPECT_EQ(tooWide.Create(&host, 41, 10, 1), -1);
    EXPECT_EQ(tooWide.parentWidget(), nullptr);
    EXPECT_EQ(tooWide.Create(&host, 10, 1301, 1), -1);
    CGrid grid;
    ASSERT_EQ(grid.Create(&host, 40, 1300, 2553), 1);
    EXPECT_EQ(grid.GetColCount(), 40);
    EXPECT_EQ(grid.GetRowCount(), 1300);
    EXPECT_EQ(GetDlgItem(&host, 2553), &grid);
    EXPECT_EQ(grid.geometry(), QRect(20, 10, 180, 90));

    EXPECT_EQ(grid.SetRowHeight(1300, 5), -1);
    EXPECT_EQ(grid.SetRowHeight(1299, 5), 0);
    EXPECT_EQ(grid.GetRowHeight(1299), 5);
    EXPECT_EQ(grid.SetColWidth(40, 5), -1);
    EXPECT_EQ(grid.SetColWidth(-1, 5), -1);

    CGrid small;
    ASSERT_EQ(small.Create(&host, 3, 5, 2554), 1);
    EXPECT_EQ(small.SetRowCount(6), -1);  // beyond the capacity fixed by Create
    EXPECT_EQ(small.SetRowCount(4), 0);
    EXPECT_EQ(small.SetColCount(4), -1);
    EXPECT_EQ(small.SetFixedRows(6), -1);
    // Cells outside the capacity are ignored, not written.
    small.SetCellText(3, 0, QStringLiteral("x"));
    EXPECT_EQ(small.GetCell(3, 0), nullptr);
    EXPECT_EQ(small.GetCellText(3, 0), QString());
}

TEST_F(GridTest, CellRectanglesWithFixedCellsMergesAndScrolling) {
    grid.SetColWidth(1, 105);
    grid.SetRowHeight(0, 30);
    EXPECT_EQ(grid.GetCellRect(2, 3), QRect(155, 70, 50, 20));
    ASSERT_EQ(grid.MergeCells(2, 3, 3), 0);
    EXPECT_EQ(grid.GetCellRect(2, 3), QRect(155, 70, 150, 20));
    EXPECT_EQ(grid.GetCell(3, 3)->nSpan, 0);
    EXPECT_EQ(grid.GetCell(4, 3)->nSpan, 0);
    EXPECT_EQ(grid.MergeStart(4, 3), 2);
    EXPECT_EQ(grid.GetCellRect(3, 3).width(), 50);  // a covered cell measures one column
    // A narrower merge gives the uncovered cells back.
    ASSERT_EQ(grid.MergeCells(2, 3, 2), 0);
    EXPECT_EQ(grid.GetCell(4, 3)->nSpan, 1);
    EXPECT_EQ(grid.MergeCells(7, 3, 2), -1);  // beyond the capacity

    // Scrolled by two rows and one column: fixed cells keep their table place.
    grid.SetColWidth(1, 50);
    grid.SetRowHeight(0, 20);
    ASSERT_EQ(grid.EnsureVisible(4, 6), 1);
    EXPECT_EQ(grid.GetFirstVisibleCol(), 2);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 3);
    EXPECT_EQ(grid.GetCellScreenRect(0, 0), QRect(0, 0, 50, 20));
    EXPECT_EQ(grid.GetCellScreenRect(0, 3), QRect(0, 20, 50, 20));
    EXPECT_EQ(grid.GetCellScreenRect(2, 0), QRect(50, 0, 50, 20));
    EXPECT_EQ(grid.GetCellScreenRect(4, 6), QRect(150, 80, 50, 20));
    EXPECT_EQ(grid.GetLastVisibleCol(), 4);
    EXPECT_EQ(grid.GetLastVisibleRow(), 6);

    // Hits: only body cells, a merged cell answers with its first column.
    int c = -1, r = -1;
    EXPECT_FALSE(grid.HitTest(QPoint(10, 50), c, r));   // fixed column
    EXPECT_FALSE(grid.HitTest(QPoint(120, 10), c, r));  // fixed row
    ASSERT_TRUE(grid.HitTest(QPoint(120, 50), c, r));
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 4);
    ASSERT_TRUE(grid.HitTest(QPoint(199, 99), c, r));
    EXPECT_EQ(c, 4);
    EXPECT_EQ(r, 6);
    grid.MergeCells(2, 4, 3);
    ASSERT_TRUE(grid.HitTest(QPoint(160, 50), c, r));
    EXPECT_EQ(c, 2);
    grid.SetRowCount(3);  // fewer rows than the view starts at: back into range
    EXPECT_EQ(grid.GetFirstVisibleRow(), 2);
    EXPECT_FALSE(grid.HitTest(QPoint(120, 50), c, r));  // below the last row
}

TEST_F(GridTest, EnsureVisibleScrollsByWholeCells) {
    EXPECT_EQ(grid.EnsureVisible(3, 4), 0);  // already fully visible
    EXPECT_EQ(grid.EnsureVisible(0, 0), 0);  // fixed cells never scroll
    // Just far enough: the cell ends flush with the drawing area's edge.
    ASSERT_EQ(grid.EnsureVisible(4, 5), 1);
    EXPECT_EQ(grid.GetFirstVisibleCol(), 2);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 2);
    EXPECT_EQ(grid.GetCellScreenRect(4, 5), QRect(150, 80, 50, 20));
    EXPECT_EQ(grid.verticalScrollBar()->value(), 1);
    EXPECT_EQ(grid.horizontalScrollBar()->value(), 1);
    // Left of (above) the scrolled area: that cell becomes the first one.
    ASSERT_EQ(grid.EnsureVisible(1, 1), 1);
    EXPECT_EQ(grid.GetFirstVisibleCol(), 1);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 1);
    // A merged cell wider than the body starts at the body's left edge.
    grid.MergeCells(2, 10, 4);
    ASSERT_EQ(grid.EnsureVisible(2, 10), 1);
    EXPECT_EQ(grid.GetFirstVisibleCol(), 2);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 7);
    // A direction that does not scroll stays where it is.
    grid.EnableScroll(false, true);
    EXPECT_EQ(grid.EnsureVisible(7, 7), 0);
    EXPECT_EQ(grid.GetFirstVisibleCol(), 2);
}

TEST_F(GridTest, ScrollRangeAndScrollBarActions) {
    // 29 body rows, 4 fit below the header; 7 body columns, 3 fit.
    EXPECT_EQ(grid.GetScrollMax(false), 25);
    EXPECT_EQ(grid.GetScrollMax(true), 4);
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 25);
    QScrollBar* bar = grid.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 4);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 3);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 1);  // never above the fixed rows
    EXPECT_EQ(bar->value(), 0);
    bar->setSliderPosition(25);  // dragging the thumb to the end
    EXPECT_EQ(grid.GetFirstVisibleRow(), 26);
    EXPECT_EQ(grid.GetCellScreenRect(1, 29).bottom(), 99);  // the last row ends at the bottom
    // A taller header: the last row can still be scrolled fully into view.
    grid.SetRowHeight(0, 40);
    EXPECT_EQ(grid.GetScrollMax(false), 26);
    bar->setSliderPosition(26);
    EXPECT_EQ(grid.GetFirstVisibleRow(), 27);
    EXPECT_EQ(grid.GetCellScreenRect(1, 29).bottom(), 99);
    // Everything fits: nothing to scroll.
    grid.SetRowCount(4);
    EXPECT_EQ(grid.GetScrollMax(false), 0);
}

TEST_F(GridTest, MoveCurAtTheEdgesAndOverMergedCells) {
    int c = -1, r = -1;
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 1);  // the first scrolled cell after setting the fixed cells
    EXPECT_EQ(r, 1);
    EXPECT_EQ(grid.MoveCur(Qt::Key_Left), 1);  // clamped at the fixed column
    EXPECT_EQ(grid.MoveCur(Qt::Key_Up), 1);
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(grid.MoveCur(Qt::Key_Down, true), 1);
    EXPECT_EQ(grid.MoveCur(Qt::Key_Right, true), 1);
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 5);
    EXPECT_EQ(r, 5);
    EXPECT_EQ(grid.GetFirstVisibleCol(), 3);  // moved into view
    EXPECT_EQ(grid.GetFirstVisibleRow(), 2);
    EXPECT_EQ(grid.MoveCur(Qt::Key_Right, true), 1);
    EXPECT_EQ(grid.MoveCur(Qt::Key_Right), 1);  // on the last column: stays
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 7);
    grid.GetPrevCell(c, r);
    EXPECT_EQ(c, 7);
    EXPECT_EQ(grid.MoveCur(Qt::Key_Home), 0);
    EXPECT_EQ(grid.MoveCur(Qt::Key_A), 0);

    // Columns 2 to 4 of row 3 are one cell.
    grid.MergeCells(2, 3, 3);
    grid.SetCurCell(1, 3);
    grid.MoveCur(Qt::Key_Right);
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 2);
    grid.MoveCur(Qt::Key_Right);  // over the covered columns
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 5);
    grid.MoveCur(Qt::Key_Left);  // back to the start of the merged cell
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 2);
    grid.SetCurCell(3, 2);
    grid.MoveCur(Qt::Key_Down);  // into a covered column
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 3);
    // A merge reaching the last column: Right goes back to its start.
    grid.MergeCells(6, 4, 2);
    grid.SetCurCell(6, 4);
    grid.MoveCur(Qt::Key_Right);
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 6);
}

TEST_F(GridTest, ClicksMoveTheCurrentCellOnlyInTheBody) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(2, 3));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].code, LVN_ITEMCHANGED);
    EXPECT_EQ(got[0].idFrom, 2552);
    EXPECT_EQ(got[0].pGrid, &grid);
    EXPECT_EQ(got[0].nCol, 2);
    EXPECT_EQ(got[0].nRow, 3);
    int c = -1, r = -1;
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 3);
    grid.GetPrevCell(c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 1);
    // Header cells: nothing happens.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(0, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(3, 0));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, Centre(3, 0));
    EXPECT_EQ(got.size(), 1u);
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 3);
}

TEST_F(GridTest, EditClosedWithoutTypingLeavesTheCell) {
    grid.EnableEdit(true);
    grid.SetCellText(2, 3, QStringLiteral("1.500"));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, Centre(2, 3));
    QLineEdit* edit = grid.GetEditWnd();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("1.500"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1.500"));
    EXPECT_EQ(edit->geometry(), grid.GetCellScreenRect(2, 3).adjusted(-1, -1, 1, 1));
    EXPECT_EQ(DlgCtrlId(edit), 1);
    ASSERT_EQ(CountCodes(LVN_BEGINLABELEDITW), 1);
    EXPECT_EQ(got.back().strText, QStringLiteral("1.500"));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    ASSERT_EQ(got.back().code, LVN_ENDLABELEDITW);
    EXPECT_EQ(got.back().bCommit, 0);
    EXPECT_FALSE(got.back().bModified);
    EXPECT_EQ(grid.GetCellText(2, 3), QStringLiteral("1.500"));

    // Escape on the table opens no edit: it belongs to the dialog. Enter
    // opens the current cell with its text, as a double click does, and never
    // reaches the dialog; on a table that cannot be edited it is the dialog's.
    got.clear();
    auto press = [this](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&grid, &event);
        return event.isAccepted();
    };
    EXPECT_FALSE(press(Qt::Key_Escape));
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    EXPECT_TRUE(got.empty());
    EXPECT_TRUE(press(Qt::Key_Return));
    ASSERT_NE(grid.GetEditWnd(), nullptr);
    EXPECT_EQ(grid.GetEditWnd()->text(), QStringLiteral("1.500"));
    ASSERT_EQ(CountCodes(LVN_BEGINLABELEDITW), 1);
    QTest::keyClick(grid.GetEditWnd(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    EXPECT_EQ(got.back().bCommit, 1);
    EXPECT_FALSE(got.back().bModified);
    grid.EnableEdit(false);
    EXPECT_FALSE(press(Qt::Key_Return));
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    grid.EnableEdit(true);
    got.clear();

    // An empty edit opened by the owner and closed without typing reports
    // that nothing was typed, whichever way it closes.
    for (int commit : {1, 0}) {
        ASSERT_NE(grid.BeginEdit(2, 3), nullptr);
        grid.EndEdit(commit);
        EXPECT_EQ(got.back().strText, QString());
        EXPECT_EQ(got.back().bCommit, commit);
        EXPECT_FALSE(got.back().bModified);
    }
    EXPECT_EQ(grid.GetCellText(2, 3), QStringLiteral("1.500"));
    EXPECT_EQ(CountCodes(LVN_BEGINLABELEDITW), 0);  // the owner's own edits are not announced
}

TEST_F(GridTest, TypingOpensAnEditAndEnterConfirmsIt) {
    grid.EnableEdit(true);
    grid.SetCurCell(2, 3);
    grid.SetCellText(2, 3, QStringLiteral("old"));
    QTest::keyClicks(&grid, QStringLiteral("12.5"));
    QLineEdit* edit = grid.GetEditWnd();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("12.5"));           // the first character arrived too
    EXPECT_EQ(grid.GetCellText(2, 3), QStringLiteral("old"));  // nothing written while typing
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    ASSERT_EQ(CountCodes(LVN_ENDLABELEDITW), 1);
    const GrNotify& end = got.back();
    EXPECT_EQ(end.nCol, 2);
    EXPECT_EQ(end.nRow, 3);
    EXPECT_EQ(end.bCommit, 1);
    EXPECT_TRUE(end.bModified);
    EXPECT_EQ(end.strText, QStringLiteral("12.5"));
    EXPECT_EQ(grid.GetCellText(2, 3), QStringLiteral("12.5"));

    // Up closes the edit and moves; Right moves the caret first and leaves the
    // edit only at the end of the text.
    QTest::keyClicks(&grid, QStringLiteral("7"));
    ASSERT_NE(grid.GetEditWnd(), nullptr);
    QTest::keyClick(grid.GetEditWnd(), Qt::Key_Up);
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    EXPECT_EQ(grid.GetCellText(2, 3), QStringLiteral("7"));
    int c = -1, r = -1;
    grid.GetCurCell(c, r);
    EXPECT_EQ(r, 2);
    QTest::keyClicks(&grid, QStringLiteral("ab"));
    edit = grid.GetEditWnd();
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(grid.GetEditWnd(), edit);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(grid.GetEditWnd(), edit);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
    EXPECT_EQ(grid.GetCellText(2, 2), QStringLiteral("ab"));
    grid.GetCurCell(c, r);
    EXPECT_EQ(c, 3);

    // Without editing allowed, typing only reaches the owner.
    grid.EnableEdit(false);
    QTest::keyClicks(&grid, QStringLiteral("9"));
    EXPECT_EQ(grid.GetEditWnd(), nullptr);
}

TEST_F(GridTest, EditFollowsScrollingAndClosesWithTheWindow) {
    grid.EnableEdit(true);
    QLineEdit* edit = grid.BeginEdit(2, 3);
    ASSERT_NE(edit, nullptr);
    grid.EnsureVisible(5, 8);
    EXPECT_EQ(edit->geometry(), grid.GetCellScreenRect(2, 3).adjusted(-1, -1, 1, 1));
    // A click elsewhere confirms the edit first, for the cell it was on.
    QTest::keyClicks(edit, QStringLiteral("4"));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, Centre(4, 7));
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[got.size() - 2].code, LVN_ENDLABELEDITW);
    EXPECT_EQ(got[got.size() - 2].bCommit, 1);
    EXPECT_EQ(got[got.size() - 2].nRow, 3);
    EXPECT_EQ(got.back().code, LVN_ITEMCHANGED);
    EXPECT_EQ(grid.GetCellText(2, 3), QStringLiteral("4"));

    // Destroying the table with an edit open still reports its end.
    std::vector<GrNotify> seen;
    {
        auto other = std::make_unique<CGrid>();
        ASSERT_EQ(other->Create(&host, 3, 3, 2560), 1);
        other->EnableEdit(true);
        QObject::connect(other.get(), &CGrid::Notify, [&](const GrNotify& nm) { seen.push_back(nm); });
        QTest::keyClicks(other->BeginEdit(1, 1), QStringLiteral("x"));
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, LVN_ENDLABELEDITW);
    EXPECT_EQ(seen[0].bCommit, 0);
    EXPECT_EQ(seen[0].strText, QStringLiteral("x"));
    EXPECT_EQ(seen[0].idFrom, 2560);
}

// ---------------------------------------------------------------- painting

QImage Render(const CGrid& grid) {
    QImage image(grid.ClientSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    CKestDC dc(&p);
    grid.Draw(dc, image.rect());
    return image;
}

TEST_F(GridTest, PaintsFixedCellsColoursAndTheCurrentCellMark) {
    const QColor header(200, 200, 200);
    const QColor back(242, 242, 242);
    const QColor blue(0, 0, 255);
    const QColor line(100, 100, 100);
    grid.SetGridBkColor(back);
    for (int c = 0; c < 8; ++c) grid.SetCellBkColor(c, 0, header);
    for (int r = 0; r < 30; ++r) grid.SetCellBkColor(0, r, header);
    grid.SetCellBkColor(3, 2, QColor(255, 255, 0));  // the "grid's colour" value
    grid.SetCellBkColor(2, 4, QColor(255, 0, 0));
    grid.SetCurCell(2, 2);
    QImage img = Render(grid);
    EXPECT_EQ(img.pixelColor(3, 3), header);                // fixed corner
    EXPECT_EQ(img.pixelColor(53, 3), header);               // fixed row
    EXPECT_EQ(img.pixelColor(3, 43), header);               // fixed column
    EXPECT_EQ(img.pixelColor(152, 42), back);               // yellow means the grid's colour
    EXPECT_EQ(img.pixelColor(102, 82), QColor(255, 0, 0));  // own colour
    EXPECT_EQ(img.pixelColor(149, 62), line);               // grid line on the right edge
    EXPECT_EQ(img.pixelColor(102, 79), line);               // and on the bottom edge
    // The current cell (2, 2) spans 100..149 × 40..59, framed on all four sides.
    for (const QPoint& pt : {QPoint(100, 50), QPoint(149, 50), QPoint(120, 40), QPoint(120, 59)})
        EXPECT_EQ(img.pixelColor(pt), blue) << pt.x() << "," << pt.y();
    EXPECT_EQ(img.pixelColor(101, 43), back);

    // No mark with selection style 0, and never on a fixed cell.
    grid.SetSelStyle(0);
    img = Render(grid);
    EXPECT_EQ(img.pixelColor(100, 50), back);
    grid.SetSelStyle(1);
    grid.SetCurCell(0, 2);
    img = Render(grid);
    EXPECT_EQ(img.pixelColor(0, 50), header);

    // Scrolled: the body does not draw over the fixed column, and the area
    // right of the last column and below the last row is white.
    grid.SetColCount(3);
    grid.SetRowCount(4);
    img = Render(grid);
    EXPECT_EQ(img.pixelColor(199, 50), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(60, 90), QColor(Qt::white));
    grid.SetColCount(8);
    grid.SetRowCount(30);
    grid.SetCellBkColor(1, 4, QColor(0, 160, 0));
    grid.EnsureVisible(4, 4);  // column 1 scrolls away
    EXPECT_EQ(grid.GetFirstVisibleCol(), 2);
    img = Render(grid);
    EXPECT_EQ(img.pixelColor(45, 82), header);
    EXPECT_EQ(img.pixelColor(55, 82), QColor(255, 0, 0));  // column 2 is now first
}

TEST_F(GridTest, RepaintLimitAndMergedCellText) {
    grid.SetCellText(2, 1, QStringLiteral("WWWWWWWWWWWWWW"));
    grid.SetCellFormat(2, 1, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    grid.SetGridTextColor(Qt::black);
    QImage narrow = Render(grid);
    grid.MergeCells(2, 1, 2);
    QImage wide = Render(grid);
    // The text runs on into column 3 only when the cells are merged.
    auto dark = [](const QImage& img, int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = 22; y < 38; ++y)
                if (img.pixelColor(x, y).lightness() < 100) return true;
        return false;
    };
    EXPECT_TRUE(dark(narrow, 101, 148));
    EXPECT_FALSE(dark(narrow, 151, 198));
    EXPECT_TRUE(dark(wide, 151, 198));
    // Cells outside the repaint limit are not drawn.
    QImage img(grid.ClientSize(), QImage::Format_RGB32);
    img.fill(Qt::black);
    {
        QPainter p(&img);
        CKestDC dc(&p);
        grid.Draw(dc, QRect(0, 0, 10, 10));
    }
    EXPECT_EQ(img.pixelColor(75, 50), QColor(Qt::black));
    EXPECT_NE(img.pixelColor(5, 5), QColor(Qt::black));
}

}  // namespace
