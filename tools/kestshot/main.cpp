// kestshot: opens KestLoad's main window offscreen with chosen robots and loads,
// analyses, and saves a picture of the window (for the documentation).
//
//   kestshot OUT.png [--robots A,B,C] [--tool m,x,y,z,ixx,iyy,izz]
//            [--result-tab 0|1|2] [--load-tab 0..3]
//            [--grey-payload OUT.png] [--grey-moment OUT.png]
//            [--tool-calc OUT.png] [--hand m,x,y,z,ixx,iyy,izz]
//            [--workpiece m,x,y,z,ixx,iyy,izz] [--hand-work 0|1] [--load-calc OUT.png]
//            [--iner-calc OUT.png]
//            [--project FILE.kestload] [--report-pdf OUT.pdf] [--report-grey-pdf OUT.pdf]
//            [--cases "FIRST;NAME=m,x,y,z,ixx,iyy,izz;..."]
//            [--lang ko|en] [--size WxH]
//            [--current-case N] [--case-bar OUT.png]
//            [--cad-import OUT.png --cad-file FILE [--cad-unit mm|cm|m|in|ft]
//             [--cad-density KG_PER_M3] [--cad-frame "X Y Z RX RY RZ"] [--cad-size WxH]]
// The grey files are the payload diagram and the moment chart drawn for a
// monochrome printer (grey-scale and print flags). The tool-calculator picture
// shows the calculator opened for the current robot with the given hand and
// workpiece (centre of gravity in mm, inertias in kg·m²). The load-calculator
// file is its window over example lists of part loads. --project opens a
// project (and analyses it) instead of choosing robots; the report files are
// the printed report of what the window then shows, in colour and in grey
// scale, with both bar charts. --cases makes load cases of the project: the
// first entry names the loads the window shows, each further one is a copy of
// them with that tool (centre of gravity in mm, inertias in kg·m²); the window
// then shows the first. --lang gives every text of the pictures in
// Korean (the default, whatever the locale or setting) or English. --size
// shoots the window grown to W by H pixels (never below its smallest size).
// --current-case makes that load case current at the end (after --cases);
// --result-tab -1 shows the last result tab (the load-case matrix with
// several cases); --case-bar saves the case bar with the load table under it.
// --cad-import shows the import from CAD with FILE read (its length unit given
// when it states none), the density (a listed material's picks the material)
// and the flange frame typed, at its own size or WxH.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "DgmBarChart.h"
#include "DgmPayload.h"
#include "DlgBuilder.h"
#include "DlgInerCalc.h"
#include "DlgLoadCalcWnd.h"
#include "DlgMain.h"
#include "KestDC.h"
#include "Language.h"
#include "MngLegend.h"
#include "PathHelpers.h"
#include "PgAddLoad.h"
#include "PgBarChart.h"
#include "PgPayload.h"
#include "Report.h"
#include "ReportOutput.h"
#include "ShotCadImport.h"
#include "Templates.h"

namespace {

// Opens the tool calculator from the window's own button and saves a picture
// of it before it is cancelled.
bool ShootToolCalc(CDlgMain& dlg, const QString& path, const QStringList& hand, const QStringList& workpiece,
                   int handWork) {
    CToolCalcInputs& c = dlg.Project().ToolCalc;
    double* h[7] = {&c.MassHnd, &c.ComHndX, &c.ComHndY, &c.ComHndZ, &c.MiHndX, &c.MiHndY, &c.MiHndZ};
    double* w[7] = {&c.MassWk, &c.ComWkX, &c.ComWkY, &c.ComWkZ, &c.MiWkX, &c.MiWkY, &c.MiWkZ};
    for (int i = 0; i < 7 && hand.size() == 7; ++i) *h[i] = hand[i].toDouble();
    for (int i = 0; i < 7 && workpiece.size() == 7; ++i) *w[i] = workpiece[i].toDouble();
    CToolCalcInputs::s_bHandWork = handWork ? 1 : 0;
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QWidget* calc = QApplication::activeModalWidget();
        if (calc == nullptr) return;
        QApplication::processEvents();
        saved = calc->grab().save(path);
        if (!saved) std::fprintf(stderr, "kestshot: cannot write %s\n", qPrintable(path));
        qobject_cast<QDialog*>(calc)->reject();
    });
    dlg.OnBnClickedToolCalc();
    return saved;
}

