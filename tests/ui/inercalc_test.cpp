// The inertia calculator: the cuboid formula, the dialog's fields and results,
// and half-typed or bad numbers while typing and on "Input".
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Colors.h"
#include "DlgBuilder.h"
#include "DlgInerCalc.h"
#include "Templates.h"
#include "UiTestEnv.h"

using namespace kest;

namespace {

TEST(InerCalc, CuboidAgainstHandComputedValues) {
    struct Case {
        double mass, size[3], iner[3];
    };
    const Case cases[] = {
        // (0.04 + 0.09)·12/12, (0.09 + 0.01)·12/12, (0.01 + 0.04)·12/12
        {12.0, {100.0, 200.0, 300.0}, {0.13, 0.10, 0.05}},
        {12.0, {-100.0, 200.0, -300.0}, {0.13, 0.10, 0.05}},    // signs of sizes do not matter
        {-12.0, {100.0, 200.0, 300.0}, {-0.13, -0.10, -0.05}},  // nor is the mass checked
        {6.0, {1000.0, 0.0, 0.0}, {0.0, 0.5, 0.5}},
        {5.0, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
    };
    for (const Case& c : cases) {
        double out[3] = {-1.0, -1.0, -1.0};
        ASSERT_EQ(CalcInertia(QStringLiteral("cuboid"), c.mass, c.size, out), 0);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(out[i], c.iner[i], 1e-15) << c.mass << " axis " << i;
    }
    // Any other shape, also in other letter case, leaves the results alone.
    for (const char* shape : {"Cuboid", "cylinder", ""}) {
        double out[3] = {7.0, 8.0, 9.0};
        EXPECT_EQ(CalcInertia(QString::fromLatin1(shape), 1.0, cases[0].size, out), -1);
        EXPECT_EQ(out[0], 7.0);
        EXPECT_EQ(out[2], 9.0);
    }
}

class InerCalcDialog : public ::testing::Test {
protected:
    void SetUp() override {
        kesttest::Messages().Reset();
        owner.setGeometry(100, 60, 600, 400);
        owner.show();
        dlg.m_strTitleAdd = QStringLiteral(" - hand");
        dlg.m_dMass = 12.0;
        dlg.m_dSize[0] = 100.0;
        dlg.m_dSize[1] = 200.0;
        dlg.m_dSize[2] = 300.0;
        dlg.show();
        QApplication::setActiveWindow(&dlg);
    }
    QLineEdit* Edit(int id) { return DlgItem<QLineEdit>(&dlg, id); }
    QString Text(int id) { return GetDlgItemText(&dlg, id); }
    // Replaces a field's text key by key, as the user would.
    void Type(int id, const QString& text) {
        QLineEdit* e = Edit(id);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    bool Marked(int id) { return Edit(id)->palette().color(QPalette::Base) == CLR_PINK; }

    QWidget owner;
    CDlgInerCalc dlg{&owner};
};

TEST_F(InerCalcDialog, ShowsTheInputsAndTheirInertias) {
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Inertia Calculator - hand"));
    EXPECT_EQ(dlg.pos(), owner.frameGeometry().topLeft() + QPoint(150, 80));
    EXPECT_EQ(Text(IDC_INER_MASS), QStringLiteral("12"));
    EXPECT_EQ(Text(IDC_INER_DZ), QStringLiteral("300"));
    EXPECT_EQ(Text(IDC_INER_IXX), QStringLiteral("0.1300"));
    EXPECT_EQ(Text(IDC_INER_IYY), QStringLiteral("0.1000"));
    EXPECT_EQ(Text(IDC_INER_IZZ), QStringLiteral("0.0500"));
    EXPECT_TRUE(Edit(IDC_INER_IXX)->isReadOnly());
    EXPECT_EQ(Edit(IDC_INER_IXX)->palette().color(QPalette::Base), CLR_LIGHTGREEN);

    Type(IDC_INER_MASS, QStringLiteral("24"));
    EXPECT_EQ(Text(IDC_INER_IXX), QStringLiteral("0.2600"));
    Type(IDC_INER_DX, QStringLiteral("0"));
    EXPECT_EQ(Text(IDC_INER_IYY), QStringLiteral("0.1800"));
    EXPECT_EQ(Text(IDC_INER_IZZ), QStringLiteral("0.0800"));

    dlg.findChild<QPushButton*>(QStringLiteral("ctrl1"))->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.m_dSize[0], 0.0);
    EXPECT_NEAR(dlg.m_dIner[1], 0.18, 1e-15);
    EXPECT_TRUE(kesttest::Messages().shown.empty());
}

TEST_F(InerCalcDialog, HalfTypedNumbersNeverInterruptTyping) {
    QLineEdit* mass = Edit(IDC_INER_MASS);
    for (const char* text : {"", "-", "1e", "abc", "nan", "inf", "1e400", "12,5"}) {
        mass->setText(QStringLiteral("12"));
        mass->setText(QString::fromLatin1(text));
        EXPECT_TRUE(Marked(IDC_INER_MASS)) << text;
        // Counted as unchanged: the last number stays in force.
        EXPECT_EQ(dlg.m_dMass, 12.0) << text;
        EXPECT_EQ(Text(IDC_INER_IXX), QStringLiteral("0.1300")) << text;
        EXPECT_FALSE(Marked(IDC_INER_DX));
    }
    // Key by key: "2" is taken, "2e" keeps it.
    Type(IDC_INER_MASS, QStringLiteral("2e"));
    EXPECT_TRUE(Marked(IDC_INER_MASS));
    EXPECT_EQ(dlg.m_dMass, 2.0);
    EXPECT_EQ(Text(IDC_INER_IXX), QStringLiteral("0.0217"));
    EXPECT_TRUE(kesttest::Messages().shown.empty());
    EXPECT_TRUE(dlg.isVisible());
    // Finishing the number takes it and clears the mark.
    QTest::keyClicks(mass, QStringLiteral("1"));
    EXPECT_FALSE(Marked(IDC_INER_MASS));
    EXPECT_EQ(dlg.m_dMass, 20.0);
    EXPECT_EQ(Text(IDC_INER_IZZ), QStringLiteral("0.0833"));
}

TEST_F(InerCalcDialog, InputWithABadNumberAsksAndStaysOpen) {
    Type(IDC_INER_DY, QStringLiteral("-"));
    Type(IDC_INER_DZ, QStringLiteral("inf"));
    EXPECT_TRUE(kesttest::Messages().shown.empty());
    QPushButton* input = dlg.findChild<QPushButton*>(QStringLiteral("ctrl1"));
    input->click();
    ASSERT_EQ(kesttest::Messages().shown.size(), 1u);  // one message, for the first bad field
    EXPECT_EQ(kesttest::Messages().shown[0].text, QStringLiteral("숫자를 입력하십시오."));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_INER_DY));

    Type(IDC_INER_DY, QStringLiteral("200"));
    input->click();
    ASSERT_EQ(kesttest::Messages().shown.size(), 2u);  // a non-finite number is refused too
    EXPECT_EQ(QApplication::focusWidget(), Edit(IDC_INER_DZ));
    EXPECT_TRUE(dlg.isVisible());

    Type(IDC_INER_DZ, QStringLiteral("300"));
    input->click();
    EXPECT_EQ(kesttest::Messages().shown.size(), 2u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_NEAR(dlg.m_dIner[0], 0.13, 1e-15);
}

TEST_F(InerCalcDialog, CancelEndsWithoutAsking) {
    Type(IDC_INER_MASS, QStringLiteral("x"));
    dlg.findChild<QPushButton*>(QStringLiteral("ctrl2"))->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(kesttest::Messages().shown.empty());
}

}  // namespace
