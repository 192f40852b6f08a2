#include "Style.h"

#include <QPainter>
#include <QPainterPath>

void DrawLink(QPainter& p, QPointF a, QPointF b, double width, const QColor& fill, const PictureStyle& st) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath centre;
    centre.moveTo(a);
    centre.lineTo(b);
    p.setPen(st.outline());
    p.setBrush(fill);
    p.drawPath(stroker.createStroke(centre).simplified());
}
