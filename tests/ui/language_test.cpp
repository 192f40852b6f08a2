// The English interface beside the Korean one: the string table, every window
// built in both languages, texts that fit, the verdicts, the choice of the
// language and Qt's own texts.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>

#include "DialogFixture.h"
#include "DlgAbout.h"
#include "DlgCadImport.h"
#include "DlgCrdSys.h"
#include "DlgFileProp.h"
#include "DlgInerCalc.h"
#include "DlgLoadCalcWnd.h"
#include "DlgReport.h"
#include "DlgToolCalcWnd.h"
#include "Language.h"
#include "MessageBox.h"
#include "PathHelpers.h"
#include "ReportSettings.h"
#include "Strings.h"
#include "Verdict.h"

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

namespace {

// Sets the process language for one test and puts Korean back afterwards.
class LanguageScope {
public:
    explicit LanguageScope(Lang lang) { SetCurrentLanguage(lang); }
    ~LanguageScope() { SetCurrentLanguage(Lang::Korean); }
};

// The main window built in English.
class EnglishWindow : public MainDialog {
protected:
    void SetUp() override {
        SetCurrentLanguage(Lang::English);
        MainDialog::SetUp();
    }
    void TearDown() override {
        MainDialog::TearDown();
        SetCurrentLanguage(Lang::Korean);
    }
};

const int kTemplates[] = {IDD_MAIN,      IDD_PG_PAYLOAD, IDD_PG_ADDLOAD, IDD_PG_BARCHART,
                          IDD_ABOUT,     IDD_REPORT,     IDD_CRDSYS,     IDD_TOOL_CALC,
                          IDD_FILE_PROP, IDD_LOAD_CALC,  IDD_INER_CALC,  IDD_CAD_IMPORT};

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

bool Insert(QSet<QChar>& set, QChar c) {
    if (set.contains(c)) return false;
    set.insert(c);
    return true;
}

// Every text a user can read on the widget tree of `root`, with where it is.
QStringList ReadableTexts(QWidget* root) {
    QStringList texts;
    auto add = [&texts](const QObject* o, const QString& what, const QString& text) {
        if (!text.isEmpty()) texts << QStringLiteral("%1 %2: %3").arg(o->objectName(), what, text);
    };
    std::function<void(const QString&, QAction*)> addAction = [&](const QString& path, QAction* a) {
        const QString here = path + QLatin1Char('/') + Plain(a->text());
        add(a, QStringLiteral("action"), here);
        add(a, QStringLiteral("status tip"), a->statusTip());
        if (a->toolTip() != Plain(a->text())) add(a, QStringLiteral("tool tip"), a->toolTip());
        if (a->menu()) {
            for (QAction* c : a->menu()->actions()) addAction(here, c);
        }
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        add(w, QStringLiteral("title"), w->windowTitle());
        add(w, QStringLiteral("tool tip"), w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) add(w, QStringLiteral("label"), l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, QStringLiteral("button"), b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, QStringLiteral("group"), g->title());
        if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i) add(w, QStringLiteral("tab"), t->tabText(i));
        }
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) add(w, QStringLiteral("item"), c->itemText(i));
        }
        if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : bar->actions()) addAction(QString(), a);
        }
    }
    return texts;
}

QStringList WithHangul(const QStringList& texts) {
    QStringList found;
    for (const QString& t : texts) {
        if (ContainsHangul(t)) found << t;
    }
    return found;
}

