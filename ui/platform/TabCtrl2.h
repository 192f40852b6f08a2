// A flat, owner-drawn tab strip: grey unselected tabs, the selected tab standing
// higher, 2-pixel cut corners and, when the strip is taller than its tabs, a
// frame around the page area below them.
#pragma once

#include <QColor>
#include <QFont>
#include <QTabBar>

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CTabCtrl2 : public QTabBar {
    Q_OBJECT
public:
    explicit CTabCtrl2(QWidget* parent = nullptr);

    QColor clrTextSel;
    QColor clrTextUnsel;
    QColor clrTabUnsel{210, 210, 210};
    QFont fontTab;

    // Draws one tab into `p` (used by the paint handler, and by tests).
    void DrawItem(QPainter& p, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize tabSizeHint(int index) const override;
};
