// A dialog built from a template: button 1 is OK, button 2 is Cancel, and an
// icon control shows the application icon.
#pragma once

#include <QDialog>

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CKestDialog : public QDialog {
    Q_OBJECT
public:
    CKestDialog(int templateId, QWidget* parent);
};