// The texts that do not fit their control: a label's lines within its box, a
// button's, check box's or group box's text within its width.
QStringList ClippedTexts(QWidget* root) {
    QStringList clipped;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QFontMetrics fm(w->font());
        const QString where = w->objectName().isEmpty() ? QStringLiteral("?") : w->objectName();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty() || !l->pixmap().isNull()) continue;
            const int flags = l->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect need = fm.boundingRect(QRect(0, 0, l->width(), 10000), flags, l->text());
            if (need.width() > l->width() || need.height() > l->height())
                clipped << QStringLiteral("%1 \"%2\": %3x%4 in %5x%6")
                               .arg(where, l->text())
                               .arg(need.width())
                               .arg(need.height())
                               .arg(l->width())
                               .arg(l->height());
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* b = static_cast<QAbstractButton*>(w);
            if (b->sizeHint().width() > b->width())
                clipped << QStringLiteral("%1 \"%2\": %3 in %4")
                               .arg(where, b->text())
                               .arg(b->sizeHint().width())
                               .arg(b->width());
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            const int need = fm.horizontalAdvance(Plain(b->text())) + 4;
            if (!b->text().isEmpty() && need > b->width())
                clipped
                    << QStringLiteral("%1 \"%2\": %3 in %4").arg(where, b->text()).arg(need).arg(b->width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (fm.horizontalAdvance(g->title()) + 16 > g->width())
                clipped << where + QStringLiteral(" ") + g->title();
        }
    }
    return clipped;
}

// Every numbered control of template `id` is on `host`.
void ExpectTemplateControls(const QWidget* host, int id) {
    const DlgTemplate* t = FindDlgTemplate(id);
    ASSERT_NE(t, nullptr) << id;
    for (const CtrlTemplate& c : t->controls) {
        if (c.id > 0) {
            EXPECT_NE(GetDlgItem(host, c.id), nullptr) << "template " << id << " control " << c.id;
        }
    }
}

// ---- The string table ------------------------------------------------------

TEST(StringTable, EveryNumberHasAnEnglishTextWithTheSamePlaceholders) {
    const std::vector<int> ids = KestStringIds();
    ASSERT_GE(ids.size(), 60u);
    const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
    for (int id : ids) {
        const QString ko = LoadKestString(id, Lang::Korean);
        const QString en = LoadKestString(id, Lang::English);
        EXPECT_FALSE(ko.isEmpty()) << id;
        EXPECT_FALSE(en.trimmed().isEmpty()) << id;
        EXPECT_FALSE(ContainsHangul(en)) << id << ": " << en.toStdString();
        // A format that loses a placeholder would drop a path or a value.
        QStringList koArgs, enArgs;
        for (auto it = placeholder.globalMatch(ko); it.hasNext();) koArgs << it.next().captured();
        for (auto it = placeholder.globalMatch(en); it.hasNext();) enArgs << it.next().captured();
        koArgs.sort();
        enArgs.sort();
        EXPECT_EQ(koArgs, enArgs) << id;
    }
    EXPECT_EQ(LoadKestString(IDS_LANGUAGE, Lang::Korean), QStringLiteral("ko"));
    EXPECT_EQ(LoadKestString(IDS_LANGUAGE, Lang::English), QStringLiteral("en"));
    EXPECT_TRUE(LoadKestString(99999, Lang::English).isEmpty());
    {
        LanguageScope english(Lang::English);
        EXPECT_EQ(LoadKestString(IDS_PASS), QStringLiteral("Pass"));
    }
    EXPECT_EQ(LoadKestString(IDS_PASS), QStringLiteral("합격"));
}

TEST(StringTable, HangulIsFoundInSyllablesAndJamo) {
    EXPECT_TRUE(ContainsHangul(QStringLiteral("Pass (합격)")));
    EXPECT_TRUE(ContainsHangul(QStringLiteral("ㄱ")));              // compatibility jamo
    EXPECT_TRUE(ContainsHangul(QString(QChar(char16_t(0x1100)))));  // leading jamo
    EXPECT_FALSE(ContainsHangul(QStringLiteral("kg·m² 22° 2×2 – \"quoted\"")));
}

// ---- Verdicts --------------------------------------------------------------

