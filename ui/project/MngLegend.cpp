#include "MngLegend.h"

int CMngLegend::Add(const QString& name) {
    m_names.append(name);
    return 0;
}

int CMngLegend::RemoveCur() {
    if (nCur < 0 || nCur >= Count()) return -1;
    m_names.removeAt(nCur);
    nCur = nCur - 1 < 0 ? 0 : nCur - 1;
    return 0;
}

int CMngLegend::Move(int direction) {
    if (direction == 1 && nCur >= 0 && nCur < Count() - 1) {
        m_names.swapItemsAt(nCur, nCur + 1);
        ++nCur;
    } else if (direction == -1 && nCur >= 1 && nCur < Count()) {
        m_names.swapItemsAt(nCur, nCur - 1);
        --nCur;
    }
    return 0;
}

QString CMngLegend::Name(int index) const {
    const int i = index == -1 ? nCur : index;
    if (i < 0 || i >= Count()) return QString();
    return m_names[i];
}

int CMngLegend::SelectAt(const QRect* entries, int count, const QPoint& pt) {
    for (int i = 0; i < count && i < Count(); ++i) {
        if (entries[i].contains(pt)) {
            nCur = i;
            return i;
        }
    }
    return -1;
}
