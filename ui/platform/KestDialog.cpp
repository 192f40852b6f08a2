#include "KestDialog.h"

#include <QLabel>
#include <QPushButton>

#include "DlgBuilder.h"
#include "Icons.h"

using namespace kest;

CKestDialog::CKestDialog(int templateId, QWidget* parent) : QDialog(parent) {
    const DlgTemplate* t = FindDlgTemplate(templateId);
    if (t == nullptr) return;
    const QSize size = BuildDialogControls(this, *t);
    setFixedSize(size);
    if (auto* ok = DlgItem<QPushButton>(this, 1)) connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* cancel = DlgItem<QPushButton>(this, 2))
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (const CtrlTemplate& c : t->controls) {
        if (c.kind != CtrlKind::Icon) continue;
        for (QLabel* l : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (DlgCtrlId(l) == c.id && l->pixmap().isNull() && l->text().isEmpty()) {
                l->setPixmap(QPixmap::fromImage(DrawKestIcon(IconId::App, 32)));
            }
        }
    }
}