TEST(Verdict, EnglishTextsForEveryBranch) {
    LanguageScope english(Lang::English);
    struct Case {
        int env, mass, moment, inertia;
        bool show;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, 0, 0, true, 1, "Pass"},
        {1, 1, 0, 0, true, 2, "Pass (high load)"},
        {0, 0, 0, 0, true, 2, "Pass (high load)"},  // outside the envelope, no level
        {1, 0, 0, 1, true, 2, "Pass (high load)"},
        {1, 0, 2, 0, true, 3, "Fail (further analysis needed)"},
        {1, 0, 0, 2, true, 3, "Fail (further analysis needed)"},
        {1, 3, 0, 0, true, 4, "Fail (not supported)"},
        {1, 0, 3, 0, true, 4, "Fail (not supported)"},
        {1, 0, 0, 3, false, 1, "Pass"},  // hidden inertia does not count
    };
    for (const Case& c : cases) {
        const CVerdict v = BuildVerdict(c.env, c.mass, c.moment, c.inertia, c.show);
        EXPECT_EQ(v.code, c.code) << c.env << c.mass << c.moment << c.inertia << c.show;
        EXPECT_EQ(v.text, QString::fromUtf8(c.text));
    }
    EXPECT_EQ(
        BuildVerdict(1, 0, 0, 0, true).detail,
        QStringLiteral("   Tool mass\t  :  O.K.\r\n   Moment   \t  :  O.K.\r\n   Inertia load\t  :  O.K."));
    EXPECT_EQ(BuildVerdict(1, 3, 2, 1, true).detail,
              QStringLiteral("   Tool mass\t  :  hyper-overloaded (not applicable)\r\n"
                             "   Moment   \t  :  Statically overloaded (exception allowed)\r\n"
                             "   Inertia load\t  :  Dynamically high load"));
    EXPECT_EQ(BuildVerdict(1, 1, 3, 2, true).detail,
              QStringLiteral("   Tool mass\t  :  high load\r\n"
                             "   Moment   \t  :  Statically hyper-overloaded (not applicable)\r\n"
                             "   Inertia load\t  :  Dynamically overloaded (exception allowed)"));
}

// The detail words of one robot end on one tab stop in the window's font, so
// that the colons line up (as they do in Korean).
TEST_F(EnglishWindow, DetailWordsShareATabStop) {
    AddRobot(QStringLiteral("TK50-2100"));
    ASSERT_EQ(dlg->m_nVerdict[0], 1);
    const QStringList lines = dlg->m_strDetail[0].split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);  // mass, moment, inertia, governing, headroom
    // The result box's font on screen and on paper.
    for (int px = 8; px <= 24; ++px) {
        const QFontMetrics fm(GdiFont(QStringLiteral("Arial"), px, 400));
        const double stop = 8.0 * fm.averageCharWidth();
        int first = -1;
        for (const QString& line : lines) {
            const int width = fm.horizontalAdvance(line.left(line.indexOf(QLatin1Char('\t'))));
            const int tab = static_cast<int>(width / stop) + 1;
            if (first < 0) first = tab;
            EXPECT_EQ(tab, first) << px << " px: " << line.toStdString();
        }
    }
}

// ---- Windows in both languages ---------------------------------------------

TEST(Templates, EveryTemplateBuildsInBothLanguagesWithAllItsControls) {
    for (const int id : kTemplates) {
        QSize sizes[2];
        for (const Lang lang : {Lang::Korean, Lang::English}) {
            LanguageScope scope(lang);
            QWidget host;
            const QSize size = BuildDialogControls(&host, *FindDlgTemplate(id));
            sizes[lang == Lang::English] = size;
            ExpectTemplateControls(&host, id);
            EXPECT_EQ(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
                      static_cast<qsizetype>(FindDlgTemplate(id)->controls.size()))
                << id;
            if (lang == Lang::English) {
                EXPECT_EQ(WithHangul(ReadableTexts(&host)), QStringList()) << id;
            }
        }
        EXPECT_EQ(sizes[0], sizes[1]) << id;  // one layout for both
    }
}