// The load calculator over lists a user might build: predefined parts and
// parts typed in, with the tool tab in front and a spot gun selected.
bool ShotLoadCalc(QWidget* parent, const QString& out) {
    CPredefLoads predef;
    if (ReadPredefFile(AppFolder() + QStringLiteral("PredefLoad.xml"), predef) < 0) return false;
    auto part = [&predef](const char* name) {
        for (const CLoad& l : predef.loads) {
            if (l.Name == QLatin1String(name)) {
                CLoad row;  // as "Set to selected row" takes it: name and values
                row.Name = l.Name;
                row.prm = l.prm;
                return row;
            }
        }
        return CLoad();
    };
    CLoad hose;
    hose.Name = QStringLiteral("Cable & hose");
    hose.prm.Set(1.8, 0.040, -0.060, 0.110, 0.004, 0.004, 0.001);
    CLoad bracket;
    bracket.Name = QStringLiteral("Gun bracket");
    bracket.prm.Set(6.5, 0.020, 0.0, 0.060, 0.035, 0.028, 0.041);
    CDlgLoadCalc calc;
    calc.m_arrLoad[0] = {part("ToolChanger-Robot-L"), part("ToolChanger-Tool-L"), bracket,
                         part("SpotGun-ServoC-45kg"), hose};
    calc.m_arrLoad[1] = {part("DressPack-UA-Spot"), part("ValvePack-4St")};
    CDlgLoadCalcWnd wnd(&calc, parent);
    wnd.show();
    const int item = wnd.m_pName->findText(QStringLiteral("SpotGun-ServoC-45kg"));
    wnd.m_pName->setCurrentIndex(item);
    wnd.OnSelchangePredef();
    wnd.m_gridLoad.SetCurCell(2, 4);
    QApplication::processEvents();
    return wnd.grab().save(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KestLoad"));
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: kestshot OUT.png [--robots A,B,C] [--tool m,x,y,z,ixx,iyy,izz] "
                     "[--result-tab N] [--load-tab N]\n");
        return 64;
    }
    QStringList robots, tool;
    QString greyPayload, greyMoment, toolCalcShot, loadCalc, inerCalc, project, reportPdf, reportGreyPdf;
    QString verdictBox, cases, caseBar;
    CCadShot cadShot;
    int currentCase = -1;
    QStringList hand, workpiece;
    int handWork = 1;
    int resultTab = 0, loadTab = 0;
    QSize windowSize;
    for (int i = 2; i + 1 < argc; i += 2) {
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (std::strcmp(argv[i], "--robots") == 0)
            robots = value.split(QLatin1Char(','));
        else if (std::strcmp(argv[i], "--tool") == 0)
            tool = value.split(QLatin1Char(','));
        else if (std::strcmp(argv[i], "--result-tab") == 0)
            resultTab = value.toInt();
        else if (std::strcmp(argv[i], "--load-tab") == 0)
            loadTab = value.toInt();
        else if (std::strcmp(argv[i], "--grey-payload") == 0)
            greyPayload = value;
        else if (std::strcmp(argv[i], "--grey-moment") == 0)
            greyMoment = value;
        else if (std::strcmp(argv[i], "--tool-calc") == 0)
            toolCalcShot = value;
        else if (std::strcmp(argv[i], "--hand") == 0)
            hand = value.split(QLatin1Char(','));
        else if (std::strcmp(argv[i], "--workpiece") == 0)
            workpiece = value.split(QLatin1Char(','));
        else if (std::strcmp(argv[i], "--hand-work") == 0)
            handWork = value.toInt();
        else if (std::strcmp(argv[i], "--load-calc") == 0)
            loadCalc = value;
        else if (std::strcmp(argv[i], "--iner-calc") == 0)
            inerCalc = value;
        else if (std::strcmp(argv[i], "--project") == 0)
            project = value;
        else if (std::strcmp(argv[i], "--report-pdf") == 0)
            reportPdf = value;
        else if (std::strcmp(argv[i], "--report-grey-pdf") == 0)
            reportGreyPdf = value;
        else if (std::strcmp(argv[i], "--cases") == 0)
            cases = value;
        else if (std::strcmp(argv[i], "--current-case") == 0)
            currentCase = value.toInt();
        else if (std::strcmp(argv[i], "--case-bar") == 0)
            caseBar = value;
        else if (std::strcmp(argv[i], "--verdict-box") == 0)
            verdictBox = value;
        else if (std::strcmp(argv[i], "--cad-import") == 0)
            cadShot.out = value;
        else if (std::strcmp(argv[i], "--cad-file") == 0)
            cadShot.file = value;
        else if (std::strcmp(argv[i], "--cad-unit") == 0)
            cadShot.unit = value;
        else if (std::strcmp(argv[i], "--cad-density") == 0)
            cadShot.density = value;
        else if (std::strcmp(argv[i], "--cad-frame") == 0)
            cadShot.frame = value;
        else if (std::strcmp(argv[i], "--cad-size") == 0) {
            const QStringList wh = value.split(QLatin1Char('x'));
            cadShot.size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        } else if (std::strcmp(argv[i], "--size") == 0) {
            const QStringList wh = value.split(QLatin1Char('x'));
            windowSize = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        } else if (std::strcmp(argv[i], "--lang") == 0) {
            kest::Lang lang;
            if (!kest::ParseLanguageCode(value, &lang)) {
                std::fprintf(stderr, "kestshot: unknown language %s (use ko or en)\n", qPrintable(value));
                return 64;
            }
            kest::SetCurrentLanguage(lang);
        } else
            std::fprintf(stderr, "kestshot: unknown option %s\n", argv[i]);
    }
    SetAppFolderOverride(QStringLiteral(KEST_APP_DIR));
    kest::InstallQtTranslation(kest::CurrentLanguage());
    CDlgMain dlg;
    dlg.show();
    if (dlg.m_pEngine == nullptr) return 2;
    if (windowSize.isValid()) {
        dlg.resize(windowSize);
        QApplication::processEvents();
    }
    if (!project.isEmpty()) {
        dlg.SetPathName(project);
        if (dlg.DoOpenPrj() < 0) return 4;  // not opened (the reason has been printed)
    }
    auto* list = kest::DlgItem<QListWidget>(dlg.Client(), kest::IDC_LB_MECH);
    for (const QString& name : robots) {
        const auto items = list->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) {
            std::fprintf(stderr, "kestshot: no mechanism %s\n", qPrintable(name));
            return 3;
        }
        list->setCurrentItem(items[0]);
        dlg.OnBnClickedAddLeg();
    }
    if (!robots.isEmpty()) dlg.OnBnClickedDefault();
    if (tool.size() == 7) {
        const int ids[] = {kest::IDC_MASS, kest::IDC_LX,  kest::IDC_LY, kest::IDC_LZ,
                           kest::IDC_IXX,  kest::IDC_IYY, kest::IDC_IZZ};
        for (int i = 0; i < 7; ++i) kest::SetDlgItemText(dlg.m_pPgAddLoad[0], ids[i], tool[i]);
        dlg.DoAnalyse();
    }
    if (!cases.isEmpty()) {
        CProject& p = dlg.Project();
        const QStringList entries = cases.split(QLatin1Char(';'));
        p.RenameCase(0, entries[0]);
        for (int k = 1; k < entries.size(); ++k) {
            const QStringList v = entries[k].section(QLatin1Char('='), 1).split(QLatin1Char(','));
            if (v.size() != 7 || !p.AddCase(entries[k].section(QLatin1Char('='), 0, 0))) {
                std::fprintf(stderr, "kestshot: bad load case %s\n", qPrintable(entries[k]));
                return 64;
            }
            p.Loads.tool.Set(v[0].toDouble(), v[1].toDouble() / 1000.0, v[2].toDouble() / 1000.0,
                             v[3].toDouble() / 1000.0, v[4].toDouble(), v[5].toDouble(), v[6].toDouble());
        }
        p.SelectCase(0);
        dlg.DoAnalyse();
    }
    if (currentCase >= 0 && !dlg.OnCaseSelected(currentCase)) {
        std::fprintf(stderr, "kestshot: no load case %d\n", currentCase);
        return 3;
    }
    if (!robots.isEmpty()) dlg.OnSelLegend(dlg.m_pMngLegend->Name(-1));
    dlg.m_tabResult->setCurrentIndex(resultTab < 0 ? dlg.m_tabResult->count() - 1 : resultTab);
    dlg.m_tabAddLoad->setCurrentIndex(loadTab);
    QApplication::processEvents();
    const QPixmap shot = dlg.grab();
    const QSize printSize(900, 700);
    if (!greyPayload.isEmpty()) {
        CDgmPayload d;
        d.CopyDataFrom(dlg.m_pPgPayload->Diagram());
        d.Layout(QRect(20, 20, printSize.width() - 40, static_cast<int>(0.82 * printSize.height())));
        QImage img(printSize, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        kest::CKestDC dc(&p);
        d.Draw(dc, true, true);
        p.end();
        if (!img.save(greyPayload)) return 1;
    }
    if (!greyMoment.isEmpty()) {
        CDgmBarChart c = dlg.m_pPgMomentChart->Chart();
        c.nMinTextPx = 0;  // as printed
        c.Layout(QRect(QPoint(0, 0), printSize));
        QImage img(printSize, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        kest::CKestDC dc(&p);
        c.Draw(dc, true, true, CDgmBarChart::KIND_MOMENT);
        p.end();
        if (!img.save(greyMoment)) return 1;
    }
    // The current robot's verdict box with its frame, as the window shows it.
    if (!verdictBox.isEmpty() &&
        !dlg.Client()->grab(dlg.m_rcResult.adjusted(-2, -2, 2, 2)).save(verdictBox)) {
        std::fprintf(stderr, "kestshot: cannot write %s\n", qPrintable(verdictBox));
        return 1;
    }
    // The case bar and the load table under it, down to the load tabs.
    if (!caseBar.isEmpty()) {
        const QRect bar = kest::GetDlgItem(dlg.Client(), kest::IDC_CASE_LIST)->geometry();
        const QRect tabs = kest::GetDlgItem(dlg.Client(), kest::IDC_TAB_ADDLOAD)->geometry();
        const QRect area(0, bar.top() - 8, tabs.right() + 8, tabs.top() + 40 - (bar.top() - 8));
        if (!dlg.Client()->grab(area).save(caseBar)) {
            std::fprintf(stderr, "kestshot: cannot write %s\n", qPrintable(caseBar));
            return 1;
        }
    }
    if (!toolCalcShot.isEmpty() && !ShootToolCalc(dlg, toolCalcShot, hand, workpiece, handWork)) return 1;
    if (!inerCalc.isEmpty()) {
        // The inertia calculator for a 6.5 kg hand of 120 x 80 x 160 mm.
        CDlgInerCalc iner(&dlg);
        iner.m_strTitleAdd = QStringLiteral(" - 핸드");
        iner.m_dMass = 6.5;
        iner.m_dSize[0] = 120, iner.m_dSize[1] = 80, iner.m_dSize[2] = 160;
        iner.show();
        QApplication::processEvents();
        if (!iner.grab().save(inerCalc)) {
            std::fprintf(stderr, "kestshot: cannot write %s\n", qPrintable(inerCalc));
            return 1;
        }
    }
    if (!loadCalc.isEmpty() && !ShotLoadCalc(&dlg, loadCalc)) {
        std::fprintf(stderr, "kestshot: cannot write %s\n", qPrintable(loadCalc));
        return 1;
    }
    if (!cadShot.out.isEmpty() && !ShootCadImport(&dlg, cadShot)) {
        std::fprintf(stderr, "kestshot: cannot write %s\n", qPrintable(cadShot.out));
        return 1;
    }
    for (const QString& pdf : {reportPdf, reportGreyPdf}) {
        if (pdf.isEmpty()) continue;
        QString error;
        if (WriteReportPdf(dlg.ReportSource(), pdf, pdf == reportGreyPdf ? 1 : 0, CReport::CHART_BOTH,
                           &error) < 0) {
            std::fprintf(stderr, "kestshot: cannot write %s: %s\n", qPrintable(pdf), qPrintable(error));
            return 1;
        }
    }
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "kestshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
