#include "WristPicture.h"

#include <QPainter>
#include <QPainterPath>

#include "Style.h"

QImage DrawWristPicture(bool grey) {
    const PictureStyle st{grey};
    // Drawn on a 240 x 150 grid and scaled to the picture's pixels.
    const double kScale = 0.7;
    const int W = 240, H = 150;
    QImage img(static_cast<int>(W * kScale), static_cast<int>(H * kScale),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(kScale, kScale);
    const double fx = static_cast<int>(0.54 * img.width()) / kScale;  // flange centre
    const double fy = (img.height() / 2) / kScale;
    const double bx = fx - 46;  // B axis

    // Forearm end (housing of the R2 axis), coming in from the left.
    QPainterPath arm;
    arm.moveTo(0, fy - 30);
    arm.lineTo(bx - 8, fy - 30);
    arm.arcTo(QRectF(bx - 30, fy - 30, 60, 60), 90, -180);
    arm.lineTo(0, fy + 30);
    p.setPen(st.outline());
    p.setBrush(st.body());
    p.drawPath(arm);

    // Wrist link from the B axis to the flange.
    QPainterPath link;
    link.moveTo(bx, fy - 20);
    link.lineTo(fx - 8, fy - 16);
    link.lineTo(fx - 8, fy + 16);
    link.lineTo(bx, fy + 20);
    link.arcTo(QRectF(bx - 20, fy - 20, 40, 40), 270, -180);
    p.setBrush(st.bodyDark());
    p.drawPath(link);

    // Flange plate.
    p.setBrush(st.accent());
    p.drawRect(QRectF(fx - 8, fy - 24, 8, 48));

    // B axis: a joint seen end-on.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(bx, fy), 8, 8);
    p.setPen(QPen(st.ink(), 1.5));
    p.drawLine(QPointF(bx - 5, fy), QPointF(bx + 5, fy));
    p.drawLine(QPointF(bx, fy - 5), QPointF(bx, fy + 5));

    // R1 axis through the flange centre, with its sense of rotation.
    p.setPen(st.axisLine());
    p.drawLine(QPointF(bx - 40, fy), QPointF(W - 6, fy));
    p.setPen(QPen(st.axis(), 1.6));
    p.setBrush(Qt::NoBrush);
    const QRectF turn(W - 40, fy - 12, 14, 24);
    p.drawArc(turn, 60 * 16, 240 * 16);
    p.setBrush(st.axis());
    p.drawPolygon(QPolygonF() << QPointF(W - 29, fy + 14) << QPointF(W - 24, fy + 10)
                              << QPointF(W - 30, fy + 7));

    p.setFont(st.label(14));
    p.setPen(st.ink());
    p.drawText(QRectF(bx - 22, fy - 48, 44, 16), Qt::AlignCenter, QStringLiteral("B"));
    p.drawText(QRectF(W - 44, fy - 34, 40, 16), Qt::AlignCenter, QStringLiteral("R1"));
    p.drawText(QRectF(4, fy - 50, 40, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("R2"));
    p.end();
    return img;
}