// The English menu: no Korean, at most one access key per entry and no key
// used twice in one menu (the second entry could not be reached by it).
TEST(Templates, EnglishMenuHasDistinctAccessKeys) {
    std::function<void(const std::vector<MenuTemplateItem>&)> check =
        [&](const std::vector<MenuTemplateItem>& items) {
            QSet<QChar> keys;
            for (const MenuTemplateItem& item : items) {
                if (item.text == nullptr) continue;
                const QString text = QString::fromUtf8(item.Text(Lang::English));
                EXPECT_FALSE(ContainsHangul(text)) << item.text;
                EXPECT_LE(text.count(QLatin1Char('&')), 1) << text.toStdString();
                const qsizetype amp = text.indexOf(QLatin1Char('&'));
                if (amp >= 0 && amp + 1 < text.size()) {
                    EXPECT_TRUE(Insert(keys, text[amp + 1].toLower()))
                        << "access key used twice: " << text.toStdString();
                }
                check(item.children);
            }
        };
    check(MainMenuTemplate().popups);
}

TEST_F(EnglishWindow, MainWindowIsEnglishThroughoutAndItsTextsFit) {
    ExpectTemplateControls(dlg->Client(), IDD_MAIN);
    for (CPgAddLoad* pg : dlg->m_pPgAddLoad) ExpectTemplateControls(pg, IDD_PG_ADDLOAD);
    EXPECT_EQ(WithHangul(ReadableTexts(dlg.get())), QStringList());
    EXPECT_EQ(ClippedTexts(dlg.get()), QStringList());
    EXPECT_EQ(dlg->m_tabAddLoad->tabText(1), QStringLiteral("Add. load  V"));
    EXPECT_EQ(dlg->CommandAction(ID_FILE_NEW_PRJ)->text(), QStringLiteral("&New"));
    // The toolbar's tips come from the menu.
    EXPECT_EQ(dlg->CommandAction(ID_FILE_PRINT)->toolTip(), QStringLiteral("Print"));
    auto* app = DlgItem<QComboBox>(dlg->Client(), IDC_APPLICATION);
    EXPECT_EQ(app->itemText(0), QStringLiteral("Spot welding"));
    // The tabs of both strips fit beside each other.
    for (QTabWidget* tabs : {dlg->m_tabAddLoad, dlg->m_tabResult}) {
        const QTabBar* bar = tabs->tabBar();
        EXPECT_LE(bar->tabRect(bar->count() - 1).right(), tabs->width()) << tabs->objectName().toStdString();
    }
}

TEST_F(MainDialog, KoreanWindowKeepsItsKoreanTexts) {
    ExpectTemplateControls(dlg->Client(), IDD_MAIN);
    EXPECT_EQ(GetDlgItemText(dlg->Client(), IDC_ANALYSE), QStringLiteral("분석"));
    EXPECT_EQ(dlg->m_tabAddLoad->tabText(1), QStringLiteral("부가중량  V"));
    EXPECT_EQ(dlg->CommandAction(ID_FILE_NEW_PRJ)->text(), QStringLiteral("새 문서(&N)"));
    EXPECT_EQ(dlg->CommandAction(ID_VIEW_LANG_KO)->text(), QStringLiteral("한국어"));
    EXPECT_EQ(dlg->CommandAction(ID_VIEW_LANG_EN)->text(), QStringLiteral("English"));
}

