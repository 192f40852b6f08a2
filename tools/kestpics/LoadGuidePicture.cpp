#include "LoadGuidePicture.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "Style.h"

namespace {

const int kWidth = 480, kHeight = 240;

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF() << to + d * 3 << to - d * 8 + n * 4 << to - d * 8 - n * 4);
}

QFont Font(int px, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void CentreOfGravity(QPainter& p, QPointF c, const QColor& ink) {
    const QRectF box(c.x() - 6, c.y() - 6, 12, 12);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(box);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPie(box, 0, 90 * 16);
    p.drawPie(box, 180 * 16, 90 * 16);
}

// One case in a panel whose left edge is ox. With equipment, a tool changer
// and sensor block sits between flange and tool.
void DrawCase(QPainter& p, double ox, bool equipment, const PictureStyle& st, bool english) {
    const double cx = ox + 96;
    const QColor dim(120, 40, 160);
    const QColor faint(150, 150, 150);

    // Wrist piece and flange.
    p.setPen(QPen(faint, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(cx - 22, 14, 44, 22));
    p.setPen(st.outline(1.6));
    p.setBrush(st.accent());
    p.drawRect(QRectF(cx - 30, 36, 60, 8));
    const double flangeFace = 44;

    double toolTop = flangeFace;
    if (equipment) {
        p.setBrush(st.bodyDark());
        p.drawRoundedRect(QRectF(cx - 30, flangeFace, 60, 16), 2, 2);
        p.setBrush(st.body().darker(104));
        p.drawRoundedRect(QRectF(cx - 27, flangeFace + 16, 54, 14), 2, 2);
        toolTop = flangeFace + 30;
        p.setPen(QPen(st.ink(), 1));
        p.drawLine(QPointF(cx + 30, flangeFace + 14), QPointF(cx + 44, flangeFace + 14));
        p.setFont(Font(11));
        p.drawText(QRectF(cx + 47, flangeFace + 6, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   PictureText(english, "부가 설비", "Equipment"));
    }

    // Tool: a gripper body with two fingers.
    p.setPen(st.outline(1.6));
    p.setBrush(st.body());
    p.drawRoundedRect(QRectF(cx - 34, toolTop, 68, 40), 3, 3);
    p.setBrush(QColor(190, 194, 200));
    p.drawRect(QRectF(cx - 30, toolTop + 40, 12, 38));
    p.drawRect(QRectF(cx + 18, toolTop + 40, 12, 38));
    const QPointF cog(cx, toolTop + 34);

    // The tool's own mount face, when it is not the origin.
    if (equipment) {
        p.setPen(QPen(faint, 1, Qt::DashLine));
        p.drawLine(QPointF(cx - 34, toolTop), QPointF(cx + 46, toolTop));
        p.setFont(Font(10));
        p.setPen(faint);
        p.drawText(QRectF(cx + 47, toolTop, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   PictureText(english, "툴 마운트 위치", "Tool mount"));
    }

    // Origin of the output frame: X along the face, Z along the flange axis.
    const double originY = equipment ? flangeFace : toolTop;
    p.setPen(QPen(st.axis(), 1.2, Qt::DashDotLine));
    p.drawLine(QPointF(cx, originY), QPointF(cx, toolTop + 96));
    Arrow(p, QPointF(cx, toolTop + 82), QPointF(cx, toolTop + 100), st.axis());
    Arrow(p, QPointF(cx, originY), QPointF(cx + 44, originY), st.axis());
    p.setPen(Qt::NoPen);
    p.setBrush(st.axis());
    p.drawEllipse(QPointF(cx, originY), 3.5, 3.5);
    p.setFont(Font(12, true));
    p.setPen(st.axis());
    p.drawText(QRectF(cx + 44, originY - 16, 14, 14), Qt::AlignCenter, QStringLiteral("X"));
    p.drawText(QRectF(cx + 4, toolTop + 92, 16, 14), Qt::AlignCenter, QStringLiteral("Z"));
    p.setFont(Font(11, true));
    p.drawText(QRectF(cx + 50, originY - 30, 100, 14), Qt::AlignLeft | Qt::AlignVCenter,
               equipment ? PictureText(english, "로봇 마운트 위치", "Robot mount")
                         : PictureText(english, "툴 마운트 위치", "Tool mount"));

    // Lz from the origin to the tool's centre of gravity.
    const double dx = cx - 54;
    p.setPen(QPen(dim, 1, Qt::DotLine));
    p.drawLine(QPointF(cx - 36, originY), QPointF(dx - 6, originY));
    p.drawLine(QPointF(cog.x() - 8, cog.y()), QPointF(dx - 6, cog.y()));
    p.setPen(QPen(dim, 1.2));
    p.drawLine(QPointF(dx, originY), QPointF(dx, cog.y()));
    p.drawLine(QPointF(dx - 4, originY), QPointF(dx + 4, originY));
    p.drawLine(QPointF(dx - 4, cog.y()), QPointF(dx + 4, cog.y()));
    QFont f = Font(12);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRectF(dx - 30, (originY + cog.y()) / 2 - 8, 26, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Lz"));
    CentreOfGravity(p, cog, st.ink());

    // Case number and whether equipment is fitted, as in the legend beside it.
    p.setPen(QPen(st.ink(), 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(ox + 16, 20), 10, 10);
    p.setFont(Font(13, true));
    p.setPen(st.ink());
    p.drawText(QRectF(ox + 6, 10, 20, 20), Qt::AlignCenter,
               equipment ? QStringLiteral("1") : QStringLiteral("2"));
    p.setFont(Font(11));
    p.drawText(
        QRectF(ox + 6, kHeight - 26, 210, 18), Qt::AlignLeft | Qt::AlignVCenter,
        equipment
            ? PictureText(english, "부가 설비 O: 로봇 마운트 위치 기준", "Equipment O: from the robot mount")
            : PictureText(english, "부가 설비 X: 툴 마운트 위치 기준", "Equipment X: from the tool mount"));
}

}  // namespace

QImage DrawLoadGuidePicture(bool english) {
    const PictureStyle st;
    // Drawn at twice the size of its layout: the load calculator fits it into
    // its frame, and its own window shows it readably.
    QImage img(2 * kWidth, 2 * kHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(2, 2);
    DrawCase(p, 0, true, st, english);
    DrawCase(p, kWidth / 2.0, false, st, english);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    p.drawLine(QPointF(kWidth / 2.0, 8), QPointF(kWidth / 2.0, kHeight - 8));
    p.end();
    return img;
}
