#include "MechPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Style.h"

namespace {

void DrawJoint(QPainter& p, QPointF c, double r, const PictureStyle& st) {
    p.setPen(st.outline(1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setBrush(st.accent());
    p.drawEllipse(c, r * 0.45, r * 0.45);
}

void Label(QPainter& p, QPointF at, const QString& text, const PictureStyle& st) {
    p.setPen(st.axis());
    p.setFont(st.label(13));
    p.drawText(QRectF(at.x() - 20, at.y() - 9, 40, 18), Qt::AlignCenter, text);
}

}  // namespace

QImage DrawMechPicture(const MechGeometry& m) {
    const PictureStyle st;
    const int S = 320;
    QImage img(S, S, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);

    // World frame in metres: S axis at x = 0, floor at z = 0, arm in the pose
    // with a vertical lower arm and a horizontal forearm.
    const double base = 0.35 + 0.12 * m.L_HZ;
    const QPointF H(m.L_HX, base);
    const QPointF V(m.L_HX, base + m.L_HZ);
    const QPointF elbow(m.L_HX, base + m.L_HZ + m.L_VZ);
    const QPointF B(m.L_HX + m.L_VX, base + m.L_HZ + m.L_VZ);
    const QPointF F(B.x() + m.L_B, B.y());
    const double left = -0.45, right = F.x() + 0.25;
    const double top = B.y() + 0.3;
    const double scale = std::min((S - 20) / (right - left), (S - 30) / top);
    auto px = [&](QPointF w) { return QPointF(10 + (w.x() - left) * scale, S - 14 - w.y() * scale); };
    const double armW = std::clamp(0.16 * scale * std::sqrt(std::max(m.payload, 1.0) / 50.0), 10.0, 34.0);

    // Floor and pedestal.
    p.setPen(QPen(st.ink(), 2));
    p.drawLine(QPointF(4, S - 14), QPointF(S - 4, S - 14));
    p.setPen(QPen(st.ink(), 1));
    for (int x = 8; x < S; x += 10) p.drawLine(QPointF(x, S - 14), QPointF(x - 6, S - 8));
    const double footW = std::max(0.5, m.L_HX * 2.6 + 0.2) * scale;
    const QPointF s0 = px(QPointF(0, 0));
    QPainterPath pedestal;
    pedestal.moveTo(s0.x() - footW / 2, s0.y());
    pedestal.lineTo(s0.x() + footW / 2, s0.y());
    pedestal.lineTo(s0.x() + footW * 0.36, px(QPointF(0, base * 0.55)).y());
    pedestal.lineTo(s0.x() - footW * 0.36, px(QPointF(0, base * 0.55)).y());
    pedestal.closeSubpath();
    p.setPen(st.outline());
    p.setBrush(st.bodyDark());
    p.drawPath(pedestal);
    // Turntable carrying the H axis.
    const QPointF hp = px(H);
    const double tableTop = hp.y() - armW * 0.6;
    p.setBrush(st.body());
    p.drawRoundedRect(QRectF(s0.x() - footW * 0.4, tableTop, hp.x() - s0.x() + footW * 0.4 + armW * 0.7,
                             px(QPointF(0, base * 0.55)).y() - tableTop),
                      4, 4);

    // S axis.
    p.setPen(st.axisLine());
    p.drawLine(QPointF(s0.x(), S - 10), QPointF(s0.x(), px(QPointF(0, base + 0.15)).y()));

    // Lower arm, upper arm (elbow housing and forearm), wrist link.
    DrawLink(p, px(H), px(V), armW, st.body(), st);
    DrawLink(p, px(V), px(elbow), armW * 1.1, st.bodyDark(), st);
    DrawLink(p, px(elbow), px(B), armW * 0.8, st.body(), st);
    DrawLink(p, px(B), px(F) - QPointF(4, 0), armW * 0.5, st.bodyDark(), st);
    p.setPen(st.outline(1.6));
    p.setBrush(st.accent());
    p.drawRect(QRectF(px(F).x() - 5, px(F).y() - armW * 0.45, 5, armW * 0.9));

    // R2 (forearm roll) and R1 (flange) axes.
    p.setPen(st.axisLine());
    p.drawLine(px(elbow) - QPointF(armW, 0), px(F) + QPointF(22, 0));

    const double jr = std::max(5.0, armW * 0.32);
    DrawJoint(p, px(H), jr, st);
    DrawJoint(p, px(V), jr, st);
    DrawJoint(p, px(B), jr * 0.8, st);

    Label(p, QPointF(s0.x() - 14, px(QPointF(0, base + 0.12)).y()), QStringLiteral("S"), st);
    Label(p, px(H) + QPointF(armW * 0.5 + 14, 10), QStringLiteral("H"), st);
    Label(p, px(V) - QPointF(armW * 0.5 + 14, 0), QStringLiteral("V"), st);
    Label(p, (px(elbow) + px(B)) / 2 - QPointF(0, armW * 0.5 + 12), QStringLiteral("R2"), st);
    Label(p, px(B) + QPointF(0, armW * 0.5 + 12), QStringLiteral("B"), st);
    Label(p, px(F) + QPointF(18, -14), QStringLiteral("R1"), st);

    // Name and rated payload.
    p.setPen(st.ink());
    QFont f = st.label(14);
    p.setFont(f);
    p.drawText(QRectF(8, 6, S - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, m.name);
    f.setBold(false);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRectF(8, 24, S - 16, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 kg").arg(m.payload, 0, 'f', 0));
    p.end();
    return img;
}