// Every dialog of the program, built in English: all controls, no Korean
// left, nothing clipped; in Korean the same controls.
TEST_F(EnglishWindow, EveryDialogIsEnglishWithAllItsControls) {
    AddRobot(QStringLiteral("TK50-2100"));
    struct Shown {
        const char* name;
        int templateId;
        std::function<QWidget*()> make;
    };
    CDlgLoadCalc loads;
    const Shown dialogs[] = {
        {"tool calculator", IDD_TOOL_CALC,
         [&] { return new CDlgToolCalcWnd(&dlg->m_dlgToolCalc, dlg.get()); }},
        {"load calculator", IDD_LOAD_CALC, [&] { return new CDlgLoadCalcWnd(&loads, dlg.get()); }},
        {"inertia calculator", IDD_INER_CALC, [&] { return new CDlgInerCalc(dlg.get()); }},
        {"import from CAD", IDD_CAD_IMPORT, [&] { return new CDlgCadImport(dlg.get()); }},
        {"report", IDD_REPORT, [&] { return new CDlgReport(dlg->ReportSource()); }},
        {"about", IDD_ABOUT, [&] { return new CDlgAbout(dlg.get()); }},
        {"file properties", IDD_FILE_PROP, [&] { return new CDlgFileProp(dlg.get()); }},
        {"coordinate system", IDD_CRDSYS,
         [&] { return new CDlgCrdSys(dlg.get(), QStringLiteral("crdsys.png")); }},
    };
    for (const Shown& d : dialogs) {
        for (const Lang lang : {Lang::English, Lang::Korean}) {
            SetCurrentLanguage(lang);
            std::unique_ptr<QWidget> w(d.make());
            w->show();
            ExpectTemplateControls(w.get(), d.templateId);
            if (lang == Lang::English) {
                EXPECT_EQ(WithHangul(ReadableTexts(w.get())), QStringList()) << d.name;
                EXPECT_EQ(ClippedTexts(w.get()), QStringList()) << d.name;
            }
        }
        SetCurrentLanguage(Lang::English);
    }
    // The load calculator's tables and the description of a predefined load.
    CDlgLoadCalcWnd calc(&loads, dlg.get());
    calc.show();
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            EXPECT_FALSE(ContainsHangul(calc.m_gridLegend.GetCellText(c, r))) << c << "," << r;
    }
    EXPECT_EQ(calc.m_gridLegend.GetCellText(1, 0), QStringLiteral("Added equipment"));
    ASSERT_GT(calc.m_pName->count(), 0);
    calc.m_pName->setCurrentIndex(0);
    calc.OnSelchangePredef();
    EXPECT_FALSE(calc.m_strDescription.isEmpty());
    EXPECT_FALSE(ContainsHangul(calc.m_strDescription)) << calc.m_strDescription.toStdString();
}

// Pictures with words have English twins; those without fall back to the one picture.
TEST(LanguageAppFile, EnglishTwinOrTheFileItself) {
    EXPECT_EQ(LanguageAppFile(QStringLiteral("Image/crdsys.png")),
              AppFolder() + QStringLiteral("Image/crdsys.png"));
    LanguageScope english(Lang::English);
    for (const char* twin : {"crdsys.png", "crdsys_g.png", "tc_crd.png", "Load/guide.png"}) {
        const QString path = LanguageAppFile(QStringLiteral("Image/") + QLatin1String(twin));
        EXPECT_EQ(path, AppFolder() + QStringLiteral("Image/en/") + QLatin1String(twin));
        EXPECT_TRUE(QFileInfo(path).isFile()) << twin;
    }
    EXPECT_EQ(LanguageAppFile(QStringLiteral("Image/wrist.png")),
              AppFolder() + QStringLiteral("Image/wrist.png"));
    EXPECT_EQ(LanguageAppFile(QStringLiteral("PredefLoad.xml")),
              AppFolder() + QStringLiteral("PredefLoad.xml"));
}

// ---- Choosing the language -------------------------------------------------

TEST(LanguageChoice, OptionBeatsSettingBeatsLocale) {
    struct Case {
        const char* option;
        const char* setting;
        const char* locale;
        Lang expected;
    };
    const Case cases[] = {
        {"", "", "en_US.UTF-8", Lang::English},
        {"", "", "C.UTF-8", Lang::Korean},
        {"", "ko", "en_US.UTF-8", Lang::Korean},  // the setting beats the locale
        {"", "en", "ko_KR.UTF-8", Lang::English},
        {"ko", "en", "en_GB", Lang::Korean},  // the option beats both
        {"en", "ko", "C", Lang::English},
        {"", "fr", "en_US.UTF-8", Lang::English},  // a setting that is no language is passed over
        {"", " EN ", "C", Lang::English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLanguage(QLatin1String(c.option), QLatin1String(c.setting), QLatin1String(c.locale)),
                  c.expected)
            << c.option << "|" << c.setting << "|" << c.locale;
    }
}

