// The name of a load case, asked for when the user renames one.
#pragma once

#include "KestDialog.h"

class KESTLOADLIB_API CDlgCaseName : public CKestDialog {
    Q_OBJECT
public:
    // `shownName` is the case as the list shows it ("Load case 2"), `name` its
    // own name (empty for an unnamed case).
    CDlgCaseName(QWidget* parent, const QString& shownName, const QString& name);
    // The name typed, as typed (an empty one shows the case by its number).
    QString Name() const;
};
