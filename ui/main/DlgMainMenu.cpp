// The main window's menu, toolbar and the commands they give.
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <functional>

#include "DlgMain.h"
#include "Icons.h"
#include "Language.h"
#include "Strings.h"
#include "Templates.h"

using namespace kest;

void CDlgMain::BuildMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const Lang lang = CurrentLanguage();
    const QString languageTip = LoadKestString(IDS_LANGUAGE_LATER);
    std::function<void(QMenu*, const MenuTemplateItem&)> addItem = [&](QMenu* menu,
                                                                       const MenuTemplateItem& item) {
        if (item.text == nullptr) {
            menu->addSeparator();
            return;
        }
        const QString text = QString::fromUtf8(item.Text(lang));
        if (!item.children.empty()) {
            QMenu* sub = menu->addMenu(text);
            for (const MenuTemplateItem& c : item.children) addItem(sub, c);
            return;
        }
        QAction* a = menu->addAction(text);
        const int id = item.id;
        a->setData(id);
        const bool language = id == ID_VIEW_LANG_KO || id == ID_VIEW_LANG_EN;
        a->setCheckable(id == ID_VIEW_INERTIA_SHOW || id == ID_VIEW_INERTIA_HIDE || id == ID_HELP_VER_NEW ||
                        id == ID_HELP_VER_OLD || language);
        a->setChecked(item.checked);
        if (language) {
            // The window keeps its language; say when the choice takes effect.
            a->setChecked((id == ID_VIEW_LANG_EN) == (lang == Lang::English));
            a->setStatusTip(languageTip);
            a->setToolTip(languageTip);
            menu->setToolTipsVisible(true);
            menu->menuAction()->setStatusTip(languageTip);
        }
        connect(a, &QAction::triggered, this, [this, a, id](bool checked) {
            // Check marks change only where the handler says so.
            if (a->isCheckable()) a->setChecked(!checked);
            OnCommand(id);
        });
        m_actions.insert(id, a);
    };
    for (const MenuTemplateItem& popup : MainMenuTemplate().popups) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(popup.Text(lang)));
        for (const MenuTemplateItem& item : popup.children) addItem(menu, item);
    }
    const struct {
        int id;
        IconId icon;
    } icons[] = {{ID_FILE_NEW_PRJ, IconId::FileNew},
                 {ID_FILE_OPEN_PRJ, IconId::FileOpen},
                 {ID_FILE_SAVE_PRJ, IconId::FileSave},
                 {ID_FILE_PRINT, IconId::FilePrint},
                 {ID_HELP_CRDSYS, IconId::CrdSys}};
    for (const auto& i : icons) {
        if (QAction* a = CommandAction(i.id)) a->setIcon(KestIcon(i.icon));
    }
    // The usual shortcuts, shown beside the menu items.
    const struct {
        int id;
        QKeySequence keys;
    } shortcuts[] = {{ID_FILE_NEW_PRJ, QKeySequence(Qt::CTRL | Qt::Key_N)},
                     {ID_FILE_OPEN_PRJ, QKeySequence(Qt::CTRL | Qt::Key_O)},
                     {ID_FILE_SAVE_PRJ, QKeySequence(Qt::CTRL | Qt::Key_S)},
                     {ID_FILE_PRINT, QKeySequence(Qt::CTRL | Qt::Key_P)}};
    for (const auto& sc : shortcuts) {
        if (QAction* a = CommandAction(sc.id)) {
            a->setShortcut(sc.keys);
            addAction(a);  // active wherever the focus is in the window
        }
    }
}

void CDlgMain::CreateToolBar() {
    m_pToolBar = new QToolBar(m_pClient);
    m_pToolBar->setObjectName(QStringLiteral("ctrl59392"));
    m_pToolBar->setIconSize(QSize(MainToolbarTemplate().imageWidth, MainToolbarTemplate().imageHeight));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : MainToolbarTemplate().commands) {
        if (id == 0) {
            m_pToolBar->addSeparator();
        } else if (QAction* a = CommandAction(id)) {
            a->setToolTip(a->text().remove(QLatin1Char('&')));
            m_pToolBar->addAction(a);
        }
    }
    const int h = m_pToolBar->sizeHint().height();
    m_pToolBar->setGeometry(0, 0, m_pClient->width(), h);
    m_pToolBar->show();
}

void CDlgMain::OnCommand(int id) {
    switch (id) {
        case ID_FILE_NEW_PRJ: OnFileNewPrj(); break;
        case ID_FILE_OPEN_PRJ: OnFileOpenPrj(); break;
        case ID_FILE_SAVE_PRJ: OnFileSavePrj(); break;
        case ID_FILE_SAVE_AS_PRJ: OnFileSaveAsPrj(); break;
        case ID_FILE_PROPERTIES: OnFileProperties(); break;
        case ID_FILE_PRINT: OnFilePrint(); break;
        case ID_FILE_EXIT: OnFileExit(); break;
        case ID_WINDOW_NEW: OnWindowNewWindow(); break;
        case ID_HELP_CRDSYS: OnHelpCrdSys(); break;
        case ID_HELP_MANUAL: OnHelpManual(); break;
        case ID_HELP_ABOUT: OnHelpAbout(); break;
        case ID_HELP_EXAMPLES: OnHelpExamples(); break;
        case ID_VIEW_INERTIA_SHOW:
        case ID_VIEW_INERTIA_HIDE: OnHelpInertia(); break;
        case ID_HELP_VER_NEW:
        case ID_HELP_VER_OLD: OnHelpVersion(); break;
        case ID_VIEW_LANG_KO: OnViewLanguage(Lang::Korean); break;
        case ID_VIEW_LANG_EN: OnViewLanguage(Lang::English); break;
        default: break;
    }
}