TEST(LanguageChoice, OnlyEnglishLocalesGiveEnglish) {
    for (const char* en : {"en_US.UTF-8", "en_GB", "en", "en.UTF-8", "en_IE@euro", "EN_us"})
        EXPECT_EQ(LanguageOfLocale(QLatin1String(en)), Lang::English) << en;
    for (const char* ko : {"ko_KR.UTF-8", "C", "C.UTF-8", "POSIX", "", "de_DE.UTF-8", "eng", "english"})
        EXPECT_EQ(LanguageOfLocale(QLatin1String(ko)), Lang::Korean) << ko;
}

// The messages' locale is the first set of LC_ALL, LC_MESSAGES and LANG.
TEST(LanguageChoice, MessageLocaleFollowsThePosixOrder) {
    const QByteArray saved[3] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    const char* names[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "en_GB.UTF-8");
    qputenv("LANG", "ko_KR.UTF-8");
    EXPECT_EQ(ProcessMessageLocale(), QStringLiteral("en_GB.UTF-8"));
    qputenv("LC_ALL", "ko_KR.UTF-8");
    EXPECT_EQ(ProcessMessageLocale(), QStringLiteral("ko_KR.UTF-8"));
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    EXPECT_EQ(ProcessMessageLocale(), QStringLiteral("ko_KR.UTF-8"));
    for (int i = 0; i < 3; ++i) {
        if (saved[i].isNull())
            qunsetenv(names[i]);
        else
            qputenv(names[i], saved[i]);
    }
}

