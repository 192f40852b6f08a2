// Recovery copies of unsaved work: written while the project is modified,
// separate per window, removed when nothing is unsaved or the window closes,
// and offered (restore or discard) after an unclean exit.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "DialogFixture.h"
#include "MessageBox.h"
#include "ProjectFile.h"
#include "RecoveryStore.h"

using namespace kest;
using kesttest::MainDialog;
using kesttest::Messages;

using kesttest::ReadAll;

namespace {

QJsonObject SideFile(const QString& copyPath) {
    QString info = copyPath;
    info.replace(QStringLiteral(".kestload"), QStringLiteral(".json"));
    return QJsonDocument::fromJson(ReadAll(info)).object();
}

// Every test has its own state folder.
class RecoveryWindow : public MainDialog {
protected:
    void SetUp() override {
        saved = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        MainDialog::SetUp();
    }
    void TearDown() override {
        MainDialog::TearDown();
        qputenv("XDG_STATE_HOME", saved);
    }
    QStringList Entries() const {
        return QDir(state.path() + QStringLiteral("/kestload")).entryList(QDir::Files, QDir::Name);
    }
    // A copy left by a process that no longer runs (no process has this id).
    void LeaveStaleCopy(const char* stem, const CProject& project, const QString& original,
                        const QDateTime& time) {
        const QString folder = RecoveryFolder();
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(WriteProjectFile(folder + QLatin1String(stem) + QStringLiteral(".kestload"), project), 0);
        QJsonObject info;
        info.insert(QStringLiteral("path"), original);
        info.insert(QStringLiteral("time"), time.toString(Qt::ISODateWithMs));
        info.insert(QStringLiteral("pid"), 2147480000);
        QFile f(folder + QLatin1String(stem) + QStringLiteral(".json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(info).toJson());
    }
    QTemporaryDir state, work;
    QByteArray saved;
};

TEST_F(RecoveryWindow, CopiesFollowTheUnsavedWork) {
    EXPECT_EQ(RecoveryFolder(), state.path() + QStringLiteral("/kestload/"));
    dlg->SetRecoveryInterval(0);
    EXPECT_FALSE(dlg->WriteRecoveryCopy());  // nothing unsaved: no copy
    QTest::qWait(1);
    EXPECT_TRUE(Entries().isEmpty());
    // The periodic copy holds what is typed, also a load not yet analysed.
    QTest::keyClicks(DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY), QStringLiteral("Unsaved Co"));
    TypeLoad(0, {"12.5", "0", "0", "80", "0", "0", "0"});
    QTRY_VERIFY(!dlg->RecoveryCopyPath().isEmpty());
    const QString copy = dlg->RecoveryCopyPath();
    EXPECT_TRUE(copy.startsWith(RecoveryFolder() + QString::number(QCoreApplication::applicationPid())));
    QTRY_VERIFY(ReadAll(copy).contains("Company=\"Unsaved Co\""));
    EXPECT_TRUE(ReadAll(copy).contains("Mass=\"12.5000\""));
    EXPECT_EQ(dlg->m_strCompany, QString());  // the window's own values are untouched
    EXPECT_EQ(SideFile(copy).value(QStringLiteral("path")).toString(), QString());
    EXPECT_LE(
        qAbs(QDateTime::fromString(SideFile(copy).value(QStringLiteral("time")).toString(), Qt::ISODateWithMs)
                 .secsTo(QDateTime::currentDateTimeUtc())),
        60);
    // A field that is no number keeps the last value it had.
    SetDlgItemText(dlg->m_pPgAddLoad[0], IDC_MASS, QStringLiteral("12.x"));
    ASSERT_TRUE(dlg->WriteRecoveryCopy());
    EXPECT_TRUE(ReadAll(copy).contains("Mass=\"0.0000\""));
    EXPECT_TRUE(Messages().shown.empty());
    SetDlgItemText(dlg->m_pPgAddLoad[0], IDC_MASS, QStringLiteral("12.5"));

    // Losing the focus writes a copy at once.
    dlg->SetRecoveryInterval(3600 * 1000);
    QFile::remove(copy);
    QApplication::setActiveWindow(dlg.get());
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_FALSE(dlg->isActiveWindow());
    QTRY_VERIFY(QFile::exists(copy));

    // A second window keeps its own copy.
    {
        CDlgMain other;
        other.show();
        other.SetModifiedFlag(1);
        ASSERT_TRUE(other.WriteRecoveryCopy());
        EXPECT_NE(other.RecoveryCopyPath(), copy);
        ASSERT_TRUE(dlg->WriteRecoveryCopy());
        EXPECT_EQ(Entries().size(), 4);  // two copies with their side files
        // Neither is offered while this process runs.
        EXPECT_TRUE(CRecoveryStore::StaleCopies().isEmpty());
    }
    EXPECT_EQ(Entries().size(), 2);  // the other window closed cleanly

    // Saving removes the copy; the next change writes one again with the path.
    const QString path = work.filePath(QStringLiteral("saved.kestload"));
    Messages().chosenFiles = {path};
    dlg->CommandAction(ID_FILE_SAVE_PRJ)->trigger();
    EXPECT_TRUE(Entries().isEmpty());
    QTest::keyClicks(DlgItem<QLineEdit>(dlg->Client(), IDC_COMPANY), QStringLiteral("!"));
    ASSERT_TRUE(dlg->WriteRecoveryCopy());
    EXPECT_EQ(SideFile(dlg->RecoveryCopyPath()).value(QStringLiteral("path")).toString(), path);
    // A clean close removes it.
    dlg.reset();
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(RecoveryWindow, AfterAnUncleanExitTheCopyIsOffered) {
    // The project as saved, and its later unsaved state left by a killed window.
    const QString original = work.filePath(QStringLiteral("cell 7.kestload"));
    CProject project;
    project.Company = QStringLiteral("Saved");
    project.Robots.Add(QStringLiteral("TK50-2100"));
    ASSERT_EQ(WriteProjectFile(original, project), 0);
    const QByteArray savedBytes = ReadAll(original);
    project.Company = QStringLiteral("Unsaved");
    project.Loads.tool.Mass = 60;
    const QDateTime when = QDateTime::currentDateTimeUtc().addSecs(-300);
    LeaveStaleCopy("2147480000-1", project, original, when);
    CProject other;
    other.Company = QStringLiteral("Other");
    LeaveStaleCopy("2147480000-2", other, QString(), when.addSecs(-60));
    // A copy of a running process is not offered.
    LeaveStaleCopy("running-1", other, QString(), when);
    {
        QFile f(RecoveryFolder() + QStringLiteral("running-1.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QJsonObject info;
        info.insert(QStringLiteral("pid"), static_cast<qint64>(getppid()));
        f.write(QJsonDocument(info).toJson());
    }
    ASSERT_EQ(CRecoveryStore::StaleCopies().size(), 2);
    // A writer that looks alive but is not: its pid now belongs to another
    // process (another start time), the machine was restarted since, or the
    // writer died and its parent has not reaped it yet (a zombie).
    const pid_t zombie = fork();
    if (zombie == 0) _exit(0);
    ASSERT_GT(zombie, 0);
    for (int wait = 0; wait < 500; ++wait) {  // until the child has ended
        QFile stat(QStringLiteral("/proc/%1/stat").arg(zombie));
        if (stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z ")) break;
        QTest::qWait(2);
    }
    const struct {
        const char* stem;
        qint64 pid;
        const char* boot;
        const char* start;
    } lookAlive[] = {{"reused-1", getppid(), "", "1"},
                     {"rebooted-1", getppid(), "another-boot", ""},
                     {"zombie-1", zombie, "", ""}};
    for (const auto& w : lookAlive) {
        LeaveStaleCopy(w.stem, other, QString(), when.addSecs(-600));
        QFile f(RecoveryFolder() + QLatin1String(w.stem) + QStringLiteral(".json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QJsonObject info;
        info.insert(QStringLiteral("time"), when.addSecs(-600).toString(Qt::ISODateWithMs));
        info.insert(QStringLiteral("pid"), w.pid);
        info.insert(QStringLiteral("boot"), QLatin1String(w.boot));
        info.insert(QStringLiteral("start"), QLatin1String(w.start));
        f.write(QJsonDocument(info).toJson());
    }
    const QList<CRecoveryCopy> stale = CRecoveryStore::StaleCopies();
    waitpid(zombie, nullptr, 0);
    ASSERT_EQ(stale.size(), 5);
    for (int i = 2; i < 5; ++i) CRecoveryStore::Discard(stale[i]);

    // Yes to the newest: it opens as a modified project at its own file.
    Messages().Reset();
    Messages().answers = {IDYES};
    dlg->OfferRecovery();
    ASSERT_EQ(Messages().shown.size(), 1u);
    const QString question = Messages().shown[0].text;
    EXPECT_TRUE(question.contains(QStringLiteral("\"cell 7\""))) << question.toStdString();
    EXPECT_TRUE(question.contains(when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    EXPECT_TRUE(question.contains(original));
    EXPECT_EQ(Messages().shown[0].flags, static_cast<unsigned>(KEST_MB_YESNO | KEST_MB_ICONQUESTION));
    EXPECT_EQ(dlg->m_strCompany, QStringLiteral("Unsaved"));
    EXPECT_EQ(PageText(0, IDC_MASS), QStringLiteral("60"));
    EXPECT_EQ(dlg->m_nVerdict[0], 4);  // analysed: 120 % of the rated mass
    EXPECT_EQ(dlg->GetPathName(), original);
    EXPECT_EQ(dlg->IsModified(), 1);
    EXPECT_TRUE(dlg->windowTitle().startsWith(QStringLiteral("cell 7* - ")));
    EXPECT_EQ(ReadAll(original), savedBytes);  // nothing written until the user saves
    EXPECT_FALSE(QFile::exists(RecoveryFolder() + QStringLiteral("2147480000-1.kestload")));
    EXPECT_FALSE(dlg->RecoveryCopyPath().isEmpty());  // the window keeps it now
    Messages().Reset();
    dlg->CommandAction(ID_FILE_SAVE_PRJ)->trigger();
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_TRUE(ReadAll(original).contains("Company=\"Unsaved\""));

    // No to the other: it is deleted, and the window keeps its project.
    Messages().Reset();
    Messages().answers = {IDNO};
    dlg->OfferRecovery();
    EXPECT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.contains(QStringLiteral("\"Noname\"")));
    EXPECT_EQ(dlg->m_strCompany, QStringLiteral("Unsaved"));
    EXPECT_TRUE(CRecoveryStore::StaleCopies().isEmpty());
    EXPECT_EQ(Entries(),
              (QStringList{QStringLiteral("running-1.json"), QStringLiteral("running-1.kestload")}));
    Messages().Reset();
    dlg->OfferRecovery();
    EXPECT_TRUE(Messages().shown.empty());
}

}  // namespace
