// Base of the pages inside the main dialog's tab strips: built from a dialog
// template, transparent over the tab strip, and never closed by Enter or Escape.
#pragma once

#include <QWidget>

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CDlgPg : public QWidget {
    Q_OBJECT
public:
    CDlgPg(int templateId, QWidget* parent);
    int TemplateId() const { return m_templateId; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_templateId;
};
