// A shown main window with the real engine and the bundled mechanism data.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>

#include "DlgBuilder.h"
#include "DlgMain.h"
#include "MngLegend.h"
#include "PgAddLoad.h"
#include "Templates.h"
#include "UiTestEnv.h"

namespace kesttest {

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Messages().Reset();
        dlg = std::make_unique<CDlgMain>(nullptr);
        dlg->show();
        ASSERT_NE(dlg->m_pEngine, nullptr) << Messages().Texts().join(QLatin1Char('|')).toStdString();
        list = kest::DlgItem<QListWidget>(dlg->Client(), kest::IDC_LB_MECH);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override { dlg.reset(); }

    // Selects `name` in the mechanism list and presses "+".
    void AddRobot(const QString& name) {
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->setCurrentItem(items[0]);
        dlg->OnBnClickedAddLeg();
    }
    // Types a load into page 0 (Tool), 1 (V), 2 (H) or 3 (S).
    void TypeLoad(int page, const QStringList& values) {
        const int ids[] = {kest::IDC_MASS, kest::IDC_LX,  kest::IDC_LY, kest::IDC_LZ,
                           kest::IDC_IXX,  kest::IDC_IYY, kest::IDC_IZZ};
        for (int i = 0; i < 7; ++i) kest::SetDlgItemText(dlg->m_pPgAddLoad[page], ids[i], values.value(i));
    }
    QString PageText(int page, int id) const { return kest::GetDlgItemText(dlg->m_pPgAddLoad[page], id); }

    std::unique_ptr<CDlgMain> dlg;
    QListWidget* list = nullptr;
};

}  // namespace kesttest
