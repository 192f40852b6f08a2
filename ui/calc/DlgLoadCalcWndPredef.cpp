// The load calculator's predefined-load box: the loads of PredefLoad.xml that
// fit the tab's load kind and the checked applications, by name, with their
// values, description and picture.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "DlgBuilder.h"
#include "DlgLoadCalcWnd.h"
#include "Language.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

void CDlgLoadCalcWnd::ReadPredef() {
    m_pName->clear();
    m_predef.clear();
    m_strImg.clear();
    CPredefLoads file;
    QString reason;
    if (ReadPredefFile(AppFolder() + QStringLiteral("PredefLoad.xml"), file, &reason) < 0) {
        m_strPredefError = LoadKestString(IDS_LC_PREDEF_NOT_READ).arg(reason);
    } else {
        m_strPredefError.clear();
        m_nPredefVer = file.nVersion;
        m_strPredefDate = file.strDate;
        for (const CLoad& load : file.loads) {
            if (MountAccepts(load.Mount, m_strMount) && ApplAccepts(load.Appl, m_strAppl))
                m_predef.push_back(load);
        }
        // Loads left out for a bad number are named once per opening, after
        // the window has come up.
        if (!file.skipped.isEmpty() && !m_bPredefWarned) {
            m_bPredefWarned = true;
            const int listed = 10;
            QStringList lines = file.skipped.mid(0, listed);
            if (file.skipped.size() > listed)
                lines << LoadKestString(IDS_MECH_PROBLEMS_MORE).arg(file.skipped.size() - listed);
            QTimer::singleShot(0, this, [text = lines.join(QLatin1Char('\n'))] {
                KestMessageBox(text, KEST_MB_OK | KEST_MB_ICONWARNING);
            });
        }
    }
    if (auto* error = DlgItem<QLabel>(this, IDC_LC_PREDEF_ERROR)) {
        error->setText(m_strPredefError);
        error->setVisible(!m_strPredefError.isEmpty());
    }
    // The box is sorted by name, letter case aside; equal names keep the file's order.
    std::vector<int> order(m_predef.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return QString::compare(m_predef[static_cast<size_t>(a)].Name, m_predef[static_cast<size_t>(b)].Name,
                                Qt::CaseInsensitive) < 0;
    });
    for (int i : order) m_pName->addItem(m_predef[static_cast<size_t>(i)].Name, i);
    m_pName->setCurrentIndex(m_pName->count() > 0 ? 0 : -1);
    OnSelchangePredef();
}

void CDlgLoadCalcWnd::OnSelchangePredef() {
    const int item = m_pName->currentIndex();
    if (item < 0) {
        // Nothing selected: nothing of an earlier selection stays on screen.
        for (int c = 0; c < 7; ++c) m_gridPredef.SetCellText(c, 1, QString());
        m_strDescription.clear();
        m_strImg.clear();
        RepaintFrames();
        return;
    }
    const CLoad& load = m_predef[static_cast<size_t>(m_pName->itemData(item).toInt())];
    SetRowValues(m_gridPredef, 1, 0, load.prm);
    const bool english = CurrentLanguage() == Lang::English && !load.DescriptionEn.isEmpty();
    m_strDescription = english ? load.DescriptionEn : load.Description;
    m_strImg = load.Img;
    RepaintFrames();
}

void CDlgLoadCalcWnd::OnBnClickedAppl() {
    const struct {
        int id;
        const char* appl;
    } boxes[] = {{IDC_LC_SPOT, "Spot"}, {IDC_LC_ARC, "Arc"}, {IDC_LC_HANDLING, "Handling"}};
    m_strAppl.clear();
    for (const auto& b : boxes) {
        auto* box = DlgItem<QCheckBox>(this, b.id);
        if (box == nullptr || !box->isChecked()) continue;
        if (!m_strAppl.isEmpty()) m_strAppl += QLatin1Char(',');
        m_strAppl += QString::fromLatin1(b.appl);
    }
    ReadPredef();
}
