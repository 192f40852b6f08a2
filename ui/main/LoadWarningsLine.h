// The line under the load table that says what looks wrong in the loads: one
// yellow line with the first warning and their number, every warning in its
// tool tip, and the whole list in a message on a click. Hidden when the
// loads look right or nothing has been analysed.
#pragma once

#include <QLabel>
#include <QVector>

#include "KestLoadLibExport.h"
#include "LoadWarnings.h"

class KESTLOADLIB_API CLoadWarningsLine : public QLabel {
public:
    explicit CLoadWarningsLine(QWidget* parent);

    void SetWarnings(const QVector<CLoadWarning>& warnings);
    const QVector<CLoadWarning>& Warnings() const { return m_warnings; }
    // The whole list as the message shows it (the tool tip holds the same as rich text).
    QString ListText() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateText();
    QVector<CLoadWarning> m_warnings;
};
