// Base of the result pages: a window-independent drawing laid out in the page,
// painted through one off-screen picture, and a click on its legend choosing a
// robot in the whole window.
#pragma once

#include <QImage>

#include "DlgPg.h"
#include "KestLoadLibExport.h"

class CDlgMain;
namespace kest {
class CKestDC;
}

class KESTLOADLIB_API CPgResult : public CDlgPg {
    Q_OBJECT
public:
    CPgResult(int templateId, CDlgMain* owner, QWidget* parent);
    // Lays the drawing out in the page (after a resize or new values) and repaints.
    void Relayout();
    // The page as it paints itself.
    QImage Render() const;

protected:
    virtual void LayoutDrawing(const QRect& page) = 0;
    virtual void DrawDrawing(kest::CKestDC& dc) const = 0;
    // The robot under the point becomes the current one: its name, or empty text.
    virtual QString HitDrawing(const QPoint& pt) = 0;
    // The full text under the point where the drawing shows less ("###").
    virtual QString ToolTipAt(const QPoint&) const { return QString(); }

    bool event(QEvent* event) override;

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CDlgMain* m_pOwner;
};
