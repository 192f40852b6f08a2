// The pieces of the main window: legend list, pictures, the flat tab strip and
// the load page's exchange in millimetres.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "DlgBuilder.h"
#include "Img.h"
#include "KestDC.h"
#include "MngLegend.h"
#include "PgAddLoad.h"
#include "PrmLoadSub.h"
#include "TabCtrl2.h"
#include "Templates.h"
#include "UiTestEnv.h"

using namespace kest;

namespace {

TEST(MngLegend, AddRemoveMoveAndNames) {
    CMngLegend l;
    EXPECT_EQ(l.RemoveCur(), -1);
    EXPECT_EQ(l.Name(0), QString());
    l.Add(QStringLiteral("A"));
    EXPECT_EQ(l.RemoveCur(), 0);  // the only entry
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.GetCur(), 0);

    l.Add(QStringLiteral("A"));
    l.Add(QStringLiteral("B"));
    EXPECT_EQ(l.RemoveCur(), 0);  // entry 0 of two
    EXPECT_EQ(l.Name(), QStringLiteral("B"));
    EXPECT_EQ(l.GetCur(), 0);

    l.Add(QStringLiteral("C"));
    l.Add(QStringLiteral("C"));  // the same name twice is allowed
    l.Move(-1);                  // first entry up: nothing moves
    EXPECT_EQ(l.Name(0), QStringLiteral("B"));
    l.Move(1);
    l.Move(1);
    EXPECT_EQ(l.GetCur(), 2);
    EXPECT_EQ(l.Name(2), QStringLiteral("B"));
    l.Move(1);  // last entry down: nothing moves
    EXPECT_EQ(l.GetCur(), 2);
    l.Move(-1);
    l.Move(-1);  // the current entry follows, so it reaches the top
    EXPECT_EQ(l.Name(0), QStringLiteral("B"));
    EXPECT_EQ(l.Name(3), QString());
    EXPECT_EQ(l.Name(-1), QStringLiteral("B"));
    l.SetCur(2);
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.GetCur(), 0);  // the first robot added afterwards is the current one
}

TEST(Img, LoadAndFit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(QColor(0, 0, 255));
    ASSERT_TRUE(wide.save(path));

    const int before = CImg::LiveCount();
    {
        CImg img;
        EXPECT_EQ(CImg::LiveCount(), before + 1);
        EXPECT_EQ(img.Load(dir.filePath(QStringLiteral("missing.png"))), -2);
        EXPECT_FALSE(img.bLoaded);
        EXPECT_EQ(img.Load(path), 0);
        EXPECT_EQ(img.Load(path), -1);  // already loaded: kept
        EXPECT_TRUE(img.bLoaded);
        EXPECT_EQ(img.szImg, QSize(200, 100));
        EXPECT_EQ(img.FittedRect(QRect(0, 0, 100, 100)), QRect(0, 0, 100, 50));
        img.nAlign = CImg::ALIGN_CENTER;
        EXPECT_EQ(img.FittedRect(QRect(0, 0, 100, 100)), QRect(0, 25, 100, 50));
        img.nAlign = CImg::ALIGN_BOTTOM;
        EXPECT_EQ(img.FittedRect(QRect(10, 10, 100, 100)), QRect(10, 60, 100, 50));
        img.nAlign = CImg::ALIGN_RIGHT;
        EXPECT_EQ(img.FittedRect(QRect(0, 0, 300, 100)), QRect(100, 0, 200, 100));

        QImage canvas(100, 100, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter p(&canvas);
            CKestDC dc(&p);
            img.nAlign = CImg::ALIGN_CENTER;
            EXPECT_EQ(img.Draw(dc, QRect(0, 0, 100, 100)), 0);
        }
        EXPECT_EQ(canvas.pixelColor(50, 10), QColor(Qt::white));
        EXPECT_EQ(canvas.pixelColor(50, 50), QColor(0, 0, 255));
        img.Free();
        QPainter p(&canvas);
        CKestDC dc(&p);
        EXPECT_EQ(img.Draw(dc, QRect(0, 0, 100, 100)), -1);
    }
    EXPECT_EQ(CImg::LiveCount(), before);
}

TEST(TabCtrl2, SelectedTabStandsOutFromGreyTabs) {
    CTabCtrl2 tabs;
    tabs.addTab(QStringLiteral("  Tool  "));
    tabs.addTab(QStringLiteral("부가중량  V"));
    tabs.setCurrentIndex(1);
    tabs.resize(400, 80);
    QImage img(tabs.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    tabs.render(&img);
    const QRect unsel = tabs.tabRect(0);
    const QRect sel = tabs.tabRect(1);
    EXPECT_EQ(img.pixelColor(unsel.left() + 3, unsel.center().y() + 6), QColor(210, 210, 210));
    EXPECT_NE(img.pixelColor(sel.left() + 3, sel.center().y() + 6), QColor(210, 210, 210));
    EXPECT_EQ(img.pixelColor(sel.left(), sel.center().y()), QColor(145, 155, 156));  // outline
    EXPECT_EQ(img.pixelColor(tabs.width() - 1, 60), QColor(145, 155, 156));          // page frame
}

TEST(PgAddLoad, ExchangeInMillimetres) {
    CPrmLoadSub load;
    load.Lx = 0.1;
    load.Mass = 12.5;
    QWidget parent;
    CPgAddLoad page(nullptr, &parent, &load);
    ASSERT_TRUE(page.UpdateData(false));
    EXPECT_EQ(GetDlgItemText(&page, IDC_LX), QStringLiteral("100"));
    EXPECT_EQ(GetDlgItemText(&page, IDC_MASS), QStringLiteral("12.5"));
    SetDlgItemText(&page, IDC_LX, QStringLiteral("12.5"));
    SetDlgItemText(&page, IDC_IZZ, QStringLiteral("0.75"));
    ASSERT_TRUE(page.UpdateData(true));
    EXPECT_EQ(load.Lx, 0.0125);
    EXPECT_EQ(load.Izz, 0.75);

    kesttest::Messages().Reset();
    SetDlgItemText(&page, IDC_MASS, QStringLiteral("7"));
    SetDlgItemText(&page, IDC_LY, QStringLiteral("abc"));
    SetDlgItemText(&page, IDC_LZ, QStringLiteral("5"));
    EXPECT_FALSE(page.UpdateData(true));
    EXPECT_EQ(load.Mass, 7.0);  // read before the bad field
    EXPECT_EQ(load.Lz, 0.0);    // not read after it
    EXPECT_EQ(kesttest::Messages().Texts(), QStringList{QStringLiteral("Ly: 숫자를 입력하십시오.")});

    // Numbers that are not finite are not numbers, and the page names itself.
    page.SetName(QStringLiteral("Tool"));
    SetDlgItemText(&page, IDC_LY, QStringLiteral("0"));
    for (const char* bad : {"nan", "inf", "-inf", "1e400", "-1e400", "NAN", "infinity"}) {
        kesttest::Messages().Reset();
        SetDlgItemText(&page, IDC_IXX, QString::fromLatin1(bad));
        EXPECT_FALSE(page.UpdateData(true)) << bad;
        EXPECT_EQ(kesttest::Messages().Texts(), QStringList{QStringLiteral("Tool Ixx: 숫자를 입력하십시오.")})
            << bad;
    }
    SetDlgItemText(&page, IDC_IXX, QStringLiteral("1e-400"));  // underflows to a finite 0
    EXPECT_TRUE(page.UpdateData(true));
}

}  // namespace
