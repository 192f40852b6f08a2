// The import of a load from CAD: a STEP or STL file, or a mass-property report
// (a file or pasted text), its bodies with their masses or densities, the
// units the file does not state, the flange frame, the picture that confirms
// it, the result in flange axes and its warnings. "Add" ends the dialog with
// the load in m_load; the caller appends it to its list.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "CadImport.h"
#include "DgmCadShape.h"
#include "KestDialog.h"
#include "PrmLoadSub.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QThread;
class QTimer;

// The picture of the shape in flange axes, drawn by CDgmCadShape.
class KESTLOADLIB_API CCadShapeView : public QWidget {
public:
    explicit CCadShapeView(QWidget* parent);
    kest::cad::CCadShape shape;
    kest::cad::CDgmCadShape diagram;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class KESTLOADLIB_API CDlgCadImport : public CKestDialog {
    Q_OBJECT
public:
    explicit CDlgCadImport(QWidget* parent);
    ~CDlgCadImport() override;

    // What "Add" hands over: named after the file, the pasted report or the
    // single body.
    CLoad m_load;

    // Handlers of the controls.
    void OnBnClickedOpen();
    void OnBnClickedReadText();
    void OnBnClickedCancelRead();
    void OnBnClickedAdd();
    void OnUnitChanged();
    void OnOrientationChanged();
    void OnAnglesEdited();
    void OnMaterialChanged();

    // Reads a file in the background (a report by its name .txt or .json,
    // otherwise geometry, and a report again when that is no geometry).
    void ReadFile(const QString& path);
    bool IsReading() const;
    // The last read lacks a unit: the marked unit boxes ask for it.
    bool AsksForUnit() const { return m_bPendingLength || m_bPendingMass; }
    // Everything typed, through the import pipeline, into the result, the
    // table's masses, the picture and the warnings.
    void Recalculate();
    const kest::cad::CCadResult& Result() const { return m_result; }
    // The message line under the source (errors, units to choose, progress).
    QString StatusText() const;

    // The controls. Each has its id (IDC_CI_*); laid out in groups, they are
    // reached through these members rather than GetDlgItem.
    QPushButton* m_pOpen = nullptr;
    QLabel* m_pSource = nullptr;
    QPlainTextEdit* m_pPaste = nullptr;
    QPushButton* m_pRead = nullptr;
    QLabel* m_pStatus = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pCancelRead = nullptr;
    QComboBox* m_pLengthUnit = nullptr;
    QComboBox* m_pMassUnit = nullptr;
    QTableWidget* m_pBodies = nullptr;
    QRadioButton* m_pUseDensity = nullptr;
    QRadioButton* m_pUseTotal = nullptr;
    QLineEdit* m_pDensity = nullptr;
    QComboBox* m_pMaterial = nullptr;
    QLineEdit* m_pTotal = nullptr;
    QLineEdit* m_pOrigin[3] = {nullptr, nullptr, nullptr};
    QLabel* m_pOriginLabel = nullptr;
    QLineEdit* m_pAngle[3] = {nullptr, nullptr, nullptr};
    QComboBox* m_pOrientation = nullptr;
    CCadShapeView* m_pShape = nullptr;
    // Mass; centre X, Y, Z; Ixx, Iyy, Izz; Ixy, Ixz, Iyz; principal 1 to 3;
    // the three moments used when the conservative choice is on.
    enum { RES_MASS, RES_X = 1, RES_IXX = 4, RES_IXY = 7, RES_P1 = 10, RES_USED = 13, RES_COUNT = 16 };
    QLineEdit* m_pResult[RES_COUNT] = {};
    QLabel* m_pUsedLabel = nullptr;
    QLabel* m_pUsedUnit = nullptr;
    QLabel* m_pProductsLabel = nullptr;
    QCheckBox* m_pConservative = nullptr;
    QListWidget* m_pWarnings = nullptr;
    QPushButton* m_pAdd = nullptr;

protected:
    void done(int r) override;

private:
    struct ReadJob;
    enum class Source { None, Geometry, Report };

    // The two columns inside a scroll area; returns the area's content.
    QWidget* BuildControls();
    QWidget* BuildSourceColumn();
    QWidget* BuildResultColumn();
    void StartRead(const QString& path, const QString& displayName, const QByteArray& pasted);
    void OnReadFinished();
    void OnReadProgress();
    void ShowBodies();
    void ShowResult();
    void ShowPicture();
    void SetStatus(const QString& text, bool error);
    void StopRead();
    // The frame typed; false (with the field's name) for text that is no number.
    bool ReadFrame(kest::cad::CFlangeFrame& frame, QString& bad) const;
    std::optional<kest::cad::LengthUnit> ChosenLength() const;
    std::optional<kest::cad::MassUnit> ChosenMass() const;
    QString LoadName() const;

    // The source now shown.
    Source m_source = Source::None;
    QString m_strPath;            // the file read; empty for pasted text
    QString m_strSourceName;      // the file's name or "Pasted report"
    QString m_strReportName;      // the name a single report gives its part
    QByteArray m_pastedBytes;     // pasted text, kept to read again with units
    bool m_bLengthGiven = false;  // the last read used the chosen length unit
    bool m_bMassGiven = false;    // ... and the chosen mass unit
    QStringList m_readWarnings;   // what the report reader said
    std::vector<kest::cad::CCadBody> m_bodies;
    std::vector<std::vector<kest::cad::CEdge3>> m_edges;  // per body, file coordinates (m)
    kest::cad::CCadResult m_result;
    kest::cad::CFlangeFrame m_frame;  // the last frame typed in full

    // A read waiting for a unit: its file or text and what it lacks.
    QString m_strPendingPath, m_strPendingName;
    QByteArray m_pendingBytes;
    bool m_bPendingLength = false, m_bPendingMass = false;

    std::shared_ptr<ReadJob> m_job;
    QThread* m_pThread = nullptr;
    QTimer* m_pPoll = nullptr;
    bool m_bFilling = false;  // controls are being filled by the program
};
