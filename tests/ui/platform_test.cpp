// The Linux layer: dialog units, control lookup, data exchange, the drawing
// context and the resources.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QWidget>
#include <clocale>

#include "DataExchange.h"
#include "DlgBuilder.h"
#include "Icons.h"
#include "KestDC.h"
#include "MessageBox.h"
#include "Strings.h"
#include "Templates.h"
#include "UiTestEnv.h"

using namespace kest;

namespace {

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(9, 96, 72), 12);
    EXPECT_EQ(MulDiv(5, 6, 4), 8);    // 7.5 -> 8
    EXPECT_EQ(MulDiv(-5, 6, 4), -8);  // -7.5 -> -8
    EXPECT_EQ(MulDiv(7, 15, 8), 13);  // 13.125
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(DialogUnits, TemplatePlacesControlsByBaseUnits) {
    const DlgTemplate* t = FindDlgTemplate(IDD_MAIN);
    ASSERT_NE(t, nullptr);
    QWidget dlg;
    const QSize size = BuildDialogControls(&dlg, *t);
    const CDlgUnits u(DialogFont(*t));
    // Arial 9 pt at 96 dpi: base units of a 12-pixel sans-serif font.
    EXPECT_GE(u.baseX(), 5);
    EXPECT_LE(u.baseX(), 7);
    EXPECT_GE(u.baseY(), 13);
    EXPECT_LE(u.baseY(), 16);
    EXPECT_EQ(size, QSize(MulDiv(553, u.baseX(), 4), MulDiv(321, u.baseY(), 8)));
    QWidget* company = GetDlgItem(&dlg, IDC_COMPANY);
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->geometry(), QRect(MulDiv(60, u.baseX(), 4), MulDiv(31, u.baseY(), 8),
                                         MulDiv(154, u.baseX(), 4), MulDiv(14, u.baseY(), 8)));
    EXPECT_TRUE(GetDlgItem(&dlg, IDC_IN_TABLE)->isHidden());  // placeholders stay hidden
    EXPECT_FALSE(GetDlgItem(&dlg, IDC_ANALYSE)->isHidden());
    EXPECT_EQ(GetDlgItem(&dlg, 99999), nullptr);
    EXPECT_EQ(DlgCtrlId(company), IDC_COMPANY);
    // Only the dialog's own controls are found, not those of a page inside it.
    QWidget page(&dlg);
    BuildDialogControls(&page, *FindDlgTemplate(IDD_PG_BARCHART));
    EXPECT_NE(qobject_cast<QLineEdit*>(GetDlgItem(&dlg, 13021)), nullptr);  // the engineer edit
    EXPECT_NE(GetDlgItem(&dlg, 13021), GetDlgItem(&page, 13021));
}

class Exchange : public ::testing::Test {
protected:
    void SetUp() override {
        BuildDialogControls(&dlg, *FindDlgTemplate(IDD_PG_ADDLOAD));
        kesttest::Messages().Reset();
    }
    QWidget dlg;
};

TEST_F(Exchange, TextAndNumbersBothWays) {
    QString s = QStringLiteral("로봇 셀 3");
    CDataExchange out(&dlg, false);
    DDX_Text(&out, IDC_MASS, s);
    EXPECT_EQ(GetDlgItemText(&dlg, IDC_MASS), s);
    double d = 0.1 + 0.2;
    DDX_Text(&out, IDC_LX, d);
    EXPECT_EQ(GetDlgItemText(&dlg, IDC_LX), QStringLiteral("0.3"));  // 15 significant digits
    d = -1234.5;
    DDX_Text(&out, IDC_LX, d);
    EXPECT_EQ(GetDlgItemText(&dlg, IDC_LX), QStringLiteral("-1234.5"));

    SetDlgItemText(&dlg, IDC_LY, QStringLiteral(" 12.25 "));
    CDataExchange in(&dlg, true);
    double read = 0;
    DDX_Text(&in, IDC_LY, read);
    EXPECT_EQ(read, 12.25);
    EXPECT_FALSE(in.m_bFailed);
    EXPECT_TRUE(kesttest::Messages().shown.empty());
}

TEST_F(Exchange, BadNumberIsReportedAndStopsTheExchange) {
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    SetDlgItemText(&dlg, IDC_LX, QStringLiteral("12,5"));
    SetDlgItemText(&dlg, IDC_LY, QStringLiteral("7"));
    CDataExchange in(&dlg, true);
    double lx = 3, ly = 4;
    DDX_Text(&in, IDC_LX, lx);
    DDX_Text(&in, IDC_LY, ly);
    EXPECT_TRUE(in.m_bFailed);
    EXPECT_EQ(lx, 3.0);
    EXPECT_EQ(ly, 4.0);  // not read after the failure
    ASSERT_EQ(kesttest::Messages().shown.size(), 1u);
    EXPECT_EQ(kesttest::Messages().shown[0].text, QStringLiteral("숫자를 입력하십시오."));
    EXPECT_EQ(kesttest::Messages().shown[0].caption, QStringLiteral("KestLoad"));
    EXPECT_EQ(QApplication::focusWidget(), GetDlgItem(&dlg, IDC_LX));
}

TEST_F(Exchange, NumbersIgnoreADecimalCommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    CDataExchange out(&dlg, false);
    double d = 2.5;
    DDX_Text(&out, IDC_IXX, d);
    EXPECT_EQ(GetDlgItemText(&dlg, IDC_IXX), QStringLiteral("2.5"));
    CDataExchange in(&dlg, true);
    double back = 0;
    DDX_Text(&in, IDC_IXX, back);
    EXPECT_EQ(back, 2.5);
    std::setlocale(LC_ALL, previous.c_str());
}

