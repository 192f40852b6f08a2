// A picture (coordinate systems, the load guide) in a window of its own that
// opens at the picture's size and can be resized.
// Modeless; each window deletes itself when closed.
#pragma once

#include <QDialog>

#include "Img.h"
#include "KestLoadLibExport.h"

class KESTLOADLIB_API CDlgCrdSys : public QDialog {
    Q_OBJECT
public:
    CDlgCrdSys(QWidget* parent, const QString& fileName);
    QString m_strFileName;
    CImg m_img;

protected:
    void paintEvent(QPaintEvent* event) override;
};
