#include "DlgPg.h"

#include <QKeyEvent>

#include "DlgBuilder.h"

CDlgPg::CDlgPg(int templateId, QWidget* parent) : QWidget(parent), m_templateId(templateId) {
    if (const kest::DlgTemplate* t = kest::FindDlgTemplate(templateId)) kest::BuildDialogControls(this, *t);
    // Nothing is painted as background: the tab strip shows through.
    setAutoFillBackground(false);
}

void CDlgPg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: event->accept(); return;
        default: QWidget::keyPressEvent(event);
    }
}
