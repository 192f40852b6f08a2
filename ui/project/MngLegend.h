// The robots under analysis: an ordered list of mechanism names with a current
// entry. The main dialog's buttons keep it at three entries at most.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "KestLoadLibExport.h"

class KESTLOADLIB_API CMngLegend {
public:
    CMngLegend() = default;
    virtual ~CMngLegend() = default;

    int Count() const { return static_cast<int>(m_names.size()); }
    const QStringList& Names() const { return m_names; }
    int Add(const QString& name);
    int RemoveCur();
    int Move(int direction);  // +1 down, -1 up
    QString Name(int index = -1) const;
    int GetCur() const { return nCur; }
    void SetCur(int index) { nCur = index; }
    // Empties the list; the first robot added afterwards is the current one.
    void Clear() {
        m_names.clear();
        nCur = 0;
    }
    // The first of the first `count` entry rectangles (one per robot) holding
    // the point makes its robot the current one: its index, or -1.
    int SelectAt(const QRect* entries, int count, const QPoint& pt);

private:
    QStringList m_names;
    int nCur = 0;
};
