#include "CrdSysPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "Style.h"

namespace {

struct Frame {
    QColor x, y, z;
};

Frame FrameColours(bool grey) {
    if (grey) return {QColor(30, 30, 30), QColor(90, 90, 90), QColor(60, 60, 60)};
    return {QColor(210, 40, 40), QColor(20, 150, 60), QColor(30, 90, 210)};
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, const QString& label, double w = 2.4) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF() << to + d * 4 << to - d * 9 + n * 5 << to - d * 9 - n * 5);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    const QPointF at = to + d * 14;
    p.drawText(QRectF(at.x() - 14, at.y() - 10, 28, 20), Qt::AlignCenter, label);
}

// A dimension line with end ticks and a label in the middle.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& label, const QColor& c,
               QPointF labelOffset) {
    p.setPen(QPen(c, 1.2, Qt::DashLine));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y() * 5, d.x() * 5);
    p.setPen(QPen(c, 1.4));
    p.drawLine(a - n, a + n);
    p.drawLine(b - n, b + n);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(14);
    f.setItalic(true);
    p.setFont(f);
    const QPointF m = (a + b) / 2 + labelOffset;
    p.drawText(QRectF(m.x() - 20, m.y() - 9, 40, 18), Qt::AlignCenter, label);
}

void CentreOfGravity(QPainter& p, QPointF c, double r, const QColor& dark) {
    p.setPen(QPen(dark, 1.4));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setBrush(dark);
    p.setPen(Qt::NoPen);
    p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 90 * 16);
    p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180 * 16, 90 * 16);
}

}  // namespace