TEST(LanguageChoice, LangOptionIsTakenOutOfTheArguments) {
    QString value, error;
    QStringList args{"--check", "--lang", "en", "a.kestload"};
    ASSERT_TRUE(TakeLanguageOption(args, &value, &error));
    EXPECT_EQ(value, QStringLiteral("en"));
    EXPECT_EQ(args, (QStringList{"--check", "a.kestload"}));
    args = {"--lang=KO", "b.kestload"};
    ASSERT_TRUE(TakeLanguageOption(args, &value, &error));
    EXPECT_EQ(value, QStringLiteral("ko"));
    EXPECT_EQ(args, QStringList{"b.kestload"});
    args = {"c.kestload"};
    ASSERT_TRUE(TakeLanguageOption(args, &value, &error));
    EXPECT_TRUE(value.isEmpty());
    // After "--" everything is a file name, also "--lang".
    args = {"--check", "--", "--lang"};
    ASSERT_TRUE(TakeLanguageOption(args, &value, &error));
    EXPECT_EQ(args.size(), 3);
    for (const QStringList& bad :
         {QStringList{"--lang"}, QStringList{"--lang", "fr"}, QStringList{"--lang="}}) {
        QStringList a = bad;
        error.clear();
        EXPECT_FALSE(TakeLanguageOption(a, &value, &error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

// The setting lives in the (temporary) configuration folder; something that
// is no language there is ignored, and the start-up choice reads it.
TEST(LanguageChoice, SettingIsStoredPerUser) {
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/KestLoad/KestLoad.conf");
    SaveLanguageSetting(Lang::English);
    EXPECT_EQ(SavedLanguageSetting(), QStringLiteral("en"));
    EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    const QByteArray lcAll = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C.UTF-8");
    EXPECT_EQ(ApplyStartupLanguage(QString()), Lang::English);
    EXPECT_EQ(ApplyStartupLanguage(QStringLiteral("ko")), Lang::Korean);
    EXPECT_EQ(CurrentLanguage(), Lang::Korean);
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.setValue(QStringLiteral("Language"), QStringLiteral("klingon"));
    }
    EXPECT_TRUE(SavedLanguageSetting().isEmpty());
    EXPECT_EQ(ApplyStartupLanguage(QString()), Lang::Korean);  // the C locale
    if (lcAll.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", lcAll);
    QFile::remove(file);
    SetCurrentLanguage(Lang::Korean);
}

// Runs `work` on another thread; when it has not ended after 10 s (a reader
// blocked on a FIFO), a writer opened and closed on the FIFO unblocks it.
bool EndsInTime(const std::function<void()>& work, const QString& fifo) {
    std::future<void> done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return true;
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
    done.wait();
    return false;
}

// A FIFO or a huge file as the settings file: ignored with a warning, the
// defaults hold, nothing hangs and the file is left as it is.
TEST(LanguageChoice, SettingsOnlyFromARegularFileOfASaneSize) {
    const kesttest::SettingsGuard keep;  // also when a step below stops the test
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/KestLoad");
    const QString file = folder + QStringLiteral("/KestLoad.conf");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::remove(file);
    ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    QString read = QStringLiteral("unset");
    EXPECT_TRUE(EndsInTime([&read] { read = SavedLanguageSetting(); }, file));
    EXPECT_TRUE(read.isEmpty());
    EXPECT_TRUE(EndsInTime([] { SaveLanguageSetting(Lang::English); }, file));
    // The report dialog's choices live in the same file.
    EXPECT_TRUE(EndsInTime([] { EXPECT_FALSE(LoadReportChoices(nullptr)); }, file));
    EXPECT_TRUE(EndsInTime([] { SaveReportChoices(CReportChoices{1, 0}); }, file));
    EXPECT_TRUE(QFileInfo(file).isFile() == false && QFileInfo::exists(file));  // still the FIFO

    // The whole window starts at once with the defaults and a warning (the
    // command line never reads the setting).
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("KestLoad"))));
    const QString homeFile = home.filePath(QStringLiteral("KestLoad/KestLoad.conf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(homeFile).constData(), 0600), 0);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    p.setProcessEnvironment(env);
    p.start(kesttest::BuildAppFolder() + QStringLiteral("kestload"),
            {QStringLiteral("--quit-after-first-paint")});
    const bool finished = p.waitForFinished(20000);
    if (!finished) {
        const int fd = ::open(QFile::encodeName(homeFile).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        p.waitForFinished(10000);
    }
    EXPECT_TRUE(finished);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains("is not a regular file")) << homeFile.toStdString();

    // A file above 1 MB (sparse: it costs nothing here) is neither read nor replaced.
    QFile::remove(file);
    {
        QFile big(file);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write("[General]\nLanguage=en\n");
        ASSERT_TRUE(big.resize(200LL * 1024 * 1024));
    }
    EXPECT_TRUE(SavedLanguageSetting().isEmpty());
    SaveLanguageSetting(Lang::Korean);
    EXPECT_EQ(QFileInfo(file).size(), 200LL * 1024 * 1024);
    QFile::remove(file);
}

TEST_F(MainDialog, LanguageMenuStoresTheChoiceForNewWindows) {
    const kesttest::SettingsGuard keep;
    QAction* ko = dlg->CommandAction(ID_VIEW_LANG_KO);
    QAction* en = dlg->CommandAction(ID_VIEW_LANG_EN);
    ASSERT_TRUE(ko && en);
    EXPECT_TRUE(ko->isChecked());
    EXPECT_FALSE(en->isChecked());
    EXPECT_EQ(en->statusTip(), LoadKestString(IDS_LANGUAGE_LATER));
    EXPECT_EQ(en->statusTip(), QStringLiteral("새 창과 다음 실행부터 적용됩니다."));
    Messages().Reset();
    en->trigger();
    EXPECT_EQ(SavedLanguageSetting(), QStringLiteral("en"));
    EXPECT_TRUE(en->isChecked());
    EXPECT_FALSE(ko->isChecked());
    // A message says when the choice applies, in the language chosen.
    ASSERT_EQ(Messages().Texts().size(), 1);
    EXPECT_EQ(Messages().Texts()[0], LoadKestString(IDS_LANGUAGE_STORED, Lang::English));
    EXPECT_TRUE(Messages().Texts()[0].contains(QStringLiteral("next start")));
    // This window and this process keep their language.
    EXPECT_EQ(CurrentLanguage(), Lang::Korean);
    EXPECT_EQ(dlg->CommandAction(ID_FILE_NEW_PRJ)->text(), QStringLiteral("새 문서(&N)"));
    en->trigger();  // choosing the checked language again keeps it
    EXPECT_TRUE(en->isChecked());
    ko->trigger();
    EXPECT_EQ(SavedLanguageSetting(), QStringLiteral("ko"));
    EXPECT_TRUE(ko->isChecked());
    EXPECT_FALSE(en->isChecked());
}

TEST_F(EnglishWindow, LanguageMenuIsEnglishAndChecked) {
    EXPECT_TRUE(dlg->CommandAction(ID_VIEW_LANG_EN)->isChecked());
    EXPECT_EQ(dlg->CommandAction(ID_VIEW_LANG_KO)->text(), QStringLiteral("Korean"));
    EXPECT_EQ(dlg->CommandAction(ID_VIEW_LANG_KO)->statusTip(),
              QStringLiteral("Applies to new windows and the next start."));
}

TEST_F(EnglishWindow, ManualOfTheChosenLanguage) {
    QString opened;
    SetUrlOpener([&](const QString& path) {
        opened = path;
        return true;
    });
    dlg->CommandAction(ID_HELP_MANUAL)->trigger();
    SetUrlOpener(nullptr);
    EXPECT_EQ(opened, AppFolder() + QStringLiteral("manual/Manual_KestLoad_en.pdf"));
    EXPECT_TRUE(Messages().shown.empty());
    for (const char* lang : {"ko", "en"}) {
        const QFileInfo pdf(AppFolder() +
                            QStringLiteral("manual/Manual_KestLoad_%1.pdf").arg(QLatin1String(lang)));
        EXPECT_TRUE(pdf.isFile()) << lang;
        EXPECT_GT(pdf.size(), 50000) << lang;  // text and pictures, fonts embedded
    }
    // A missing manual is reported in English.
    QTemporaryDir empty;
    SetAppFolderOverride(empty.path());
    dlg->CommandAction(ID_HELP_MANUAL)->trigger();
    SetAppFolderOverride(kesttest::BuildAppFolder());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("The following file could not be opened. :\r\n") +
                                            empty.path() + QStringLiteral("/manual/Manual_KestLoad_en.pdf"));
}

// A message about a bad number names the field in the window's language.
TEST_F(EnglishWindow, BadNumberNamesTheFieldInEnglish) {
    AddRobot(QStringLiteral("TK50-2100"));
    TypeLoad(1, {"abc", "0", "0", "0", "0", "0", "0"});
    Messages().Reset();
    dlg->OnBnClickedAnalyse();
    ASSERT_FALSE(Messages().shown.empty());
    EXPECT_EQ(Messages().shown[0].text, QStringLiteral("Add. load V Mass: Enter a number."));
}

// ---- Qt's own texts ----------------------------------------------------------

TEST(QtTranslation, MessageBoxButtonsFollowTheLanguage) {
    auto cancelText = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        return Plain(box.button(QMessageBox::Cancel)->text());
    };
    ASSERT_TRUE(InstallQtTranslation(Lang::Korean)) << "qtbase_ko.qm (qt6-translations-l10n) is missing";
    EXPECT_TRUE(ContainsHangul(cancelText())) << cancelText().toStdString();
    EXPECT_TRUE(InstallQtTranslation(Lang::English));
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
}

}  // namespace