QImage Canvas() {
    QImage img(100, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(DrawingContext, RectangleFillsInsideAndOutlinesWithThePen) {
    QImage img = Canvas();
    {
        QPainter p(&img);
        CKestDC dc(&p);
        dc.SelectPen(CKestPen::Solid(1, RGB(0, 0, 255)));
        dc.SelectBrush(CKestBrush::SolidColor(RGB(0, 255, 0)));
        dc.Rectangle(QRect(10, 10, 30, 20));  // left 10 .. right 40 exclusive
    }
    EXPECT_EQ(img.pixelColor(10, 10), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(39, 29), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(40, 20), QColor(Qt::white));  // right edge excluded
    EXPECT_EQ(img.pixelColor(25, 20), QColor(0, 255, 0));
}

TEST(DrawingContext, FillsFramesLinesAndDashes) {
    QImage img = Canvas();
    {
        QPainter p(&img);
        CKestDC dc(&p);
        dc.FillSolidRect(QRect(0, 0, 5, 5), RGB(255, 10, 10));
        dc.FrameRect(QRect(50, 10, 20, 20), RGB(50, 50, 50));
        dc.SelectPen(CKestPen::Solid(3, RGB(0, 140, 0)));
        dc.MoveTo(0, 40);
        dc.LineTo(99, 40);
        dc.SelectPen(CKestPen::User(1, Qt::black, {2, 2}));
        dc.MoveTo(0, 55);
        dc.LineTo(40, 55);
    }
    EXPECT_EQ(img.pixelColor(4, 4), QColor(255, 10, 10));
    EXPECT_EQ(img.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(50, 20), QColor(50, 50, 50));
    EXPECT_EQ(img.pixelColor(60, 20), QColor(Qt::white));  // a frame, not a fill
    EXPECT_EQ(img.pixelColor(30, 39), QColor(0, 140, 0));  // three pixels wide
    EXPECT_EQ(img.pixelColor(30, 41), QColor(0, 140, 0));
    int black = 0;
    for (int x = 0; x < 40; ++x) black += img.pixelColor(x, 55) == QColor(Qt::black);
    EXPECT_GT(black, 10);
    EXPECT_LT(black, 30);  // dashed: about half the pixels
}

TEST(DrawingContext, TextAlignmentAndColour) {
    QImage img(200, 40, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        CKestDC dc(&p);
        dc.SelectFont(GdiFont(QStringLiteral("Arial"), 14, 400));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 0, 0));
        dc.DrawText(QStringLiteral("WWW"), QRect(0, 0, 200, 40), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    int minX = 200, maxX = -1;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 120) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
        }
    }
    EXPECT_GT(minX, 140);  // right-aligned
    EXPECT_GE(maxX, 190);
}

TEST(DrawingContext, GdiCellHeightBecomesAFontOfThatHeight) {
    const QFontMetrics fm(GdiFont(QStringLiteral("Arial"), 14, 400));
    EXPECT_NEAR(fm.ascent() + fm.descent(), 14, 1);
    EXPECT_EQ(GdiFont(QStringLiteral("Arial"), -12, 700).pixelSize(), 12);
    EXPECT_TRUE(GdiFont(QStringLiteral("Arial"), -12, 700).bold());
}

TEST(Resources, StringTableHoldsTheProgramsTexts) {
    EXPECT_EQ(LoadKestString(IDS_LANGUAGE), QStringLiteral("ko"));
    EXPECT_EQ(LoadKestString(IDS_ADD_ROBOT), QStringLiteral("분석할 로봇을 추가하십시오."));
    EXPECT_EQ(LoadKestString(IDS_SAVE_CHANGES),
              QStringLiteral("프로젝트가 수정되었습니다. 저장하시겠습니까?"));
    EXPECT_EQ(LoadKestString(IDS_DETAIL_MASS), QStringLiteral("중   량"));
    EXPECT_EQ(LoadKestString(IDS_STATICALLY), QStringLiteral("Statically "));
    EXPECT_EQ(LoadKestString(IDS_ROBOT_MOUNT), QStringLiteral("로봇\n마운트 위치"));
    for (int id = IDS_APPL_SPOT; id <= IDS_APPL_DEBURRING; ++id)
        EXPECT_FALSE(LoadKestString(id).isEmpty()) << id;
    EXPECT_TRUE(LoadKestString(12345).isEmpty());
}

TEST(Resources, IconsAreDrawn) {
    for (IconId id : {IconId::App, IconId::Document, IconId::Plus, IconId::Minus, IconId::MoveUp,
                      IconId::MoveDown, IconId::MoveDown2, IconId::Calc, IconId::ToolCrdSys, IconId::FileNew,
                      IconId::FileOpen, IconId::FileSave, IconId::FilePrint, IconId::CrdSys}) {
        const QImage img = DrawKestIcon(id, 16);
        int opaque = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) opaque += qAlpha(img.pixel(x, y)) > 128;
        }
        EXPECT_GT(opaque, 12) << static_cast<int>(id);
        EXPECT_LT(opaque, 256) << static_cast<int>(id);
    }
}

TEST(Resources, EngineMessagesGoThroughTheHook) {
    kesttest::Messages().Reset();
    EXPECT_EQ(KestMessageBoxW(u"Can't find mechfile :\r\n/x", KEST_MB_ICONSTOP), IDOK);
    ASSERT_EQ(kesttest::Messages().shown.size(), 1u);
    EXPECT_EQ(kesttest::Messages().shown[0].text, QStringLiteral("Can't find mechfile :\r\n/x"));
    EXPECT_EQ(kesttest::Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_ICONSTOP));
}

}  // namespace