QImage DrawCrdSysPicture(bool grey, bool english) {
    const PictureStyle st{grey};
    const Frame fc = FrameColours(grey);
    QImage img(640, 420, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // A robot in side view: base, vertical lower arm, horizontal forearm, flange facing forward.
    const QPointF base(120, 330), H(135, 265), V(135, 130), elbow(135, 100), B(330, 100), F(372, 100);
    p.setPen(QPen(st.ink(), 2));
    p.drawLine(QPointF(20, 350), QPointF(620, 350));
    p.setPen(st.outline());
    p.setBrush(st.bodyDark());
    p.drawPolygon(QPolygonF() << QPointF(70, 350) << QPointF(170, 350) << QPointF(158, 300)
                              << QPointF(82, 300));
    p.setBrush(st.body());
    p.drawRoundedRect(QRectF(78, 272, 90, 30), 4, 4);
    DrawLink(p, H, V, 30, st.body(), st);
    DrawLink(p, V, elbow, 34, st.bodyDark(), st);
    DrawLink(p, elbow, B, 24, st.body(), st);
    DrawLink(p, B, F - QPointF(4, 0), 16, st.bodyDark(), st);
    p.setBrush(st.accent());
    p.drawRect(QRectF(F.x() - 5, F.y() - 16, 5, 32));

    // Base frame at the foot of the S axis.
    const QPointF o(120, 350);
    Arrow(p, o, o + QPointF(95, 0), fc.x, QStringLiteral("X"));
    Arrow(p, o, o + QPointF(-50, 38), fc.y, QStringLiteral("Y"));
    Arrow(p, o, o + QPointF(0, -95), fc.z, QStringLiteral("Z"));
    (void)base;

    // Tool on the flange and its centre of gravity.
    p.setPen(st.outline());
    p.setBrush(grey ? QColor(235, 235, 235) : QColor(255, 236, 190));
    QPainterPath tool;
    tool.addRoundedRect(QRectF(F.x(), F.y() - 22, 70, 44), 6, 6);
    p.drawPath(tool);
    p.drawRect(QRectF(F.x() + 70, F.y() - 26, 18, 14));
    p.drawRect(QRectF(F.x() + 70, F.y() + 12, 18, 14));
    const QPointF cog = F + QPointF(104, 62);

    // Flange frame: Z along the flange axis, X down, Y out of the picture.
    Arrow(p, F, F + QPointF(150, 0), fc.z, QStringLiteral("Z"));
    Arrow(p, F, F + QPointF(0, 110), fc.x, QStringLiteral("X"));
    Arrow(p, F, F + QPointF(-42, 34), fc.y, QStringLiteral("Y"));

    const QColor dim = grey ? QColor(40, 40, 40) : QColor(120, 40, 160);
    // Lz along the flange axis, measured below; Lx across it, measured to the right.
    p.setPen(QPen(dim, 1, Qt::DotLine));
    p.drawLine(F + QPointF(0, 112), F + QPointF(0, 140));
    p.drawLine(cog, QPointF(cog.x(), F.y() + 140));
    p.drawLine(cog, QPointF(cog.x() + 38, cog.y()));
    Dimension(p, QPointF(F.x(), F.y() + 132), QPointF(cog.x(), F.y() + 132), QStringLiteral("Lz"), dim,
              QPointF(0, 13));
    Dimension(p, QPointF(cog.x() + 32, F.y()), QPointF(cog.x() + 32, cog.y()), QStringLiteral("Lx"), dim,
              QPointF(20, 0));
    Dimension(p, cog, cog + QPointF(-30, 24), QStringLiteral("Ly"), dim, QPointF(-22, 6));
    CentreOfGravity(p, cog, 9, st.ink());

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(st.ink());
    p.drawText(QRectF(20, 360, 260, 30), Qt::AlignLeft | Qt::AlignVCenter,
               PictureText(english, "로봇 베이스 좌표계", "Robot base frame"));
    p.drawText(QRectF(300, 272, 250, 20), Qt::AlignLeft | Qt::AlignVCenter,
               PictureText(english, "플랜지 좌표계 (툴 입력 기준)", "Flange frame (tool input)"));
    p.drawText(QRectF(cog.x() + 48, cog.y() - 10, 120, 20), Qt::AlignLeft | Qt::AlignVCenter,
               PictureText(english, "툴 무게중심", "Tool CoG"));
    p.end();
    return img;
}

QImage DrawToolCalcFramePicture(bool english) {
    const PictureStyle st;
    const Frame fc = FrameColours(false);
    // Drawn at twice the size of its layout, so that its window shows it readably.
    QImage img(2 * 320, 2 * 240, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(2, 2);
    const QPointF F(70, 100);
    // Wrist and flange.
    p.setPen(st.outline());
    p.setBrush(st.bodyDark());
    p.drawRoundedRect(QRectF(10, F.y() - 20, F.x() - 16, 40), 6, 6);
    p.setBrush(st.accent());
    p.drawRect(QRectF(F.x() - 6, F.y() - 26, 6, 52));
    // Hand (gripper body and fingers) and workpiece.
    p.setBrush(QColor(222, 230, 240));
    p.drawRoundedRect(QRectF(F.x(), F.y() - 30, 80, 60), 5, 5);
    p.drawRect(QRectF(F.x() + 80, F.y() - 34, 34, 12));
    p.drawRect(QRectF(F.x() + 80, F.y() + 22, 34, 12));
    p.setBrush(QColor(255, 220, 150));
    p.drawRect(QRectF(F.x() + 84, F.y() - 22, 70, 44));
    const QPointF hand = F + QPointF(40, 0);
    const QPointF work = F + QPointF(119, 0);
    Arrow(p, F, F + QPointF(220, 0), fc.z, QStringLiteral("Z"), 1.8);
    Arrow(p, F, F + QPointF(0, 80), fc.x, QStringLiteral("X"), 1.8);
    Arrow(p, F, F + QPointF(-34, 28), fc.y, QStringLiteral("Y"), 1.8);
    CentreOfGravity(p, hand, 7, st.ink());
    CentreOfGravity(p, work, 7, st.ink());
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(st.ink());
    p.drawText(QRectF(hand.x() - 40, F.y() - 58, 80, 18), Qt::AlignCenter,
               PictureText(english, "핸드", "Hand"));
    p.drawText(QRectF(work.x() - 40, F.y() - 58, 80, 18), Qt::AlignCenter,
               PictureText(english, "워크피스", "Workpiece"));
    p.drawText(QRectF(10, 214, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               PictureText(english, "무게중심은 플랜지 좌표계로 입력합니다",
                           "Centres of gravity in the flange frame"));
    p.end();
    return img;
}
